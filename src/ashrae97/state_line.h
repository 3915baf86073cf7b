// A line of states on the psychrometric chart: the unsaturated states of moist
// air at one pressure that share one enthalpy, entropy or volume, or one
// wet-bulb temperature. Along such a line the humidity ratio falls as the dry
// bulb rises, from saturated air at its lowest dry bulb to dry air at its
// highest (each end clipped to the model's temperatures), so the line is
// walked over the dry bulb, and at each dry bulb its one state is found by a
// root search over the mole fraction of water vapour. The input pairs made of
// two such properties search one line for the state where the other property
// takes its value.
#ifndef HYGRA_ASHRAE97_STATE_LINE_H
#define HYGRA_ASHRAE97_STATE_LINE_H

#include "ashrae97/moistair.h"

namespace hygra::ashrae97 {

// What is the same for every state of a line.
enum class line_kind { enthalpy, entropy, volume, wet_bulb };

// One state of a line: dry bulb (K) and mole fraction of water vapour.
struct line_point {
    double t;
    double xw;
};

class state_line {
public:
    // The unsaturated states at p (Pa) whose `kind` has `value` (kJ/kg,
    // kJ/(kg K), m3/kg, or K for the wet bulb). Throws std::domain_error:
    // `message` when no state of the model's range has that value; for a wet
    // bulb outside the model's temperatures "water" or "virial::t", and
    // "moist_air::twet_range" at or above the boiling point at p.
    state_line(line_kind kind, double value, double p, const char* message);

    // The end of lowest dry bulb: saturated air, or the model's lowest temperature.
    const line_point& low() const { return m_low; }
    // The end of highest dry bulb: dry air, or the model's highest temperature.
    const line_point& high() const { return m_high; }
    // Whether the low end is saturated air (not the model's lowest
    // temperature), and whether the high end is dry air (not its highest).
    bool low_saturated() const { return m_low_saturated; }
    bool high_dry() const { return m_high.xw == 0.0; }
    double p() const { return m_p; }

    // The mole fraction of the line's state at dry bulb t, between the ends.
    double xw_at(double t) const;

    // The line's property at (t, xw) less its value: it rises with t and with xw.
    double residual(double t, double xw) const;
    // The size of the line's value, against which its residuals are judged.
    double scale() const { return m_scale; }

private:
    // The states at the ends of the line.
    line_point saturated_end(const char* message) const;
    line_point dry_end(double t_low, const char* message) const;
    // The mole fraction at t in [0, cap] where the residual vanishes; the ends
    // of the interval when it does not change sign there (rounding at an end).
    double xw_between(double t, double cap) const;

    line_kind m_kind;
    double m_value;     // the value shared along the line (for a wet bulb, hs* - Ws* hw*)
    double m_p;         // total pressure, Pa
    double m_hw;        // wet bulb: enthalpy of the water evaporated at the wet bulb, kJ/kg
    double m_scale;     // size of m_value for tolerances, in its unit
    double m_cap;       // mole fraction that no state of the line exceeds
    line_point m_low;   // end of lowest dry bulb
    line_point m_high;  // end of highest dry bulb
    bool m_low_saturated;  // the low end is saturated air
};

// How a mixture property runs along a line: its values at the two ends and
// its extreme between them (NaN when it lies at an end), with the line's ends.
struct line_reach {
    double at_low;        // at the end of lowest dry bulb
    double at_high;       // at the end of highest dry bulb
    double extreme;       // beyond both, between them, or NaN
    line_point low;       // the ends of the line
    line_point high;
    bool low_saturated;   // the low end is saturated air
    bool high_dry;        // the high end is dry air
};
line_reach reach_along(const state_line& line, moistair_property property);

// Why a search along a line found no state (the std::domain_error messages).
inline constexpr const char* line_unreachable = "moistair::line_unreachable";
inline constexpr const char* line_two_states = "moistair::line_two_states";
inline constexpr const char* line_indistinct = "moistair::line_indistinct";

// The state of `line` where `property` equals `target`. Throws
// std::domain_error: line_unreachable when no state of the line has that value;
// line_two_states when two states have it (the property rises and falls again
// along the line); line_indistinct when the property changes along the whole
// line by so little that the precision of the formulation cannot tell its
// states apart. hygra::convergence_error "brent_solver" if a root found does
// not reproduce both values.
line_point find_on_line(const state_line& line, moistair_property property, double target);

}  // namespace hygra::ashrae97

#endif
