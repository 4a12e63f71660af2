#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left corner that centres a window of the given size on a work area;
// a window larger than the work area is pinned to the area's top-left corner.
QPoint PozitieCentrata(const QRect &zonaLucru, const QSize &fereastra);
