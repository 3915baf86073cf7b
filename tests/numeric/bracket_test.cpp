// Tests of interval bracketing: which end moves, by how much, when the signs
// are tested, and the failures.
#include "numeric/bracket.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "recording_function.h"

namespace hygra {
namespace {

using testing::recording_function;

struct bracket_case {
    const char* label;
    double (*f)(double);
    unsigned long tries;
    bool found;
    double a, b;  // the ends on return, from [0.5, 0.6] with the model's factor 1.6
    std::size_t evaluations;
};

TEST(Bracket, WidensTheEndWithTheSmallerMagnitudeUntilTheSignsDiffer)
{
    const bracket_case cases[] = {
        // |f(b)| is the smaller each time, so b moves by 1.6 widths: 0.76, 1.176, 2.2576.
        {"root above", [](double x) { return x - 2.0; }, 100, true, 0.5, 2.2576, 5},
        {"root below: a moves to 0.34, -0.076, -1.1576, -3.96976", [](double x) { return x + 2.0; }, 100, true,
         -3.96976, 0.6, 6},
        // f(0.5) = f(0.6) = f(0.76): neither |f| is larger, so b moves, twice.
        {"equal magnitudes move b", [](double x) { return x < 1.0 ? -1.0 : 1.0; }, 100, true, 0.5, 1.176, 4},
        // An end exactly on the root is no sign change: it moves past the root,
        // rising or falling.
        {"a on the root", [](double x) { return x - 0.5; }, 100, true, 0.34, 0.6, 3},
        {"b on the root", [](double x) { return x - 0.6; }, 100, true, 0.5, 0.76, 3},
        {"a on the root, falling", [](double x) { return 0.5 - x; }, 100, true, 0.34, 0.6, 3},
        {"b on the root, falling", [](double x) { return 0.6 - x; }, 100, true, 0.5, 0.76, 3},
        // Residuals whose product underflows to zero still change sign.
        {"tiny residuals", [](double x) { return 1e-300 * (x - 0.55); }, 100, true, 0.5, 0.6, 2},
        // 0 tries test nothing, even across a sign change.
        {"no tries", [](double x) { return x - 0.55; }, 0, false, 0.5, 0.6, 2},
        // The signs are not tested after the last widening: b = 2.2576 is across the root.
        {"out of tries", [](double x) { return x - 2.0; }, 3, false, 0.5, 2.2576, 5},
        {"no root: a try each", [](double x) { return x * x + 1.0; }, 7, false, -57.89574016, 22.4223616, 9},
    };
    for (const bracket_case& c : cases) {
        SCOPED_TRACE(c.label);
        recording_function f(c.f);
        double a = 0.5, b = 0.6;
        EXPECT_EQ(bracket(f, a, b, 1.6, c.tries), c.found);
        EXPECT_NEAR(a, c.a, 1e-9);
        EXPECT_NEAR(b, c.b, 1e-9);
        EXPECT_EQ(f.calls().size(), c.evaluations);
    }
    recording_function f([](double x) { return x; });
    double a = 1.0, b = 1.0;
    testing::expect_error<std::domain_error>([&] { bracket(f, a, b, 1.6, 100); }, "bracket");
    EXPECT_TRUE(f.calls().empty());
}

}  // namespace
}  // namespace hygra
