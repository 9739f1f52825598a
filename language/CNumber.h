#pragma once
// A number printed as printf does in the C locale, whatever locale the
// process runs in (Qt sets the environment's): files and traces never change
// with the language. to_chars would do, but not every standard library has
// it for floating point.

#include <string>

namespace orvalde {

// printf's "%.<precision><conversion>" ('f', 'g', …) with a '.' decimal point.
std::string PrintC(double value, char conversion, int precision);

}  // namespace orvalde
