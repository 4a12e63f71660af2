#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include "forms/DirectorModificari.h"
#include "forms/DocumentFormular.h"
#include "forms/MasuriFormular.h"

class IDispozitivImprimanta;
class TFormularTextArea;

// One page of a printable document on the screen: the view of a page of the
// document model (TPaginaFormular), sized by its millimetres at a zoom,
// showing the scan of the blank card behind the text areas it holds. On
// paper only its text areas are printed; the card already carries the
// background.
class TFormularDePrintat : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Zoom READ Zoom WRITE SetZoom)
    Q_PROPERTY(double Latime READ Latime WRITE SetLatime)
    Q_PROPERTY(double Inaltime READ Inaltime WRITE SetInaltime)
    Q_PROPERTY(bool TextAreaTransparent READ TextAreaTransparent WRITE SetTextAreaTransparent)
    Q_PROPERTY(bool TextAreaWithBorder READ TextAreaWithBorder WRITE SetTextAreaWithBorder)
    Q_PROPERTY(bool TextAreaBaseLine1 READ TextAreaBaseLine1 WRITE SetTextAreaBaseLine1)
    Q_PROPERTY(bool TextAreaBaseLine2 READ TextAreaBaseLine2 WRITE SetTextAreaBaseLine2)
    Q_PROPERTY(bool TextAreaTopLine1 READ TextAreaTopLine1 WRITE SetTextAreaTopLine1)
    Q_PROPERTY(bool TextAreaTopLine2 READ TextAreaTopLine2 WRITE SetTextAreaTopLine2)
    Q_PROPERTY(QColor TextAreaBaseLine1_color READ TextAreaBaseLine1_color WRITE SetTextAreaBaseLine1_color)
    Q_PROPERTY(QColor TextAreaBaseLine2_color READ TextAreaBaseLine2_color WRITE SetTextAreaBaseLine2_color)
    Q_PROPERTY(QColor TextAreaTopLine1_color READ TextAreaTopLine1_color WRITE SetTextAreaTopLine1_color)
    Q_PROPERTY(QColor TextAreaTopLine2_color READ TextAreaTopLine2_color WRITE SetTextAreaTopLine2_color)
    Q_PROPERTY(double TextAreaBaseLine2_delta READ TextAreaBaseLine2_delta WRITE SetTextAreaBaseLine2_delta)
    Q_PROPERTY(double TextAreaTopLine1_delta READ TextAreaTopLine1_delta WRITE SetTextAreaTopLine1_delta)
    Q_PROPERTY(QImage BkImage READ BkImage WRITE SetBkImage)
    Q_PROPERTY(QString DenumireFormular READ DenumireFormular WRITE SetDenumireFormular)
    Q_PROPERTY(double DeltaStanga READ DeltaStanga WRITE SetDeltaStanga)
    Q_PROPERTY(double DeltaSus READ DeltaSus WRITE SetDeltaSus)

public:
    // A page of its own, outside any document, or the view of a document's page.
    explicit TFormularDePrintat(QWidget *parent = nullptr, TPaginaFormular *pagina = nullptr);
    ~TFormularDePrintat() override;

    TPaginaFormular &Model() const { return *m_pagina; }

    double Zoom() const { return m_zoom; }
    double Latime() const { return m_pagina->Latime(); }
    double Inaltime() const { return m_pagina->Inaltime(); }
    bool TextAreaTransparent() const { return m_transparent; }
    bool TextAreaWithBorder() const { return m_chenar; }
    bool TextAreaBaseLine1() const { return m_baseLine1; }
    bool TextAreaBaseLine2() const { return m_baseLine2; }
    bool TextAreaTopLine1() const { return m_topLine1; }
    bool TextAreaTopLine2() const { return m_topLine2; }
    QColor TextAreaBaseLine1_color() const { return m_baseLine1Color; }
    QColor TextAreaBaseLine2_color() const { return m_baseLine2Color; }
    QColor TextAreaTopLine1_color() const { return m_topLine1Color; }
    QColor TextAreaTopLine2_color() const { return m_topLine2Color; }
    double TextAreaBaseLine2_delta() const { return m_baseLine2Delta; }
    double TextAreaTopLine1_delta() const { return m_topLine1Delta; }
    const QImage &BkImage() const { return m_bkImage; }
    const QString &DenumireFormular() const { return m_pagina->DenumireFormular(); }
    double DeltaStanga() const { return m_pagina->DeltaStanga(); }
    double DeltaSus() const { return m_pagina->DeltaSus(); }

    // A zoom equal to the current one changes nothing; another one resizes the
    // surface and moves every text area to its millimetres at the new zoom.
    void SetZoom(double zoom);
    void SetLatime(double mm);
    void SetInaltime(double mm);
    void SetTextAreaTransparent(bool v);
    void SetTextAreaWithBorder(bool v);
    void SetTextAreaBaseLine1(bool v);
    void SetTextAreaBaseLine2(bool v);
    void SetTextAreaTopLine1(bool v);
    void SetTextAreaTopLine2(bool v);
    void SetTextAreaBaseLine1_color(const QColor &c);
    void SetTextAreaBaseLine2_color(const QColor &c);
    void SetTextAreaTopLine1_color(const QColor &c);
    void SetTextAreaTopLine2_color(const QColor &c);
    void SetTextAreaBaseLine2_delta(double mm);
    void SetTextAreaTopLine1_delta(double mm);
    void SetBkImage(const QImage &imagine);
    void SetDenumireFormular(const QString &v) { m_pagina->SetDenumireFormular(v); }
    void SetDeltaStanga(double mm) { m_pagina->SetDeltaStanga(mm); }
    void SetDeltaSus(double mm) { m_pagina->SetDeltaSus(mm); }

    // Screen pixels per inch at the current zoom.
    double ScreenDpi() const;
    static int MmToPixels(double dpi, double mm) { return ::MmToPixels(dpi, mm); }
    static double PixelsToMm(int pixels, double dpi) { return ::PixelsToMm(pixels, dpi); }
    // Gives the surface its size in millimetres at the current zoom.
    void FitToPage();

    // The text area named "FormularTextArea<n>", or none.
    TFormularTextArea *FindTextArea(int n) const;
    // The largest number in the names of the "FormularTextArea..." children; 0 when there is none.
    int MaxTextAreaNumber() const;
    // The text areas on this page, in child order.
    QList<TFormularTextArea *> TextAreas() const;

    // Prints every text area, visible or hidden, shifted by the offsets and by
    // this page's own deltas (mm). The caller opens and ends the document.
    void PrintAll(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                  double deplasareOrizontala, double deplasareVerticala);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TPaginaFormular *m_pagina;
    double m_zoom = 100.0;
    bool m_transparent = true;
    bool m_chenar = false;
    bool m_baseLine1 = false;
    bool m_baseLine2 = false;
    bool m_topLine1 = false;
    bool m_topLine2 = false;
    QColor m_baseLine1Color = QColor(255, 0, 0);
    QColor m_baseLine2Color = QColor(0, 0, 255);
    QColor m_topLine1Color = QColor(255, 0, 0);
    QColor m_topLine2Color = QColor(0, 0, 255);
    double m_baseLine2Delta = 1.0;
    double m_topLine1Delta = 1.0;
    QImage m_bkImage;
    // The background stretched to the surface's pixel size, rebuilt only when that size changes.
    QImage m_cache;
};
