/* A client of the installed library, built once through find_package and once
 * through pkg-config: a property by code and by name, a property's metadata
 * and a model constant. Exits 0 and prints one line when all agree. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include <hygra.h>

int main(void)
{
    double w = 0.0, tdb = 0.0, tmax = 0.0;
    const char *name = hygra_property_name(HYGRA_HM);
    const char *unit = hygra_property_unit(HYGRA_HM, HYGRA_IP);

    if (moistair_eval(HYGRA_TDRY_W, HYGRA_W, HYGRA_SI, &w, 20.0, 0.0073, 1.01325) != HYGRA_OK ||
        moistair_eval_str(HYGRA_TDRY_W, "tdb", HYGRA_SI, &tdb, 20.0, 0.0073, 1.01325) != HYGRA_OK ||
        moistair_const(HYGRA_CONST_TMAX, HYGRA_SI, &tmax) != HYGRA_OK) {
        fprintf(stderr, "consumer: a call of the library failed\n");
        return 1;
    }
    if (fabs(w - 0.0073) > 1e-12 || fabs(tdb - 20.0) > 1e-12 || fabs(tmax - 372.0) > 1e-9 ||
        name == NULL || strcmp(name, "HM") != 0 || unit == NULL || strcmp(unit, "Btu/lb") != 0) {
        fprintf(stderr, "consumer: unexpected values\n");
        return 1;
    }
    printf("consumer: W = %.4f, TDB = %.1f degC, %s in %s, up to %.0f degC\n", w, tdb, name, unit,
           tmax);
    return 0;
}
