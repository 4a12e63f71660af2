#include "candidates/UmplereDocument.h"

#include <optional>

#include "candidates/FormatareNota.h"
#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UProfilDiploma.h"
#include "data/UProfilStocat.h"
#include "data/UValoriInBloc.h"
#include "editors/NotaText.h"
#include "forms/DocumentFormular.h"

namespace {

const QString kClasa = QStringLiteral("TFormularTextArea");

// A decimal integer; -1234 stands for "not a number", as the design data has always read it.
std::optional<int> Numar(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n == -1234)
        return std::nullopt;
    return n;
}

QString TipDeDate(ISursaValori &valori, const TReferintaCamp &r, const TZonaText &arie)
{
    if (r.CodFormular.isEmpty() && r.CodPagina.isEmpty() && r.CodCamp.isEmpty())
        return QStringLiteral("X");
    const std::optional<QString> tip = valori.TipDeDate(r);
    if (!tip)
        throw Exceptie(QStringLiteral("%1.%2 face referire la campul inexistent %3.%4.%5")
                           .arg(arie.objectName(), kClasa, r.CodFormular, r.CodPagina, r.CodCamp));
    return *tip;
}

TTipNota TipNota(const TZonaText &arie)
{
    const QString d3 = arie.Denumire3().trimmed().toUpper();
    if (d3 == QLatin1String("NOTA_DIPLOMA"))
        return NOTA_DIPLOMA;
    if (d3 == QLatin1String("NOTA_COTOR"))
        return NOTA_COTOR;
    if (d3 == QLatin1String("MEDIE_DIPLOMA"))
        return MEDIE_DIPLOMA;
    if (d3 == QLatin1String("MEDIE_COTOR"))
        return MEDIE_COTOR;
    throw Exceptie(
        QStringLiteral("%1.%2 specifica un camp \"NOTA\" cu Denumire3 = \"%3\"; Denumire3 ar trebui sa fie "
                       "NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!")
            .arg(arie.objectName(), kClasa, arie.Denumire3()));
}

// The grade's pair on the page: the upper area first; with equal tops the later one.
std::pair<TZonaText *, TZonaText *> Pereche(const TPaginaFormular &pagina, const TZonaText &arie)
{
    TZonaText *prima = nullptr;
    TZonaText *aDoua = nullptr;
    const QString d1 = arie.Denumire1().toUpper();
    const QString d3 = arie.Denumire3().toUpper();
    for (TZonaText *a : pagina.TextAreas()) {
        if (a->Denumire1().toUpper() != d1 || a->Denumire3().toUpper() != d3)
            continue;
        if (!prima) {
            prima = a;
        } else if (a->_Top() > prima->_Top()) {
            aDoua = a;
        } else {
            aDoua = prima;
            prima = a;
        }
    }
    return {prima, aDoua};
}

void UmpleArie(ISursaValori &valori, const TPaginaFormular &pagina, TZonaText &arie, int idElev)
{
    arie.SetSursaText({});
    arie.SetText(QString());
    const TReferintaCamp r = TDM::ParseCamp(arie.Denumire1());
    const QString valoare = valori.ValoareCamp(r, idElev);
    const QString tip = TipDeDate(valori, r, arie);

    if (tip == QLatin1String("NOTA")) {
        const TTipNota tipNota = TipNota(arie);
        const auto [prima, aDoua] = Pereche(pagina, arie);
        std::optional<qint64> nota;
        if (!valoare.isEmpty())
            nota = NotaDinText(valoare) * 100;
        FormatGrade(prima, aDoua, nota, tipNota);
        return;
    }

    const QString &d2 = arie.Denumire2();
    const QString &d3 = arie.Denumire3();
    const std::optional<int> start = Numar(d2);
    const std::optional<int> lungime = Numar(d3);
    if (!d2.isEmpty() && !start)
        throw Exceptie(QStringLiteral("%1.%2 are denumire2=\"%3\" (adica nu un numar)")
                           .arg(arie.objectName(), kClasa, d2));
    if (!d3.isEmpty() && !lungime)
        throw Exceptie(QStringLiteral("%1.%2 are Denumire3=\"%3\" (adica nu un numar)")
                           .arg(arie.objectName(), kClasa, d3));
    if (d2.isEmpty()) {
        arie.SetText(valoare);
    } else if (!d3.isEmpty()) {
        const int inceput = std::max(1, *start);
        arie.SetText(*lungime > 0 && inceput <= valoare.size() ? valoare.mid(inceput - 1, *lungime)
                                                               : QString());
    } else {
        arie.SetText(*start >= 1 && *start <= valoare.size() ? QString(valoare.at(*start - 1)) : QString());
    }
}

} // namespace

QHash<QString, QString> EticheteCampuri(TDM &dm)
{
    QHash<QString, QString> etichete;
    for (const TLinieProfil &l : ProfilStocat::Linii(dm))
        etichete.insert(l.CodFormular + QLatin1Char('.') + l.CodPagina + QLatin1Char('.') + l.CodCamp,
                        ParseazaEticheta(l.EtichetaEditor).Eticheta);
    return etichete;
}

void PregatesteUmplerea(TPaginaFormular &pagina)
{
    const int maxim = pagina.MaxTextAreaNumber();
    for (int n = 1; n <= maxim; ++n) {
        if (TZonaText *zona = pagina.FindTextArea(n))
            zona->SetText(QLatin1Char('<') + QString::number(n) + QLatin1Char('>'));
    }
}

void UmplePagini(ISursaValori &valori, const QList<TPaginaFormular *> &pagini, int idElev)
{
    for (TPaginaFormular *pagina : pagini) {
        bool primaZona = true;
        for (TZonaText *zona : pagina->TextAreas()) {
            if (primaZona) {
                PregatesteUmplerea(*pagina);
                primaZona = false;
            }
            UmpleArie(valori, *pagina, *zona, idElev);
        }
    }
}

void UmplePagini(TDM &dm, const QList<TPaginaFormular *> &pagini, int idElev)
{
    if (!dm.Conectat())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    // Filling only reads: whatever happens, nothing is kept. The candidate's
    // values come in a few statements, not one lookup per zone.
    TGardaTranzactie tranzactie(dm);
    TValoriInBloc valori(dm, QList<int>{idElev});
    UmplePagini(valori, pagini, idElev);
}

void UmpleDocument(TDM &dm, TDocumentFormular &document, int idElev)
{
    UmplePagini(dm, document.Pagini(), idElev);
}

void UmpleDocument(ISursaValori &valori, TDocumentFormular &document, int idElev)
{
    UmplePagini(valori, document.Pagini(), idElev);
}
