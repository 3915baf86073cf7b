// Helpers of the tests of the C interface: one evaluation with its result
// code, which must leave the value behind the pointer alone when it fails.
#ifndef HYGRA_TESTS_API_TEST_H
#define HYGRA_TESTS_API_TEST_H

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "hygra.h"

namespace api_test {

const double qnan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
constexpr double atm = 1.01325;                    // bar
constexpr double atm_psi = 14.695948775513449;     // the same, psi
constexpr double sentinel = -12345.0;

struct result {
    int code;
    double value;
};

// Runs call(&value), which must leave the value alone when it fails.
template <class Call>
result checked(Call call)
{
    double v = sentinel;
    const int rc = call(&v);
    if (rc != HYGRA_OK) {
        EXPECT_EQ(v, sentinel) << "written on code " << rc;
    }
    return {rc, v};
}

inline result eval(int type, int code, int units, double a, double b, double p)
{
    return checked([&](double* v) { return moistair_eval(type, code, units, v, a, b, p); });
}

// The value of a property that must exist.
inline double value(int type, int code, int units, double a, double b, double p)
{
    const result r = eval(type, code, units, a, b, p);
    EXPECT_EQ(r.code, HYGRA_OK) << "type " << type << " code " << code << " of (" << a << ", " << b
                                << ") at " << p << ": " << hygra_last_error();
    return r.value;
}

// The property codes of the two inputs of each state type, in its order.
constexpr int inputs_of[HYGRA_STATE_TYPE_COUNT][2] = {
    {0, 1},   {0, 13},  {0, 11},  {0, 19},  {0, 23},  {0, 15},  {0, 2},   {11, 1},  {11, 0},  {11, 13},
    {11, 19}, {11, 23}, {11, 15}, {13, 1},  {13, 0},  {13, 11}, {13, 19}, {13, 23}, {13, 15}, {2, 1},
    {2, 13},  {2, 19},  {2, 23},  {2, 15},  {1, 19},  {1, 23},  {1, 15},  {19, 23}, {19, 15}, {23, 15}};

inline bool said(const char* text) { return std::string(hygra_last_error()).find(text) != std::string::npos; }

}  // namespace api_test

#endif
