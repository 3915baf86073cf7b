// Reading and writing numbers with std::from_chars and std::to_chars, which
// ignore the locale, so "0.5" means one half also under a decimal-comma locale.
#include "numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace hygra::tool {

namespace {
bool is_blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

number_status parse_number(std::string_view text, double& value)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return number_status::empty;
    // from_chars takes a minus sign but no plus sign; one plus sign is allowed
    // here, and only in front of what from_chars would read as a number.
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+')
            return number_status::not_a_number;
    }
    double v = 0.0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v, std::chars_format::general);
    if (ptr != end)
        return number_status::not_a_number;
    if (ec == std::errc::result_out_of_range)
        return number_status::not_finite;
    if (ec != std::errc())
        return number_status::not_a_number;
    if (!std::isfinite(v))
        return number_status::not_finite;
    value = v;
    return number_status::ok;
}

std::string format_exact(double value)
{
    std::array<char, 32> buffer{};  // the longest shortest form of a double is 24 characters
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string format_short(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 6);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace hygra::tool
