// moistair_eval_str: a property named by its short name ("TDB", "hm", " RH ")
// or by its code written in decimal, resolved to a property code and handed to
// moistair_eval with everything else unchanged.
#include <array>
#include <cstdlib>
#include <locale>
#include <string>

#include <boost/algorithm/string/trim.hpp>

#include "api/last_error.h"
#include "api/property_info.h"
#include "api/result_code.h"
#include "hygra.h"

namespace hygra {

// Declared in the namespace so that its name table is hygra::moistair_eval_str's;
// C linkage gives the exported symbol no namespace.
extern "C" HYGRA_API int moistair_eval_str(int state_type, const char* name, int units,
                                           double* result, double first, double second,
                                           double pressure)
{
    // The property names, upper-case ASCII: the position of a name is its code.
    // Each entry points at the name in the property table, where names are
    // written once for this function and the hygra_property_* functions.
    static const std::array<const char*, HYGRA_PROPERTY_COUNT> pcode_table = [] {
        std::array<const char*, HYGRA_PROPERTY_COUNT> names{};
        for (int i = 0; i < HYGRA_PROPERTY_COUNT; ++i)
            names[i] = property_table[i].name;
        return names;
    }();

    return guarded([&]() -> int {
        // Before anything is copied or the cache is touched: a null name has
        // no text to resolve.
        if (result == nullptr || name == nullptr) {
            set_last_error(result == nullptr ? "the result pointer is null"
                                             : "the property name is null");
            return HYGRA_INVALID_ARGUMENT;
        }
        // The only allocation, and short names fit in the string itself.
        std::string text(name);
        // Upper-case first, so that trimming and matching both see the final text.
        const std::locale locale;
        std::use_facet<std::ctype<char>>(locale).toupper(text.data(), text.data() + text.size());
        boost::algorithm::trim(text, locale);

        int code = -1;  // names no property: moistair_eval answers it with HYGRA_INVALID_ARGUMENT
        // Compared as a range, not with isdigit: a char with the high bit set is
        // negative here and never a digit.
        if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
            // The leading digits count; anything after them is ignored. strtol
            // saturates at LONG_MAX on overflow, and every number above the last
            // code stays unknown instead of being narrowed to an int, where
            // 4294967309 would wrap to 13.
            const long number = std::strtol(text.c_str(), nullptr, 10);
            if (number < HYGRA_PROPERTY_COUNT)
                code = static_cast<int>(number);
        } else {
            for (int i = 0; i < HYGRA_PROPERTY_COUNT; ++i) {
                if (text == pcode_table[i]) {
                    code = i;
                    break;
                }
            }
        }
        const int rc = moistair_eval(state_type, code, units, result, first, second, pressure);
        // The code -1 reaches moistair_eval only to be refused once the state is
        // built: say which name was not understood.
        if (rc == HYGRA_INVALID_ARGUMENT && code == -1 &&
            static_cast<unsigned>(state_type) < HYGRA_STATE_TYPE_COUNT)
            set_last_error("\"%.64s\" is not the name of a property (TDB, TWB, RH, W, HM, ...) "
                           "nor a property code 0 to %d",
                           name, HYGRA_PROPERTY_COUNT - 1);
        return rc;
    });
}

}  // namespace hygra
