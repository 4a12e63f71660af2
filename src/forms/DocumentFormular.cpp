#include "forms/DocumentFormular.h"

#include <algorithm>

#include "forms/ParticularizareTextArea.h"

namespace {
const QString PrefixArie = QStringLiteral("FormularTextArea");
}

TZonaText::TZonaText(TPaginaFormular *pagina, const QString &nume) : QObject(pagina)
{
    setObjectName(nume);
}

TZonaText::~TZonaText()
{
    if (m_font)
        m_font->RemoveTextArea(this);
}

TPaginaFormular *TZonaText::Pagina() const
{
    return qobject_cast<TPaginaFormular *>(parent());
}

void TZonaText::SetText(const QString &text)
{
    m_text = text;
    emit Schimbata();
}

void TZonaText::SetFont(TFontFormular *font)
{
    if (m_font)
        m_font->RemoveTextArea(this);
    m_font = font;
    if (m_font)
        m_font->AddTextArea(this);
    emit Schimbata();
}

void TZonaText::SetAlignment(TAliniere aliniere)
{
    m_alignment = aliniere;
    emit Schimbata();
}

void TZonaText::SetVisible(bool vizibil)
{
    m_vizibil = vizibil;
    emit Schimbata();
}

void TZonaText::SetSavedTop(double mm)
{
    m_savedTop = mm;
    m_savedTopMemorat = true;
}

void TZonaText::MemoreazaSavedTop()
{
    if (!m_savedTopMemorat)
        SetSavedTop(m_top);
}

QObject *TZonaText::Proprietar() const
{
    QObject *proprietar = const_cast<TZonaText *>(this);
    for (QObject *o = parent(); o; o = o->parent()) {
        if (qobject_cast<TDocumentFormular *>(o))
            return o;
        proprietar = o;
    }
    if (const TPaginaFormular *pagina = Pagina()) {
        if (QObject *numit = pagina->ProprietarNumit())
            return numit;
    }
    return proprietar;
}

TParticularizareTextArea *TZonaText::Particularizare(bool creeaza) const
{
    const QObject *proprietar = Proprietar();
    TParticularizareTextArea *p = CustomisationList().Find(proprietar->objectName(), objectName(), creeaza);
    if (p) {
        TFontFormular *font = nullptr;
        if (!p->NumeFont.isEmpty()) {
            for (TFontFormular *f : proprietar->findChildren<TFontFormular *>()) {
                if (f->objectName() == p->NumeFont) {
                    font = f;
                    break;
                }
            }
        }
        p->Font = font;
    }
    return p;
}

void TZonaText::PrintTo(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                        double latimePagina, double inaltimePagina, double deplasareVerticala,
                        double deplasareOrizontala)
{
    Q_UNUSED(director);
    Q_UNUSED(latimePagina);
    Q_UNUSED(inaltimePagina);
    const TParticularizareTextArea *c = Particularizare(false);
    const TAspectText aspect = AspectEfectiv(m_text, m_font, m_alignment, c);
    if (!aspect.Font)
        return;
    const QRectF loc = LocTiparireMm(deplasareVerticala, deplasareOrizontala);
    TiparesteText(dispozitiv, CerereFont(aspect, 1, oglindit), aspect.Font->Size(), aspect.Text,
                  aspect.Aliniere, loc.left(), loc.top(), m_width, m_height, oglindit);
}

QRectF TZonaText::LocTiparireMm(double deplasareVerticala, double deplasareOrizontala) const
{
    const TParticularizareTextArea *c = Particularizare(false);
    const double stanga = m_left + deplasareOrizontala + 0.5 * (c ? c->DeplasareOrizontala : 0);
    const double sus = m_top + deplasareVerticala + 0.5 * (c ? c->DeplasareVerticala : 0);
    return QRectF(stanga, sus, m_width, m_height);
}

// ---------------------------------------------------------------------------

TPaginaFormular::TPaginaFormular(QObject *parinte, const QString &nume) : QObject(parinte)
{
    setObjectName(nume);
}

QList<TZonaText *> TPaginaFormular::TextAreas() const
{
    QList<TZonaText *> zone;
    for (QObject *copil : children()) {
        if (auto *zona = qobject_cast<TZonaText *>(copil))
            zone.append(zona);
    }
    return zone;
}

TZonaText *TPaginaFormular::FindTextArea(int n) const
{
    const QString nume = PrefixArie + QString::number(n);
    for (TZonaText *zona : TextAreas()) {
        if (zona->objectName() == nume)
            return zona;
    }
    return nullptr;
}

int TPaginaFormular::MaxTextAreaNumber() const
{
    int maxim = 0;
    for (const TZonaText *zona : TextAreas()) {
        const QString nume = zona->objectName();
        if (nume.size() <= PrefixArie.size() || !nume.startsWith(PrefixArie))
            continue;
        QString cifre;
        for (const QChar c : QStringView(nume).mid(PrefixArie.size())) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                cifre.append(c);
        }
        bool numar = false;
        const int n = cifre.toInt(&numar);
        if (numar)
            maxim = std::max(maxim, n);
    }
    return maxim;
}

void TPaginaFormular::PrintAll(IDispozitivImprimanta &dispozitiv, bool oglindit,
                               TDirectorModificari &director, double deplasareOrizontala,
                               double deplasareVerticala)
{
    const double orizontal = deplasareOrizontala + m_deltaStanga;
    const double vertical = deplasareVerticala + m_deltaSus;
    for (TZonaText *zona : TextAreas())
        zona->PrintTo(dispozitiv, oglindit, director, m_latime, m_inaltime, vertical, orizontal);
}

void TPaginaFormular::PrintProba(IDispozitivImprimanta &dispozitiv, bool oglindit, double deplasareOrizontala,
                                 double deplasareVerticala)
{
    const double orizontal = deplasareOrizontala + m_deltaStanga;
    const double vertical = deplasareVerticala + m_deltaSus;
    const TCapabilitatiDispozitiv c = dispozitiv.Capabilitati();
    // A point of the sheet in millimetres, on the device, turned with the page.
    const auto punct = [&](double x, double y) {
        return PlaseazaText(c, DreptunghiTiparire(c, x, y, 0, 0), TAliniere::Stanga, {}, oglindit)
            .Dreptunghi.topLeft();
    };
    const auto linie = [&](double x1, double y1, double x2, double y2) {
        dispozitiv.DeseneazaLinie(punct(x1, y1), punct(x2, y2));
    };
    for (const TZonaText *zona : TextAreas()) {
        const QRectF r = zona->LocTiparireMm(vertical, orizontal);
        linie(r.left(), r.top(), r.right(), r.top());
        linie(r.right(), r.top(), r.right(), r.bottom());
        linie(r.right(), r.bottom(), r.left(), r.bottom());
        linie(r.left(), r.bottom(), r.left(), r.top());
    }
    // The ruler: a tick every millimetre, longer every 5 and 10.
    const auto lungime = [](int mm) { return mm % 10 == 0 ? 3.0 : mm % 5 == 0 ? 2.0 : 1.0; };
    for (int mm = 0; mm <= int(m_latime); ++mm)
        linie(orizontal + mm, vertical, orizontal + mm, vertical + lungime(mm));
    for (int mm = 0; mm <= int(m_inaltime); ++mm)
        linie(orizontal, vertical + mm, orizontal + lungime(mm), vertical + mm);
    // A cross of 10 mm at each corner of the card.
    for (const double x : {orizontal, orizontal + m_latime}) {
        for (const double y : {vertical, vertical + m_inaltime}) {
            linie(x - 5, y, x + 5, y);
            linie(x, y - 5, x, y + 5);
        }
    }
}

// ---------------------------------------------------------------------------

TDocumentFormular::TDocumentFormular(const QString &nume, QObject *parinte) : QObject(parinte)
{
    setObjectName(nume);
}

QList<TPaginaFormular *> TDocumentFormular::Pagini() const
{
    QList<TPaginaFormular *> pagini;
    for (QObject *copil : children()) {
        if (auto *pagina = qobject_cast<TPaginaFormular *>(copil))
            pagini.append(pagina);
    }
    return pagini;
}

TFontFormular *TDocumentFormular::Font(const QString &nume) const
{
    for (QObject *copil : children()) {
        if (auto *font = qobject_cast<TFontFormular *>(copil); font && font->objectName() == nume)
            return font;
    }
    return nullptr;
}
