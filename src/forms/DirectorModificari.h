#pragma once

// Supplies adjustments to the print job of a page. The program has a single
// provider, which adjusts nothing; text areas receive it and take nothing from it.
class TDirectorModificari
{
public:
    virtual ~TDirectorModificari() = default;
    virtual double ModificareOrizontala() = 0;
    virtual double ModificareVerticala() = 0;
};

class TDirectorModificariGeneric : public TDirectorModificari
{
public:
    double ModificareOrizontala() override { return 0; }
    double ModificareVerticala() override { return 0; }
};

// The provider the print job hands to every page.
inline TDirectorModificari &DirectorModificari()
{
    static TDirectorModificariGeneric generic;
    return generic;
}
