#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// What the program reads from a workbook, for the user and for support, in
// UTF-8: without a sheet, its sheet names, one a line; with one, the rows
// the import keeps of it, exactly as it reads them, cells separated by tabs.
QByteArray ArataFoaie(const QString &fisier, const std::optional<QString> &foaie);
