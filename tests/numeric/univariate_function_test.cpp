// Tests of the one-variable function base: its member types and that it cannot
// be destroyed through the base, which has no virtual destructor.
#include "numeric/univariate_function.h"

#include <type_traits>

#include <gtest/gtest.h>

namespace hygra {
namespace {

using base = univariate_function<double, double>;

static_assert(std::is_same_v<base::argument_type, double>);
static_assert(std::is_same_v<base::result_type, double>);
static_assert(std::is_same_v<univariate_function<int, float>::argument_type, int>);
static_assert(std::is_same_v<univariate_function<int, float>::result_type, float>);
static_assert(std::is_abstract_v<base>);
// Protected destructor: neither a base object nor a delete through the base.
static_assert(!std::is_destructible_v<base>);
static_assert(!std::has_virtual_destructor_v<base>);

class affine final : public base {
public:
    double operator()(const double& x) override { return 2.0 * x + 1.0; }
};
static_assert(std::is_destructible_v<affine>);

TEST(UnivariateFunction, CallsTheDerivedFunctionThroughTheBase)
{
    affine f;
    base& g = f;
    EXPECT_EQ(g(3.0), 7.0);
}

}  // namespace
}  // namespace hygra
