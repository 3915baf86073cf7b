// Viscosity and thermal conductivity of dry air (Lemmon and Jacobsen): a
// dilute-gas part from kinetic theory plus a residual part in the density,
// without a critical enhancement.
#ifndef HYGRA_ASHRAE97_AIR_TRANS_H
#define HYGRA_ASHRAE97_AIR_TRANS_H

namespace hygra::ashrae97 {

// At temperature t (K) and molar density rho (mol/dm3): viscosity mu (Pa s) and
// thermal conductivity k (W/(m K)). Never throws.
void air_trans(double t, double rho, double& mu, double& k);

}  // namespace hygra::ashrae97

#endif
