#include "comun/Actiune.h"

#include <new>

#include <QCoreApplication>

#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

bool RuleazaActiune(const std::function<void()> &actiune)
{
    try {
        actiune();
        return true;
    } catch (const Anulare &) {
    } catch (const IesireProgram &e) {
        QCoreApplication::exit(e.Cod());
    } catch (...) {
        Mesaje().Eroare(MesajExceptieCurenta());
    }
    return false;
}

QString MesajExceptieCurenta()
{
    try {
        throw;
    } catch (const Exceptie &e) {
        return e.Mesaj();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Memorie insuficienta pentru aceasta operatie.");
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Eroare necunoscuta.");
    }
}
