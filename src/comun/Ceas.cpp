#include "comun/Ceas.h"

namespace {

class TCeasSistem : public ICeas
{
public:
    QDateTime Acum() const override { return QDateTime::currentDateTime(); }
};

} // namespace

ICeas &CeasSistem()
{
    static TCeasSistem ceas;
    return ceas;
}
