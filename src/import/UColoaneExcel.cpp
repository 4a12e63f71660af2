#include "import/UColoaneExcel.h"

#include "data/Cp1250.h"
#include "import/RegistruCalcul.h"

TColoanaExcel *TListaColoaneExcel::Add(std::unique_ptr<TColoanaExcel> coloana)
{
    m_coloane.push_back(std::move(coloana));
    return m_coloane.back().get();
}

void TListaColoaneExcel::Delete(int i)
{
    m_coloane.erase(m_coloane.begin() + i);
}

TColoanaExcel *TListaColoaneExcel::Coloana(const QString &nume) const
{
    for (const auto &c : m_coloane) {
        if (c->Nume == nume)
            return c.get();
    }
    return nullptr;
}

QString TListaColoaneExcel::Text(const QString &nume, int r) const
{
    const TColoanaExcel *c = Coloana(nume);
    return c ? c->value(r) : QString();
}

const QStringList &NumeColoaneExcel()
{
    static const QStringList nume = [] {
        QStringList n;
        for (int i = 0; i < 702; ++i)
            n.append(LitereColoana(i));
        return n;
    }();
    return nume;
}

int PaginaDeCodImport()
{
    static const int pagina = [] {
        const QByteArray litere = QByteArray::fromHex("E3BAFEE2EEC3AADEC2CE");
        return Cp1250::Codifica(Cp1250::Decodifica(litere)) == litere ? 1250 : 0;
    }();
    return pagina;
}

QString TDomeniuFoaie::Text() const
{
    return m_registru.TextCelula(m_foaie, m_adresa);
}

namespace {

QString Curatat(const QString &text)
{
    qsizetype inceput = 0;
    qsizetype sfarsit = text.size();
    while (inceput < sfarsit && text[inceput].unicode() <= 32)
        ++inceput;
    while (sfarsit > inceput && text[sfarsit - 1].unicode() <= 32)
        --sfarsit;
    return text.mid(inceput, sfarsit - inceput);
}

} // namespace

QString TextCelula(TDomeniuFoaie &domeniu, const QString &coloana, int rand)
{
    domeniu.SetAdresa(coloana + QString::number(rand));
    return Curatat(Cp1250::CuSedila(domeniu.Text()));
}

bool AreTreisprezeceCifre(const QString &text)
{
    if (text.size() != 13)
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

void CitesteFoaia(TDomeniuFoaie &domeniu, TListaColoaneExcel &coloane)
{
    // The last column: the columns in use from A on, a column being in use
    // when one of its even rows 2..20 holds a text.
    QString ultimaColoana = QStringLiteral("A");
    for (int c = 0; c < 702; ++c) {
        const QString nume = LitereColoana(c);
        bool folosita = false;
        for (int r = 2; r <= 20 && !folosita; r += 2)
            folosita = !TextCelula(domeniu, nume, r).isEmpty();
        if (!folosita)
            break;
        ultimaColoana = nume;
    }
    // The last row: a gap of 19 unused rows (columns A..H) ends the data.
    int ultimulRand = 1;
    for (int r = 1; r - ultimulRand < 20 && r < 1000; ++r) {
        bool folosit = false;
        for (int c = 0; c < 8 && !folosit; ++c)
            folosit = !TextCelula(domeniu, LitereColoana(c), r).isEmpty();
        if (folosit)
            ultimulRand = r;
    }
    coloane.Clear();
    const QStringList &nume = NumeColoaneExcel();
    const int nrColoane = int(nume.indexOf(ultimaColoana)) + 1;
    for (int c = 0; c < nrColoane; ++c) {
        auto coloana = std::make_unique<TColoanaExcel>(nume.at(c));
        for (int r = 1; r <= ultimulRand; ++r)
            coloana->append(TextCelula(domeniu, nume.at(c), r));
        coloane.Add(std::move(coloana));
    }
    // Only the rows holding a personal code somewhere: headers and empty rows go.
    for (int r = 0; r < coloane.NumarRanduri();) {
        bool pastrat = false;
        for (int c = 0; c < coloane.Count() && !pastrat; ++c)
            pastrat = AreTreisprezeceCifre(coloane.Items(c)->at(r));
        if (pastrat) {
            ++r;
            continue;
        }
        for (int c = 0; c < coloane.Count(); ++c)
            coloane.Items(c)->removeAt(r);
    }
}
