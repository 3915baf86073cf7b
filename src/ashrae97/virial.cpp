// Second and third virial coefficients of dry air, water vapour and their
// interactions, and their temperature derivatives; 173.15 to 645.15 K.
#include "ashrae97/virial.h"

#include <array>
#include <cmath>

#include "ashrae97/constants.h"
#include "ashrae97/horner.h"

namespace hygra::ashrae97 {
namespace {

// Baa, air-air second coefficient, cm3/mol, powers 0..3 of 1/T (1/K)
constexpr std::array<double, 4> baa_coeffs = {34.9568, -6687.72, -2101410.0, 92474600.0};
// Baw, air-water second coefficient, cm3/mol, powers 0..4 of 1/T (no cubic term)
constexpr std::array<double, 5> baw_coeffs = {32.366097, -14113.8, -1244535.0, 0.0, -2348789000.0};
// Caaa, air third coefficient, cm6/mol2, powers 0..2 of 1/T
constexpr std::array<double, 3> caaa_coeffs = {1259.75, -190905.0, 63246700.0};
// Caaw, air-air-water third coefficient, cm6/mol2, powers 0..4 of 1/T
constexpr std::array<double, 5> caaw_coeffs = {482.737, 105678.0, -65639400.0, 29444200000.0, -3193170000000.0};
// Caww, air-water-water third coefficient: scale (cm6/mol2) times exp of a cubic in 1/T
constexpr double caww_scale = -1000000.0;
// ... the cubic, powers 0..3 of 1/T
constexpr std::array<double, 4> caww_exponent_coeffs = {-10.728876, 3478.02, -383383.0, 33406000.0};

// Derivatives in 1/T carry these multiples of the table values, stored as the
// products so that the derivatives are evaluated as written:
constexpr double baa_d2 = -4202820.0;       // 2 x -2101410
constexpr double caaw_d2 = -131278800.0;    // 2 x -65639400
constexpr double caaw_d3 = 88332600000.0;   // 3 x 29444200000
constexpr double caww_d2 = -766766.0;       // 2 x -383383

}  // namespace

virial_coefficients virial::coefficients() const
{
    const double t = 1.0 / m_t;
    const double rt = gas_constant * m_t;
    const double b = m_h2o.b();
    const double c = m_h2o.c();
    virial_coefficients v;
    v.baa = horner(baa_coeffs, t);
    v.baw = horner(baw_coeffs, t);
    // The pressure series of water vapour turned into the volume series.
    v.bww = b * rt;
    v.caaa = horner(caaa_coeffs, t);
    v.caaw = horner(caaw_coeffs, t);
    v.caww = caww_scale * std::exp(horner(caww_exponent_coeffs, t));
    v.cwww = (b * b + c) * rt * rt;
    return v;
}

virial_coefficients virial::derivatives() const
{
    // d/dT = -t^2 d/dt with t = 1/T.
    const double t = 1.0 / m_t;
    const double t2 = t * t;
    const double rt = gas_constant * m_t;
    const double b = m_h2o.b();
    const double c = m_h2o.c();
    const double db = m_h2o.db();
    const double dc = m_h2o.dc();
    const double caww = caww_scale * std::exp(horner(caww_exponent_coeffs, t));
    virial_coefficients d;
    d.baa = -t2 * (baa_coeffs[1] + t * (baa_d2 + baa_coeffs[3] * (3.0 * t)));
    d.baw = -t2 * (baw_coeffs[1] + (2.0 * t) * (baw_coeffs[2] + baw_coeffs[4] * (2.0 * t2)));
    d.bww = gas_constant * (b + m_t * db);
    d.caaa = -t2 * (caaa_coeffs[1] + caaa_coeffs[2] * (2.0 * t));
    d.caaw = -t2 * (caaw_coeffs[1] + t * (caaw_d2 + t * (caaw_d3 + caaw_coeffs[4] * (4.0 * t))));
    d.caww = -caww * t2 * (caww_exponent_coeffs[1] + t * (caww_d2 + caww_exponent_coeffs[3] * (3.0 * t)));
    d.cwww = rt * (rt * (2.0 * b * db + dc) + 2.0 * gas_constant * (b * b + c));
    return d;
}

void virial::coefficients_and_derivatives(virial_coefficients& v, virial_coefficients& d) const
{
    const double t = 1.0 / m_t;
    const double t2 = t * t;
    const double rt = gas_constant * m_t;
    double b, c, db, dc;
    m_h2o.virial_series(b, c, db, dc);
    const double caww = caww_scale * std::exp(horner(caww_exponent_coeffs, t));
    v.baa = horner(baa_coeffs, t);
    v.baw = horner(baw_coeffs, t);
    v.bww = b * rt;
    v.caaa = horner(caaa_coeffs, t);
    v.caaw = horner(caaw_coeffs, t);
    v.caww = caww;
    v.cwww = (b * b + c) * rt * rt;
    d.baa = -t2 * (baa_coeffs[1] + t * (baa_d2 + baa_coeffs[3] * (3.0 * t)));
    d.baw = -t2 * (baw_coeffs[1] + (2.0 * t) * (baw_coeffs[2] + baw_coeffs[4] * (2.0 * t2)));
    d.bww = gas_constant * (b + m_t * db);
    d.caaa = -t2 * (caaa_coeffs[1] + caaa_coeffs[2] * (2.0 * t));
    d.caaw = -t2 * (caaw_coeffs[1] + t * (caaw_d2 + t * (caaw_d3 + caaw_coeffs[4] * (4.0 * t))));
    d.caww = -caww * t2 * (caww_exponent_coeffs[1] + t * (caww_d2 + caww_exponent_coeffs[3] * (3.0 * t)));
    d.cwww = rt * (rt * (2.0 * b * db + dc) + 2.0 * gas_constant * (b * b + c));
}

}  // namespace hygra::ashrae97
