#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class ICheieSetari;
class IStocareSetari;

// The list format of the print settings' "all" value: items joined by
// commas, an item with a space, comma, double quote or control character
// quoted (inner quotes doubled), an empty item written as nothing.
namespace TextVirgule {
QString Compune(const QStringList &elemente);
QStringList Descompune(const QString &text);
} // namespace TextVirgule

// The print settings themselves, with their values before anything is read.
struct TValoriSetariImprimanta
{
    bool Configured = false;
    bool PrintsOnOppositeFace = false;
    bool VerticalLineRight = false;
    bool HorizontalLineBottom = false;
    quint8 FeedMode = 0;
    QString PrinterName;
    int PrinterIndex = 0;
    double FrontLeft = 0;
    double FrontTop = 0;
    double BackLeft = 0;
    double BackTop = 0;
    QString OglindescFata = QStringLiteral("*");
    QString OglindescVerso = QStringLiteral("*");

    QString MirrorChoice(int side) const;
    void SetMirrorChoice(int side, const QString &text);
};

// What the printer wizard learnt about the printer and what the user last
// entered when inserting a card. Read from the settings store when created,
// written back when destroyed; the first instance alive is the shared one.
class TAllStuffReg : public TValoriSetariImprimanta
{
public:
    // `stocare` nullptr means the store in use; `locale` writes the margins.
    explicit TAllStuffReg(IStocareSetari *stocare = nullptr, const QLocale &locale = QLocale());
    ~TAllStuffReg();
    TAllStuffReg(const TAllStuffReg &) = delete;
    TAllStuffReg &operator=(const TAllStuffReg &) = delete;

    static const QString kCheie;
    // The shared instance, or nullptr.
    static TAllStuffReg *Comun();

    // Writes the settings now; failures as Exceptie (the destructor writes again).
    void Salveaza();

    // A real as the margins are written, in the given locale's shortest form.
    static QString RealCaText(double valoare, const QLocale &locale);
    // A real written with a decimal comma or a decimal point; false when the text is no number.
    static bool RealDinText(const QString &text, double &valoare);

private:
    void Citeste();
    void CitesteValorile(ICheieSetari &cheie);

    IStocareSetari &m_stocare;
    QLocale m_locale;
};
