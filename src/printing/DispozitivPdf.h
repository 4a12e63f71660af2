#pragma once

#include <memory>

#include <QPageLayout>
#include <QString>

#include "printing/DispozitivImprimanta.h"

class QPdfWriter;

// A PDF file as the printer: A4, with the given unprintable margins
// (millimetres) standing in for a printer's. The file appears under its name
// only once its output has ended without error: until then it is written
// beside it under a name of its own, so an interrupted print never leaves a
// half-written file, and an older file of that name stays until the new one
// is whole.
class TDispozitivPdf : public TDispozitivPaginat
{
public:
    explicit TDispozitivPdf(QString fisier, double margineStangaMm = 0, double margineSusMm = 0,
                            int rezolutie = 600);
    ~TDispozitivPdf() override;

    const QString &Fisier() const { return m_fisier; }

    // One entry, "PDF".
    QStringList Imprimante() override;
    int ImprimantaCurenta() override { return 0; }
    void SelecteazaImprimanta(int index) override;
    // The orientation applies; the sheet stays A4 with its margins.
    void SetariDispozitiv(const TSetariDispozitiv &setari) override;

protected:
    QPagedPaintDevice &PregatesteIesirea(const QString &titlu) override;
    QPageLayout Pagina() const override { return m_pagina; }
    int Rezolutie() const override { return m_rezolutie; }
    void IesireIncheiata(bool trimisa) override;
    QString NumeIesire() const override;

private:
    QString m_fisier;
    QString m_temporar;
    QPageLayout m_pagina;
    int m_rezolutie;
    std::unique_ptr<QPdfWriter> m_scriitor;
};
