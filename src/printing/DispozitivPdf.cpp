#include "printing/DispozitivPdf.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryFile>

#include "comun/Exceptie.h"

namespace {

// A free name beside the file; the writer creates the file itself, with the usual permissions.
QString NumeTemporar(const QString &fisier)
{
    QTemporaryFile rezervat(fisier + QStringLiteral(".XXXXXX.partial"));
    if (!rezervat.open())
        return fisier; // the folder takes no file: beginning the document reports it
    return rezervat.fileName();
}

} // namespace

TDispozitivPdf::TDispozitivPdf(QString fisier, double margineStangaMm, double margineSusMm, int rezolutie)
    : m_fisier(std::move(fisier)), m_temporar(NumeTemporar(m_fisier)),
      m_pagina(QPageSize(QPageSize::A4), QPageLayout::Landscape,
               QMarginsF(margineStangaMm, margineSusMm, 0, 0), QPageLayout::Millimeter),
      m_rezolutie(rezolutie)
{}

TDispozitivPdf::~TDispozitivPdf()
{
    Abandoneaza();
    m_scriitor.reset();
    if (m_temporar != m_fisier)
        QFile::remove(m_temporar);
}

QStringList TDispozitivPdf::Imprimante()
{
    return {QStringLiteral("PDF")};
}

void TDispozitivPdf::SelecteazaImprimanta(int index)
{
    if (index != 0)
        throw Exceptie(QStringLiteral("Imprimanta cu numarul %1 nu exista.").arg(index));
    if (DocumentDeschis())
        throw Exceptie(QStringLiteral("Nu se poate schimba imprimanta in timpul tiparirii."));
}

void TDispozitivPdf::SetariDispozitiv(const TSetariDispozitiv &setari)
{
    m_pagina.setOrientation(setari.Orientare == TSetariDispozitiv::Portret ? QPageLayout::Portrait
                                                                           : QPageLayout::Landscape);
}

QPagedPaintDevice &TDispozitivPdf::PregatesteIesirea(const QString &titlu)
{
    m_scriitor = std::make_unique<QPdfWriter>(m_temporar);
    m_scriitor->setResolution(m_rezolutie);
    m_scriitor->setPageLayout(m_pagina);
    m_scriitor->setTitle(titlu);
    return *m_scriitor;
}

void TDispozitivPdf::IesireIncheiata(bool trimisa)
{
    m_scriitor.reset();
    if (m_temporar == m_fisier)
        return;
    if (!trimisa) {
        QFile::remove(m_temporar);
        return;
    }
    std::error_code eroare;
    std::filesystem::rename(std::filesystem::path(m_temporar.toStdU16String()),
                            std::filesystem::path(m_fisier.toStdU16String()), eroare);
    if (eroare) {
        QFile::remove(m_temporar);
        throw Exceptie(
            QStringLiteral("Fisierul PDF \"%1\" nu a putut fi scris: %2")
                .arg(QDir::toNativeSeparators(m_fisier), QString::fromLocal8Bit(eroare.message())));
    }
}

QString TDispozitivPdf::NumeIesire() const
{
    return QDir::toNativeSeparators(m_fisier);
}
