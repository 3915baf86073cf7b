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

    check(moistair_eval_str(HYGRA_TDRY_W, " tdb\n", HYGRA_SI, &value, 20.0, 0.0073, 1.01325) ==
              HYGRA_OK,
          "TDB by its name, in lower case and with white space");
    check(fabs(value - 20.0) < 1e-9, "TDB by name comes back as given");
    value = 42.0;
    check(moistair_eval_str(HYGRA_TDRY_W, "T DB", HYGRA_SI, &value, 20.0, 0.0073, 1.01325) ==
              HYGRA_INVALID_ARGUMENT,
          "an unknown property name is refused");
    check(moistair_eval_str(HYGRA_TDRY_W, NULL, HYGRA_SI, &value, 20.0, 0.0073, 1.01325) ==
              HYGRA_INVALID_ARGUMENT,
          "a null property name is refused");
    check(value == 42.0, "nothing is written for a bad name");

    check(moistair_pz(HYGRA_SI, &value, 0.0) == HYGRA_OK, "pressure at sea level");
    check(fabs(value - 1.01325) < 1e-12, "sea level is 1.01325 bar");
    check(moistair_tz(HYGRA_IP, &value, 0.0) == HYGRA_OK, "temperature at sea level");
    check(fabs(value - 59.0) < 1e-9, "sea level is 59 degF");
    value = 42.0;
    check(moistair_pz(HYGRA_IP, &value, 32809.0) == HYGRA_OUT_OF_RANGE,
          "an altitude above 10000 m is refused");
    check(moistair_tz(HYGRA_SI, NULL, 0.0) == HYGRA_INVALID_ARGUMENT,
          "a null result pointer is refused by the altitude queries");
    check(value == 42.0, "nothing is written outside the altitude range");

    check(moistair_const(HYGRA_CONST_PMAX, HYGRA_IP, &value) == HYGRA_OK, "highest pressure");
    check(fabs(value - 725.19) < 1e-9, "the highest pressure is 725.19 psi");
    value = 42.0;
    check(moistair_const(HYGRA_CONST_COUNT, HYGRA_SI, &value) == HYGRA_INVALID_ARGUMENT,
          "an unknown constant selector is refused");
    check(value == 42.0, "nothing is written for an unknown selector");

    if (failures == 0)
        printf("C interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
