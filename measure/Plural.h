#pragma once
// A count with its noun: "1 pass", "3 passes". English's rule, in one place
// for the languages to come.

#include <string>

namespace orvalde {

inline std::string CountText(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace orvalde
