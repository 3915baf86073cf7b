// The handbook's dew-point correlation: a quick estimate of the dew point from
// the partial pressure of water vapour, used as the start of dew-point and
// temperature searches.
#ifndef HYGRA_ASHRAE97_DEW_POINT_ESTIMATE_H
#define HYGRA_ASHRAE97_DEW_POINT_ESTIMATE_H

namespace hygra::ashrae97 {

// Estimated dew point in K of humidity ratio w (kg/kg) at total pressure p (Pa).
// A zero vapour pressure gives the lowest temperature of the model, 173.15 K.
// Not clamped: at very low vapour pressures the cold branch turns back up.
double dew_point_estimate(double p, double w);

}  // namespace hygra::ashrae97

#endif
