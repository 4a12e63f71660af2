#include "forms/ParticularizareTextArea.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include "data/Cp1250.h"
#include "data/UCai.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

namespace {

// Tags of the component-streaming encoding used by the file.
enum : quint8 {
    TagInt8 = 2,
    TagInt16 = 3,
    TagInt32 = 4,
    TagText = 6,
    TagTextLung = 12,
    TagTextUtf16 = 18,
    TagTextUtf8 = 20
};

constexpr int VersiuneLista = 0;
constexpr int VersiuneInregistrare = 2;

QString FormatInvalid()
{
    return QStringLiteral("Invalid format");
}

class TScriitor
{
public:
    void Intreg(int valoare)
    {
        if (valoare >= -128 && valoare <= 127) {
            m_octeti.append(char(TagInt8));
            m_octeti.append(char(qint8(valoare)));
        } else if (valoare >= -32768 && valoare <= 32767) {
            m_octeti.append(char(TagInt16));
            Adauga<qint16>(qint16(valoare));
        } else {
            m_octeti.append(char(TagInt32));
            Adauga<qint32>(qint32(valoare));
        }
    }

    void Text(const QString &text)
    {
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            const QByteArray octeti = text.toLatin1();
            if (octeti.size() <= 255) {
                m_octeti.append(char(TagText));
                m_octeti.append(char(quint8(octeti.size())));
            } else {
                m_octeti.append(char(TagTextLung));
                Adauga<qint32>(qint32(octeti.size()));
            }
            m_octeti.append(octeti);
        } else {
            const QByteArray utf8 = text.toUtf8();
            m_octeti.append(char(TagTextUtf8));
            Adauga<qint32>(qint32(utf8.size()));
            m_octeti.append(utf8);
        }
    }

    const QByteArray &Octeti() const { return m_octeti; }

private:
    template <typename T> void Adauga(T valoare)
    {
        char buf[sizeof(T)];
        qToLittleEndian(valoare, buf);
        m_octeti.append(buf, sizeof(T));
    }

    QByteArray m_octeti;
};

class TCititor
{
public:
    TCititor(const QByteArray &octeti, const QString &nume) : m_octeti(octeti), m_nume(nume) {}

    int Intreg()
    {
        const qsizetype inceput = m_pozitie;
        const quint8 tag = Octet();
        switch (tag) {
        case TagInt8:
            return qint8(Octet());
        case TagInt16:
            return qFromLittleEndian<qint16>(Octeti(2).constData());
        case TagInt32:
            return qFromLittleEndian<qint32>(Octeti(4).constData());
        default:
            throw TipGresit(inceput, QStringLiteral("un numar"), tag);
        }
    }

    QString Text()
    {
        const qsizetype inceput = m_pozitie;
        const quint8 tag = Octet();
        switch (tag) {
        case TagText:
            // Older files keep 8-bit texts in the code page of the program.
            return Cp1250::Decodifica(Octeti(Octet()));
        case TagTextLung:
            return Cp1250::Decodifica(Octeti(Lungime()));
        case TagTextUtf8:
            return QString::fromUtf8(Octeti(Lungime()));
        case TagTextUtf16: {
            const qint64 unitati = Lungime();
            const QByteArray octeti = Octeti(unitati * 2);
            QString text(qsizetype(unitati), Qt::Uninitialized);
            for (qint64 i = 0; i < unitati; ++i)
                text[qsizetype(i)] = QChar(qFromLittleEndian<quint16>(octeti.constData() + 2 * i));
            return text;
        }
        default:
            throw TipGresit(inceput, QStringLiteral("un text"), tag);
        }
    }

private:
    quint8 Octet() { return quint8(Octeti(1).at(0)); }

    QByteArray Octeti(qint64 numar)
    {
        // Checked against what is left before anything is allocated, so a
        // damaged length cannot ask for gigabytes.
        if (numar < 0 || numar > m_octeti.size() - m_pozitie)
            throw Exceptie(QStringLiteral("Fisierul \"%1\" este incomplet sau deteriorat: datele se termina "
                                          "inainte de octetul %2.")
                               .arg(m_nume)
                               .arg(m_pozitie + qMax<qint64>(numar, 1)));
        const QByteArray parte = m_octeti.mid(m_pozitie, qsizetype(numar));
        m_pozitie += qsizetype(numar);
        return parte;
    }

    qint64 Lungime() { return qFromLittleEndian<qint32>(Octeti(4).constData()); }

    Exceptie TipGresit(qsizetype pozitie, const QString &asteptat, quint8 tag) const
    {
        return Exceptie(
            QStringLiteral("Fisierul \"%1\" este deteriorat: la octetul %2 se astepta %3 (marcaj %4).")
                .arg(m_nume)
                .arg(pozitie)
                .arg(asteptat)
                .arg(tag));
    }

    const QByteArray &m_octeti;
    QString m_nume;
    qsizetype m_pozitie = 0;
};

TListaParticularizareTextArea *g_instalata = nullptr;

} // namespace

bool TParticularizareTextArea::operator==(const TParticularizareTextArea &alta) const
{
    return NumeProprietar == alta.NumeProprietar && NumeArie == alta.NumeArie && Aliniere == alta.Aliniere &&
           DeplasareOrizontala == alta.DeplasareOrizontala && DeplasareVerticala == alta.DeplasareVerticala &&
           NumeFont == alta.NumeFont && TextInlocuitor == alta.TextInlocuitor && Italic == alta.Italic &&
           Bold == alta.Bold && Familie == alta.Familie;
}

TListaParticularizareTextArea::TListaParticularizareTextArea(QString cale) : m_cale(std::move(cale))
{}

TListaParticularizareTextArea::~TListaParticularizareTextArea()
{
    // An empty list has nothing worth a file; this also keeps a list that was
    // merely consulted from leaving a file behind.
    if (m_cale.isEmpty() || m_protejat || m_inregistrari.empty())
        return;
    try {
        SaveList();
    } catch (const Exceptie &e) {
        qWarning().noquote() << e.Mesaj();
    }
}

TParticularizareTextArea *TListaParticularizareTextArea::Find(const QString &numeProprietar,
                                                              const QString &numeArie, bool creeaza)
{
    for (auto it = m_inregistrari.rbegin(); it != m_inregistrari.rend(); ++it)
        if ((*it)->NumeProprietar == numeProprietar && (*it)->NumeArie == numeArie)
            return it->get();
    if (!creeaza)
        return nullptr;
    auto noua = std::make_unique<TParticularizareTextArea>();
    noua->NumeProprietar = numeProprietar;
    noua->NumeArie = numeArie;
    m_inregistrari.push_back(std::move(noua));
    TParticularizareTextArea *rezultat = m_inregistrari.back().get();
    SaveList();
    return rezultat;
}

QByteArray TListaParticularizareTextArea::Codifica() const
{
    TScriitor s;
    s.Intreg(VersiuneLista);
    s.Intreg(Count());
    for (const auto &p : m_inregistrari) {
        s.Intreg(VersiuneInregistrare);
        s.Text(p->NumeProprietar);
        s.Text(p->NumeArie);
        s.Intreg(p->Aliniere);
        s.Intreg(p->DeplasareOrizontala);
        s.Intreg(p->DeplasareVerticala);
        s.Text(p->NumeFont);
        s.Text(p->TextInlocuitor);
        s.Intreg(p->Italic);
        s.Intreg(p->Bold);
        s.Text(p->Familie);
    }
    return s.Octeti();
}

std::vector<TParticularizareTextArea> TListaParticularizareTextArea::Decodifica(const QByteArray &octeti,
                                                                                const QString &nume)
{
    TCititor c(octeti, nume);
    if (c.Intreg() != VersiuneLista)
        throw Exceptie(FormatInvalid());
    const int numar = c.Intreg();
    if (numar < 0)
        throw Exceptie(FormatInvalid());
    std::vector<TParticularizareTextArea> rezultat;
    for (int i = 0; i < numar; ++i) {
        const int versiune = c.Intreg();
        if (versiune > VersiuneInregistrare || versiune < 0)
            throw Exceptie(FormatInvalid());
        TParticularizareTextArea p;
        p.NumeProprietar = c.Text();
        p.NumeArie = c.Text();
        p.Aliniere = c.Intreg();
        p.DeplasareOrizontala = c.Intreg();
        p.DeplasareVerticala = c.Intreg();
        p.NumeFont = c.Text();
        if (versiune >= 1)
            p.TextInlocuitor = c.Text();
        if (versiune >= 2) {
            p.Italic = c.Intreg();
            p.Bold = c.Intreg();
            p.Familie = c.Text();
        }
        rezultat.push_back(std::move(p));
    }
    return rezultat;
}

void TListaParticularizareTextArea::Save(const QString &cale) const
{
    QSaveFile fisier(cale);
    if (!fisier.open(QIODevice::WriteOnly))
        throw Exceptie(
            QStringLiteral("Fisierul \"%1\" nu poate fi scris: %2").arg(cale, fisier.errorString()));
    const QByteArray octeti = Codifica();
    if (fisier.write(octeti) != octeti.size() || !fisier.commit())
        throw Exceptie(
            QStringLiteral("Fisierul \"%1\" nu poate fi scris: %2").arg(cale, fisier.errorString()));
}

void TListaParticularizareTextArea::SaveList() const
{
    if (m_protejat)
        throw Exceptie(QStringLiteral("Fisierul \"%1\" este deteriorat si nu a putut fi pus deoparte; "
                                      "ajustarile campurilor nu se salveaza peste el.")
                           .arg(m_cale));
    Save(m_cale);
}

void TListaParticularizareTextArea::Load(const QString &cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw Exceptie(
            QStringLiteral("Fisierul \"%1\" nu poate fi citit: %2").arg(cale, fisier.errorString()));
    std::vector<TParticularizareTextArea> citite = Decodifica(fisier.readAll(), cale);
    for (TParticularizareTextArea &p : citite)
        m_inregistrari.push_back(std::make_unique<TParticularizareTextArea>(std::move(p)));
}

std::unique_ptr<TListaParticularizareTextArea> DeschideListaParticularizari(const QString &cale)
{
    auto lista = std::make_unique<TListaParticularizareTextArea>(cale);
    if (!QFile::exists(cale))
        return lista;
    try {
        lista->Load(cale);
    } catch (const Exceptie &e) {
        // The next save would overwrite the user's adjustments: keep the damaged file aside first.
        const QString copie = cale + QStringLiteral(".deteriorat");
        QFile::remove(copie);
        QString urmare;
        if (QFile::rename(cale, copie)) {
            urmare =
                QStringLiteral("A fost pastrat ca \"%1\"; programul continua fara ajustarile campurilor.")
                    .arg(copie);
        } else {
            lista->ProtejeazaFisierul();
            urmare = QStringLiteral("Nu a putut fi pus deoparte, deci ajustarile noi nu vor fi salvate.");
        }
        const QString mesaj = QStringLiteral("Ajustarile campurilor nu pot fi citite din \"%1\": %2\n%3")
                                  .arg(cale, e.Mesaj(), urmare);
        // The list is first needed while a text area paints, where no message box may open.
        Mesaje().EroareAmanata(mesaj);
    }
    return lista;
}

TListaParticularizareTextArea &CustomisationList()
{
    if (g_instalata)
        return *g_instalata;
    static const std::unique_ptr<TListaParticularizareTextArea> lista =
        DeschideListaParticularizari(Locatii().CaleDate(QStringLiteral("licenta.lic")));
    return *lista;
}

void InstaleazaListaParticularizari(TListaParticularizareTextArea *lista)
{
    g_instalata = lista;
}

TAspectText AspectEfectiv(const QString &text, TFontFormular *font, TAliniere aliniere,
                          const TParticularizareTextArea *particularizare)
{
    const TParticularizareTextArea *c = particularizare;
    TAspectText a;
    a.Text = text;
    // A one-character text is a mark the form needs, never replaced.
    if (c && !c->TextInlocuitor.isEmpty() && (text.isEmpty() || text.size() >= 2))
        a.Text = c->TextInlocuitor;
    a.Font = (c && c->Font) ? c->Font.data() : font;
    a.Aliniere = aliniere;
    if (c) {
        if (c->Aliniere == 1)
            a.Aliniere = TAliniere::Stanga;
        else if (c->Aliniere == 2)
            a.Aliniere = TAliniere::Centru;
        else if (c->Aliniere == 3)
            a.Aliniere = TAliniere::Dreapta;
    }
    if (a.Font) {
        a.Grosime = a.Font->Bold() ? 700 : 400;
        a.Italic = a.Font->Italic();
        a.Familie = a.Font->FontName();
    }
    if (c) {
        if (c->Bold == 1)
            a.Grosime = 700;
        else if (c->Bold == 2)
            a.Grosime = 400;
        if (c->Italic == 1)
            a.Italic = true;
        else if (c->Italic == 2)
            a.Italic = false;
        if (!c->Familie.isEmpty())
            a.Familie = c->Familie;
    }
    return a;
}

TCerereFont CerereFont(const TAspectText &aspect, int inaltimeCelula, bool oglindit)
{
    TCerereFont f;
    f.InaltimeCelula = inaltimeCelula;
    f.Unghi = oglindit ? 1800 : 0;
    f.Grosime = aspect.Grosime;
    f.Italic = aspect.Italic;
    f.SetCaractere = aspect.Font ? aspect.Font->CharSet() : 238;
    f.PrecizieIesire = 8;
    f.Familie = aspect.Familie;
    return f;
}
