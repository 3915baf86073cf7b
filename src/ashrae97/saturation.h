// Saturation state of moist air at a temperature and pressure, from the
// enhancement-factor iteration: shorthands for the one number a caller needs.
#ifndef HYGRA_ASHRAE97_SATURATION_H
#define HYGRA_ASHRAE97_SATURATION_H

#include "ashrae97/virial.h"

namespace hygra::ashrae97 {

// Humidity ratio of air saturated at (t, p), kg/kg.
inline double saturation_humidity_ratio(double t, double p)
{
    double ws, xws, xas;
    virial(t, p).efactor(ws, xws, xas);
    return ws;
}

// Mole fraction of water vapour of air saturated at (t, p). Above the boiling
// point at p it exceeds 1.
inline double saturation_mole_fraction(double t, double p)
{
    double ws, xws, xas;
    virial(t, p).efactor(ws, xws, xas);
    return xws;
}

}  // namespace hygra::ashrae97

#endif
