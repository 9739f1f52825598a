#include "measure/PeriodTheory.h"

#include <cmath>

#include "numerics/CarlsonRF.h"
#include "surface/RecordingControls.h"

namespace orvalde {

double CycloidPeriod(double stringLength) {
    const double pi = 4 * std::atan(1.0);
    return 2 * pi * std::sqrt(stringLength / kGravity);
}

double CircularPeriod(double stringLength, double theta0) {
    const double k = std::sin(theta0 / 2);
    RecordingMessageBox quiet;  // every release angle below a half turn is in range
    const double quarter = CarlsonRF(0, 1 - k * k, 1, quiet);
    return 4 * quarter * std::sqrt(stringLength / kGravity);
}

double CircularReleaseAngle(double stringLength, double pivotY, double y) {
    const double drop = pivotY - y;
    const double ratio = drop / stringLength;
    return std::acos(ratio > 1 ? 1 : (ratio < -1 ? -1 : ratio));
}

}  // namespace orvalde
