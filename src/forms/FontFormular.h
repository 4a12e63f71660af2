#pragma once

#include <QList>
#include <QObject>
#include <QString>

// What a font tells the text areas that use it.
class IUtilizatorFontFormular
{
public:
    // The font's properties changed: redraw.
    virtual void FontChanged() = 0;
    // The font is being destroyed: forget it, without redrawing.
    virtual void FontReleased() = 0;

protected:
    ~IUtilizatorFontFormular() = default;
};

// A named font of a printable form. Its size is the height of the character
// cell in millimetres; a device font is made from it anew for every drawing,
// at the resolution of the zoomed screen or of the printer.
class TFontFormular : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int CodePage READ CodePage WRITE SetCodePage)
    Q_PROPERTY(int CharSet READ CharSet WRITE SetCharSet)
    Q_PROPERTY(double Size READ Size WRITE SetSize)
    Q_PROPERTY(bool Bold READ Bold WRITE SetBold)
    Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)
    Q_PROPERTY(QString DescrierePentruEditor READ DescrierePentruEditor WRITE SetDescrierePentruEditor)

public:
    explicit TFontFormular(QObject *proprietar = nullptr, const QString &nume = QString());
    ~TFontFormular() override;

    const QString &FontName() const { return m_fontName; }
    int CodePage() const { return m_codePage; }
    int CharSet() const { return m_charSet; }
    double Size() const { return m_size; }
    bool Bold() const { return m_bold; }
    bool Italic() const { return m_italic; }
    const QString &DescrierePentruEditor() const { return m_descriere; }

    void SetFontName(const QString &valoare);
    void SetCodePage(int valoare);
    void SetCharSet(int valoare);
    void SetSize(double valoare);
    void SetBold(bool valoare);
    void SetItalic(bool valoare);
    void SetDescrierePentruEditor(const QString &valoare) { m_descriere = valoare; }

    // The text areas that use this font; they attach through their Font property.
    void AddTextArea(IUtilizatorFontFormular *arie);
    void RemoveTextArea(IUtilizatorFontFormular *arie);
    const QList<IUtilizatorFontFormular *> &TextAreas() const { return m_arii; }

private:
    void AnuntaSchimbarea();

    QString m_fontName = QStringLiteral("Arial");
    int m_codePage = 1250;
    int m_charSet = 238;
    double m_size = 3.0;
    bool m_bold = false;
    bool m_italic = false;
    QString m_descriere;
    QList<IUtilizatorFontFormular *> m_arii;
};
