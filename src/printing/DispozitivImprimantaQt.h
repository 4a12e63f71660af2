#pragma once

#include <memory>

#include <QStringList>

#include "printing/DispozitivImprimanta.h"

class QPrinter;

// The system's printers through Qt; the current one is the default printer.
class TDispozitivImprimantaQt : public TDispozitivPaginat
{
public:
    TDispozitivImprimantaQt();
    ~TDispozitivImprimantaQt() override;

    QStringList Imprimante() override;
    int ImprimantaCurenta() override;
    void SelecteazaImprimanta(int index) override;
    void SetariDispozitiv(const TSetariDispozitiv &setari) override;

protected:
    QPagedPaintDevice &PregatesteIesirea(const QString &titlu) override;
    QPageLayout Pagina() const override;
    int Rezolutie() const override;
    QString NumeIesire() const override;

private:
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_imprimante;
    int m_curenta = -1;
};
