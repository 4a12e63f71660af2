#include "printing/DispozitivProgram.h"

#include "comun/Exceptie.h"
#include "printing/DispozitivImprimantaQt.h"
#include "printing/DispozitivPdf.h"

TDispozitivProgram::TDispozitivProgram(AlegereFisier alegeFisier)
    : m_sistem(std::make_unique<TDispozitivImprimantaQt>()), m_alegeFisier(std::move(alegeFisier))
{
    // Without any installed printer the PDF file is the printer.
    m_pePdf = m_sistem->ImprimantaCurenta() < 0;
}

TDispozitivProgram::~TDispozitivProgram() = default;

QString TDispozitivProgram::NumePdf()
{
    return QStringLiteral("Fisier PDF");
}

QStringList TDispozitivProgram::Imprimante()
{
    return m_sistem->Imprimante() << NumePdf();
}

int TDispozitivProgram::ImprimantaCurenta()
{
    return m_pePdf ? int(m_sistem->Imprimante().size()) : m_sistem->ImprimantaCurenta();
}

void TDispozitivProgram::SelecteazaImprimanta(int index)
{
    if (m_pdf)
        throw Exceptie(QStringLiteral("Nu se poate schimba imprimanta in timpul tiparirii."));
    if (index == m_sistem->Imprimante().size()) {
        m_pePdf = true;
        return;
    }
    m_sistem->SelecteazaImprimanta(index);
    m_pePdf = false;
}

void TDispozitivProgram::SetariDispozitiv(const TSetariDispozitiv &setari)
{
    m_setari = setari;
    if (!m_pePdf)
        m_sistem->SetariDispozitiv(setari);
}

void TDispozitivProgram::IncepeDocument(const QString &titlu)
{
    if (!m_pePdf) {
        m_sistem->IncepeDocument(titlu);
        return;
    }
    if (m_pdf)
        throw Exceptie(QStringLiteral("Un document este deja deschis la imprimanta."));
    const QString fisier = m_alegeFisier ? m_alegeFisier(titlu) : QString();
    if (fisier.isEmpty())
        throw Anulare();
    // A PDF has no unprintable margins: the page starts at the sheet's corner.
    auto pdf = std::make_unique<TDispozitivPdf>(fisier, 0, 0, 600);
    pdf->SetariDispozitiv(m_setari);
    pdf->IncepeDocument(titlu);
    m_pdf = std::move(pdf);
}

void TDispozitivProgram::TerminaDocument()
{
    if (!m_pdf) {
        if (!m_pePdf)
            m_sistem->TerminaDocument();
        return;
    }
    const std::unique_ptr<TDispozitivPdf> pdf = std::move(m_pdf);
    pdf->TerminaDocument();
}

IDispozitivImprimanta &TDispozitivProgram::Activ()
{
    if (m_pdf)
        return *m_pdf;
    return *m_sistem;
}

TCapabilitatiDispozitiv TDispozitivProgram::Capabilitati()
{
    return Activ().Capabilitati();
}

void TDispozitivProgram::SelecteazaFont(const TCerereFont &cerere)
{
    Activ().SelecteazaFont(cerere);
}

TMetriciText TDispozitivProgram::MasoaraText(const QString &text)
{
    return Activ().MasoaraText(text);
}

void TDispozitivProgram::DeseneazaText(QPoint punct, const QRect &decupare, const QString &text)
{
    Activ().DeseneazaText(punct, decupare, text);
}

void TDispozitivProgram::PaginaNoua()
{
    Activ().PaginaNoua();
}

void TDispozitivProgram::DeseneazaLinie(QPoint de, QPoint la)
{
    Activ().DeseneazaLinie(de, la);
}

void TDispozitivProgram::DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi)
{
    Activ().DeseneazaImagine(imagine, dreptunghi);
}
