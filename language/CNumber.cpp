#include "language/CNumber.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace orvalde {

std::string PrintC(double value, char conversion, int precision) {
    const char format[] = {'%', '.', '*', conversion, '\0'};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    const std::string_view text = buffer;
    const char* point = std::localeconv()->decimal_point;
    if (!point || !*point || std::strcmp(point, ".") == 0) return std::string(text);
    const auto at = text.find(point);
    if (at == std::string_view::npos) return std::string(text);
    // Built from the pieces rather than replaced in place: GCC 12 warns falsely on string::replace here.
    std::string result(text.substr(0, at));
    result += '.';
    result += text.substr(at + std::strlen(point));
    return result;
}

}  // namespace orvalde
