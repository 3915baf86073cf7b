// Numbers as text: reading the values that the user gives, and writing the
// values that the library returns, in the C locale whatever the environment.
#ifndef HYGRA_TOOL_NUMBERS_H
#define HYGRA_TOOL_NUMBERS_H

#include <string>
#include <string_view>

namespace hygra::tool {

enum class number_status {
    ok,
    empty,         // nothing but blanks
    not_a_number,  // text that is not one decimal number
    not_finite     // "inf", "nan" and numbers too large for a double
};

// Reads one decimal number ("20", "-1.5", "+.5", "1e-3"), allowing blanks and
// tabs around it. The value is written only when the status is ok.
number_status parse_number(std::string_view text, double& value);

// The shortest text that reads back as exactly the same double ("20", "0.0073",
// "1.8134e-05"); for CSV, JSON and messages.
std::string format_exact(double value);

// Six significant digits, for the table that people read.
std::string format_short(double value);

}  // namespace hygra::tool

#endif
