/* The public header is C99: this file includes it, uses its constants and calls
 * the shared library. It exits non-zero on the first failed check. */
#include <math.h>
#include <stdio.h>

#include "hygra.h"

static int failures = 0;

static void check(int ok, const char *what)
{
    if (!ok) {
        fprintf(stderr, "FAILED: %s\n", what);
        ++failures;
    }
}

int main(void)
{
    double value = -1.0;

    check(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, &value, 20.0, 0.0073, 1.01325) == HYGRA_OK,
          "TDB of a state from dry bulb and humidity ratio");
    check(fabs(value - 20.0) < 1e-9, "TDB comes back as given");

    check(moistair_eval(HYGRA_W_TDRY, HYGRA_W, HYGRA_IP, &value, 0.0073, 68.0, 14.7) == HYGRA_OK,
          "W in inch-pound units");
    check(fabs(value - 0.0073) < 1e-15, "W comes back as given");

    value = 42.0;
    check(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, NULL, 20.0, 0.0073, 1.01325) ==
              HYGRA_INVALID_ARGUMENT,
          "a null result pointer is refused");
    check(moistair_eval(HYGRA_STATE_TYPE_COUNT, HYGRA_TDB, HYGRA_SI, &value, 20.0, 0.0073, 1.01325) ==
              HYGRA_INVALID_ARGUMENT,
          "an unknown state type is refused");
    check(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, &value, -200.0, 0.0073, 1.01325) ==
              HYGRA_OUT_OF_RANGE,
          "a temperature below the model's range");
    check(value == 42.0, "nothing is written on failure");

    if (failures == 0)
        printf("C interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
