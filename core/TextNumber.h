#pragma once

#include <QStringView>
#include <optional>

// The number a text starts with, read the way the program reads numbers that
// were typed or stored as text: blanks around it, an optional sign, digits
// and one decimal point. Anything after the number ends it; a text without a
// number reads as 0, a number too small to tell from 0 as 0. A number too
// large for a double (309 digits and more) has no value: nullopt, which
// every caller treats as an error rather than as some number.
std::optional<double> leadingNumber(QStringView text);
