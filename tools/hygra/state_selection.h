// Which state type a pair of named inputs selects, and the names themselves:
// inputs and properties are named with the library's own property names.
#ifndef HYGRA_TOOL_STATE_SELECTION_H
#define HYGRA_TOOL_STATE_SELECTION_H

#include <optional>
#include <string>
#include <string_view>

namespace hygra::tool {

// The property code of a name, compared without regard to case ("hm" is HM),
// or nothing for a name the library does not know.
std::optional<int> find_property(std::string_view name);

// Whether a property can be one of the two inputs that fix a state: TDB, TWB,
// TDEW, RH, W, HM, SM or VM.
bool is_input(int code);

// The input names, for messages: "TDB, TWB, TDEW, RH, W, HM, SM and VM".
std::string input_names();

// The pairs that fix a state, for messages and the help text.
std::string pairs_text();

// The state type of two inputs, given by their property codes in the order the
// user gave them. Where both orders are state types (TDB and W, TDB and RH, W
// and RH) the given order chooses; otherwise either order gives the one type.
struct state_choice {
    int type;      // HYGRA_TDRY_TWET ... HYGRA_S_V
    bool swapped;  // the second input given is the state type's first input
};
std::optional<state_choice> choose_state(int first_given, int second_given);

}  // namespace hygra::tool

#endif
