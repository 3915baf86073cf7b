// Transport properties of water substance: the saturated-vapour density that
// the vapour conductivity is evaluated at, and the viscosity and thermal
// conductivity at a temperature and a density; 173.15 to 647.096 K.
#include <array>
#include <cmath>
#include <cstddef>

#include "ashrae97/constants.h"
#include "ashrae97/horner.h"
#include "ashrae97/water.h"

namespace hygra::ashrae97 {
namespace {

// critical density of the saturated-vapour auxiliary equation, kg/m3
constexpr double aux_critical_density = 322.0;
// above this reduced temperature T/Tc the exponential form is replaced by a power of 1 - T/Tc
constexpr double aux_near_critical_tau = 0.9999982476;
// near-critical form: rho/rho_c = 1 + coeff (1 - T/Tc)^exponent
constexpr double aux_near_critical_coeff = -1.293771;
constexpr double aux_near_critical_exponent = 0.326;
// ln(rho/rho_c) of saturated vapour = sum of coeffs[i] (1 - T/Tc)^exponents[i]; below the near-critical band
constexpr std::array<double, 6> aux_vapour_density_coeffs = {
    -2.0315024, -2.6830294, -5.38626492, -17.2991605, -44.7586581, -63.9201063};
// ... the exponents 1/3, 2/3, 4/3, 3, 37/6 and 71/6 as doubles
constexpr std::array<double, 6> aux_vapour_density_exponents = {
    0.3333333333333333, 0.6666666666666666, 1.3333333333333333, 3.0, 6.166666666666667, 11.833333333333334};

// reference temperature (K), density (kg/m3) and viscosity (Pa s) of the viscosity equation
constexpr double visc_t_ref = 647.226;
constexpr double visc_rho_ref = 317.763;
constexpr double visc_ref = 5.5071e-05;
// dilute-gas viscosity: sqrt(T*) / (1 + d1/T* + d2/T*^2 + d3/T*^3), {d1, d2, d3}
constexpr std::array<double, 3> visc_dilute_coeffs = {0.978197, 0.579829, -0.202354};
// residual viscosity, b[6 j + i] multiplies (1/T* - 1)^i (rho* - 1)^j; i = 0..5, j = 0..6
constexpr std::array<double, 42> visc_residual_coeffs = {
    0.5132047, 0.3205656, 0.0, 0.0, -0.7782567, 0.1885447,
    0.2151778, 0.7317883, 1.241044, 1.476783, 0.0, 0.0,
    -0.2818107, -1.070786, -1.263184, 0.0, 0.0, 0.0,
    0.1778064, 0.460504, 0.2340379, -0.4924179, 0.0, 0.0,
    -0.0417661, 0.0, 0.0, 0.1600435, 0.0, 0.0,
    0.0, -0.01578386, 0.0, 0.0, 0.0, 0.0,
    0.0, 0.0, 0.0, -0.003629481, 0.0, 0.0};
constexpr int visc_powers_t = 6;    // i = 0..5
constexpr int visc_powers_rho = 7;  // j = 0..6

// reference temperature (K) and density (kg/m3) of the conductivity equation
constexpr double cond_t_ref = 647.26;
constexpr double cond_rho_ref = 317.7;
// dilute-gas conductivity, W/(m K): sqrt(T*) times powers 0..3 of T*
constexpr std::array<double, 4> cond_dilute_coeffs = {0.0102811, 0.0299621, 0.0156146, -0.00422464};
// lambda1 = a0 + a1 rho* + a2 exp(a3 (rho* + a4)^2), W/(m K)
constexpr double cond_l1_a0 = -0.39707;
constexpr double cond_l1_a1 = 0.400302;
constexpr double cond_l1_a2 = 1.06;
constexpr double cond_l1_a3 = -0.171587;
constexpr double cond_l1_a4 = 2.39219;
// lambda2, near-critical part: dT = |T* - 1| + c4, Q = 2 + c5/dT^0.6,
// S = 1/dT for T* >= 1, else c6/dT^0.6
constexpr double cond_c4 = 0.00308976;
constexpr double cond_c5 = 0.0822994;
constexpr double cond_c6 = 10.0932;
constexpr double cond_dt_exponent = 0.6;
// lambda2 = (b1/T*^10 + b2) rho*^1.8 exp(b3 (1 - rho*^2.8)) + d1 S rho*^Q exp(Q/(1+Q) (1 - rho*^(1+Q)))
//           + d2 exp(d3 T*^1.5 + d4/rho*^5), W/(m K)
constexpr double cond_b1 = 0.0701309;
constexpr double cond_b2 = 0.011852;
constexpr double cond_b3 = 0.642857;
constexpr double cond_d1 = 0.00169937;
constexpr double cond_d2 = -1.02;
constexpr double cond_d3 = -4.11717;
constexpr double cond_d4 = -6.17937;

}  // namespace

double water::rhog() const
{
    const double tau = m_t / t_water_max;  // the critical temperature
    const double theta = 1.0 - tau;
    if (tau > aux_near_critical_tau)
        return aux_critical_density * (1.0 + aux_near_critical_coeff * std::pow(theta, aux_near_critical_exponent));
    double ln_ratio = 0.0;
    for (std::size_t i = 0; i < aux_vapour_density_coeffs.size(); ++i)
        ln_ratio += aux_vapour_density_coeffs[i] * std::pow(theta, aux_vapour_density_exponents[i]);
    return aux_critical_density * std::exp(ln_ratio);
}

double water::viscosity(double rho) const
{
    const double ts = m_t / visc_t_ref;
    const double rs = rho / visc_rho_ref;
    const auto& d = visc_dilute_coeffs;
    const double mu0 = std::sqrt(ts) / (1.0 + d[0] / ts + d[1] / (ts * ts) + d[2] / (ts * ts * ts));
    const double x = 1.0 / ts - 1.0;
    const double y = rs - 1.0;
    double sum = 0.0;
    // pow(0, 0) is 1, so the constant terms count at T* = 1 or rho* = 1.
    for (int i = 0; i < visc_powers_t; ++i)
        for (int j = 0; j < visc_powers_rho; ++j)
            sum += visc_residual_coeffs[visc_powers_t * j + i] * std::pow(x, i) * std::pow(y, j);
    return visc_ref * mu0 * std::exp(rs * sum);
}

double water::tk(double rho) const
{
    const double ts = m_t / cond_t_ref;
    const double rs = rho / cond_rho_ref;
    const double l0 = std::sqrt(ts) * horner(cond_dilute_coeffs, ts);
    const double r = rs + cond_l1_a4;
    const double l1 = cond_l1_a0 + cond_l1_a1 * rs + cond_l1_a2 * std::exp(cond_l1_a3 * (r * r));
    const double dt = std::fabs(ts - 1.0) + cond_c4;
    const double dt_pow = std::pow(dt, cond_dt_exponent);
    const double q = 2.0 + cond_c5 / dt_pow;
    // T* >= 1 lies above the critical temperature, outside the range of water;
    // the branch is kept so the equation reads whole.
    const double s = ts >= 1.0 ? 1.0 / dt : cond_c6 / dt_pow;
    const double l2 = (cond_b1 / std::pow(ts, 10.0) + cond_b2) * std::pow(rs, 1.8)
                          * std::exp(cond_b3 * (1.0 - std::pow(rs, 2.8)))
                      + cond_d1 * s * std::pow(rs, q) * std::exp((q / (1.0 + q)) * (1.0 - std::pow(rs, 1.0 + q)))
                      + cond_d2 * std::exp(cond_d3 * std::pow(ts, 1.5) + cond_d4 / std::pow(rs, 5.0));
    return l0 + l1 + l2;
}

}  // namespace hygra::ashrae97
