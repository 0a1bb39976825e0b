#pragma once

#include <QStringView>

// The number a text starts with, read the way the program reads numbers that
// were typed or stored as text: blanks around it, an optional sign, digits
// and one decimal point. Anything after the number ends it; a text without a
// number, or one too large to be finite, reads as 0.
double leadingNumber(QStringView text);
