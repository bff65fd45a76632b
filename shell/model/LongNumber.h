#pragma once

#include <string>

namespace quarlo {

// A layer boundary as the project file holds it: 23 characters of scientific notation with
// 15 significant digits, a sign position (blank or minus), one digit, a full stop, 14
// digits, "E", the exponent's sign (always present) and four exponent digits. 12 is
// " 1.20000000000000E+0001". Rounded like every other number of the program (formatGeneral).
std::string formatLongNumber(long double value);

}  // namespace quarlo
