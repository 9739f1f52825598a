#pragma once
// Rounding to whole pixels without calls into the maths library: the
// per-row and per-figure bookkeeping runs thousands of times each tick.
// Valid for values well inside the int range, which callers ensure.

namespace orvalde {

inline int floorToInt(double v) {
    const int i = static_cast<int>(v);
    return i - (i > v ? 1 : 0);
}

inline int ceilToInt(double v) {
    const int i = static_cast<int>(v);
    return i + (i < v ? 1 : 0);
}

}  // namespace orvalde
