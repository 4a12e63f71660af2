#pragma once

#include <vector>

#include <QDialog>
#include <QString>

#include "data/UProfilStocat.h"

class QFrame;
class QPushButton;
class QTreeWidget;

// The listed lines; each node of the list shows the line at its index.
using TListaLiniiTProfil = std::vector<TLinieProfil>;

// "Configurare Diploma": every line of the form profile with its sharing
// mode and its entity table; "Modifica" edits the selected line.
class TConfigurareDiploma : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigurareDiploma(QWidget *parent = nullptr);

    // (Re)fills the list from PROFIL_DIPLOMA, keeping the selected line
    // selected. Starts and ends Tr itself; it must not be active.
    void IncarcaLinii();

    const TListaLiniiTProfil &Linii() const { return m_linii; }
    // The selected line, or none.
    const TLinieProfil *LiniaSelectata() const;

    QTreeWidget *VT;
    QFrame *RzPanel1;
    QPushButton *RzBitBtn3;

public slots:
    void RzBitBtn3Click();

private:
    TListaLiniiTProfil m_linii;
};
