#include "language/CNumber.h"

#include <clocale>
#include <cstdio>
#include <cstring>

namespace orvalde {

std::string PrintC(double value, char conversion, int precision) {
    const char format[] = {'%', '.', '*', conversion, '\0'};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    std::string text = buffer;
    const char* point = std::localeconv()->decimal_point;
    if (point && std::strcmp(point, ".") != 0 && *point) {
        if (const auto at = text.find(point); at != std::string::npos) text.replace(at, std::strlen(point), ".");
    }
    return text;
}

}  // namespace orvalde
