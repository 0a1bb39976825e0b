#pragma once

#include "vehicle/ModelLayout.h"

#include <QRectF>

class QPainter;

// The licence plates over the car views. The window shows them as labels;
// exported pictures draw them where the window puts them.
namespace Plates {

// The boxes the window starts with, before a vehicle gives its own.
ModelLayout::Plates standard();
// The front (or rear) plate relative to the top-left corner of its pair of
// views, drawn `scale` times the pictures' own size.
QRectF inPair(const ModelLayout::Plates& plates, bool rear, double scale);
// A white plate with a dark rim and the program's name, its letters sized to the plate.
void paint(QPainter& p, const QRectF& box);

} // namespace Plates
