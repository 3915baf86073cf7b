#include "ashrae97/dew_point_estimate.h"

#include <array>
#include <cmath>

#include "ashrae97/constants.h"
#include "ashrae97/horner.h"

namespace hygra::ashrae97 {

namespace {

// dew point over liquid water, degC, as a cubic in ln(pw / kPa) (Horner, constant first)
constexpr std::array<double, 4> warm_fit = {6.54, 14.526, 0.7389, 0.09486};
// ... plus this multiple of pw^warm_power (pw in kPa)
constexpr double warm_power_coefficient = 0.4569;
constexpr double warm_power = 0.1984;
// dew point over ice (below 0 degC), degC, as a quadratic in ln(pw / kPa)
constexpr std::array<double, 3> cold_fit = {6.09, 12.608, 0.4959};

}  // namespace

double dew_point_estimate(double p, double w)
{
    // partial pressure of the vapour, kPa
    const double pw = p * w * 0.001 / (w + mass_ratio_rounded);
    if (pw == 0.0)
        return t_min;
    const double a = std::log(pw);
    double t = horner(warm_fit, a) +
               warm_power_coefficient * std::pow(pw, warm_power);
    if (t < 0.0)
        t = horner(cold_fit, a);
    return t + t_ice;
}

}  // namespace hygra::ashrae97
