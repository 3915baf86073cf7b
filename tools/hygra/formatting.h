// The three ways of writing one evaluated state: an aligned table for people,
// CSV and JSON for programs. Values are in the unit system of the request.
#ifndef HYGRA_TOOL_FORMATTING_H
#define HYGRA_TOOL_FORMATTING_H

#include <string>
#include <string_view>

#include "evaluation.h"

namespace hygra::tool {

// Columns name, meaning, value, unit; six significant digits; "n/a" where a
// property has no value.
std::string format_table(const evaluation& e, int units);

// A header line "name,meaning,value,unit", then one line per property with the
// value to full precision, empty where a property has no value.
std::string format_csv(const evaluation& e, int units);

// An object with the state type, the unit system, the inputs (with P, and ALT
// when given) and the properties by name, each with value (null where there is
// none, then with an "error"), unit and meaning.
// `datum` says where enthalpy and entropy are zero ("enthalpy_datum").
std::string format_json(const evaluation& e, const state_request& request,
                        const std::string& datum);

// One CSV field: as it is, or quoted (with quotes doubled) when it holds a
// comma, a quote, a line end, or blanks at either end that a reader would trim.
std::string csv_field(std::string_view text);

}  // namespace hygra::tool

#endif
