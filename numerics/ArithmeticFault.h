#pragma once
// A floating-point result that is not finite (overflow, division by zero or
// an invalid operation). The animation ticks raise it before any state takes
// such a value; the handlers stop the animation and tell the user.

#include <cmath>
#include <stdexcept>
#include <string>

namespace orvalde {

class ArithmeticFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises ArithmeticFault naming `what` when value is infinite or NaN.
inline double RequireFinite(double value, const char* what) {
    if (!std::isfinite(value)) {
        throw ArithmeticFault(std::string(std::isnan(value) ? "invalid operation" : "overflow or division by zero") +
                              " in " + what);
    }
    return value;
}

}  // namespace orvalde
