// The pairs searched along a line of one of their inputs: which line, and
// which property the other input is.
#include "ashrae97/line_pairs.h"

#include <exception>

namespace hygra::ashrae97 {

namespace {

// Enthalpy with volume walks the line of the volume, and entropy with volume
// too: the volume is the cheapest of the three to evaluate at every step
// across the line.
constexpr line_pair twet_h_pair{line_kind::wet_bulb, true, &moistair::hm, "moistair::at_twet_h"};
constexpr line_pair twet_s_pair{line_kind::wet_bulb, true, &moistair::sm, "moistair::at_twet_s"};
constexpr line_pair twet_v_pair{line_kind::wet_bulb, true, &moistair::vm, "moistair::at_twet_v"};
constexpr line_pair h_s_pair{line_kind::enthalpy, true, &moistair::sm, "moistair::at_h_s"};
constexpr line_pair h_v_pair{line_kind::volume, false, &moistair::hm, "moistair::at_h_v"};
constexpr line_pair s_v_pair{line_kind::volume, false, &moistair::sm, "moistair::at_s_v"};

}  // namespace

const line_pair* line_pair_of(moist_air::state_type type)
{
    switch (type) {
    case moist_air::twet_h: return &twet_h_pair;
    case moist_air::twet_s: return &twet_s_pair;
    case moist_air::twet_v: return &twet_v_pair;
    case moist_air::h_s: return &h_s_pair;
    case moist_air::h_v: return &h_v_pair;
    case moist_air::s_v: return &s_v_pair;
    default: return nullptr;
    }
}

line_point state_of_line_pair(moist_air::state_type type, double first, double second, double p)
{
    const line_pair& pair = *line_pair_of(type);
    const state_line line(pair.line, pair.line_is_first ? first : second, p, pair.message);
    return find_on_line(line, pair.other, pair.line_is_first ? second : first);
}

bool reach_of_line_pair(moist_air::state_type type, double first, double second, double p,
                        line_reach& reach) noexcept
{
    const line_pair* pair = line_pair_of(type);
    if (pair == nullptr)
        return false;
    try {
        const state_line line(pair->line, pair->line_is_first ? first : second, p, pair->message);
        reach = reach_along(line, pair->other);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace hygra::ashrae97
