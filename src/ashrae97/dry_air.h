// Dry air alone as a real gas: its molar volume from the virial equation and
// its specific volume, enthalpy, entropy and isobaric heat capacity, per kg of
// dry air. Reference: zero enthalpy and entropy at 273.15 K and 101325 Pa.
#ifndef HYGRA_ASHRAE97_DRY_AIR_H
#define HYGRA_ASHRAE97_DRY_AIR_H

namespace hygra::ashrae97 {

class dry_air {
public:
    // Dry air at temperature t (K) and pressure p (Pa); the range errors of the
    // virial coefficients come first. The molar volume is solved here.
    dry_air(double t, double p);

    double molar_volume() const { return m_v; }  // cm3/mol
    double va() const;   // specific volume, m3/kg
    double ha() const;   // specific enthalpy, kJ/kg
    double sa() const;   // specific entropy, kJ/(kg K)
    double cpa() const;  // isobaric heat capacity, kJ/(kg K)

private:
    double m_t;     // temperature, K
    double m_p;     // pressure, Pa
    double m_baa;   // second virial coefficient, cm3/mol
    double m_caaa;  // third virial coefficient, cm6/mol2
    double m_v;     // molar volume, cm3/mol
};

}  // namespace hygra::ashrae97

#endif
