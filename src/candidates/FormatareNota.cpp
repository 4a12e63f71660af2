#include "candidates/FormatareNota.h"

#include "forms/DocumentFormular.h"
#include "settings/InfoGlobal2005.h"
#include "comun/Exceptie.h"

void FormatGrade(TZonaText *prima, TZonaText *aDoua, std::optional<qint64> valoare,
                 TTipNota tip, IStocareSetari *stocare)
{
    if (!prima && !aDoua)
        throw Exceptie(QStringLiteral("FormatGrade fara nicio arie de text"));
    for (TZonaText *arie : {prima, aDoua}) {
        if (arie)
            arie->SetText(QStringLiteral(" "));
    }
    if (!prima) {
        prima = aDoua;
        aDoua = nullptr;
    }

    TInfoGlobal2005 info(stocare);
    // The place before the first formatting stays the reference, so repeated calls never drift.
    prima->MemoreazaSavedTop();
    if (aDoua)
        aDoua->MemoreazaSavedTop();

    const TNotaFormatata nota =
        FormateazaNota(valoare, CodFormatNota(CuvantCheieNota(info, tip)), aDoua != nullptr,
                       info.ScriuCuLitereMari() == QLatin1String("1"));
    switch (nota.asezare) {
    case TNotaFormatata::Asezare::Unita:
        aDoua->SetVisible(false);
        prima->Set_Top((prima->SavedTop() + aDoua->SavedTop()) / 2);
        prima->ZoomChanged();
        break;
    case TNotaFormatata::Asezare::DouaRanduri:
        prima->Set_Top(prima->SavedTop());
        prima->ZoomChanged();
        aDoua->SetVisible(true);
        break;
    case TNotaFormatata::Asezare::Neschimbata:
        break;
    }
    prima->SetText(nota.prima);
    if (aDoua)
        aDoua->SetText(nota.aDoua);
}
