#pragma once

#include <functional>

#include <QByteArray>
#include <QDialog>
#include <QString>

class QPushButton;
class QVBoxLayout;
class TEditorGenericComplex;

// A record dialog: the composite editor of the record's fields beside a bar
// with "Ok" and "Renunt".
class TDialogInregistrare : public QDialog
{
    Q_OBJECT

public:
    TEditorGenericComplex *Editor;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    // "Ok": validates, saves in one transaction and closes; a failure rolls
    // everything back, is shown and keeps the dialog open.
    virtual void RzBitBtn1Click() = 0;

protected:
    TDialogInregistrare(QWidget *parent, const QString &nume, const QString &titlu, const QSize &marime);

    // Room above the editor for further controls.
    QVBoxLayout *ColoanaStanga;

    // Saves the record in one transaction: a record that does not exist yet
    // (id -1) gets its identifier from the table's generator and its row in
    // the table; then `salveaza` writes its values. Returns the identifier.
    // An existing record that another workstation changed since it was
    // loaded (RetineVersiunea) is not saved over: the user is told, the
    // dialog loads it again (Reincarca) and the save ends with Anulare.
    int SalveazaInregistrarea(const QString &tabel, int id, const std::function<void(int id)> &salveaza);

    // Before the record's editors load it: what it holds now, for the save to compare.
    void RetineVersiunea(const QString &tabel, int id);
    // Loads the record being changed again into the editors.
    virtual void Reincarca() = 0;

private:
    QByteArray m_versiune;
};
