#include "ashrae97/dry_air.h"

#include <array>
#include <cmath>

#include "ashrae97/constants.h"
#include "ashrae97/horner.h"
#include "ashrae97/virial.h"

namespace hygra::ashrae97 {

namespace {

// molar volume iteration: at most this many passes, to this relative tolerance
constexpr int volume_passes = 100;
constexpr double volume_tolerance = 1e-8;

// ideal-gas molar enthalpy of dry air, J/mol: T times a polynomial in T, then a constant
constexpr std::array<double, 5> enthalpy_fit = {28.709015, 0.0026431805, -1.0405863e-05, 1.866041e-08,
                                    -9.7843331e-12};
constexpr double enthalpy_offset = -7907.8691;
// ideal-gas molar entropy of dry air at 101325 Pa, J/(mol K): coefficient of
// ln T, a constant, then a polynomial in T without constant term
constexpr double entropy_log = 28.709015;
constexpr double entropy_offset = -161.75159;
constexpr std::array<double, 4> entropy_fit = {0.0052863609, -1.5608795e-05, 2.4880547e-08, -1.2230416e-11};
// ideal-gas molar heat capacity of dry air, J/(mol K): the derivative of the enthalpy fit
constexpr std::array<double, 5> heat_capacity_fit = {28.709015, 0.005286361, -3.1217589e-05, 7.464164e-08,
                                         -4.89216655e-11};

// Temperature derivatives of the dry-air virial coefficients
//   Baa = 34.9568 - 6687.72/T - 2101410/T^2 + 92474600/T^3   (cm3/mol)
//   Caaa = 1259.75 - 190905/T + 63246700/T^2                  (cm6/mol2)
// written out as first and second derivatives in powers of 1/T.
double dbaa(double t)
{
    return 6687.72 / (t * t) + 4202820.0 / (t * t * t) - 277423800.0 / (t * t * t * t);
}
double d2baa(double t)
{
    return -13375.44 / (t * t * t) - 12608460.0 / (t * t * t * t) +
           1109695200.0 / (t * t * t * t * t);
}
double dcaaa(double t) { return 190905.0 / (t * t) - 126493400.0 / (t * t * t); }
double d2caaa(double t) { return -381810.0 / (t * t * t) + 379480200.0 / (t * t * t * t); }

constexpr double r_si = gas_constant * 1e-6;  // molar gas constant, J/(mol K)

}  // namespace

dry_air::dry_air(double t, double p) : m_t(t), m_p(p)
{
    const virial_coefficients c = virial(t, p).coefficients();
    m_baa = c.baa;
    m_caaa = c.caaa;
    const double v0 = gas_constant * t / p;  // ideal-gas molar volume
    double v = v0;
    for (int pass = 0; pass < volume_passes; ++pass) {
        const double vn = ((m_caaa / v + m_baa) / v + 1.0) * v0;
        const bool converged = std::fabs(1.0 - v / vn) < volume_tolerance;
        v = vn;
        if (converged)
            break;
    }
    m_v = v;
}

double dry_air::va() const { return m_v * 0.001 / molar_mass_air; }

double dry_air::ha() const
{
    const double t = m_t, v = m_v;
    const double h0 = t * horner(enthalpy_fit, t) + enthalpy_offset;
    const double departure =
        (gas_constant * t * 1e-6 / v) * ((m_baa - t * dbaa(t)) + (m_caaa - t * dcaaa(t) / 2.0) / v);
    return (h0 + departure) / molar_mass_air;
}

double dry_air::sa() const
{
    const double t = m_t, v = m_v, p = m_p;
    const double s0 = entropy_log * std::log(t) + entropy_offset + t * horner(entropy_fit, t);
    const double s = s0 - r_si * std::log(p / p_standard) + r_si * std::log(p * v / (gas_constant * t)) -
                     (r_si / v) * ((m_baa + t * dbaa(t)) + (m_caaa + t * dcaaa(t)) / (2.0 * v));
    return s / molar_mass_air;
}

double dry_air::cpa() const
{
    const double t = m_t, v = m_v, p = m_p;
    const double b = m_baa, c = m_caaa;
    const double b1 = dbaa(t), b2 = d2baa(t), c1 = dcaaa(t), c2 = d2caaa(t);
    const double cp0 = horner(heat_capacity_fit, t);
    const double delta1 = (r_si / v) * ((b - t * b1) + (c - t * c1 / 2.0) / v);
    // isobaric dV/dT of the virial equation p V = R T (1 + B/V + C/V^2)
    const double twice_r = 16628820.0;
    const double vt = gas_constant * v * (v * v + b * v + c + t * v * b1 + t * c1) /
                      (twice_r * t * c + gas_constant * t * b * v + p * v * v * v);
    const double delta2 = (r_si * t / v) * (-t * b2 - (b - t * b1) * vt / v +
                                            (c1 - t * c2) / (2.0 * v) -
                                            2.0 * (c - t * c1 / 2.0) * vt / (v * v));
    return (cp0 + delta1 + delta2) / molar_mass_air;
}

}  // namespace hygra::ashrae97
