#pragma once

#include <QDateTime>

// The time of day as the program reads it; tests give one of their own to
// play starts on other days and months.
class ICeas
{
public:
    virtual ~ICeas() = default;
    virtual QDateTime Acum() const = 0;
};

// The system's clock, in local time.
ICeas &CeasSistem();
