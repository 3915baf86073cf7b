/* Prints the properties of one state of moist air, 20 degC and W = 0.0073 kg/kg
 * at 1.01325 bar, in SI and again in inch-pound units. */
#include <stdio.h>

#include "hygra.h"

static const struct {
    int code;
    const char *name;
    const char *si;
    const char *ip;
} properties[] = {
    {HYGRA_TDB, "TDB", "degC", "degF"}, {HYGRA_P, "P", "bar", "psi"},
    {HYGRA_XW, "XW", "-", "-"},         {HYGRA_XA, "XA", "-", "-"},
    {HYGRA_MW, "MW", "-", "-"},         {HYGRA_MA, "MA", "-", "-"},
    {HYGRA_W, "W", "kg/kg", "lb/lb"},
};

static int print_state(int units, double tdb, double w, double p)
{
    size_t i;
    printf("%s\n", units == HYGRA_SI ? "SI" : "inch-pound");
    for (i = 0; i < sizeof properties / sizeof properties[0]; ++i) {
        double value = 0.0;
        int rc = moistair_eval(HYGRA_TDRY_W, properties[i].code, units, &value, tdb, w, p);
        if (rc != HYGRA_OK) {
            fprintf(stderr, "%s: result code %d\n", properties[i].name, rc);
            return 1;
        }
        printf("  %-4s %14.8g %s\n", properties[i].name, value,
               units == HYGRA_SI ? properties[i].si : properties[i].ip);
    }
    return 0;
}

int main(void)
{
    /* 20 degC = 68 degF; 1.01325 bar = 14.6959... psi */
    if (print_state(HYGRA_SI, 20.0, 0.0073, 1.01325) != 0)
        return 1;
    return print_state(HYGRA_IP, 68.0, 0.0073, 1.01325 * 14.5038);
}
