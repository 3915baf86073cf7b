// Tests of interval bracketing: which end moves, by how much, when the signs
// are tested, and the failures.
#include "numeric/bracket.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording_function.h"

namespace hygra {
namespace {

using testing::record;
using fn = double (*)(double);

void expect_calls(const std::vector<double>& calls, const std::vector<double>& expected)
{
    ASSERT_EQ(calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(calls[i], expected[i], 1e-12) << "evaluation " << i + 1;
}

TEST(Bracket, WidensTheEndWithTheSmallerMagnitudeUntilTheSignsDiffer)
{
    // The model's call: [0.5, 0.6], factor 1.6, 100 tries. |f(b)| is the
    // smaller each time, so b moves by 1.6 widths: 0.76, 1.176, 2.2576.
    auto f = record<fn>([](double x) { return x - 2.0; });
    double a = 0.5;
    double b = 0.6;
    EXPECT_TRUE(bracket(f, a, b, 1.6, 100));
    EXPECT_EQ(a, 0.5);
    EXPECT_DOUBLE_EQ(b, 2.2576);
    expect_calls(f.calls(), {0.5, 0.6, 0.76, 1.176, 2.2576});
}

TEST(Bracket, MovesTheLowerEndWhenTheRootLiesBelow)
{
    auto f = record<fn>([](double x) { return x + 2.0; });
    double a = 0.5;
    double b = 0.6;
    EXPECT_TRUE(bracket(f, a, b, 1.6, 100));
    EXPECT_EQ(b, 0.6);
    expect_calls(f.calls(), {0.5, 0.6, 0.34, -0.076, -1.1576, -3.96976});
    EXPECT_NEAR(a, -3.96976, 1e-12);
}

TEST(Bracket, EqualMagnitudesMoveTheUpperEnd)
{
    // f(0.25) = f(0.75) exactly: neither |f| is larger, so b moves.
    auto f = record<fn>([](double x) { return (x - 0.5) * (x - 0.5) - 0.25; });
    double a = 0.25;
    double b = 0.75;
    EXPECT_TRUE(bracket(f, a, b, 1.6, 100));
    EXPECT_EQ(a, 0.25);
    EXPECT_DOUBLE_EQ(b, 1.55);
}

TEST(Bracket, ReportsRunningOutOfTriesByItsResult)
{
    // max_tries = 0 tests nothing, even when the signs already differ.
    {
        auto f = record<fn>([](double x) { return x - 0.55; });
        double a = 0.5;
        double b = 0.6;
        EXPECT_FALSE(bracket(f, a, b, 1.6, 0));
        EXPECT_EQ(a, 0.5);
        EXPECT_EQ(b, 0.6);
        EXPECT_EQ(f.calls().size(), 2u);
    }
    // The signs are not tested after the last widening: three tries reach
    // b = 2.2576 across the root, yet the result is false.
    {
        auto f = record<fn>([](double x) { return x - 2.0; });
        double a = 0.5;
        double b = 0.6;
        EXPECT_FALSE(bracket(f, a, b, 1.6, 3));
        EXPECT_DOUBLE_EQ(b, 2.2576);
        EXPECT_EQ(f.calls().size(), 5u);
    }
    // A function without a root: one evaluation per try.
    {
        auto f = record<fn>([](double x) { return x * x + 1.0; });
        double a = 0.5;
        double b = 0.6;
        EXPECT_FALSE(bracket(f, a, b, 1.6, 7));
        EXPECT_EQ(f.calls().size(), 9u);
    }
}

TEST(Bracket, AnEndOnTheRootIsNoSignChange)
{
    // f(a) = 0 exactly: the product is 0, so the interval is widened on the
    // side of a (|f(b)| > |f(a)|) until the signs strictly differ.
    auto f = record<fn>([](double x) { return x - 0.5; });
    double a = 0.5;
    double b = 0.6;
    EXPECT_TRUE(bracket(f, a, b, 1.6, 100));
    EXPECT_DOUBLE_EQ(a, 0.34);
    EXPECT_EQ(b, 0.6);
    EXPECT_EQ(f.calls().size(), 3u);
}

TEST(Bracket, RejectsAnEmptyInterval)
{
    auto f = record<fn>([](double x) { return x; });
    double a = 1.0;
    double b = 1.0;
    try {
        bracket(f, a, b, 1.6, 100);
        ADD_FAILURE() << "no throw";
    } catch (const std::domain_error& e) {
        EXPECT_EQ(std::string(e.what()), "bracket");
    }
    EXPECT_TRUE(f.calls().empty());
}

TEST(Bracket, ExceptionsOfTheFunctionLeaveTheLastEnds)
{
    auto f = record<fn>([](double x) -> double {
        if (x > 1.0)
            throw std::runtime_error("objective");
        return x - 2.0;
    });
    double a = 0.5;
    double b = 0.6;
    EXPECT_THROW(bracket(f, a, b, 1.6, 100), std::runtime_error);
    EXPECT_EQ(a, 0.5);
    EXPECT_DOUBLE_EQ(b, 1.176);
}

}  // namespace
}  // namespace hygra
