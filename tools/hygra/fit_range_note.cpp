// Saturated-water properties above 200 degC: the library keeps computing them,
// but its fits of water substance were made up to 200 degC (473.15 K) and are
// extrapolated above it (at 350 degC VW is some 6 % and VG 37 % off the steam
// tables), which a reader of the output should know.
#include "fit_range_note.h"

#include "hygra.h"

namespace hygra::tool {

namespace {

// highest dry bulb of the saturated-water fits, degC and degF
constexpr double fit_top_si = 200.0;
constexpr double fit_top_ip = 392.0;

// Properties of liquid water or saturated vapour at the dry bulb.
bool is_saturated_water_property(int code)
{
    switch (code) {
    case HYGRA_VW: case HYGRA_VG: case HYGRA_HW: case HYGRA_HG:
    case HYGRA_SW: case HYGRA_SG: case HYGRA_CPW: case HYGRA_CPG:
    case HYGRA_MUW: case HYGRA_MUG: case HYGRA_KW: case HYGRA_KG:
    case HYGRA_PRW: case HYGRA_PRG:
        return true;
    default:
        return false;
    }
}

}  // namespace

std::string fit_range_note(const state_request& request, const evaluation& e)
{
    if (!e.state_ok)
        return {};
    std::string names;
    int count = 0;
    for (const property_value& v : e.values)
        if (v.result == HYGRA_OK && is_saturated_water_property(v.code)) {
            names += (names.empty() ? "" : ", ") + std::string(hygra_property_name(v.code));
            ++count;
        }
    if (names.empty())
        return {};
    const double first = request.choice.swapped ? request.b.value : request.a.value;
    const double second = request.choice.swapped ? request.a.value : request.b.value;
    double tdb = 0.0;
    if (moistair_eval(request.choice.type, HYGRA_TDB, request.units, &tdb, first, second,
                      e.pressure) != HYGRA_OK)
        return {};
    const bool si = request.units == HYGRA_SI;
    if (!(tdb > (si ? fit_top_si : fit_top_ip)))
        return {};
    return "note: " + names + " at a dry bulb above " + (si ? "200 degC" : "392 degF") +
           (count == 1 ? " extrapolates" : " extrapolate") + " the saturated-water fits, made up to that temperature (at 350 degC "
           "VW is some 6 % and VG 37 % off the steam tables)";
}

}  // namespace hygra::tool
