#include "import/RegistruCalcul.h"

#include <QDir>
#include <QFile>

#include "comun/Exceptie.h"

QString IRegistruCalcul::TextCelula(int foaie, const QString &adresa)
{
    int coloana = 0;
    int rand = 0;
    if (!DesparteAdresa(adresa, coloana, rand))
        return QString();
    return TextCelula(foaie, coloana, rand);
}

QString IRegistruCalcul::TextCelula(int foaie, int coloana, int rand)
{
    if (foaie < 0 || foaie >= Foi().size())
        Esec(QStringLiteral("Foaia de calcul numarul %1 nu exista.").arg(foaie + 1));
    if (coloana < 0 || coloana >= kColoaneCitite || rand < 1 || rand > kRanduriCitite)
        return QString();
    if (foaie != m_foaieIncarcata) {
        m_celule.clear();
        m_foaieIncarcata = -1;
        m_celule = CitesteFoaia(foaie);
        m_foaieIncarcata = foaie;
    }
    return m_celule.value(Cheie(coloana, rand));
}

void IRegistruCalcul::Esec(const QString &motiv) const
{
    throw Exceptie(
        QStringLiteral("Nu pot citi fisierul \"%1\": %2").arg(QDir::toNativeSeparators(m_fisier), motiv));
}

QString LitereColoana(int index)
{
    QString litere;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        litere.prepend(QChar(u'A' + (n - 1) % 26));
    return litere;
}

int IndexColoana(const QString &litere)
{
    if (litere.isEmpty() || litere.size() > 3)
        return -1;
    int n = 0;
    for (const QChar c : litere) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return -1;
        n = n * 26 + (u - u'A' + 1);
    }
    return n - 1;
}

bool DesparteAdresa(const QString &adresa, int &coloana, int &rand)
{
    int i = 0;
    while (i < adresa.size() && adresa[i].isLetter())
        ++i;
    if (i == 0 || i == adresa.size() || adresa.size() - i > 7)
        return false;
    bool ok = false;
    rand = adresa.mid(i).toInt(&ok);
    coloana = IndexColoana(adresa.left(i));
    return ok && rand >= 1 && coloana >= 0 && adresa[i].isDigit();
}

std::unique_ptr<IRegistruCalcul> DeschideRegistrul(const QString &fisier)
{
    QFile f(fisier);
    if (!f.open(QIODevice::ReadOnly))
        throw Exceptie(QStringLiteral("Nu pot deschide fisierul \"%1\": %2")
                           .arg(QDir::toNativeSeparators(fisier), f.errorString()));
    const QByteArray inceput = f.read(8);
    f.close();
    if (inceput.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")))
        return DeschideXls(fisier);
    if (inceput.startsWith("PK\x03\x04") || inceput.startsWith("PK\x05\x06"))
        return DeschideXlsx(fisier);
    return DeschideText(fisier);
}
