// Physical constants and limits of the moist-air formulation, written once.
#ifndef HYGRA_ASHRAE97_CONSTANTS_H
#define HYGRA_ASHRAE97_CONSTANTS_H

namespace hygra::ashrae97 {

// molar gas constant, Pa cm3/(mol K): 8.31441 J/(mol K) in the units of the virial coefficients
inline constexpr double gas_constant = 8314410.0;
// molar mass of dry air, g/mol
inline constexpr double molar_mass_air = 28.9645;
// molar mass of water, g/mol
inline constexpr double molar_mass_water = 18.01528;
// ratio of the molar masses of water and dry air, 18.01528 / 28.9645 to full precision
inline constexpr double mass_ratio = 0.6219779385109357;
// the same ratio rounded, used only by the dew-point correlation
inline constexpr double mass_ratio_rounded = 0.62198;

// lowest and highest dry-bulb temperature of the model, K
inline constexpr double t_min = 173.15;
inline constexpr double t_max = 645.15;
// lowest and highest total pressure of the model, Pa
inline constexpr double p_min = 0.0;
inline constexpr double p_max = 5e6;
// upper temperature limit of the water-substance functions (critical point), K
inline constexpr double t_water_max = 647.096;
// triple point of water: the ice/liquid switch of the condensed phase, K
inline constexpr double t_triple = 273.16;
// ice point: 0 degC, K
inline constexpr double t_ice = 273.15;
// the state searches stop short of pure vapour, where properties per kg of dry
// air diverge: the mole fraction of dry air they reach stays at least this
inline constexpr double dry_air_floor = 1e-6;
// largest humidity ratio accepted, kg/kg: nearly pure vapour (a dry-air mole
// fraction of 6e-7), which the stored mole fraction still holds to 10 digits
inline constexpr double w_max = 1e6;
// standard atmospheric pressure, Pa
inline constexpr double p_standard = 101325.0;

}  // namespace hygra::ashrae97

#endif
