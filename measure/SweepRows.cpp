#include "measure/SweepRows.h"

#include <cmath>
#include <limits>

namespace orvalde {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double Measured(const SweepPoint& p, BobKind bob) {
    const std::size_t i = static_cast<std::size_t>(bob);
    return p.periods[i] > 0 ? p.meanPeriod[i] : kNone;
}

}  // namespace

std::vector<SweepRow> SweepRows(const std::vector<SweepPoint>& sweep) {
    std::vector<SweepRow> rows;
    rows.reserve(sweep.size());
    for (const SweepPoint& p : sweep) {
        const Release& exact = p.release[static_cast<std::size_t>(BobKind::Exact)];
        SweepRow r;
        r.start = p.start;
        r.height = p.release[static_cast<std::size_t>(BobKind::Cycloid)].height;
        r.angle = exact.angle * 180 / std::acos(-1.0);
        r.cycloid = Measured(p, BobKind::Cycloid);
        r.exact = Measured(p, BobKind::Exact);
        r.difference = (r.exact - r.cycloid) / r.cycloid * 100;  // NaN propagates
        rows.push_back(r);
    }
    return rows;
}

}  // namespace orvalde
