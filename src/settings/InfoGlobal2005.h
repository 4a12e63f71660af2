#pragma once

#include <QString>

#include "settings/UQenQuickRegStuff.h"

// The global formatting choices of every printed document: forms of address,
// how grades and averages are written on the certificate and its stub, and
// whether grades in words use capitals. Loaded when created, written back
// when destroyed.
class TInfoGlobal2005 final : public TQenRegistryClass
{
    Q_OBJECT
    Q_PROPERTY(QString SufixFete READ SufixFete WRITE setSufixFete)
    Q_PROPERTY(QString SufixBaieti READ SufixBaieti WRITE setSufixBaieti)
    Q_PROPERTY(QString NotaDiploma READ NotaDiploma WRITE setNotaDiploma)
    Q_PROPERTY(QString MedieDiploma READ MedieDiploma WRITE setMedieDiploma)
    Q_PROPERTY(QString NotaCotor READ NotaCotor WRITE setNotaCotor)
    Q_PROPERTY(QString MedieCotor READ MedieCotor WRITE setMedieCotor)
    Q_PROPERTY(QString ScriuCuLitereMari READ ScriuCuLitereMari WRITE setScriuCuLitereMari)

public:
    // The key under the current user's root.
    static QString Cheie();

    // `stocare` nullptr means the store in use (StocareSetari()).
    explicit TInfoGlobal2005(IStocareSetari *stocare = nullptr);
    ~TInfoGlobal2005() override;

    QString SufixFete() const { return m_sufixFete; }
    void setSufixFete(const QString &v) { m_sufixFete = v; }
    QString SufixBaieti() const { return m_sufixBaieti; }
    void setSufixBaieti(const QString &v) { m_sufixBaieti = v; }
    QString NotaDiploma() const { return m_notaDiploma; }
    void setNotaDiploma(const QString &v) { m_notaDiploma = v; }
    QString MedieDiploma() const { return m_medieDiploma; }
    void setMedieDiploma(const QString &v) { m_medieDiploma = v; }
    QString NotaCotor() const { return m_notaCotor; }
    void setNotaCotor(const QString &v) { m_notaCotor = v; }
    QString MedieCotor() const { return m_medieCotor; }
    void setMedieCotor(const QString &v) { m_medieCotor = v; }
    QString ScriuCuLitereMari() const { return m_scriuCuLitereMari; }
    void setScriuCuLitereMari(const QString &v) { m_scriuCuLitereMari = v; }

private:
    QString m_sufixFete;
    QString m_sufixBaieti;
    QString m_notaDiploma;
    QString m_medieDiploma;
    QString m_notaCotor;
    QString m_medieCotor;
    QString m_scriuCuLitereMari;
};
