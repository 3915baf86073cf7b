// Tests of the closed-form cubic solver: kinds of roots, their order, the
// normalisation by the leading coefficient.
#include "numeric/zcubic.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace hygra {
namespace {

struct cubic_case {
    const char* label;
    double coefficients[4];
    int kind;
    double roots[3];  // a[0], a[1], a[2] on return
};

TEST(Zcubic, ReturnsTheKindAndTheRootsInTheirOrder)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const cubic_case cases[] = {
        // R = 0 exactly: theta = pi/2, and the roots come as 1, 3, 2.
        {"(x - 1)(x - 2)(x - 3)", {1, -6, 11, -6}, 1, {1, 3, 2}},
        {"the same times -1", {-1, 6, -11, 6}, 1, {1, 3, 2}},
        {"(x - 1)(x - 2)(x + 3), theta from acos", {1, 0, -7, 6}, 1, {-3, 2, 1}},
        {"leading coefficient 0.5", {0.5, -1, -0.5, 1}, 1, {-1, 2, 1}},
        // A discriminant of exactly 0: a repeated root, still three roots written.
        {"(x - 1)^2 (x - 2)", {1, -4, 5, -2}, 0, {1, 2, 1}},
        {"(2x - 1)^2 (x + 1)", {4, 0, -3, 1}, 0, {-1, 0.5, 0.5}},
        // One real root and the pair a[1] +- i a[2], a[2] > 0; both signs of R.
        {"x^3 = 1", {1, 0, 0, -1}, 2, {1, -0.5, 0.8660254037844386}},
        {"x^3 = -1", {1, 0, 0, 1}, 2, {-1, 0.5, 0.8660254037844386}},
        {"(x + 1)(x^2 + 1)", {1, 1, 1, 1}, 2, {-1, 0, 1}},
        {"a NaN coefficient", {1, nan, 0, 1}, 2, {nan, nan, nan}},
    };
    for (const cubic_case& c : cases) {
        SCOPED_TRACE(c.label);
        double a[4] = {c.coefficients[0], c.coefficients[1], c.coefficients[2], c.coefficients[3]};
        EXPECT_EQ(zcubic(a), c.kind);
        for (int i = 0; i < 3; ++i)
            if (!std::isnan(c.roots[i]) || !std::isnan(a[i])) {
                EXPECT_NEAR(a[i], c.roots[i], 1e-14 * (1.0 + std::fabs(c.roots[i]))) << "a[" << i << "]";
            }
        EXPECT_EQ(a[3], 0.0);
    }
    // Not a cubic: the array is left as it was.
    for (const double lead : {0.0, -0.0}) {
        double a[4] = {lead, 1.0, -3.0, 2.0};
        EXPECT_EQ(zcubic(a), -1);
        EXPECT_TRUE(a[0] == lead && a[1] == 1.0 && a[2] == -3.0 && a[3] == 2.0);
    }
}

}  // namespace
}  // namespace hygra
