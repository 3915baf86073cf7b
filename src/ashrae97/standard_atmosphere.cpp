// Pressure and temperature of the standard atmosphere from -500 to 10000 m:
// 15 degC and 101325 Pa at sea level, falling 6.5 K per km.
#include <cmath>
#include <stdexcept>

#include "ashrae97/constants.h"
#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {

// Pa at altitude z in m. The limits themselves are accepted; a NaN fails
// neither comparison and gives a NaN pressure.
double moist_air::pz(double z)
{
    if (z < m_zmin || z > m_zmax)
        throw std::domain_error("moist_air::pz");
    return std::pow(z * (-2.25577e-5) + 1.0, 5.2559) * p_standard;
}

// K at altitude z in m, summed in this order: lapse, sea-level degC, then to K.
double moist_air::tz(double z)
{
    if (z < m_zmin || z > m_zmax)
        throw std::domain_error("moist_air::tz");
    return z * (-0.0065) + 15.0 + t_ice;
}

}  // namespace hygra::ashrae97
