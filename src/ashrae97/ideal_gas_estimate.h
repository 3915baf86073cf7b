// Ideal-gas psychrometrics, for the first estimates of the searches only:
// h = cp_a t + W (L + cp_v t) and v = R_a T (1 + 1.607858 W) / p. The
// searches then match the real-gas mixture; these numbers set where they start.
#ifndef HYGRA_ASHRAE97_IDEAL_GAS_ESTIMATE_H
#define HYGRA_ASHRAE97_IDEAL_GAS_ESTIMATE_H

namespace hygra::ashrae97 {

// specific heat of dry air, kJ/(kg K)
inline constexpr double ideal_cp_air = 1.006;
// specific heat of water vapour, kJ/(kg K)
inline constexpr double ideal_cp_vapour = 1.86;
// latent heat of evaporation at 0 degC, kJ/kg
inline constexpr double ideal_latent_heat = 2501.0;
// gas constant of dry air, J/(kg K)
inline constexpr double ideal_r_air = 287.042;
// inverse of the molar-mass ratio of water and dry air, less 1
inline constexpr double ideal_vapour_volume_factor = 1.607858;

}  // namespace hygra::ashrae97

#endif
