// Thermodynamic properties of a state: saturation, dew-point and wet-bulb
// quantities, volumes, enthalpies, entropies, heat capacities and density.
// Each getter recomputes its value from the three stored numbers.
#include <stdexcept>
#include <string>

#include "ashrae97/dry_air.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/saturation.h"
#include "ashrae97/water.h"
#include "numeric/errors.h"

namespace hygra::ashrae97 {

namespace {

// A search may overshoot the dry bulb by rounding at saturation (a few 1e-9 K);
// anything beyond this is not rounding.
constexpr double overshoot_tolerance = 1e-6;  // K
// Air counts as supersaturated only when its relative humidity exceeds 1 by more
// than the rounding of a tiny humidity ratio converted to a mole fraction.
constexpr double saturation_rounding = 1e-6;

}  // namespace

double moist_air::pws() const
{
    check_state();
    return water(m_tdry).pws();
}

// A temperature found by a search of the saturation (dew point or wet bulb) is
// never above the dry bulb unless the air holds more water than saturation.
// Rounding overshoot is pulled back to the dry bulb; a larger one is no answer.
static double not_above_dry_bulb(double found, double tdry, double p, double xw,
                                 const char* what)
{
    if (!(found > tdry) || xw > saturation_mole_fraction(tdry, p) * (1.0 + saturation_rounding))
        return found;
    if (found - tdry <= overshoot_tolerance)
        return tdry;
    throw convergence_error(std::string(what));
}

double moist_air::tdew() const
{
    check_state();
    // Air that holds water, but less than saturates air at the model's lowest
    // temperature, has its dew point below the model's range: neither the
    // search nor the correlation it falls back on can give it. (Bone-dry air
    // keeps the lowest temperature as its dew point.)
    const double w = this->w();
    if (w > 0.0 && w < saturation_humidity_ratio(m_tmin, m_p))
        throw std::domain_error("moist_air::tdew");
    const double td = moistair(m_tdry, m_p, m_xw).tdew();
    return not_above_dry_bulb(td, m_tdry, m_p, m_xw, "moist_air::tdew");
}

double moist_air::twet() const
{
    check_state();
    const double tw = moistair(m_tdry, m_p, m_xw).twet();
    return not_above_dry_bulb(tw, m_tdry, m_p, m_xw, "moist_air::twet");
}

double moist_air::pdew() const { return water(tdew()).pws(); }

double moist_air::pwet() const { return water(twet()).pws(); }

double moist_air::ws() const
{
    check_state();
    return saturation_humidity_ratio(m_tdry, m_p);
}

double moist_air::rh() const
{
    check_state();
    return m_xw / saturation_mole_fraction(m_tdry, m_p);
}

double moist_air::ds() const
{
    check_state();
    return w() / saturation_humidity_ratio(m_tdry, m_p);
}

double moist_air::va() const
{
    check_state();
    return dry_air(m_tdry, m_p).va();
}

double moist_air::ha() const
{
    check_state();
    return dry_air(m_tdry, m_p).ha();
}

double moist_air::sa() const
{
    check_state();
    return dry_air(m_tdry, m_p).sa();
}

double moist_air::cpa() const
{
    check_state();
    return dry_air(m_tdry, m_p).cpa();
}

double moist_air::vm() const
{
    check_state();
    return moistair(m_tdry, m_p, m_xw).vm();
}

double moist_air::hm() const
{
    check_state();
    return moistair(m_tdry, m_p, m_xw).hm();
}

double moist_air::sm() const
{
    check_state();
    return moistair(m_tdry, m_p, m_xw).sm();
}

double moist_air::vg() const
{
    check_state();
    return water(m_tdry).vg();
}

double moist_air::vw() const
{
    check_state();
    return water(m_tdry).vw();
}

double moist_air::hg() const
{
    check_state();
    return water(m_tdry).hg();
}

double moist_air::hw() const
{
    check_state();
    return water(m_tdry).hw();
}

double moist_air::sg() const
{
    check_state();
    return water(m_tdry).sg();
}

double moist_air::sw() const
{
    check_state();
    return water(m_tdry).sw();
}

double moist_air::cpg() const
{
    check_state();
    return water(m_tdry).cpg();
}

double moist_air::cpw() const
{
    check_state();
    return water(m_tdry).cpw();
}

double moist_air::cpm() const { return cpa() + w() * cpg(); }

double moist_air::rho() const
{
    check_state();
    return (1.0 + w()) / moistair(m_tdry, m_p, m_xw).vm();
}

}  // namespace hygra::ashrae97
