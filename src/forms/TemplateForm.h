#pragma once

#include <functional>

#include <memory>
#include <vector>

#include <QDialog>
#include <QHash>
#include <QString>
#include <QString>

class QWidget;
class TDocumentFormular;

// Base of the preview windows of printable documents.
class TTemplate : public QDialog
{
    Q_OBJECT

public:
    explicit TTemplate(QWidget *parent = nullptr);

    // Tells the user whose document is on screen; a preview may ignore it.
    virtual void SeteazaCandidat(const QString &nume) { Q_UNUSED(nume); }
    // The document model the preview shows; none when its pages stand on their own.
    virtual TDocumentFormular *Document() { return nullptr; }
    // The document has just been filled; `etichete` holds the fields' labels
    // by reference, for what the preview tells the user of its texts.
    virtual void DupaUmplere(const QHash<QString, QString> &etichete) { Q_UNUSED(etichete); }
    // Told the printer's name after each certificate printed from the preview.
    std::function<void(const QString &imprimanta)> LaTiparire;
};

// A printable document type: its caption and how to create its preview.
class THandlerFormularDePrintat
{
public:
    explicit THandlerFormularDePrintat(QString caption) : m_caption(std::move(caption)) {}
    virtual ~THandlerFormularDePrintat() = default;

    const QString &Caption() const { return m_caption; }
    // A new, not yet shown preview window owned by owner.
    virtual TTemplate *CreatePreview(QWidget *owner) const = 0;

private:
    QString m_caption;
};

// The document types the program prints, in registration order.
class TListaHandlerFormularDePrintat
{
public:
    void Add(std::unique_ptr<THandlerFormularDePrintat> handler);
    const THandlerFormularDePrintat &Handler(int index) const { return *m_handlere.at(size_t(index)); }
    int Count() const { return int(m_handlere.size()); }

private:
    std::vector<std::unique_ptr<THandlerFormularDePrintat>> m_handlere;
};

// The program's handler list, created on first use.
TListaHandlerFormularDePrintat &ListaHandlere();
