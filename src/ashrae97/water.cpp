// Saturation pressure and thermodynamic properties of water substance:
// saturated vapour, ice below the triple point, saturated liquid from it
// (supercooled below it where asked); 173.15 to 647.096 K.
#include "ashrae97/water.h"

#include <array>
#include <cmath>

#include "ashrae97/constants.h"
#include "ashrae97/horner.h"

namespace hygra::ashrae97 {
namespace {

// ln(pws / Pa) over ice = C1/T + (C2 + C3 T + C4 T^2 + C5 T^3 + C6 T^4) + C7 ln T, {C1..C7}; 173.15 to 273.16 K
constexpr std::array<double, 7> ice_pressure_coeffs = {
    -5674.5359, 6.3925247, -0.009677843, 6.2215701e-07, 2.0747825e-09, -9.484024e-13, 4.1635019};
// ln(pws / Pa) over liquid = C8/T + (C9 + C10 T + C11 T^2 + C12 T^3) + C13 ln T, {C8..C13}; 273.16 to 647.096 K
constexpr std::array<double, 6> liquid_pressure_coeffs = {
    -5800.2206, 1.3914993, -0.048640239, 4.1764768e-05, -1.4452093e-08, 6.5459673};
// d ln(pws)/dT over liquid, 1/K = C13/T + (3 C12) T^2 + (2 C11) T - C8/T^2 + C10, {C13, 3 C12, 2 C11, -C8, C10}
constexpr std::array<double, 5> liquid_pressure_slope_coeffs = {
    6.5459673, -4.3356279e-08, 8.3529536e-05, 5800.2206, -0.048640239};

// pressure-series second virial coefficient of vapour, 1/Pa: b = b0 + b1 exp(b2/T); 173.15 to 647.096 K
constexpr double vapour_b0 = 7e-09;          // 1/Pa
constexpr double vapour_b1 = -1.47184e-09;   // 1/Pa
constexpr double vapour_b2 = 1734.29;        // K
// pressure-series third virial coefficient of vapour, 1/Pa2: c = c0 + c1 exp(c2/T); 173.15 to 647.096 K
constexpr double vapour_c0 = 1.04e-15;       // 1/Pa2
constexpr double vapour_c1 = -3.35297e-18;   // 1/Pa2
constexpr double vapour_c2 = 3645.09;        // K

// specific gas constant of water vapour, J/(kg K), for volumes in m3/kg
constexpr double vapour_gas_constant = 461.52;
// the same in kJ/(kg K), for enthalpies and entropies
constexpr double vapour_gas_constant_kj = 0.46152;
// J to kJ: pressure (Pa) times specific volume (m3/kg) gives J/kg
constexpr double kilo = 0.001;

// ideal-gas enthalpy of vapour, kJ/kg, powers 0..5 of T in K; 173.15 to 647.096 K
constexpr std::array<double, 6> ideal_vapour_enthalpy_coeffs = {
    1997.98, 1.8035706, 0.00036400463, -1.4677622e-06, 2.8726608e-09, -1.7508262e-12};
// ideal-gas entropy of vapour at 1 Pa, kJ/(kg K): this times ln T, plus the polynomial below
constexpr double ideal_vapour_entropy_log = 1.7920705;
// ... its polynomial part, powers 0..5 of T in K; 173.15 to 647.096 K
constexpr std::array<double, 6> ideal_vapour_entropy_coeffs = {
    1.92703, 0.0010959485, -3.892708e-06, 8.2520238e-09, -8.0622878e-12, 3.0897984e-15};

// specific volume of ice, m3/kg, powers 0..2 of T in K; 173.15 to 273.16 K
constexpr std::array<double, 3> ice_volume_coeffs = {0.001070003, -2.49936e-08, 3.71611e-10};
// d(ice volume)/dT, m3/(kg K), powers 0..1 of T in K (the derivative of the fit above)
constexpr std::array<double, 2> ice_volume_slope_coeffs = {-2.49936e-08, 7.43288e-10};
// saturated liquid volume = numerator / P5: numerator, kg/m3 times m3/kg, powers 0..1 of T in K
constexpr std::array<double, 2> liquid_volume_numerator_coeffs = {-3.424442728, 0.01619785};
// ... and P5, powers 0..5 of T in K; 173.15 to 647.096 K
constexpr std::array<double, 6> liquid_volume_denominator_coeffs = {
    -2403.360201, -1.40758895, 0.1068287657, -0.0002914492351, 3.73497936e-07, -2.1203787e-10};

// enthalpy of ice, kJ/kg, powers 0..3 of T in K; 173.15 to 273.16 K
constexpr std::array<double, 4> ice_enthalpy_coeffs = {-647.595, 0.274292, 0.002910583, 1.083437e-06};
// ... plus this times its saturation pressure in Pa, kJ/(kg Pa)
constexpr double ice_enthalpy_pressure = 1.07e-06;
// entropy of ice, kJ/(kg K): this times ln T, plus the polynomial below
constexpr double ice_entropy_log = 0.274292;
// ... its polynomial part, powers 0..2 of T in K; 173.15 to 273.16 K
constexpr std::array<double, 3> ice_entropy_coeffs = {-4.470727, 0.00582109, 1.625155e-06};

// the liquid enthalpy and entropy fits switch here: the low fit up to and including it, K
constexpr double liquid_seam_low = 373.125;
// above this the high fits gain a correction towards the critical point, K
constexpr double liquid_seam_high = 403.128;

// base enthalpy of liquid, kJ/kg, powers 0..4 of T in K; up to 373.125 K
constexpr std::array<double, 5> liquid_enthalpy_low_coeffs = {
    -1141.138, 4.1930463, -8.134865e-05, 1.451133e-07, -1.00523e-10};
// ... plus amplitude (kJ/kg) times 10^(rate (1/K) (T - 273.15 K)), near the freezing point
constexpr double liquid_enthalpy_low_amplitude = -0.563473;
constexpr double liquid_enthalpy_low_rate = -0.036;
// base enthalpy of liquid, kJ/kg, powers 0..4 of T in K; above 373.125 K
constexpr std::array<double, 5> liquid_enthalpy_high_coeffs = {
    -1141.837121, 4.194325677, -6.908894163e-05, 1.05555302e-07, -7.111382234e-11};
// ... plus coefficient (kJ/kg) times (T - 403.128 K)^exponent above 403.128 K
constexpr double liquid_enthalpy_critical_coeff = -6.059e-07;
constexpr double liquid_enthalpy_critical_exponent = 3.1;
// shift of the liquid enthalpy to zero at the triple point, kJ/kg
constexpr double liquid_enthalpy_offset = -0.01214;

// entropy of liquid, kJ/(kg K): this times ln T, plus the polynomial below; up to 373.125 K
constexpr double liquid_entropy_low_log = 4.188095;
// ... its polynomial part, powers 0..3 of T in K
constexpr std::array<double, 4> liquid_entropy_low_coeffs = {
    -23.4707325, -0.0001177858, 1.501808e-07, -8.946646e-11};
// ... plus amplitude (kJ/(kg K)) times exp(rate (1/K) (T - 273.15 K)), near the freezing point
constexpr double liquid_entropy_low_amplitude = -0.001976361;
constexpr double liquid_entropy_low_rate = -0.0865209;
// entropy of liquid, kJ/(kg K): this times ln T, plus the polynomial below; above 373.125 K
constexpr double liquid_entropy_high_log = 4.1943257;
// ... its polynomial part, powers 0..3 of T in K
constexpr std::array<double, 4> liquid_entropy_high_coeffs = {
    -23.500869, -0.00013817789, 1.58333e-07, -9.481843e-11};
// ... plus this times (T - 403.128 K)^3 above 403.128 K, kJ/(kg K^4)
constexpr double liquid_entropy_critical_coeff = -2.02367e-09;

// the heat capacity of saturated vapour switches fits here; each seam belongs to the upper fit, K
constexpr double vapour_cp_seam_low = 573.15;
constexpr double vapour_cp_seam_high = 623.15;
// heat capacity of saturated vapour, kJ/(kg K), powers 0..6 of T in K; below 573.15 K
constexpr std::array<double, 7> vapour_cp_low_coeffs = {
    155.553195862, -2.48223350219, 0.0165080433615, -5.78516911591e-05,
    1.12664011387e-07, -1.15639019994e-10, 4.90044488065e-14};
// ... powers 0..6 of T in K (no linear term); 573.15 to 623.15 K
constexpr std::array<double, 7> vapour_cp_middle_coeffs = {
    -460324.858443, 0.0, 19.8848708274, -0.0899961972588,
    0.000171851030598, -1.55588513834e-07, 5.50331881277e-11};
// ... powers 0..6 of T in K (no linear or quadratic term); 623.15 K and above
constexpr std::array<double, 7> vapour_cp_high_coeffs = {
    230442086.115, 0.0, 0.0, -18.2161884716, 0.0647978496439, -8.1950926142e-05, 3.5986317875e-08};

// relative step of the central difference that gives the liquid heat capacity
constexpr double cp_relative_step = 1e-08;

// compressibility of ice, 1e-11/Pa, powers 0..1 of T in K; 173.15 to 273.16 K
constexpr std::array<double, 2> ice_compressibility_coeffs = {8.875, 0.0165};
// the compressibility fits are in units of 1e-11/Pa
constexpr double compressibility_unit = 1e-11;
// compressibility of liquid, 1e-11/Pa: (m0 + m1 t + ... + m5 t^5) / (1 + m6 t), t in degC; up to 100 degC
constexpr std::array<double, 7> liquid_compressibility_low_coeffs = {
    50.88496, 0.6163813, 0.001459187, 2.008438e-05, -5.847727e-08, 4.10411e-10, 0.01967348};
// ... the same form above 100 degC
constexpr std::array<double, 7> liquid_compressibility_high_coeffs = {
    50.884917, 0.62590623, 0.0013848668, 2.1603427e-05, -7.2087667e-08, 4.6545054e-10, 0.019859983};
// the liquid compressibility fits switch above this, degC
constexpr double liquid_compressibility_seam = 100.0;

double ln_pws_ice(double t)
{
    const auto& c = ice_pressure_coeffs;
    const std::array<double, 5> poly = {c[1], c[2], c[3], c[4], c[5]};
    return c[0] / t + horner(poly, t) + c[6] * std::log(t);
}

double ln_pws_liquid(double t)
{
    const auto& c = liquid_pressure_coeffs;
    const std::array<double, 4> poly = {c[1], c[2], c[3], c[4]};
    return c[0] / t + horner(poly, t) + c[5] * std::log(t);
}

// The liquid fit evaluated at any t, also below the triple point.
double pws_liquid(double t) { return std::exp(ln_pws_liquid(t)); }

double dpws_liquid(double t)
{
    const auto& c = liquid_pressure_slope_coeffs;
    const double t2 = t * t;
    return pws_liquid(t) * (c[0] / t + c[1] * t2 + c[2] * t + c[3] / t2 + c[4]);
}

double vl_of(double t)
{
    return horner(liquid_volume_numerator_coeffs, t) / horner(liquid_volume_denominator_coeffs, t);
}

double hl_of(double t)
{
    double h0;
    if (t <= liquid_seam_low) {
        h0 = horner(liquid_enthalpy_low_coeffs, t)
             + liquid_enthalpy_low_amplitude * std::pow(10.0, liquid_enthalpy_low_rate * (t - t_ice));
    } else {
        h0 = horner(liquid_enthalpy_high_coeffs, t);
        if (t > liquid_seam_high)
            h0 += liquid_enthalpy_critical_coeff
                  * std::pow(t - liquid_seam_high, liquid_enthalpy_critical_exponent);
    }
    // The fit gives the enthalpy at constant pressure; v T dp/dT carries it
    // along the saturation line.
    return h0 + liquid_enthalpy_offset + kilo * vl_of(t) * t * dpws_liquid(t);
}

double sl_of(double t)
{
    // Saturation-line term, as in the enthalpy, divided by T.
    const double g = kilo * vl_of(t) * dpws_liquid(t);
    if (t <= liquid_seam_low) {
        return g + liquid_entropy_low_log * std::log(t) + horner(liquid_entropy_low_coeffs, t)
               + liquid_entropy_low_amplitude * std::exp(liquid_entropy_low_rate * (t - t_ice));
    }
    double s = liquid_entropy_high_log * std::log(t) + horner(liquid_entropy_high_coeffs, t) + g;
    if (t > liquid_seam_high) {
        const double d = t - liquid_seam_high;
        s += liquid_entropy_critical_coeff * (d * d * d);
    }
    return s;
}

}  // namespace

double water::pws() const
{
    return m_t < t_triple ? std::exp(ln_pws_ice(m_t)) : pws_liquid(m_t);
}

double water::dpws() const { return dpws_liquid(m_t); }

double water::b() const { return vapour_b0 + vapour_b1 * std::exp(vapour_b2 / m_t); }

double water::c() const { return vapour_c0 + vapour_c1 * std::exp(vapour_c2 / m_t); }

double water::db() const
{
    return -vapour_b2 * (vapour_b1 * std::exp(vapour_b2 / m_t)) / (m_t * m_t);
}

double water::dc() const
{
    return -vapour_c2 * (vapour_c1 * std::exp(vapour_c2 / m_t)) / (m_t * m_t);
}

void water::virial_series(double& b, double& c, double& db, double& dc) const
{
    const double eb = vapour_b1 * std::exp(vapour_b2 / m_t);
    const double ec = vapour_c1 * std::exp(vapour_c2 / m_t);
    b = vapour_b0 + eb;
    c = vapour_c0 + ec;
    db = -vapour_b2 * eb / (m_t * m_t);
    dc = -vapour_c2 * ec / (m_t * m_t);
}

double water::vg() const
{
    const double p = pws();
    return vapour_gas_constant * m_t * (1.0 + b() * p + c() * (p * p)) / p;
}

double water::vw() const
{
    return m_t < t_triple ? horner(ice_volume_coeffs, m_t) : vl_of(m_t);
}

double water::vl() const { return vl_of(m_t); }

double water::hg() const
{
    const double p = pws();
    return horner(ideal_vapour_enthalpy_coeffs, m_t)
           - vapour_gas_constant_kj * (m_t * m_t) * p * (db() + 0.5 * dc() * p);
}

double water::hw() const
{
    if (m_t < t_triple)
        return horner(ice_enthalpy_coeffs, m_t) + ice_enthalpy_pressure * std::exp(ln_pws_ice(m_t));
    return hl_of(m_t);
}

double water::hl() const { return hl_of(m_t); }

double water::sg() const
{
    const double p = pws();
    const double s0 = ideal_vapour_entropy_log * std::log(m_t) + horner(ideal_vapour_entropy_coeffs, m_t);
    return s0 - vapour_gas_constant_kj
                    * (std::log(p) + p * (b() + m_t * db()) + 0.5 * (p * p) * (c() + m_t * dc()));
}

double water::sw() const
{
    if (m_t < t_triple) {
        // Ice at its own saturation pressure, referred to the standard atmosphere
        // through (p - pws) dv/dT.
        return ice_entropy_log * std::log(m_t) + horner(ice_entropy_coeffs, m_t)
               + kilo * (p_standard - std::exp(ln_pws_ice(m_t))) * horner(ice_volume_slope_coeffs, m_t);
    }
    return sl_of(m_t);
}

double water::cpg() const
{
    if (m_t < vapour_cp_seam_low)
        return horner(vapour_cp_low_coeffs, m_t);
    if (m_t < vapour_cp_seam_high)
        return horner(vapour_cp_middle_coeffs, m_t);
    return horner(vapour_cp_high_coeffs, m_t);
}

double water::cpw() const
{
    const double delta = cp_relative_step * m_t;
    // Each neighbour checks its own range, the upper one first.
    const water above(m_t + delta);
    const water below(m_t - delta);
    return (above.hl() - below.hl()) / (delta + delta);
}

double water::kf() const
{
    if (m_t < t_triple)
        return horner(ice_compressibility_coeffs, m_t) * compressibility_unit;
    const double tc = m_t - t_ice;  // degC
    const auto& m = tc <= liquid_compressibility_seam ? liquid_compressibility_low_coeffs
                                                       : liquid_compressibility_high_coeffs;
    const std::array<double, 6> numerator = {m[0], m[1], m[2], m[3], m[4], m[5]};
    return horner(numerator, tc) * compressibility_unit / (1.0 + m[6] * tc);
}

}  // namespace hygra::ashrae97
