#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The program's pictures, drawn here rather than shipped as files.
namespace Logo {
// The wide logo of the info dialog: a headlamp ring beside the name "VANTOR"
// on a dark panel with light beams.
QImage banner(int width, int height);
// The square emblem: the headlamp rings alone. Also the program's icon.
QImage emblem(int size);
// The icon of sequence files: a sheet with a table of steps and the rings.
QImage sequenceFileIcon(int size);
// An .ico file holding the pictures (PNG-compressed entries, up to 256 pixels).
QByteArray icoFile(const QList<QImage>& pictures);
} // namespace Logo
