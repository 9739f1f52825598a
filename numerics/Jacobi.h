#pragma once
// Jacobi elliptic functions sn, cn, dn by the descending Landen transformation
// (arithmetic-geometric mean). The circular pendulum's exact angle is written
// in sn and dn.

namespace orvalde {

// sn, cn, dn of u for the complementary parameter mc = 1 − k², good to about
// 1e-7. mc = 0 (k = 1) gives the hyperbolic limit; mc < 0 (k > 1) goes through
// the reciprocal modulus. If meanSteps is given it receives the number of
// mean steps taken (0 for mc = 0).
void JacobiSnCnDn(double u, double mc, double& sn, double& cn, double& dn, int* meanSteps = nullptr);

// sn(u, k) and dn(u, k) for the modulus k.
double JacobiSn(double u, double k);
double JacobiDn(double u, double k);

}  // namespace orvalde
