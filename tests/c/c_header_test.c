/* The public header is C: this C99 program includes it, uses its constants and
 * calls the shared library. It reports every failed check and exits non-zero. */
#include <math.h>
#include <stdio.h>

#include "hygra.h"

static int failures = 0;

#define CHECK(ok)                                                  \
    do {                                                           \
        if (!(ok)) {                                               \
            fprintf(stderr, "FAILED line %d: %s\n", __LINE__, #ok); \
            ++failures;                                            \
        }                                                          \
    } while (0)

int main(void)
{
    double v = -1.0;

    CHECK(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, &v, 20.0, 0.0073, 1.01325) == HYGRA_OK && fabs(v - 20.0) < 1e-9);
    CHECK(moistair_eval(HYGRA_W_TDRY, HYGRA_W, HYGRA_IP, &v, 0.0073, 68.0, 14.7) == HYGRA_OK && fabs(v - 0.0073) < 1e-15);
    CHECK(moistair_eval_str(HYGRA_TDRY_W, " tdb\n", HYGRA_SI, &v, 20.0, 0.0073, 1.01325) == HYGRA_OK && fabs(v - 20.0) < 1e-9);
    CHECK(moistair_pz(HYGRA_SI, &v, 0.0) == HYGRA_OK && fabs(v - 1.01325) < 1e-12);
    CHECK(moistair_tz(HYGRA_IP, &v, 0.0) == HYGRA_OK && fabs(v - 59.0) < 1e-9);
    CHECK(moistair_const(HYGRA_CONST_PMAX, HYGRA_IP, &v) == HYGRA_OK && fabs(v - 725.19) < 1e-9);

    /* Refusals, which write nothing. */
    v = 42.0;
    CHECK(moistair_eval(HYGRA_TDRY_W, HYGRA_TDB, HYGRA_SI, NULL, 20.0, 0.0073, 1.01325) == HYGRA_INVALID_ARGUMENT);
    CHECK(moistair_eval(HYGRA_STATE_TYPE_COUNT, HYGRA_TDB, HYGRA_SI, &v, 20.0, 0.0073, 1.01325) ==
          HYGRA_INVALID_ARGUMENT);
    CHECK(moistair_eval_str(HYGRA_TDRY_W, NULL, HYGRA_SI, &v, 20.0, 0.0073, 1.01325) == HYGRA_INVALID_ARGUMENT);
    CHECK(moistair_pz(HYGRA_IP, &v, 32809.0) == HYGRA_OUT_OF_RANGE);
    CHECK(moistair_tz(HYGRA_SI, NULL, 0.0) == HYGRA_INVALID_ARGUMENT);
    CHECK(moistair_const(HYGRA_CONST_COUNT, HYGRA_SI, &v) == HYGRA_INVALID_ARGUMENT);
    CHECK(v == 42.0);

    if (failures == 0)
        printf("C interface: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
