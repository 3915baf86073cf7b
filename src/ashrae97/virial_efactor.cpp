// Enhancement factor: the composition of moist air saturated over ice (below
// 273.16 K) or liquid water, from the virial coefficients, the condensed-phase
// volume and compressibility, and the solubility of air in the condensed
// phase; 173.15 to 645.15 K, 0 to 5 MPa.
#include <algorithm>
#include <cmath>

#include "ashrae97/constants.h"
#include "ashrae97/virial.h"

namespace hygra::ashrae97 {
namespace {

// molar volume of water from its specific volume: 1000 g/kg x 18.01528 g/mol, (cm3/mol)/(m3/kg)
constexpr double molar_volume_factor = 18015.28;

// Henry's-law term held below the ice point, 1/Pa (the fit's value at 273.15 K)
constexpr double henry_beta_cold = 2.12862e-10;
// Henry's constant of one gas, as a power of ten, with tau = 1000 K/T:
// alpha = a1 tau + a0, gamma = (g2 tau + g1) tau - 1,
// log10 k = (sqrt(s gamma + alpha^2) + alpha) (-0.5) / d
struct henry_fit {
    double a1, a0, g2, g1, s, d;
};
// oxygen in water; 273.15 to 645.15 K
constexpr henry_fit henry_oxygen = {-0.0512, -0.1076, -0.147, 0.8447, 0.0023772, -0.0005943};
// nitrogen in water; 273.15 to 645.15 K
constexpr henry_fit henry_nitrogen = {-0.019, -0.03741, -0.1482, 0.851, 0.4084, -0.1021};
// mole fractions of oxygen and nitrogen in the dissolving air
constexpr double air_oxygen_fraction = 0.22;
constexpr double air_nitrogen_fraction = 0.78;
// the fits give Henry's constant in units of 1e4 atm
constexpr double henry_unit_atm = 10000.0;
// natural logarithm of 10: the powers of ten of the fits as exponentials
constexpr double ln10 = 2.302585092994046;
// reduced inverse temperature of the fits, K
constexpr double henry_tau_scale = 1000.0;

// The iteration stops when the enhancement factor moves less than this...
constexpr double efactor_tolerance = 1e-8;
// ...or after this many passes, keeping the last value without an error.
constexpr int efactor_max_passes = 100;

double log10_henry(const henry_fit& g, double tau)
{
    const double alpha = g.a1 * tau + g.a0;
    const double gamma = (g.g2 * tau + g.g1) * tau - 1.0;
    return (std::sqrt(g.s * gamma + alpha * alpha) + alpha) * (-0.5) / g.d;
}

}  // namespace

double virial::beta() const
{
    // Below the ice point the fit is left; its value there is kept.
    if (m_t < t_ice)
        return henry_beta_cold;
    const double tau = henry_tau_scale / m_t;
    const double k_oxygen = std::exp(ln10 * log10_henry(henry_oxygen, tau));
    const double k_nitrogen = std::exp(ln10 * log10_henry(henry_nitrogen, tau));
    const double k = (air_oxygen_fraction * k_oxygen + air_nitrogen_fraction * k_nitrogen) * henry_unit_atm
                     * p_standard;  // Pa
    return 1.0 / k;
}

void virial::efactor(double& ws, double& xws, double& xas) const
{
    int passes;
    efactor(ws, xws, xas, passes);
}

void virial::efactor(double& ws, double& xws, double& xas, int& passes) const
{
    const double p = m_p;
    const double pws = m_h2o.pws();
    passes = 0;
    if (pws > p) {
        // The condensed phase boils at this pressure: the ideal values, unphysical
        // (xws > 1, ws < 0), are returned as they are.
        xws = pws / p;
        xas = 1.0 - pws / p;
        ws = mass_ratio * pws / (p - pws);
        return;
    }

    const double v = m_h2o.vw() * molar_volume_factor;  // cm3/mol
    const double kappa = m_h2o.kf();                     // 1/Pa
    const virial_coefficients vc = coefficients();
    const double baa = vc.baa, baw = vc.baw, bww = vc.bww;
    const double caaa = vc.caaa, caaw = vc.caaw, caww = vc.caww, cwww = vc.cwww;
    const double beta = this->beta();
    const double rt = gas_constant * m_t;
    const double rt2 = rt * rt;
    const double p2 = p * p;
    const double pws2 = pws * pws;
    // Poynting term: the compressible condensed phase raised from pws to p.
    const double l = v * ((1.0 + kappa * pws) * (p - pws) - 0.5 * kappa * (p2 - pws2)) / rt;

    // ln f = c0 + ln(1 - beta p x) + k1 x^2 (Baa - 2 Baw + Bww) + k2 q(x), x the
    // mole fraction of dry air; the parts that do not depend on x are formed
    // once, before the iteration.
    const double k1 = p / rt;
    const double k2 = p2 / rt2;
    const double c0 = l - (p - pws) / rt * bww + 0.5 * pws2 / rt2 * (cwww - bww * bww);
    const double b2 = k1 * (baa - 2.0 * baw + bww);
    const double beta_p = beta * p;
    const double baa_bww = baa * bww, baa_baw = baa * baw, bww_baw = bww * baw;
    const double baa2 = baa * baa, baw2 = baw * baw, bww2 = bww * bww;
    const auto ln_f_at = [&](double x) {
        const double x2 = x * x;
        const double x3 = x2 * x;
        const double y = 1.0 - x;  // mole fraction of vapour
        const double y2 = y * y;
        const double q = x3 * caaa + 1.5 * x2 * (1.0 - 2.0 * x) * caaw - 3.0 * x2 * y * caww -
                         0.5 * (1.0 + 2.0 * x) * y2 * cwww - x2 * (1.0 - 3.0 * x) * y * baa_bww -
                         2.0 * x3 * (2.0 - 3.0 * x) * baa_baw + 6.0 * x2 * y2 * bww_baw -
                         1.5 * x3 * x * baa2 - 2.0 * x2 * y * (1.0 - 3.0 * x) * baw2 +
                         0.5 * (1.0 + 3.0 * x) * y2 * y * bww2;
        return c0 + std::log(1.0 - beta_p * x) + x2 * b2 + k2 * q;
    };

    // Fixed-point passes x -> 1 - f(x) pws / p from f = 1.
    double x = std::min(1.0, std::max(0.0, 1.0 - pws / p));  // mole fraction of dry air
    double f = 1.0;
    double f_old = 1.0;
    while (passes < efactor_max_passes) {
        ++passes;
        f = std::exp(ln_f_at(x));
        x = 1.0 - f * pws / p;
        if (std::fabs(f - f_old) < efactor_tolerance)
            break;
        f_old = f;
    }
    xas = x;
    xws = 1.0 - xas;
    ws = mass_ratio * f * pws / (p - f * pws);
}

}  // namespace hygra::ashrae97
