#include "antennas/microstrip/patch_common.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel::microstrip {

using xmath::kPi;

long double lineImpedance(long double u, long double eps_eff, long double width_cm, long double height_cm)
{
    const long double root = xmath::sqrt(eps_eff);
    if (u > 1) return store48(xmath::div(377 / root, u + 1.393L + 0.667L * xmath::ln(u + 1.444L)));
    return store48(377 / (2 * kPi * root) * xmath::ln(xmath::div(8 * height_cm, width_cm) + u / 4));
}

long double radiationFactor(long double eps_r, long double eps_eff)
{
    if (eps_r == 1) return 1;
    const long double root = xmath::sqrt(eps_eff);
    return store48((eps_eff + 1) / eps_eff * (eps_eff - 1) * (eps_eff - 1) /
                   (2 * xmath::sqrt(eps_eff * eps_eff * eps_eff)) * xmath::ln(xmath::div(root + 1, root - 1)));
}

QualityFactors qualityFactors(long double loss_tangent, long double conductivity, long double height_cm,
                              long double freq_ghz, long double lambda0_cm, long double line_impedance,
                              long double radiation_factor, long double vswr)
{
    // π·μ0 = 4π²·10⁻⁷ with f in Hz; 480π in Qr; h in metres.
    const long double inverse_qd = loss_tangent == 0 ? 0 : xmath::div(1, store48(xmath::div(1, loss_tangent)));
    const long double qc =
        store48(height_cm / 100 * xmath::sqrt(conductivity * 3.947841760435743e-6L * freq_ghz * 1e9L));
    const long double h_over_lambda = height_cm / lambda0_cm;
    QualityFactors q;
    q.radiation =
        store48(xmath::div(line_impedance, radiation_factor * 1507.9644737231007L * h_over_lambda * h_over_lambda));
    const long double sum = store48(inverse_qd + xmath::div(1, qc) + xmath::div(1, q.radiation));
    q.total = store48(xmath::div(1, sum));
    q.bandwidth_pct = store48(xmath::div(100 * (vswr - 1), xmath::sqrt(vswr) * q.total));
    q.efficiency_pct = store48(xmath::div(100 * q.total, q.radiation));
    return q;
}

namespace {

// The truncated series the figures are computed with, unrounded.
long double besselJ0Seven(long double x)
{
    const long double x2 = x * x;
    const long double x4 = x2 * x2;
    const long double x6 = x4 * x2;
    const long double x8 = x4 * x4;
    return 1 - x2 / 4 + x4 / 64 - x6 / 2304 + x8 / 147456 - x8 * x2 / 14745600 + x6 * x6 / 2123366400;
}

long double besselJ0Five(long double x)
{
    const long double x2 = x * x;
    const long double x4 = x2 * x2;
    return 1 - x2 / 4 + x4 / 64 - x4 * x2 / 2304 + x4 * x4 / 147456;
}

long double besselJ2Five(long double x)
{
    const long double x2 = x * x;
    const long double x4 = x2 * x2;
    return x2 / 8 - x4 / 96 + x4 * x2 / 3072 - x4 * x4 / 184320 + x4 * x4 * x2 / 17694720;
}

}  // namespace

SlotIntegrals slotIntegrals(long double width_cm, long double length_cm, long double lambda0_cm, Keep keep)
{
    const long double lower = 0;
    const long double upper = keep(kPi);
    const long double points = 180;
    const long double step = keep((upper - lower) / (points - 1));
    long double theta = lower;
    SlotIntegrals I;
    for (int k = 2; k <= static_cast<int>(points - 1); ++k) {
        theta = keep(theta + step);
        const long double X = store48(kPi * width_cm / lambda0_cm);
        const long double kL = keep(2 * kPi * length_cm / lambda0_cm);
        const long double J = keep(besselJ0Seven(kL * std::sin(theta)));
        const long double s = std::sin(X * std::cos(theta)) / std::cos(theta);
        const long double slot = std::sin(theta) * s;
        I.mutual = keep(I.mutual + J * std::sin(theta) * slot * slot);
        I.self = keep(I.self + std::sin(theta) * slot * slot);
    }
    I.mutual = keep(I.mutual * 2 * (step / 2));
    I.self = keep(I.self * 2 * (step / 2));
    return I;
}

long double cavityIntegral(long double effective_radius_cm, long double lambda0_cm, Keep keep)
{
    const long double lower = 0;
    const long double upper = keep(kPi / 2);
    const long double points = 180;
    const long double step = keep((upper - lower) / (points - 1));
    const long double K = keep(2 * kPi * effective_radius_cm / lambda0_cm);
    long double theta = lower;
    long double sum = 0;
    for (int k = 2; k <= static_cast<int>(points - 1); ++k) {
        theta = keep(theta + step);
        const long double x = K * std::sin(theta);
        const long double J0 = keep(besselJ0Five(x));
        const long double J2 = keep(besselJ2Five(x));
        const long double A = keep(J0 - J2);
        const long double B = keep(J0 + J2);
        sum = keep(sum + std::sin(theta) * (A * A + B * std::cos(theta) * B * std::cos(theta)));
    }
    const long double end = keep(keep(besselJ0Five(K)) - keep(besselJ2Five(K)));
    const long double E = keep(end * end);
    return keep(step / 2 * (2 * sum + 2 * E));
}

long double fringingFactor(long double r, long double h, long double er)
{
    return 1 + xmath::div(2 * h, kPi * er * r) * (xmath::ln(kPi * r / (2 * h)) + 1.7726L);
}

}  // namespace ondarel::microstrip
