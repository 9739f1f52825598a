#include "surface/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace orvalde {
namespace {

std::string Format(double value, int decimals) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    const double scale = decimals == 0 ? 1.0 : 100.0;
    // Round the magnitude half away from zero in the scaled units, then print
    // the exact integer so that printf's own rounding plays no part.
    const double scaled = std::round(std::fabs(value) * scale);
    const bool negative = value < 0 && scaled != 0;
    char buffer[64];
    if (decimals == 0) {
        std::snprintf(buffer, sizeof buffer, "%s%.0f", negative ? "-" : "", scaled);
    } else {
        const double whole = std::floor(scaled / scale);
        const int cents = static_cast<int>(scaled - whole * scale);
        std::snprintf(buffer, sizeof buffer, "%s%.0f.%02d", negative ? "-" : "", whole, cents);
    }
    return buffer;
}

}  // namespace

std::string FormatWhole(double value) { return Format(value, 0); }
std::string FormatTwoDecimals(double value) { return Format(value, 2); }

}  // namespace orvalde
