#include "shell/Actiune.h"

#include <new>

#include <QCoreApplication>

#include "shell/Exceptie.h"
#include "shell/Mesaje.h"

bool RuleazaActiune(const std::function<void()> &actiune)
{
    try {
        actiune();
        return true;
    } catch (const Exceptie &e) {
        Mesaje().Eroare(e.Mesaj());
    } catch (const Anulare &) {
    } catch (const IesireProgram &e) {
        QCoreApplication::exit(e.Cod());
    } catch (const std::bad_alloc &) {
        Mesaje().Eroare(QStringLiteral("Memorie insuficienta pentru aceasta operatie."));
    } catch (const std::exception &e) {
        Mesaje().Eroare(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Mesaje().Eroare(QStringLiteral("Eroare necunoscuta."));
    }
    return false;
}
