// What the library itself answers, called directly: the reference the tool's
// output is compared with.
#ifndef HYGRA_TESTS_LIBRARY_REFERENCE_H
#define HYGRA_TESTS_LIBRARY_REFERENCE_H

#include "hygra.h"

namespace hygra::tool_test {

struct library_answer {
    int code;  // result code
    double value;
};

inline library_answer library(int type, int property, int units, double first, double second,
                              double pressure)
{
    library_answer a{0, 0.0};
    a.code = moistair_eval(type, property, units, &a.value, first, second, pressure);
    return a;
}

// The standard atmosphere's pressure at altitude z, bar or psi.
inline double pressure_at(int units, double z)
{
    double p = 0.0;
    moistair_pz(units, &p, z);
    return p;
}

}  // namespace hygra::tool_test

#endif
