#pragma once
// Number formats "0" and "0.00": rounded half away from zero, at least one
// integer digit, minus sign kept for negative results.

#include <string>

namespace orvalde {

std::string FormatWhole(double value);        // pattern "0"
std::string FormatTwoDecimals(double value);  // pattern "0.00"

}  // namespace orvalde
