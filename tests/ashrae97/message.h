// The message of the exception a call throws, "no error" when it returns: the
// tests of the model name each failure by its message. Exceptions other than
// std::domain_error (a failed search, an invalid state) are marked "other: ".
#ifndef HYGRA_TESTS_ASHRAE97_MESSAGE_H
#define HYGRA_TESTS_ASHRAE97_MESSAGE_H

#include <stdexcept>
#include <string>

#include "ashrae97/moist_air.h"

namespace hygra::ashrae97 {

template <class F>
std::string message_of(F f)
{
    try {
        f();
    } catch (const std::domain_error& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("other: ") + e.what();
    }
    return "no error";
}

// ... of building a state of moist air from a pair of inputs.
inline std::string message(moist_air::state_type type, double a, double b, double p)
{
    return message_of([&] { (void)moist_air(type, a, b, p); });
}

}  // namespace hygra::ashrae97

#endif
