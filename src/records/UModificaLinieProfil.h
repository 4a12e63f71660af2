#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Modifica linie profil": the sharing mode and the entity table of one
// line of the form profile. "Ok" saves both and closes with the OK result.
class TModificaLinieProfil : public QDialog
{
    Q_OBJECT

public:
    explicit TModificaLinieProfil(QWidget *parent = nullptr);

    // Shows the line's values; fails when the line is not in the profile.
    // Starts and ends Tr itself; it must not be active.
    void IncarcaLinia(const QString &codFormular, const QString &codPagina, const QString &codCamp);

    const QString &CodFormular() const { return m_codFormular; }
    const QString &CodPagina() const { return m_codPagina; }
    const QString &CodCamp() const { return m_codCamp; }

    QLabel *Label1;
    QComboBox *RzComboBox1;
    QLabel *Label2;
    QLineEdit *RzEdit2;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    // Saves the two values in one transaction; false when the user has to
    // correct the entity table first.
    bool Salveaza();

    QString m_codFormular;
    QString m_codPagina;
    QString m_codCamp;
    // The entity table as loaded: kept as it is even when it is no known table.
    QString m_asociatCuIncarcat;
};
