// The datum of inch-pound enthalpy and entropy. The library's values are its
// SI values converted by factor: dry air has zero enthalpy and entropy at
// 0 degC (32 degF) and 1 atm, liquid water at 0.01 degC. Inch-pound charts put
// dry air's zero at 0 degF instead; --ip-datum=0F reports HM, HA, SM and SA
// on that datum (water's datum is the same in both).
#ifndef HYGRA_TOOL_IP_DATUM_H
#define HYGRA_TOOL_IP_DATUM_H

#include <string>

namespace hygra::tool {

// The two datums of dry air: the library's (0 degC) and 0 degF.
enum class enthalpy_datum { zero_c, zero_f };

// The datum named by --ip-datum ("0F" or "0C"), or a usage_error.
enthalpy_datum read_datum(const std::string& text);

// What the datum is, for --help and the JSON output: "dry air 0 at 0 degF and
// 1 atm; water 0 as liquid at 32.018 degF".
std::string datum_text(enthalpy_datum datum, int units);

// The value of property `code` (HM, HA, SM, SA; others unchanged) on `datum`
// from the library's value in the unit system `units`, and back.
double from_library_datum(enthalpy_datum datum, int code, double value, int units);
double to_library_datum(enthalpy_datum datum, int code, double value, int units);

}  // namespace hygra::tool

#endif
