// Decimal text read as a floating-point number, the same way on every machine and in every
// locale: leading white space, an optional sign, digits with an optional decimal point and
// an optional exponent. The first character that does not fit ends the number; text
// without a digit before its end gives 0.
#pragma once

#include <string_view>

// "5.0" gives 5, " -4.25e1x" gives -42.5, "5.1.2" gives 5.1, "v5" and "" give 0. A value
// too large for a double gives infinity (with its sign), one too small gives 0.
double decimalTextValue(std::string_view text);
