// One state of moist air: dry-bulb temperature, total pressure and mole
// fraction of water vapour. Every other property is computed on demand from
// these three numbers by the getters.
#ifndef HYGRA_ASHRAE97_MOIST_AIR_H
#define HYGRA_ASHRAE97_MOIST_AIR_H

namespace hygra::ashrae97 {

class moist_air {
public:
    // The thirty pairs of inputs that fix a state. The numbers are part of
    // the C interface. The first and second input come in the order of the name.
    enum state_type {
        tdry_twet = 0,
        tdry_rh = 1,
        tdry_w = 2,
        tdry_h = 3,
        tdry_s = 4,
        tdry_v = 5,
        tdry_tdew = 6,
        w_twet = 7,
        w_tdry = 8,
        w_rh = 9,
        w_h = 10,
        w_s = 11,
        w_v = 12,
        rh_twet = 13,
        rh_tdry = 14,
        rh_w = 15,
        rh_h = 16,
        rh_s = 17,
        rh_v = 18,
        tdew_twet = 19,
        tdew_rh = 20,
        tdew_h = 21,
        tdew_s = 22,
        tdew_v = 23,
        twet_h = 24,
        twet_s = 25,
        twet_v = 26,
        h_s = 27,
        h_v = 28,
        s_v = 29
    };

    static const double m_zmin;  // lowest altitude of the standard atmosphere, m
    static const double m_zmax;  // highest altitude of the standard atmosphere, m
    static const double m_pmin;  // lowest total pressure, Pa
    static const double m_pmax;  // highest total pressure, Pa
    static const double m_tmin;  // lowest dry-bulb temperature, K
    static const double m_tmax;  // highest dry-bulb temperature, K (below water's critical point)
    static const double m_mwa;   // molar mass of dry air, g/mol
    static const double m_mww;   // molar mass of water, g/mol
    static const double m_rg;    // molar gas constant, Pa cm3/(mol K)

    // Fixes the state from a pair of inputs and the total pressure (internal
    // units: K, Pa, kg/kg, fraction, kJ/kg, kJ/(kg K), m3/kg), or throws.
    moist_air(state_type type, double first, double second, double p);

    // Throws hygra::invalid_state("moist_air") unless a state has been set.
    void check_state() const;

    double tdry() const { return m_tdry; }  // dry-bulb temperature, K
    double p() const { return m_p; }        // total pressure, Pa
    double xw() const { return m_xw; }      // mole fraction of water vapour

    // Standard atmosphere at an altitude in m: pressure in Pa, temperature in K.
    static double pz(double z);
    static double tz(double z);

    // Thermodynamic properties (internal units; mixture and dry-air values per
    // kg of dry air, water values per kg of water).
    double pws() const;   // saturation pressure at the dry bulb, Pa
    double pdew() const;  // saturation pressure at the dew point, Pa
    double pwet() const;  // saturation pressure at the wet bulb, Pa
    double tdew() const;  // dew-point temperature, K
    double twet() const;  // thermodynamic wet-bulb temperature, K
    double ws() const;    // humidity ratio at saturation, kg/kg
    double rh() const;    // relative humidity, fraction
    double va() const;    // specific volume of dry air alone, m3/kg
    double vm() const;    // specific volume of moist air, m3/kg
    double vg() const;    // specific volume of saturated vapour, m3/kg
    double vw() const;    // specific volume of ice or liquid water, m3/kg
    double ha() const;    // enthalpy of dry air alone, kJ/kg
    double hm() const;    // enthalpy of moist air, kJ/kg
    double hg() const;    // enthalpy of saturated vapour, kJ/kg
    double hw() const;    // enthalpy of ice or liquid water, kJ/kg
    double sa() const;    // entropy of dry air alone, kJ/(kg K)
    double sm() const;    // entropy of moist air, kJ/(kg K)
    double sg() const;    // entropy of saturated vapour, kJ/(kg K)
    double sw() const;    // entropy of ice or liquid water, kJ/(kg K)
    double cpa() const;   // isobaric heat capacity of dry air alone, kJ/(kg K)
    double cpm() const;   // isobaric heat capacity of moist air, kJ/(kg K)
    double cpw() const;   // isobaric heat capacity of liquid water, kJ/(kg K)
    double cpg() const;   // isobaric heat capacity of saturated vapour, kJ/(kg K)
    double rho() const;   // density of moist air, kg/m3
    double ds() const;    // degree of saturation, W/ws

    // Transport properties.
    double mua() const;  // viscosity of dry air, Pa s
    double mum() const;  // viscosity of moist air, Pa s
    double muw() const;  // viscosity of liquid water, Pa s
    double mug() const;  // viscosity of saturated vapour, Pa s
    double tka() const;  // thermal conductivity of dry air, W/(m K)
    double tkm() const;  // thermal conductivity of moist air, W/(m K)
    double tkw() const;  // thermal conductivity of liquid water, W/(m K)
    double tkg() const;  // thermal conductivity of saturated vapour, W/(m K)
    double pra() const;  // Prandtl number of dry air
    double prm() const;  // Prandtl number of moist air
    double prw() const;  // Prandtl number of liquid water
    double prg() const;  // Prandtl number of saturated vapour
    double daw() const;  // diffusion coefficient of water vapour in air, m2/s
    double scm() const;  // Schmidt number of moist air

private:
    // State routines: each turns its pair into (m_tdry, m_p, m_xw) or throws.
    void at_tdry_twet(double tdry, double twet, double p);
    void at_tdry_rh(double tdry, double rh, double p);
    void at_tdry_w(double tdry, double w, double p);
    void at_tdry_h(double tdry, double h, double p);
    void at_tdry_s(double tdry, double s, double p);
    void at_tdry_v(double tdry, double v, double p);
    void at_tdry_tdew(double tdry, double tdew, double p);
    void at_w_twet(double w, double twet, double p);
    void at_w_rh(double w, double rh, double p);
    void at_w_h(double w, double h, double p);
    void at_w_s(double w, double s, double p);
    void at_w_v(double w, double v, double p);
    void at_rh_twet(double rh, double twet, double p);
    void at_rh_h(double rh, double h, double p);
    void at_rh_s(double rh, double s, double p);
    void at_rh_v(double rh, double v, double p);
    void at_tdew_twet(double tdew, double twet, double p);
    void at_tdew_rh(double tdew, double rh, double p);
    void at_tdew_h(double tdew, double h, double p);
    void at_tdew_s(double tdew, double s, double p);
    void at_tdew_v(double tdew, double v, double p);
    void at_twet_h(double twet, double h, double p);
    void at_twet_s(double twet, double s, double p);
    void at_twet_v(double twet, double v, double p);
    void at_h_s(double h, double s, double p);
    void at_h_v(double h, double v, double p);
    void at_s_v(double s, double v, double p);

    // Opening steps of the routines from the dry bulb: store and check the dry
    // bulb, then the pressure.
    void begin_at_tdry(double tdry, double p);
    // Closing steps of the routines from humidity ratio: store the dry bulb
    // found and the mole fraction of w, checking both.
    void store_at_w(double tdry, double w);
    // Closing steps of the routines from relative humidity: store the dry bulb
    // found and the mole fraction of rh there, checking both.
    void store_at_rh(double tdry, double rh);
    // Opening step of the routines from the dew point: store and check the
    // pressure, and return the humidity ratio of air whose dew point is tdew.
    double begin_at_tdew(double tdew, double p);
    // Closing step of the searches along a line of states: store the dry bulb
    // and mole fraction found, checking both.
    void store_found(double tdry, double xw);

    // Range checks shared by the state routines (std::domain_error).
    static void check_t(double t);
    static void check_p(double p);
    static void check_x(double x);
    // A wet bulb needs air saturated at it: refused (std::domain_error) at or
    // above the boiling point, where saturation `xws` exceeds pure vapour.
    static void check_twet_below_boiling(double xws);
    // A humidity ratio: negative ("moist_air::x_range"), or above the largest
    // that the stored mole fraction holds to its digits ("moist_air::w_range").
    static void check_w(double w);
    // A negative relative humidity ("moist_air::x_range": it gives a negative
    // mole fraction at every temperature).
    static void check_rh(double rh);

    // A state with an infinite input (refused) or a NaN among its inputs: no
    // search is run; what the inputs that are numbers fix alone is stored, the
    // rest is NaN. Kept out of the constructor's ordinary path.
    [[gnu::cold, gnu::noinline]] void at_not_finite(state_type type, double first, double second,
                                                    double p);

    // Humidity ratio of the stored state (0 when there is no dry air).
    double w() const;

    bool m_valid;   // a state has been set
    double m_tdry;  // dry-bulb temperature, K
    double m_p;     // total pressure, Pa
    double m_xw;    // mole fraction of water vapour
};

// Mole fraction of water vapour of a humidity ratio W (kg/kg).
double xw_from_w(double w);

// Humidity ratio (kg/kg) of a mole fraction of water vapour; 0 when 1 - xw is 0.
double w_from_xw(double xw);

}  // namespace hygra::ashrae97

#endif
