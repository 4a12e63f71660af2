#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>

class QLabel;

// A framed, captioned group of field editors in the composite editor; its
// editors and rows stack from the top of PanelSuport.
class TFrmGrup : public QFrame
{
    Q_OBJECT

public:
    explicit TFrmGrup(QWidget *parent = nullptr);

    QFrame *RzPanel1 = nullptr;
    QLabel *EtichetaGrup = nullptr;
    QWidget *PanelSuport = nullptr;
    QString NumeGrup;

    // Puts the control under those already there.
    void Adauga(QWidget *control);
    // The height of the controls in PanelSuport, the caption and 16 pixels.
    void PotrivesteInaltimea();
};

// Group frames in creation order; it does not own them.
class TListaFrmGrup
{
public:
    void Add(TFrmGrup *grup) { m_grupuri.append(grup); }
    int Count() const { return int(m_grupuri.size()); }
    TFrmGrup *Items(int index) const;

private:
    QList<QPointer<TFrmGrup>> m_grupuri;
};
