// Steps found from the decimal logarithm of the span, so that finding one
// takes three trials at most whatever the span.
#include "chart/ticks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace hygra::tool::chart {

std::optional<double> nice_step(double span, int most)
{
    if (!(span > 0.0) || !std::isfinite(span) || most < 1)
        return std::nullopt;
    const double power = std::pow(10.0, std::floor(std::log10(span / most)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        const double step = m * power;
        if (!std::isnormal(step) || !std::isfinite(span / step))
            return std::nullopt;
        if (span / step <= most + 1e-9)
            return step;
    }
    return std::nullopt;
}

double minor_step(double major)
{
    const double power = std::pow(10.0, std::floor(std::log10(major) + 1e-9));
    const double mantissa = std::round(major / power);
    if (mantissa == 5.0)
        return major / 5.0;
    return mantissa == 2.0 ? major / 4.0 : major / 2.0;
}

int decimals_of(double step)
{
    return std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
}

std::vector<double> multiples(double low, double high, double step)
{
    const double scale = std::pow(10.0, decimals_of(step));
    std::vector<double> out;
    for (double k = std::ceil(low / step - 1e-9); k <= std::floor(high / step + 1e-9); k += 1.0)
        out.push_back(std::round(k * step * scale) / scale);
    return out;
}

std::string number_text(double value, int decimals)
{
    std::array<char, 400> buffer{};
    const double v = std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(v),
                                      std::chars_format::fixed, decimals);
    const std::string digits(buffer.data(), result.ptr);
    return v < 0.0 ? "\u2212" + digits : digits;
}

}  // namespace hygra::tool::chart
