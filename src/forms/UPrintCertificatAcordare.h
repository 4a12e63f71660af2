#pragma once

#include "forms/TemplateForm.h"
#include "forms/VerificareLizibilitate.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;
class TDocumentFormular;
class TFormularDePrintat;

// The certificate's preview: the card's scan with the candidate's data laid
// over it, printing and zooming.
class TPrintCertificatAcordare : public TTemplate
{
    Q_OBJECT

public:
    explicit TPrintCertificatAcordare(QWidget *parent = nullptr);

    // Shows whose certificate is on screen.
    void SeteazaCandidat(const QString &nume) override;

    QWidget *Panel2;
    QPushButton *RzBitBtn1;
    // A proof of the placing on plain paper.
    QPushButton *BtnProba;
    QPushButton *RzBitBtn2;
    QPushButton *RzBitBtn3;
    QLabel *EtichetaCandidat;
    // The texts that would print too small to read, in a line under the buttons.
    QLabel *EtichetaConstatari;
    QTabWidget *PageControl1;
    QWidget *TabSheet3;
    QScrollArea *ScrollBox1;
    TFormularDePrintat *FormularDePrintat1;
    QWidget *Panel1;
    QWidget *Panel3;
    QPushButton *RzBitBtn4;

    TDocumentFormular *Document() override { return m_document; }
    void DupaUmplere(const QHash<QString, QString> &etichete) override;
    const QList<TConstatareLizibilitate> &Constatari() const { return m_constatari; }

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    TDocumentFormular *m_document = nullptr;
    QList<TConstatareLizibilitate> m_constatari;
};

// The certificate as a printable document type.
class THandlerCertificatAcordare : public THandlerFormularDePrintat
{
public:
    THandlerCertificatAcordare();
    TTemplate *CreatePreview(QWidget *owner) const override;
};

// Adds the certificate to the program's document types; once, at start.
void InregistreazaHandlerCertificatAcordare();
