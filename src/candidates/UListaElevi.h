#pragma once

#include <QFrame>
#include <QDateTime>
#include <QHash>
#include <QPushButton>
#include <QString>

#include "data/UListaInregistrari.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class THandlerFormularDePrintat;
class TTemplate;

// The listed candidates: the lines every record list shows.
using TLinieElev = TLinieInregistrare;
using TListaLiniiElevi = TListaLiniiInregistrari;

// A document button of the candidate list: fills its document for the
// selected candidate and shows the preview, which it keeps for later presses.
class TButonFormular : public QPushButton
{
    Q_OBJECT

public:
    TButonFormular(const THandlerFormularDePrintat &handler, QTreeWidget *lista, QWidget *parent);

    const THandlerFormularDePrintat &Handler() const { return m_handler; }
    TTemplate *Preview() const { return m_preview; }

    // The click: fill and show the preview for the selected candidate.
    void FillAndShow();

private:
    const THandlerFormularDePrintat &m_handler;
    QTreeWidget *m_lista;
    TTemplate *m_preview = nullptr;
};

// The candidate list: filter, add, edit, delete, and one button per
// printable document.
class TListaElevi : public QFrame
{
    Q_OBJECT

public:
    explicit TListaElevi(QWidget *parent = nullptr);

    void Reload();
    void Refilter();

    const TListaLiniiElevi &Linii() const { return m_lista.Linii(); }
    // The identifier of the selected candidate, or -1.
    int IdSelectat() const;

    QFrame *RzPanel2;
    QFrame *Panel1;
    QFrame *Panel2;
    QLabel *RzLabel1;
    QLineEdit *RzEdit1;
    QTreeWidget *VT;
    QFrame *RzPanel1;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;
    QPushButton *RzBitBtn3;
    // The selected candidate's prints.
    QPushButton *BtnIstoric;
    // "Reincarca": the list read again, with what other computers saved meanwhile.
    QPushButton *BtnReincarca;
    // Several candidates at once: all of them selected, their certificates printed as one job.
    QPushButton *BtnSelecteazaTot;
    QPushButton *BtnTiparesteSelectia;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();
    void BtnIstoricClick();
    void BtnTiparesteSelectiaClick();
    // The selected candidates in the order they were selected.
    QList<int> IduriSelectate() const;
    void RzEdit1Change();

private:
    TListaInregistrari m_lista;
    // When each candidate was last printed.
    QHash<int, QDateTime> m_tiparite;
};

// The message for an action that needs a selected candidate.
extern const QString kSelectatiUnElev;
