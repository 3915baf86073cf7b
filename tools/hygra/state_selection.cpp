// The thirty pairs of inputs and their state types, as the library numbers
// them; names resolved through the library's own table of property names.
#include "state_selection.h"

#include <cctype>

#include "hygra.h"

namespace hygra::tool {

namespace {

struct pair_entry {
    int type;
    int first;   // property code of the state type's first input
    int second;  // and of its second
};

// In the order of the state types, so that the order given on the command line
// can pick between 2 and 8, 1 and 14, 9 and 15.
constexpr pair_entry pairs[HYGRA_STATE_TYPE_COUNT] = {
    {HYGRA_TDRY_TWET, HYGRA_TDB, HYGRA_TWB}, {HYGRA_TDRY_RH, HYGRA_TDB, HYGRA_RH},
    {HYGRA_TDRY_W, HYGRA_TDB, HYGRA_W},      {HYGRA_TDRY_H, HYGRA_TDB, HYGRA_HM},
    {HYGRA_TDRY_S, HYGRA_TDB, HYGRA_SM},     {HYGRA_TDRY_V, HYGRA_TDB, HYGRA_VM},
    {HYGRA_TDRY_TDEW, HYGRA_TDB, HYGRA_TDEW}, {HYGRA_W_TWET, HYGRA_W, HYGRA_TWB},
    {HYGRA_W_TDRY, HYGRA_W, HYGRA_TDB},      {HYGRA_W_RH, HYGRA_W, HYGRA_RH},
    {HYGRA_W_H, HYGRA_W, HYGRA_HM},          {HYGRA_W_S, HYGRA_W, HYGRA_SM},
    {HYGRA_W_V, HYGRA_W, HYGRA_VM},          {HYGRA_RH_TWET, HYGRA_RH, HYGRA_TWB},
    {HYGRA_RH_TDRY, HYGRA_RH, HYGRA_TDB},    {HYGRA_RH_W, HYGRA_RH, HYGRA_W},
    {HYGRA_RH_H, HYGRA_RH, HYGRA_HM},        {HYGRA_RH_S, HYGRA_RH, HYGRA_SM},
    {HYGRA_RH_V, HYGRA_RH, HYGRA_VM},
    {HYGRA_TDEW_TWET, HYGRA_TDEW, HYGRA_TWB}, {HYGRA_TDEW_RH, HYGRA_TDEW, HYGRA_RH},
    {HYGRA_TDEW_H, HYGRA_TDEW, HYGRA_HM},    {HYGRA_TDEW_S, HYGRA_TDEW, HYGRA_SM},
    {HYGRA_TDEW_V, HYGRA_TDEW, HYGRA_VM},    {HYGRA_TWET_H, HYGRA_TWB, HYGRA_HM},
    {HYGRA_TWET_S, HYGRA_TWB, HYGRA_SM},     {HYGRA_TWET_V, HYGRA_TWB, HYGRA_VM},
    {HYGRA_H_S, HYGRA_HM, HYGRA_SM},         {HYGRA_H_V, HYGRA_HM, HYGRA_VM},
    {HYGRA_S_V, HYGRA_SM, HYGRA_VM},
};

constexpr int inputs[] = {HYGRA_TDB, HYGRA_TWB, HYGRA_TDEW, HYGRA_RH,
                          HYGRA_W,   HYGRA_HM,  HYGRA_SM,   HYGRA_VM};

// "A, B and C"
template <class Names>
std::string listed(const Names& names, const char* last_joint)
{
    std::string out;
    const std::size_t n = std::size(names);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            out += i + 1 == n ? last_joint : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace

std::optional<int> find_property(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        if (upper == hygra_property_name(code))
            return code;
    }
    return std::nullopt;
}

bool is_input(int code)
{
    for (int input : inputs) {
        if (input == code)
            return true;
    }
    return false;
}

std::string input_names()
{
    std::string names[std::size(inputs)];
    for (std::size_t i = 0; i < std::size(inputs); ++i)
        names[i] = hygra_property_name(inputs[i]);
    return listed(names, " and ");
}

std::string pairs_text()
{
    // The pairs grouped by their first input, each with the others that
    // appear beside it.
    std::string out;
    for (int lead : {HYGRA_TDB, HYGRA_W, HYGRA_RH, HYGRA_TDEW, HYGRA_TWB, HYGRA_HM, HYGRA_SM}) {
        std::string partners[HYGRA_STATE_TYPE_COUNT];
        std::size_t n = 0;
        for (const pair_entry& p : pairs) {
            if (p.first == lead)
                partners[n++] = hygra_property_name(p.second);
        }
        std::string group(hygra_property_name(lead));
        group += " with ";
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0)
                group += i + 1 == n ? " or " : ", ";
            group += partners[i];
        }
        if (!out.empty())
            out += "; ";
        out += group;
    }
    return out;
}

std::optional<state_choice> choose_state(int first_given, int second_given)
{
    for (const pair_entry& p : pairs) {
        if (p.first == first_given && p.second == second_given)
            return state_choice{p.type, false};
    }
    for (const pair_entry& p : pairs) {
        if (p.first == second_given && p.second == first_given)
            return state_choice{p.type, true};
    }
    return std::nullopt;
}

}  // namespace hygra::tool
