#pragma once

#include <QStringView>

#include <cstdint>

namespace platform {

// The leading decimal number of a text (sign, digits, fraction, exponent),
// after any leading blanks; 0 when the text does not begin with one.
double LeadingNumber(QStringView text);

// The same, converted to a 32-bit integer (dropping the fraction, saturating).
std::int32_t LeadingInteger(QStringView text);

} // namespace platform
