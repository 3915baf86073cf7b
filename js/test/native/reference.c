/*
 * reference.c - the native library's answers, for the JavaScript tests and the
 * benchmark to compare the WebAssembly module with.
 *
 * Reads requests from standard input, one a line, and answers each on one line:
 *
 *   eval TYPE UNITS FIRST SECOND PRESSURE
 *       all the properties of the state, tab-separated in the order of their
 *       codes: the value as %.17g, or "!CODE MESSAGE" for one that failed
 *   pz UNITS ALTITUDE, tz UNITS ALTITUDE
 *       the value, or "!CODE MESSAGE"
 *   bench TYPE UNITS FIRST SECOND PRESSURE COUNT
 *       nanoseconds per call of TWB over COUNT calls, each of a state not in
 *       the cache (the second input steps by 1e-9 of itself each call)
 */
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "hygra.h"

static void answer(int rc, double value)
{
    if (rc == HYGRA_OK)
        printf("%.17g", value);
    else
        printf("!%d %s", rc, hygra_last_error());
}

static double now_ns(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e9 + t.tv_nsec;
}

int main(void)
{
    char line[512];
    char command[16];
    while (fgets(line, sizeof line, stdin)) {
        int type, units;
        long count;
        double first, second, pressure, altitude, value = 0;
        if (sscanf(line, "%15s", command) != 1)
            command[0] = '\0'; /* a blank line is answered too, so that answers keep their lines */
        if (strcmp(command, "eval") == 0
            && sscanf(line, "%*s %d %d %lf %lf %lf", &type, &units, &first, &second, &pressure) == 5) {
            for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
                if (code)
                    putchar('\t');
                int rc = moistair_eval(type, code, units, &value, first, second, pressure);
                answer(rc, value);
            }
        } else if ((strcmp(command, "pz") == 0 || strcmp(command, "tz") == 0)
                   && sscanf(line, "%*s %d %lf", &units, &altitude) == 2) {
            int rc = command[0] == 'p' ? moistair_pz(units, &value, altitude)
                                       : moistair_tz(units, &value, altitude);
            answer(rc, value);
        } else if (strcmp(command, "bench") == 0
                   && sscanf(line, "%*s %d %d %lf %lf %lf %ld", &type, &units, &first, &second,
                             &pressure, &count) == 6) {
            double sum = 0, start = now_ns();
            for (long i = 0; i < count; ++i) {
                double x = second * (1 + 1e-9 * (double)(i % 1000));
                double y = first + 1e-7 * (double)(i / 1000);
                if (moistair_eval(type, HYGRA_TWB, units, &value, y, x, pressure) == HYGRA_OK)
                    sum += value;
            }
            printf("%.1f %.17g", (now_ns() - start) / (double)count, sum);
        } else {
            printf("!1 unknown request");
        }
        putchar('\n');
        fflush(stdout);
    }
    return 0;
}
