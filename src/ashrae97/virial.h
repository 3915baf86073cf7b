// Virial coefficients of dry air, water vapour and their interactions, and the
// enhancement factor of saturated moist air; 173.15 to 645.15 K, 0 to 5 MPa.
#ifndef HYGRA_ASHRAE97_VIRIAL_H
#define HYGRA_ASHRAE97_VIRIAL_H

#include <stdexcept>

#include "ashrae97/constants.h"
#include "ashrae97/evaluation_count.h"
#include "ashrae97/water.h"

namespace hygra::ashrae97 {

// Second (cm3/mol) and third (cm6/mol2) virial coefficients of the volume
// series: a = dry air, w = water vapour. Also used for their temperature
// derivatives, in the same units per K.
struct virial_coefficients {
    double baa, baw, bww, caaa, caaw, caww, cwww;
};

// The real-gas part of moist air at temperature t (K) and total pressure p (Pa).
// Nothing is cached: every call evaluates its coefficients from t.
class virial {
public:
    // Checks, in this order: the water range ("water"), t > 645.15 K
    // ("virial::t"), p < 0 or p > 5e6 Pa ("virial::p"), all std::domain_error.
    // The limits are accepted and a NaN passes.
    virial(double t, double p) : m_t(t), m_p(p), m_h2o(t)
    {
        HYGRA_COUNT_EVALUATION();
        if (m_t > t_max)
            throw std::domain_error("virial::t");
        if (m_p < p_min || m_p > p_max)
            throw std::domain_error("virial::p");
    }

    double t() const { return m_t; }
    double p() const { return m_p; }
    const water& h2o() const { return m_h2o; }

    virial_coefficients coefficients() const;  // the seven coefficients at t
    virial_coefficients derivatives() const;   // their temperature derivatives at t
    // Both at once, sharing the three exponentials they need.
    void coefficients_and_derivatives(virial_coefficients& v, virial_coefficients& d) const;

    // Henry's-law term for the air dissolved in the condensed phase, 1/Pa.
    double beta() const;

    // Moist air saturated over the condensed phase (ice below 273.16 K) at t, p:
    // humidity ratio ws (kg/kg), mole fractions of vapour xws and of dry air xas.
    // Where the condensed phase boils (pws > p, also p = 0) the ideal values
    // pws/p are returned unchanged, xws > 1 and ws < 0. The iteration stops
    // after 100 passes and keeps its last value; nothing is thrown.
    void efactor(double& ws, double& xws, double& xas) const;
    // The same, also giving the number of passes made (0 where it boils).
    void efactor(double& ws, double& xws, double& xas, int& passes) const;

private:
    double m_t;     // temperature, K
    double m_p;     // total pressure, Pa
    water m_h2o;    // pure water at m_t; constructed after m_t and m_p, checked first
};

}  // namespace hygra::ashrae97

#endif
