/* Stands in front of libhygra (through LD_PRELOAD) so that a test can see how
 * the tool reports each result code, including those no input reaches. With
 * HYGRA_TEST_FAIL=CODE every call of moistair_eval returns CODE; with
 * HYGRA_TEST_FAIL=PROPERTY:CODE only the calls for that property code do.
 * Every other call goes on to the real library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

#include "hygra.h"

typedef int (*eval_function)(int, int, int, double *, double, double, double);

int moistair_eval(int state_type, int code, int units, double *result, double first,
                  double second, double pressure)
{
    eval_function real = (eval_function)dlsym(RTLD_NEXT, "moistair_eval");
    const char *fail = getenv("HYGRA_TEST_FAIL");
    int property = -1;
    int forced = 0;
    if (fail != NULL) {
        if (sscanf(fail, "%d:%d", &property, &forced) == 2) {
            if (property == code)
                return forced;
        } else if (sscanf(fail, "%d", &forced) == 1) {
            return forced;
        }
    }
    return real(state_type, code, units, result, first, second, pressure);
}
