// hygra_eval_batch: many states of one state type, several properties of
// each, in one call, for callers (bindings, spreadsheets) that would otherwise
// cross the C boundary once per value.
#include <cstddef>
#include <cstdio>

#include "api/last_error.h"
#include "api/result_code.h"
#include "hygra.h"

extern "C" HYGRA_API int hygra_eval_batch(int state_type, int units, size_t n, const double* first,
                                          const double* second, const double* pressure,
                                          const int* codes, size_t n_codes, double* results,
                                          int* status)
{
    using namespace hygra;
    if (n > 0 && n_codes > 0 &&
        (first == nullptr || second == nullptr || pressure == nullptr || codes == nullptr ||
         results == nullptr || status == nullptr)) {
        set_last_error("an array argument is null");
        return HYGRA_INVALID_ARGUMENT;
    }
    int first_failure = HYGRA_OK;
    char message[512] = "";
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n_codes; ++j) {
            const size_t k = i * n_codes + j;
            // One state is constructed once: its other properties come from the cache.
            const int rc = moistair_eval(state_type, codes[j], units, &results[k], first[i],
                                         second[i], pressure[i]);
            status[k] = rc;
            if (rc != HYGRA_OK && first_failure == HYGRA_OK) {
                first_failure = rc;
                std::snprintf(message, sizeof message, "element %zu, property %d: %s", i, codes[j],
                              last_error());
            }
        }
    if (first_failure == HYGRA_OK)
        clear_last_error();
    else
        set_last_error("%s", message);
    return first_failure;
}
