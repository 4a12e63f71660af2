// Delimited text (.csv, .txt): UTF-8 with or without its byte order mark, or
// Windows-1250; the separator (comma, semicolon or tab) is the one the first
// lines use most outside quotes. Quoted fields may hold separators, doubled
// quotes and line breaks. The file is read in pieces up to row 999, so its
// size does not matter; a single row may not pass a bound.
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QVector>

#include "data/Cp1250.h"
#include "import/RegistruCalcul.h"

namespace {

// The most one row, and all rows read, may take; far beyond any real list
// of candidates.
constexpr qint64 kMaxRand = 1024 * 1024;
constexpr qint64 kMaxTotal = 64 * 1024 * 1024;

bool PoateFiSeparator(char c)
{
    return c == ',' || c == ';' || c == '\t';
}

// Whether the characters walked stand inside quotes. A quote opens them only
// at the start of a field (a quote inside an unquoted field is a character
// like any other); inside them a quote closes them, and a second one right
// after it stands for one quote character and opens them again.
class TGhilimele
{
public:
    enum TRol { Caracter, Deschide, Inchide, Dubla };

    TRol Pas(char c, bool separator)
    {
        if (m_inauntru) {
            if (c != '"')
                return Caracter;
            m_inauntru = false;
            m_tocmaiInchise = true;
            return Inchide;
        }
        if (c == '"' && (m_inceputCamp || m_tocmaiInchise)) {
            const TRol rol = m_tocmaiInchise ? Dubla : Deschide;
            m_inauntru = true;
            m_tocmaiInchise = false;
            m_inceputCamp = false;
            return rol;
        }
        m_tocmaiInchise = false;
        m_inceputCamp = separator;
        return Caracter;
    }
    bool Inauntru() const { return m_inauntru; }
    void RandNou() { *this = TGhilimele(); }

private:
    bool m_inauntru = false;
    bool m_inceputCamp = true;
    bool m_tocmaiInchise = false;
};

class TRegistruText : public IRegistruCalcul
{
public:
    explicit TRegistruText(const QString &fisier) : IRegistruCalcul(fisier)
    {
        m_foaie = QFileInfo(fisier).completeBaseName();
        CitesteRandurile();
    }

    QStringList Foi() const override { return {m_foaie}; }

protected:
    TCelule CitesteFoaia(int) override
    {
        TCelule celule;
        const char separator = Separatorul();
        bool utf8 = true;
        {
            QStringDecoder proba(QStringDecoder::Utf8);
            for (const QByteArray &r : m_randuri)
                const QString decodat = proba.decode(r);
            utf8 = !proba.hasError();
        }
        for (int r = 0; r < m_randuri.size(); ++r) {
            const QList<QByteArray> campuri = Campuri(m_randuri.at(r), separator);
            for (int c = 0; c < campuri.size() && c < kColoaneCitite; ++c) {
                const QString text =
                    utf8 ? QString::fromUtf8(campuri.at(c)) : Cp1250::Decodifica(campuri.at(c));
                if (!text.isEmpty())
                    celule.insert(Cheie(c, r + 1), text);
            }
        }
        return celule;
    }

private:
    // Splits the file into rows (bytes), a line break inside quotes staying
    // in its row, up to row 999.
    void CitesteRandurile()
    {
        QFile f(Fisier());
        if (!f.open(QIODevice::ReadOnly))
            Esec(f.errorString());
        QByteArray rand;
        TGhilimele ghilimele;
        qint64 total = 0;
        bool inceput = true;
        bool cr = false;
        while (m_randuri.size() < kRanduriCitite) {
            QByteArray bucata = f.read(64 * 1024);
            if (bucata.isEmpty()) {
                if (f.error() != QFileDevice::NoError)
                    Esec(f.errorString());
                break;
            }
            if (inceput) {
                inceput = false;
                if (bucata.startsWith("\xEF\xBB\xBF"))
                    bucata.remove(0, 3);
                if (bucata.contains('\0'))
                    Esec(QStringLiteral(
                        "fisierul nu este o foaie de calcul (.xls, .xlsx) si nici un text (.csv)."));
            }
            for (const char c : std::as_const(bucata)) {
                if (c == '\0')
                    Esec(QStringLiteral(
                        "fisierul nu este o foaie de calcul (.xls, .xlsx) si nici un text (.csv)."));
                if (cr && c == '\n' && rand.isEmpty()) {
                    cr = false;
                    continue;
                }
                cr = false;
                if (!ghilimele.Inauntru() && (c == '\n' || c == '\r')) {
                    cr = c == '\r';
                    m_randuri.append(rand);
                    rand.clear();
                    ghilimele.RandNou();
                    if (m_randuri.size() >= kRanduriCitite)
                        break;
                    continue;
                }
                ghilimele.Pas(c, PoateFiSeparator(c));
                rand.append(c);
                if (++total > kMaxTotal)
                    Esec(QStringLiteral("primele %1 randuri au peste %2 MB.")
                             .arg(kRanduriCitite)
                             .arg(kMaxTotal >> 20));
                if (rand.size() > kMaxRand)
                    Esec(QStringLiteral("randul %1 este mai lung de %2 MB.")
                             .arg(m_randuri.size() + 1)
                             .arg(kMaxRand >> 20));
            }
        }
        if (!rand.isEmpty() && m_randuri.size() < kRanduriCitite)
            m_randuri.append(rand);
    }

    // The separator used most, outside quotes, in the first rows; a comma
    // when none is used.
    char Separatorul() const
    {
        const char candidati[] = {';', '\t', ','};
        int numarat[3] = {0, 0, 0};
        for (int r = 0; r < m_randuri.size() && r < 20; ++r) {
            TGhilimele ghilimele;
            for (const char c : m_randuri.at(r)) {
                if (ghilimele.Pas(c, PoateFiSeparator(c)) != TGhilimele::Caracter || ghilimele.Inauntru())
                    continue;
                for (int i = 0; i < 3; ++i)
                    numarat[i] += c == candidati[i];
            }
        }
        int ales = 2;
        for (int i = 0; i < 3; ++i) {
            if (numarat[i] > numarat[ales])
                ales = i;
        }
        return candidati[ales];
    }

    static QList<QByteArray> Campuri(const QByteArray &rand, char separator)
    {
        QList<QByteArray> campuri;
        QByteArray camp;
        TGhilimele ghilimele;
        for (const char c : rand) {
            const TGhilimele::TRol rol = ghilimele.Pas(c, c == separator);
            if (rol == TGhilimele::Dubla) {
                camp.append('"');
            } else if (rol == TGhilimele::Caracter && !ghilimele.Inauntru() && c == separator) {
                campuri.append(camp);
                camp.clear();
            } else if (rol == TGhilimele::Caracter) {
                camp.append(c);
            }
        }
        campuri.append(camp);
        return campuri;
    }

    QString m_foaie;
    QVector<QByteArray> m_randuri;
};

} // namespace

std::unique_ptr<IRegistruCalcul> DeschideText(const QString &fisier)
{
    return std::make_unique<TRegistruText>(fisier);
}
