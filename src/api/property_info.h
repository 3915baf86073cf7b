// The one table of the forty-six properties: name, meaning and unit in each
// unit system, indexed by property code. The exported hygra_property_* functions
// publish it; moistair_eval_str resolves names against it.
#ifndef HYGRA_API_PROPERTY_INFO_H
#define HYGRA_API_PROPERTY_INFO_H

#include "hygra.h"

namespace hygra {

struct property_info {
    const char* name;     // upper-case ASCII short name, e.g. "HM"
    const char* meaning;  // lower-case phrase, e.g. "specific enthalpy of moist air"
    const char* si;       // unit in SI, ASCII ("kJ/kg"); "" for none
    const char* ip;       // unit in inch-pound, ASCII ("Btu/lb"); "" for none
};

// Position is the property code. Constant-initialised, so it is usable from
// any static initialiser and any thread.
extern const property_info property_table[HYGRA_PROPERTY_COUNT];

}  // namespace hygra

#endif
