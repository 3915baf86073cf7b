// Names, meanings and units of the forty-six properties, in the order of their
// codes, and the exported functions that read them. Units are ASCII: "degC",
// "kJ/(kg K)", "m3/kg"; a quantity without unit has the empty string.
#include "api/property_info.h"

#include <cstdint>

namespace hygra {

namespace {
// The unit strings, each written once.
constexpr const char* none = "";
constexpr const char* deg_c = "degC";
constexpr const char* deg_f = "degF";
constexpr const char* bar = "bar";
constexpr const char* psi = "psi";
constexpr const char* m3_kg = "m3/kg";
constexpr const char* ft3_lb = "ft3/lb";
constexpr const char* kj_kg = "kJ/kg";
constexpr const char* btu_lb = "Btu/lb";
constexpr const char* kj_kg_k = "kJ/(kg K)";
constexpr const char* btu_lb_f = "Btu/(lb degF)";
constexpr const char* pa_s = "Pa s";
constexpr const char* lb_ft_h = "lb/(ft h)";
constexpr const char* w_m_k = "W/(m K)";
constexpr const char* btu_h_ft_f = "Btu/(h ft degF)";
constexpr const char* m2_s = "m2/s";
constexpr const char* ft2_h = "ft2/h";
constexpr const char* kg_m3 = "kg/m3";
constexpr const char* lb_ft3 = "lb/ft3";
}  // namespace

const property_info property_table[HYGRA_PROPERTY_COUNT] = {
    {"TDB", "dry-bulb temperature", deg_c, deg_f},
    {"TWB", "thermodynamic wet-bulb temperature", deg_c, deg_f},
    {"TDEW", "dew-point temperature", deg_c, deg_f},
    {"P", "total pressure", bar, psi},
    {"PWS", "saturation pressure of water at the dry bulb", bar, psi},
    {"PWET", "saturation pressure of water at the wet bulb", bar, psi},
    {"PDEW", "saturation pressure of water at the dew point", bar, psi},
    {"XW", "mole fraction of water vapour", none, none},
    {"XA", "mole fraction of dry air", none, none},
    {"MW", "mass fraction of water vapour", none, none},
    {"MA", "mass fraction of dry air", none, none},
    {"W", "humidity ratio, mass of water per mass of dry air", none, none},
    {"WS", "humidity ratio at saturation", none, none},
    {"RH", "relative humidity, a fraction 0..1", none, none},
    {"VA", "specific volume of dry air alone", m3_kg, ft3_lb},
    {"VM", "specific volume of moist air, per mass of dry air", m3_kg, ft3_lb},
    {"VW", "specific volume of ice or liquid water", m3_kg, ft3_lb},
    {"VG", "specific volume of saturated water vapour", m3_kg, ft3_lb},
    {"HA", "specific enthalpy of dry air alone", kj_kg, btu_lb},
    {"HM", "specific enthalpy of moist air, per mass of dry air", kj_kg, btu_lb},
    {"HW", "specific enthalpy of ice or liquid water", kj_kg, btu_lb},
    {"HG", "specific enthalpy of saturated water vapour", kj_kg, btu_lb},
    {"SA", "specific entropy of dry air alone", kj_kg_k, btu_lb_f},
    {"SM", "specific entropy of moist air, per mass of dry air", kj_kg_k, btu_lb_f},
    {"SW", "specific entropy of ice or liquid water", kj_kg_k, btu_lb_f},
    {"SG", "specific entropy of saturated water vapour", kj_kg_k, btu_lb_f},
    {"CPA", "specific heat of dry air alone", kj_kg_k, btu_lb_f},
    {"CPM", "specific heat of moist air, per mass of dry air", kj_kg_k, btu_lb_f},
    {"CPW", "specific heat of liquid water", kj_kg_k, btu_lb_f},
    {"CPG", "specific heat of saturated water vapour", kj_kg_k, btu_lb_f},
    {"MUA", "dynamic viscosity of dry air", pa_s, lb_ft_h},
    {"MUM", "dynamic viscosity of moist air", pa_s, lb_ft_h},
    {"MUW", "dynamic viscosity of liquid water", pa_s, lb_ft_h},
    {"MUG", "dynamic viscosity of saturated water vapour", pa_s, lb_ft_h},
    {"KA", "thermal conductivity of dry air", w_m_k, btu_h_ft_f},
    {"KM", "thermal conductivity of moist air", w_m_k, btu_h_ft_f},
    {"KW", "thermal conductivity of liquid water", w_m_k, btu_h_ft_f},
    {"KG", "thermal conductivity of saturated water vapour", w_m_k, btu_h_ft_f},
    {"PRA", "Prandtl number of dry air", none, none},
    {"PRM", "Prandtl number of moist air", none, none},
    {"PRW", "Prandtl number of liquid water", none, none},
    {"PRG", "Prandtl number of saturated water vapour", none, none},
    {"DAW", "diffusion coefficient of water vapour in air", m2_s, ft2_h},
    {"SCM", "Schmidt number of moist air", none, none},
    {"RHO", "density of moist air, mass of moist air per volume", kg_m3, lb_ft3},
    {"DS", "degree of saturation, W / WS", none, none},
};

namespace {
// The entry of a code, or null for a code outside 0..45; read as unsigned so
// that negative codes fail like too-large ones.
const property_info* entry(int code)
{
    if (static_cast<std::uint32_t>(code) >= HYGRA_PROPERTY_COUNT)
        return nullptr;
    return &property_table[code];
}
}  // namespace

}  // namespace hygra

// Nothing below can throw: each is a bounds test and a table read.
extern "C" HYGRA_API const char* hygra_property_name(int code)
{
    const hygra::property_info* p = hygra::entry(code);
    return p != nullptr ? p->name : nullptr;
}

extern "C" HYGRA_API const char* hygra_property_meaning(int code)
{
    const hygra::property_info* p = hygra::entry(code);
    return p != nullptr ? p->meaning : nullptr;
}

extern "C" HYGRA_API const char* hygra_property_unit(int code, int units)
{
    const hygra::property_info* p = hygra::entry(code);
    if (p == nullptr)
        return nullptr;
    return units == HYGRA_SI ? p->si : p->ip;
}
