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

// Like RequireFinite, for values that are drawn: drawing coordinates are
// single precision, so anything beyond this bound is an overflow too.
inline double RequireDrawable(double value, const char* what) {
    RequireFinite(value, what);
    if (std::fabs(value) > 1e30) throw ArithmeticFault(std::string("overflow in ") + what);
    return value;
}

}  // namespace orvalde
