// The real-gas mixture of dry air and water vapour at one temperature, pressure
// and composition: its molar volume from the virial equation of state, its
// enthalpy, entropy and relative humidity, and the dew-point and wet-bulb
// searches. Internal to the model.
#ifndef HYGRA_ASHRAE97_MOISTAIR_H
#define HYGRA_ASHRAE97_MOISTAIR_H

#include "ashrae97/virial.h"

namespace hygra::ashrae97 {

class moistair : public virial {
public:
    // Mixture at temperature t (K) and pressure p (Pa) with mole fraction xw of
    // water vapour; the dry-air fraction is 1 - xw. Range errors of virial.
    moistair(double t, double p, double xw) : virial(t, p), m_xw(xw), m_xa(1.0 - xw) {}
    // The same, with the virial coefficients at t and their temperature
    // derivatives already formed (by a search at a fixed temperature, which
    // forms them once); both must outlive the mixture.
    moistair(double t, double p, double xw, const virial_coefficients& c, const virial_coefficients& d)
        : virial(t, p), m_xw(xw), m_xa(1.0 - xw), m_given(&c), m_given_derivatives(&d)
    {
    }

    double xw() const { return m_xw; }
    double xa() const { return m_xa; }

    double tdew() const;  // dew-point temperature, K
    double twet() const;  // thermodynamic wet-bulb temperature, K
    double vm() const;    // volume, m3 per kg dry air (m3/kmol without dry air)
    double hm() const;    // enthalpy, kJ per kg dry air (J/mol without dry air)
    double sm() const;    // entropy, kJ/(K kg dry air) (J/(mol K) without dry air)
    double rh() const;    // relative humidity: xw over its saturation value

    // Humidity ratio of the mixture, kg/kg; 0 without dry air.
    double w() const;

    // Molar volume, cm3/mol, from the virial equation by fixed-point iteration.
    double molar_volume() const;

    // The estimate that tdew falls back on: the dew-point correlation, K.
    double tdew_estimate() const;

private:
    // The dew point, K; `found` false when none lies in the model's range and
    // the correlation's estimate is returned instead.
    double dew_point(bool& found) const;
    // The lowest dew point by a bracketed root search over the whole range, or
    // te with `found` false.
    double bracketed_dew_point(double te, bool& found) const;
    // Relative humidity 1 within rounding.
    bool saturated() const;
    // The dew point near the triple point, where saturation jumps: td when it
    // is the lower root, else the root searched on the right side of the jump.
    double dew_point_at_triple_point(double td) const;
    // Humidity ratio of air saturated at t and this pressure, kg/kg.
    double saturation_w(double t) const;

    // Mixture second and third virial coefficients (cm3/mol, cm6/mol2) and
    // their temperature derivatives.
    struct mixture_coefficients {
        double bm, cm, dbm, dcm;
    };
    mixture_coefficients mixture(bool with_derivatives) const;
    double molar_volume(double bm, double cm) const;

    double m_xw;  // mole fraction of water vapour
    double m_xa;  // mole fraction of dry air
    const virial_coefficients* m_given = nullptr;              // coefficients at t, if formed already
    const virial_coefficients* m_given_derivatives = nullptr;  // and their derivatives
};

// A mixture property, chosen by the state routines' searches.
using moistair_property = double (moistair::*)() const;

}  // namespace hygra::ashrae97

#endif
