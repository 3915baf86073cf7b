// From a property code to its value in the caller's unit system.
#ifndef HYGRA_API_PROPERTY_DISPATCH_H
#define HYGRA_API_PROPERTY_DISPATCH_H

#include "ashrae97/moist_air.h"

namespace hygra {

// The value of property `code` (0..45) of `state`, converted for unit index u
// (1 SI, 2 inch-pound). Throws what the property's getter throws.
double property_value(const ashrae97::moist_air& state, int code, int u);

}  // namespace hygra

#endif
