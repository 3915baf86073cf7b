#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hygra.h"

namespace {

TEST(EvaluateBatch, EqualsOneCallPerValue)
{
    const std::vector<double> tdb = {-20.0, 20.0, 35.0, 20.0};
    const std::vector<double> rh = {0.9, 0.5, 1.5, 0.2};  // 1.5 is refused
    const std::vector<double> p = {1.01325, 1.01325, 1.01325, 60.0};  // 60 bar is refused
    const std::vector<int> codes = {HYGRA_W, HYGRA_HM, HYGRA_TWB, 99};
    std::vector<double> values(tdb.size() * codes.size(), -1.0);
    std::vector<int> status(values.size(), -7);
    const int rc = hygra_eval_batch(HYGRA_TDRY_RH, HYGRA_SI, tdb.size(), tdb.data(), rh.data(), p.data(),
                                    codes.data(), codes.size(), values.data(), status.data());
    // The first failure is the unknown code of state 0.
    EXPECT_EQ(rc, HYGRA_INVALID_ARGUMENT);
    EXPECT_EQ(std::string(hygra_last_error()), "element 0, property 99: property code 99 is not one of 0 to 45");
    for (std::size_t i = 0; i < tdb.size(); ++i)
        for (std::size_t j = 0; j < codes.size(); ++j) {
            double one = -1.0;
            const int one_rc = moistair_eval(HYGRA_TDRY_RH, codes[j], HYGRA_SI, &one, tdb[i], rh[i], p[i]);
            const std::size_t k = i * codes.size() + j;
            EXPECT_EQ(status[k], one_rc) << i << " " << j;
            EXPECT_EQ(values[k], one) << i << " " << j;  // -1 left in place on failure
        }
    EXPECT_EQ(status[2 * codes.size()], HYGRA_OUT_OF_RANGE);
    EXPECT_EQ(status[3 * codes.size()], HYGRA_OUT_OF_RANGE);
}

TEST(EvaluateBatch, SuccessAndEmptyAndNullArrays)
{
    const double t[] = {20.0}, w[] = {0.0073}, p[] = {1.01325};
    const int code[] = {HYGRA_TDB};
    double v = 0.0;
    int s = -1;
    EXPECT_EQ(hygra_eval_batch(HYGRA_TDRY_W, HYGRA_SI, 1, t, w, p, code, 1, &v, &s), HYGRA_OK);
    EXPECT_NEAR(v, 20.0, 1e-12);
    EXPECT_EQ(s, HYGRA_OK);
    EXPECT_STREQ(hygra_last_error(), "");
    EXPECT_EQ(hygra_eval_batch(HYGRA_TDRY_W, HYGRA_SI, 0, nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr),
              HYGRA_OK);
    EXPECT_EQ(hygra_eval_batch(HYGRA_TDRY_W, HYGRA_SI, 1, t, nullptr, p, code, 1, &v, &s),
              HYGRA_INVALID_ARGUMENT);
    EXPECT_STREQ(hygra_last_error(), "an array argument is null");
}

}  // namespace
