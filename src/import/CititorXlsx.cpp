// Excel 2007 and later workbooks (.xlsx): a zip archive of XML parts, read
// with libzip and QXmlStreamReader. Each part is read through a bounded
// stream, so a damaged or hostile archive (a "zip bomb", a sheet claiming
// millions of cells) ends in an error or in reading only what the import
// uses, never in a huge allocation.
#include <cmath>

#include <zip.h>

#include <QFile>
#include <QDateTime>
#include <QHash>
#include <QIODevice>
#include <QTime>
#include <QVector>
#include <QXmlStreamReader>

#include "import/AfisareCelula.h"
#include "import/RegistruCalcul.h"

namespace {

// The most a part may unpack to. A sheet is read only up to row 999, which
// real files reach long before this.
constexpr qint64 kMaxParte = 128 * 1024 * 1024;
// The most shared strings a workbook may list.
constexpr int kMaxTexteComune = 2'000'000;
// Excel's own bounds: a cell address beyond them is a damaged file.
constexpr int kMaxColoaneExcel = 16384;
constexpr int kMaxRanduriExcel = 1048576;

// How a cell's number is shown, from its style's number format.
struct TFormatNumar
{
    enum Fel { Numar, Data, Ora };
    Fel fel = Numar;
    int zecimale = -1;
    bool procent = false;
};

TFormatNumar FormatDinCod(const QString &cod)
{
    TFormatNumar f;
    // Only the part for positive numbers; quoted texts, [colours] and
    // escaped characters are not part of the pattern.
    QString curat;
    bool ghilimele = false;
    bool paranteza = false;
    for (int i = 0; i < cod.size(); ++i) {
        const QChar c = cod[i];
        if (ghilimele) {
            ghilimele = c != u'"';
        } else if (paranteza) {
            paranteza = c != u']';
        } else if (c == u'"') {
            ghilimele = true;
        } else if (c == u'[') {
            paranteza = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u';') {
            break;
        } else {
            curat += c.toLower();
        }
    }
    if (curat == QLatin1String("general"))
        return f;
    if (curat.contains(u'd') || curat.contains(u'y') || curat.contains(u'm')) {
        f.fel = TFormatNumar::Data;
        return f;
    }
    if (curat.contains(u'h') || curat.contains(u's')) {
        f.fel = TFormatNumar::Ora;
        return f;
    }
    f.procent = curat.contains(u'%');
    const int punct = curat.indexOf(u'.');
    if (curat.contains(u'0') || curat.contains(u'#')) {
        f.zecimale = 0;
        for (int i = punct >= 0 ? punct + 1 : curat.size();
             i < curat.size() && (curat[i] == u'0' || curat[i] == u'#'); ++i)
            ++f.zecimale;
    }
    return f;
}

// Excel's built-in number formats that matter for the display.
TFormatNumar FormatIncorporat(int id)
{
    TFormatNumar f;
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58)) {
        f.fel = TFormatNumar::Data;
    } else if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47)) {
        f.fel = TFormatNumar::Ora;
    } else if (id == 1 || id == 3 || id == 9 || id == 37 || id == 38) {
        f.zecimale = 0;
        f.procent = id == 9;
    } else if (id == 2 || id == 4 || id == 10 || id == 39 || id == 40) {
        f.zecimale = 2;
        f.procent = id == 10;
    }
    return f;
}

class TRegistruXlsx : public IRegistruCalcul
{
public:
    explicit TRegistruXlsx(const QString &fisier) : IRegistruCalcul(fisier)
    {
        int eroare = 0;
#ifdef Q_OS_WIN
        // libzip takes UTF-8 names on Windows.
        const QByteArray nume = fisier.toUtf8();
#else
        const QByteArray nume = QFile::encodeName(fisier);
#endif
        m_zip.p = zip_open(nume.constData(), ZIP_RDONLY | ZIP_CHECKCONS, &eroare);
        if (!m_zip.p)
            Esec(QStringLiteral("fisierul este deteriorat sau nu este o foaie de calcul Excel (.xlsx)."));
        CitesteFoile();
        CitesteStilurile();
        CitesteTexteleComune();
    }

    QStringList Foi() const override { return m_foi; }

protected:
    TCelule CitesteFoaia(int foaie) override
    {
        TCelule celule;
        QXmlStreamReader xml;
        TFlux flux(*this, m_caiFoi.value(foaie), xml);
        const QString &nume = m_foi.at(foaie);
        int rand = 0;
        int coloana = -1;
        TCelula celula;
        bool inCelula = false;
        for (;;) {
            const QXmlStreamReader::TokenType t = flux.Pas();
            if (t == QXmlStreamReader::EndDocument)
                break;
            if (t == QXmlStreamReader::EndElement && inCelula && xml.name() == QLatin1String("c")) {
                inCelula = false;
                const QString text = TextCelula(celula, nume);
                if (coloana < kColoaneCitite && !text.isEmpty())
                    celule.insert(Cheie(coloana, rand), text);
                continue;
            }
            if (t != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("row")) {
                const QString r = xml.attributes().value(QLatin1String("r")).toString();
                rand = r.isEmpty() ? rand + 1 : r.toInt();
                if (rand < 1 || rand > kMaxRanduriExcel)
                    Esec(QStringLiteral("foaia \"%1\" are un rand cu numar gresit.").arg(nume));
                // Nothing beyond row 999 is ever used.
                if (rand > kRanduriCitite)
                    break;
                coloana = -1;
            } else if (xml.name() == QLatin1String("c")) {
                if (rand < 1)
                    Esec(QStringLiteral("foaia \"%1\" are o celula in afara unui rand.").arg(nume));
                const QXmlStreamAttributes a = xml.attributes();
                const QString adresa = a.value(QLatin1String("r")).toString();
                if (adresa.isEmpty()) {
                    ++coloana;
                } else {
                    int r = 0;
                    if (!DesparteAdresa(adresa, coloana, r) || r != rand)
                        Esec(QStringLiteral("foaia \"%1\" are adresa de celula gresita \"%2\".")
                                 .arg(nume, adresa.left(20)));
                }
                if (coloana >= kMaxColoaneExcel)
                    Esec(QStringLiteral("foaia \"%1\" are o celula dincolo de ultima coloana (%2).")
                             .arg(nume, adresa.left(20)));
                celula = TCelula();
                celula.tip = a.value(QLatin1String("t")).toString();
                celula.stil = a.value(QLatin1String("s")).toInt();
                inCelula = true;
            } else if (inCelula && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("is"))) {
                celula.valoare = flux.Text();
                celula.areValoare = true;
            } else if (inCelula) {
                // A formula's text: its cached value in <v> is what shows.
                flux.Sari();
            }
        }
        return celule;
    }

private:
    // A part of the archive read as XML, unpacked piece by piece and never
    // beyond kMaxParte bytes.
    class TFlux
    {
    public:
        TFlux(const TRegistruXlsx &registru, const QString &cale, QXmlStreamReader &xml)
            : m_registru(registru), m_cale(cale), m_xml(xml)
        {
            zip_file_t *fisier = zip_fopen(registru.m_zip.p, cale.toUtf8().constData(), 0);
            if (!fisier)
                registru.Esec(QStringLiteral("lipseste partea \"%1\".").arg(cale));
            m_dispozitiv.Deschide(fisier);
            m_xml.setDevice(&m_dispozitiv);
        }
        TFlux(const TFlux &) = delete;
        TFlux &operator=(const TFlux &) = delete;

        // The next token.
        QXmlStreamReader::TokenType Pas()
        {
            const QXmlStreamReader::TokenType t = m_xml.readNext();
            if (t != QXmlStreamReader::Invalid)
                return t;
            if (m_dispozitiv.PreaMare())
                m_registru.Esec(QStringLiteral("partea \"%1\" este prea mare (peste %2 MB).")
                                    .arg(m_cale)
                                    .arg(kMaxParte >> 20));
            if (m_dispozitiv.Deteriorat())
                m_registru.Esec(QStringLiteral("arhiva este deteriorata (partea \"%1\").").arg(m_cale));
            m_registru.Esec(
                QStringLiteral("partea \"%1\" nu este XML valid (%2).").arg(m_cale, m_xml.errorString()));
        }
        // The next start element; false at the end of the part.
        bool Urmatorul()
        {
            for (;;) {
                const QXmlStreamReader::TokenType t = Pas();
                if (t == QXmlStreamReader::StartElement)
                    return true;
                if (t == QXmlStreamReader::EndDocument)
                    return false;
            }
        }
        // The text of the current element, its child elements' texts included.
        QString Text()
        {
            QString text;
            for (int adancime = 1; adancime > 0;) {
                const QXmlStreamReader::TokenType t = Pas();
                if (t == QXmlStreamReader::StartElement) {
                    ++adancime;
                    // Phonetic readings of Far East texts are not shown.
                    if (m_xml.name() == QLatin1String("rPh")) {
                        Sari();
                        --adancime;
                    }
                } else if (t == QXmlStreamReader::EndElement) {
                    --adancime;
                } else if (t == QXmlStreamReader::Characters) {
                    text += m_xml.text();
                    if (text.size() > 32767)
                        m_registru.Esec(QStringLiteral("partea \"%1\" are un text prea lung.").arg(m_cale));
                } else if (t == QXmlStreamReader::EndDocument) {
                    break;
                }
            }
            return text;
        }
        // Skips the current element with all it holds.
        void Sari()
        {
            for (int adancime = 1; adancime > 0;) {
                const QXmlStreamReader::TokenType t = Pas();
                if (t == QXmlStreamReader::StartElement)
                    ++adancime;
                else if (t == QXmlStreamReader::EndElement)
                    --adancime;
                else if (t == QXmlStreamReader::EndDocument)
                    break;
            }
        }
        QXmlStreamReader &Xml() { return m_xml; }

    private:
        // A part of the archive unpacked as the reader asks, never beyond kMaxParte bytes.
        class TDispozitivZip : public QIODevice
        {
        public:
            ~TDispozitivZip() override
            {
                if (m_fisier)
                    zip_fclose(m_fisier);
            }
            void Deschide(zip_file_t *fisier)
            {
                m_fisier = fisier;
                open(QIODevice::ReadOnly);
            }
            bool isSequential() const override { return true; }
            bool PreaMare() const { return m_preaMare; }
            bool Deteriorat() const { return m_deteriorat; }

        protected:
            qint64 readData(char *date, qint64 max) override
            {
                if (m_preaMare || m_deteriorat)
                    return -1;
                const zip_int64_t n = zip_fread(m_fisier, date, zip_uint64_t(qMin<qint64>(max, 1 << 20)));
                if (n < 0) {
                    m_deteriorat = true;
                    return -1;
                }
                m_citit += n;
                if (m_citit > kMaxParte) {
                    m_preaMare = true;
                    return -1;
                }
                return n;
            }
            qint64 writeData(const char *, qint64) override { return -1; }

        private:
            zip_file_t *m_fisier = nullptr;
            qint64 m_citit = 0;
            bool m_preaMare = false;
            bool m_deteriorat = false;
        };

        const TRegistruXlsx &m_registru;
        QString m_cale;
        QXmlStreamReader &m_xml;
        TDispozitivZip m_dispozitiv;
    };

    bool ExistaPartea(const QString &cale) const
    {
        return zip_name_locate(m_zip.p, cale.toUtf8().constData(), 0) >= 0;
    }

    // Targets of relationships are relative to the folder "xl/".
    static QString CaleDinTinta(const QString &tinta)
    {
        if (tinta.startsWith(u'/'))
            return tinta.mid(1);
        return QStringLiteral("xl/") + tinta;
    }

    void CitesteFoile()
    {
        QHash<QString, QString> tinte;
        const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
        if (ExistaPartea(rels)) {
            QXmlStreamReader xml;
            TFlux flux(*this, rels, xml);
            while (flux.Urmatorul()) {
                if (xml.name() == QLatin1String("Relationship"))
                    tinte.insert(xml.attributes().value(QLatin1String("Id")).toString(),
                                 CaleDinTinta(xml.attributes().value(QLatin1String("Target")).toString()));
            }
        }
        QXmlStreamReader xml;
        TFlux flux(*this, QStringLiteral("xl/workbook.xml"), xml);
        while (flux.Urmatorul()) {
            if (xml.name() != QLatin1String("sheet"))
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            QString id;
            for (const QXmlStreamAttribute &atr : a) {
                if (atr.name() == QLatin1String("id"))
                    id = atr.value().toString();
            }
            const QString cale = tinte.value(id);
            if (cale.isEmpty())
                Esec(QStringLiteral("foaia \"%1\" nu are continut.").arg(a.value(QLatin1String("name"))));
            if (m_foi.size() >= 4096)
                Esec(QStringLiteral("registrul are prea multe foi."));
            m_foi.append(a.value(QLatin1String("name")).toString());
            m_caiFoi.append(cale);
        }
    }

    void CitesteStilurile()
    {
        const QString cale = QStringLiteral("xl/styles.xml");
        if (!ExistaPartea(cale))
            return;
        QHash<int, TFormatNumar> proprii;
        QXmlStreamReader xml;
        TFlux flux(*this, cale, xml);
        bool inCellXfs = false;
        for (;;) {
            const QXmlStreamReader::TokenType t = flux.Pas();
            if (t == QXmlStreamReader::EndDocument)
                break;
            if (t == QXmlStreamReader::EndElement) {
                if (xml.name() == QLatin1String("cellXfs"))
                    inCellXfs = false;
                continue;
            }
            if (t != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("numFmt")) {
                proprii.insert(a.value(QLatin1String("numFmtId")).toInt(),
                               FormatDinCod(a.value(QLatin1String("formatCode")).toString()));
            } else if (xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == QLatin1String("xf")) {
                if (m_stiluri.size() >= 65536)
                    Esec(QStringLiteral("partea \"%1\" are prea multe stiluri.").arg(cale));
                const int id = a.value(QLatin1String("numFmtId")).toInt();
                m_stiluri.append(proprii.contains(id) ? proprii.value(id) : FormatIncorporat(id));
            }
        }
    }

    void CitesteTexteleComune()
    {
        const QString cale = QStringLiteral("xl/sharedStrings.xml");
        if (!ExistaPartea(cale))
            return;
        QXmlStreamReader xml;
        TFlux flux(*this, cale, xml);
        while (flux.Urmatorul()) {
            if (xml.name() != QLatin1String("si"))
                continue;
            if (m_texte.size() >= kMaxTexteComune)
                Esec(QStringLiteral("partea \"%1\" are prea multe texte.").arg(cale));
            m_texte.append(flux.Text());
        }
    }

    struct TCelula
    {
        QString tip;
        int stil = 0;
        QString valoare;
        bool areValoare = false;
    };

    // The displayed text of a cell by its type, value and style.
    QString TextCelula(const TCelula &c, const QString &foaie) const
    {
        if (!c.areValoare)
            return QString();
        if (c.tip == QLatin1String("s")) {
            bool ok = false;
            const int index = c.valoare.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= m_texte.size())
                Esec(QStringLiteral("foaia \"%1\" trimite la un text comun care nu exista (%2).")
                         .arg(foaie, c.valoare.left(20)));
            return m_texte.at(index);
        }
        if (c.tip == QLatin1String("inlineStr") || c.tip == QLatin1String("str") ||
            c.tip == QLatin1String("e"))
            return c.valoare;
        if (c.tip == QLatin1String("d")) {
            // Strict files may hold a date as ISO 8601 text.
            QDateTime moment = QDateTime::fromString(c.valoare.trimmed(), Qt::ISODate);
            if (!moment.isValid())
                moment = QDateTime(QDate::fromString(c.valoare.trimmed(), Qt::ISODate), QTime(0, 0));
            return moment.isValid() ? AfisareCelula::Data(moment) : c.valoare;
        }
        if (c.tip == QLatin1String("b"))
            return AfisareCelula::Boolean(c.valoare.trimmed() == QLatin1String("1"));
        bool ok = false;
        const double numar = c.valoare.trimmed().toDouble(&ok);
        if (!ok)
            return c.valoare;
        const TFormatNumar format =
            c.stil >= 0 && c.stil < m_stiluri.size() ? m_stiluri.at(c.stil) : TFormatNumar();
        switch (format.fel) {
        case TFormatNumar::Data:
            return AfisareCelula::DataDinSerial(numar);
        case TFormatNumar::Ora:
            return QTime(0, 0)
                .addSecs(int(qRound64((numar - std::floor(numar)) * 86400.0) % 86400))
                .toString(QStringLiteral("hh:mm"));
        default:
            return AfisareCelula::Numar(numar, format.zecimale, format.procent);
        }
    }

    struct TZip
    {
        zip_t *p = nullptr;
        TZip() = default;
        TZip(const TZip &) = delete;
        TZip &operator=(const TZip &) = delete;
        ~TZip()
        {
            if (p)
                zip_discard(p);
        }
    } m_zip;
    QStringList m_foi;
    QStringList m_caiFoi;
    QVector<TFormatNumar> m_stiluri;
    QStringList m_texte;
};

} // namespace

std::unique_ptr<IRegistruCalcul> DeschideXlsx(const QString &fisier)
{
    return std::make_unique<TRegistruXlsx>(fisier);
}
