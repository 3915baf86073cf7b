// The table of units. The factors are the exact definitions: the inch is
// 0.0254 m, the pound 0.45359237 kg, standard gravity 9.80665 m/s2, the
// conventional millimetre of mercury 13.5951 kg/dm3 x 9.80665 x 1 mm
// = 133.322387415 Pa, the International Table Btu/lb 2.326 kJ/kg, the grain
// 1/7000 lb; degF and K are placed by their zero (459.67 degF below 0 degF,
// 273.15 K below 0 degC) and the step of 1.8 degF per K.
#include "batch/units.h"

#include <cctype>
#include <iterator>

#include "hygra.h"

namespace hygra::tool::batch {

namespace {

constexpr double inch = 0.0254;                  // m
constexpr double pound = 0.45359237;             // kg
constexpr double gravity = 9.80665;              // m/s2
constexpr double mm_hg = 133.322387415;          // Pa
constexpr double btu_per_lb = 2.326;             // kJ/kg
constexpr double btu_per_lb_f = 4.1868;          // kJ/(kg K)
constexpr double foot = 12 * inch;               // m

// The units, the first of each quantity the tool's SI unit; several names of
// one unit are rows of their own with the same factors.
constexpr unit table[] = {
    {quantity::temperature, "degC", 273.15, 1.0, 1.0},
    {quantity::temperature, "C", 273.15, 1.0, 1.0},
    {quantity::temperature, "\xC2\xB0" "C", 273.15, 1.0, 1.0},
    {quantity::temperature, "degF", 459.67, 1.0, 1.8},
    {quantity::temperature, "F", 459.67, 1.0, 1.8},
    {quantity::temperature, "\xC2\xB0" "F", 459.67, 1.0, 1.8},
    {quantity::temperature, "K", 0.0, 1.0, 1.0},
    {quantity::pressure, "bar", 0.0, 100000.0, 1.0},
    {quantity::pressure, "Pa", 0.0, 1.0, 1.0},
    {quantity::pressure, "hPa", 0.0, 100.0, 1.0},
    {quantity::pressure, "mbar", 0.0, 100.0, 1.0},
    {quantity::pressure, "kPa", 0.0, 1000.0, 1.0},
    {quantity::pressure, "psi", 0.0, pound * gravity, inch * inch},
    {quantity::pressure, "inHg", 0.0, mm_hg * 25.4, 1.0},
    {quantity::pressure, "mmHg", 0.0, mm_hg, 1.0},
    {quantity::humidity_ratio, "kg/kg", 0.0, 1.0, 1.0},
    {quantity::humidity_ratio, "lb/lb", 0.0, 1.0, 1.0},
    {quantity::humidity_ratio, "-", 0.0, 1.0, 1.0},
    {quantity::humidity_ratio, "g/kg", 0.0, 1.0, 1000.0},
    {quantity::humidity_ratio, "grains/lb", 0.0, 1.0, 7000.0},
    {quantity::humidity_ratio, "gr/lb", 0.0, 1.0, 7000.0},
    {quantity::relative_humidity, "-", 0.0, 1.0, 1.0},
    {quantity::relative_humidity, "fraction", 0.0, 1.0, 1.0},
    {quantity::relative_humidity, "%", 0.0, 1.0, 100.0},
    {quantity::enthalpy, "kJ/kg", 0.0, 1.0, 1.0},
    {quantity::enthalpy, "J/kg", 0.0, 1.0, 1000.0},
    {quantity::enthalpy, "Btu/lb", 0.0, btu_per_lb, 1.0},
    {quantity::entropy, "kJ/(kg K)", 0.0, 1.0, 1.0},
    {quantity::entropy, "Btu/(lb degF)", 0.0, btu_per_lb_f, 1.0},
    {quantity::volume, "m3/kg", 0.0, 1.0, 1.0},
    {quantity::volume, "ft3/lb", 0.0, foot * foot * foot, pound},
    {quantity::length, "m", 0.0, 1.0, 1.0},
    {quantity::length, "ft", 0.0, foot, 1.0},
};

// The inch-pound unit of each quantity, by name (SI is the first row).
const char* inch_pound_name(quantity what)
{
    switch (what) {
    case quantity::temperature: return "degF";
    case quantity::pressure: return "psi";
    case quantity::humidity_ratio: return "lb/lb";
    case quantity::relative_humidity: return "-";
    case quantity::enthalpy: return "Btu/lb";
    case quantity::entropy: return "Btu/(lb degF)";
    case quantity::volume: return "ft3/lb";
    case quantity::length: return "ft";
    }
    return "";
}

bool same_text(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::optional<quantity> quantity_of(int code)
{
    switch (code) {
    case HYGRA_TDB:
    case HYGRA_TWB:
    case HYGRA_TDEW: return quantity::temperature;
    case HYGRA_P: return quantity::pressure;
    case HYGRA_W: return quantity::humidity_ratio;
    case HYGRA_RH: return quantity::relative_humidity;
    case HYGRA_HM: return quantity::enthalpy;
    case HYGRA_SM: return quantity::entropy;
    case HYGRA_VM: return quantity::volume;
    default: return std::nullopt;
    }
}

std::optional<unit> find_unit(quantity what, std::string_view text)
{
    for (const unit& u : table) {
        if (u.what == what && same_text(u.name, text))
            return u;
    }
    return std::nullopt;
}

unit system_unit(quantity what, int units)
{
    if (units != HYGRA_SI)
        return *find_unit(what, inch_pound_name(what));
    for (const unit& u : table) {
        if (u.what == what)
            return u;
    }
    return table[0];
}

std::string unit_names(quantity what)
{
    std::string out;
    for (const unit& u : table) {
        if (u.what != what)
            continue;
        if (!out.empty())
            out += ", ";
        out += u.name;
    }
    return out;
}

bool same_unit(const unit& a, const unit& b)
{
    return a.what == b.what && a.offset == b.offset && a.numerator == b.numerator &&
           a.denominator == b.denominator;
}

double convert(double value, const unit& from, const unit& to)
{
    if (same_unit(from, to))
        return value;
    const double base = (value + from.offset) * from.numerator / from.denominator;
    return base * to.denominator / to.numerator - to.offset;
}

}  // namespace hygra::tool::batch
