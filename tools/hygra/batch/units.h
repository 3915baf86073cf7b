// The units a column of a batch may be given in, and their conversions to the
// units the tool asks the library in (degC, bar, ... or degF, psi, ...). Every
// factor is written once, in units.cpp.
#ifndef HYGRA_TOOL_BATCH_UNITS_H
#define HYGRA_TOOL_BATCH_UNITS_H

#include <optional>
#include <string>
#include <string_view>

namespace hygra::tool::batch {

// What a column measures; each has one base unit that every unit converts to.
enum class quantity {
    temperature,        // base K
    pressure,           // base Pa
    humidity_ratio,     // base kg/kg
    relative_humidity,  // base fraction 0..1
    enthalpy,           // base kJ/kg
    entropy,            // base kJ/(kg K)
    volume,             // base m3/kg
    length              // base m (the altitude of an ALT column)
};

// One unit: base = (value + offset) * numerator / denominator.
struct unit {
    quantity what;
    const char* name;  // as the tool writes it ("degC", "kPa", "%")
    double offset;
    double numerator;
    double denominator;
};

// The quantity of a property code (HYGRA_TDB ...), or nothing for a property
// that no column of a batch gives in a unit of its own. ALT is not a property
// code; altitude_quantity() is its quantity.
std::optional<quantity> quantity_of(int code);

// The unit called `text` ("%", "Pa", "degF", "F", "°F", "g/kg", ...; case does
// not matter) for a quantity, or nothing when the text names no unit of it.
std::optional<unit> find_unit(quantity what, std::string_view text);

// The unit that the library takes and gives for a quantity in a unit system
// (HYGRA_SI or HYGRA_IP): degC or degF, bar or psi, kg/kg, fraction, kJ/kg or
// Btu/lb, ...
unit system_unit(quantity what, int units);

// The units of a quantity, for messages: "K, degC, degF".
std::string unit_names(quantity what);

// A value in `from` expressed in `to` (of the same quantity). A value already
// in `to` is returned unchanged, bit for bit.
double convert(double value, const unit& from, const unit& to);

// Whether two units are the same unit.
bool same_unit(const unit& a, const unit& b);

}  // namespace hygra::tool::batch

#endif
