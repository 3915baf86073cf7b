// Saturation pressure and properties of water substance at one temperature:
// ice below the triple point, liquid from it; 173.15 to 647.096 K.
#ifndef HYGRA_ASHRAE97_WATER_H
#define HYGRA_ASHRAE97_WATER_H

#include <stdexcept>

#include "ashrae97/constants.h"

namespace hygra::ashrae97 {

// Pure water at temperature t. The condensed phase is ice when t < 273.16 K and
// liquid from 273.16 K on (the triple point itself is liquid); vl, hl, cpw and
// dpws always use the liquid, supercooled below the triple point. Nothing
// depends on the pressure of the surrounding air. Units: K, Pa, m3/kg, kg/m3,
// kJ/kg, kJ/(kg K), 1/Pa, Pa s, W/(m K); specific values per kg of water.
// Enthalpy and entropy are zero for saturated liquid at the triple point.
class water {
public:
    // Throws std::domain_error("water") outside 173.15..647.096 K. Both limits
    // are accepted and a NaN passes, propagating through every formula.
    explicit water(double t) : m_t(t)
    {
        if (t_min > t || t > t_water_max)
            throw std::domain_error("water");
    }

    double t() const { return m_t; }

    double pws() const;   // saturation pressure over ice or liquid, Pa
    double dpws() const;  // d(pws)/dT over liquid water (at any t), Pa/K

    double vg() const;    // specific volume of saturated vapour, m3/kg
    double vw() const;    // specific volume of the condensed phase, m3/kg
    double vl() const;    // specific volume of liquid water, m3/kg

    double hg() const;    // enthalpy of saturated vapour, kJ/kg
    double hw() const;    // enthalpy of the condensed phase, kJ/kg
    double hl() const;    // enthalpy of saturated liquid water, kJ/kg

    double sg() const;    // entropy of saturated vapour, kJ/(kg K)
    double sw() const;    // entropy of the condensed phase, kJ/(kg K)

    double cpg() const;   // isobaric heat capacity of saturated vapour, kJ/(kg K)
    // Isobaric heat capacity of liquid water, kJ/(kg K): a central difference of
    // hl over t(1 +- 1e-8), so it throws "water" within that distance of a limit.
    double cpw() const;

    double rhog() const;  // saturated-vapour density of the auxiliary equation, kg/m3
    double kf() const;    // isothermal compressibility of the condensed phase, 1/Pa

    double viscosity(double rho) const;  // dynamic viscosity at t and rho (kg/m3), Pa s
    double tk(double rho) const;         // thermal conductivity at t and rho (kg/m3), W/(m K)

    // Pressure-series virial coefficients of water vapour, Z = 1 + b p + c p^2,
    // and their exact temperature derivatives.
    double b() const;     // 1/Pa
    double c() const;     // 1/Pa2
    double db() const;    // 1/(Pa K)
    double dc() const;    // 1/(Pa2 K)
    // All four at once, from one exponential each for b and c.
    void virial_series(double& b, double& c, double& db, double& dc) const;

private:
    double m_t;  // temperature, K
};

}  // namespace hygra::ashrae97

#endif
