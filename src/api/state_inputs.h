// What the two inputs of each state type are: their names, for messages, and
// the quantity they measure, for unit conversion.
#ifndef HYGRA_API_STATE_INPUTS_H
#define HYGRA_API_STATE_INPUTS_H

#include "hygra.h"

namespace hygra {

enum class quantity { temperature, humidity_ratio, relative_humidity, enthalpy, entropy, volume };

struct input {
    const char* name;  // "dry-bulb temperature", "humidity ratio", ...
    quantity kind;
};

struct state_inputs {
    input first, second;
};

// The inputs of state type t (0..29), in the order the caller gives them.
const state_inputs& inputs_of(int t);

// An input of quantity q from the caller's unit system u to internal units
// (K, kJ/kg, kJ/(kg K), m3/kg; fractions unchanged).
double input_in(quantity q, double v, int u);

}  // namespace hygra

#endif
