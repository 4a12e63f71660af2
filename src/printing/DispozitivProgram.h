#pragma once

#include <functional>
#include <memory>

#include "printing/DispozitivImprimanta.h"

class TDispozitivImprimantaQt;
class TDispozitivPdf;

// The printers the program offers: the system's, and after them a PDF file,
// so that a certificate can be produced, exactly as it would print, without
// any printer driver.
class TDispozitivProgram : public IDispozitivImprimanta
{
public:
    // Asks where the PDF of a document goes; an empty answer cancels it.
    using AlegereFisier = std::function<QString(const QString &titlu)>;

    explicit TDispozitivProgram(AlegereFisier alegeFisier);
    ~TDispozitivProgram() override;

    // The name of the PDF entry in the printer list.
    static QString NumePdf();
    bool EstePdf() const { return m_pePdf; }

    QStringList Imprimante() override;
    int ImprimantaCurenta() override;
    void SelecteazaImprimanta(int index) override;
    void SetariDispozitiv(const TSetariDispozitiv &setari) override;
    // On the PDF entry it asks for the file first; cancelling raises Anulare.
    void IncepeDocument(const QString &titlu) override;
    void TerminaDocument() override;
    TCapabilitatiDispozitiv Capabilitati() override;
    void SelecteazaFont(const TCerereFont &cerere) override;
    TMetriciText MasoaraText(const QString &text) override;
    void DeseneazaText(QPoint punct, const QRect &decupare, const QString &text) override;
    void DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi) override;
    void DeseneazaLinie(QPoint de, QPoint la) override;
    void PaginaNoua() override;

private:
    IDispozitivImprimanta &Activ();

    std::unique_ptr<TDispozitivImprimantaQt> m_sistem;
    std::unique_ptr<TDispozitivPdf> m_pdf;
    TSetariDispozitiv m_setari;
    AlegereFisier m_alegeFisier;
    bool m_pePdf = false;
};
