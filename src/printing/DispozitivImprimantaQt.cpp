#include "printing/DispozitivImprimantaQt.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "comun/Exceptie.h"

TDispozitivImprimantaQt::TDispozitivImprimantaQt()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_imprimante = QPrinterInfo::availablePrinterNames();
    m_curenta = m_imprimante.indexOf(QPrinterInfo::defaultPrinterName());
    if (m_curenta < 0 && !m_imprimante.isEmpty())
        m_curenta = 0;
    if (m_curenta >= 0)
        m_printer->setPrinterName(m_imprimante.at(m_curenta));
}

TDispozitivImprimantaQt::~TDispozitivImprimantaQt()
{
    Abandoneaza();
}

QStringList TDispozitivImprimantaQt::Imprimante()
{
    return m_imprimante;
}

int TDispozitivImprimantaQt::ImprimantaCurenta()
{
    return m_curenta;
}

void TDispozitivImprimantaQt::SelecteazaImprimanta(int index)
{
    if (index < 0 || index >= m_imprimante.size())
        throw Exceptie(QStringLiteral("Imprimanta cu numarul %1 nu exista.").arg(index));
    if (DocumentDeschis())
        throw Exceptie(QStringLiteral("Nu se poate schimba imprimanta in timpul tiparirii."));
    m_curenta = index;
    m_printer->setPrinterName(m_imprimante.at(index));
}

void TDispozitivImprimantaQt::SetariDispozitiv(const TSetariDispozitiv &setari)
{
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(setari.Orientare == TSetariDispozitiv::Portret ? QPageLayout::Portrait
                                                                                 : QPageLayout::Landscape);
    m_printer->setColorMode(setari.Culoare == TSetariDispozitiv::Monocrom ? QPrinter::GrayScale
                                                                          : QPrinter::Color);
}

QPagedPaintDevice &TDispozitivImprimantaQt::PregatesteIesirea(const QString &titlu)
{
    if (m_curenta < 0)
        throw Exceptie(QStringLiteral("Nu este instalata nicio imprimanta."));
    m_printer->setDocName(titlu);
    m_printer->setFullPage(false);
    return *m_printer;
}

QPageLayout TDispozitivImprimantaQt::Pagina() const
{
    return m_printer->pageLayout();
}

int TDispozitivImprimantaQt::Rezolutie() const
{
    return m_printer->resolution();
}

QString TDispozitivImprimantaQt::NumeIesire() const
{
    return m_imprimante.value(m_curenta);
}
