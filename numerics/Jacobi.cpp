#include "numerics/Jacobi.h"

#include <cmath>

namespace orvalde {
namespace {

constexpr double CA = 0.0003;  // mean difference, relative to a, that ends the means
constexpr int kMaxMeanSteps = 13;

// Below this |sin(u·c)| the back substitution would square 1/sn out of range;
// u is then so small that sn = u, cn = dn = 1 to the last bit.
constexpr double kTinySn = 1e-100;

// mc > 0: descend by means until they agree, take sin and cos of the scaled
// argument, then climb back through the stored means.
void landen(double u, double mc, double& sn, double& cn, double& dn, int& steps) {
    double em[kMaxMeanSteps + 1], en[kMaxMeanSteps + 1];  // index 1..13 used
    double a = 1.0, c = 0.0;
    dn = 1.0;
    int l = kMaxMeanSteps;
    for (int i = 1; i <= kMaxMeanSteps; ++i) {
        l = i;
        em[i] = a;
        mc = std::sqrt(mc);
        en[i] = mc;
        c = 0.5 * (a + mc);
        if (std::fabs(a - mc) <= CA * a) break;
        mc = a * mc;
        a = c;
    }
    steps = l;
    const double uIn = u;
    u = u * c;
    sn = std::sin(u);
    cn = std::cos(u);
    if (std::fabs(sn) < kTinySn) {
        sn = uIn;  // also 0 for u = 0
        return;
    }
    a = cn / sn;
    c = c * a;
    for (int ii = l; ii >= 1; --ii) {
        const double b = em[ii];
        a = a * c;
        c = c * dn;
        dn = (en[ii] + a) / (b + a);
        a = c / b;
    }
    a = 1.0 / std::sqrt(c * c + 1.0);
    sn = sn >= 0.0 ? a : -a;
    cn = c * sn;
}

// mc = 0: sech and tanh; past the range of exp, tanh is ±1.
void hyperbolic(double u, double& sn, double& cn, double& dn) {
    const double ep = std::exp(u), em = std::exp(-u);
    const double sum = em + ep;
    cn = 2.0 / sum;
    dn = cn;
    sn = std::isinf(sum) ? std::copysign(1.0, u) : (ep - em) / sum;
}

}  // namespace

void JacobiSnCnDn(double u, double mc, double& sn, double& cn, double& dn, int* meanSteps) {
    int steps = 0;
    if (mc > 0) {
        landen(u, mc, sn, cn, dn, steps);
    } else if (mc < 0) {
        // k > 1: sn(u,k) = sn(ku,1/k)/k, cn(u,k) = dn(ku,1/k), dn(u,k) = cn(ku,1/k),
        // and 1/k has the complementary parameter −mc/(1 − mc), in (0, 1).
        const double k = std::sqrt(1.0 - mc);
        double s, c, d;
        landen(k * u, -mc / (1.0 - mc), s, c, d, steps);
        sn = s / k;
        cn = d;
        dn = c;
    } else if (mc == 0) {
        hyperbolic(u, sn, cn, dn);
    } else {
        sn = cn = dn = mc;  // NaN in, NaN out
    }
    if (meanSteps) *meanSteps = steps;
}

double JacobiSn(double u, double k) {
    double sn = 0.0, cn, dn;
    JacobiSnCnDn(u, 1.0 - k * k, sn, cn, dn);
    return sn;
}

double JacobiDn(double u, double k) {
    double sn, cn, dn = 1.0;
    JacobiSnCnDn(u, 1.0 - k * k, sn, cn, dn);
    return dn;
}

}  // namespace orvalde
