#pragma once

#include <memory>
#include <vector>

#include <QString>

// One entity table, as written into TABELE.
struct TLinieTabel
{
    QString NumeTabel;
    QString ExpDenumire;
};

// The entity tables of a document type; a document type derives from it and
// adds its tables in its constructor.
class TListaLiniiTabel
{
public:
    virtual ~TListaLiniiTabel() = default;

    void AdaugaTabel(const QString &numeTabel, const QString &expDenumire);

    int Count() const { return int(m_linii.size()); }
    const TLinieTabel &Linie(int index) const { return m_linii.at(size_t(index)); }

private:
    std::vector<TLinieTabel> m_linii;
};

// The class of a table list: its name and its constructor.
class TClasaListaTabel
{
public:
    virtual ~TClasaListaTabel() = default;

    virtual QString NumeClasa() const = 0;
    virtual std::unique_ptr<TListaLiniiTabel> Creeaza() const = 0;
};
