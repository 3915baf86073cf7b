// Test helpers: a one-variable function that logs every abscissa at which it is
// evaluated, so that tests can check how many evaluations a search made and in
// which order, and a check of an error's type and message.
#ifndef HYGRA_TESTS_NUMERIC_RECORDING_FUNCTION_H
#define HYGRA_TESTS_NUMERIC_RECORDING_FUNCTION_H

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "numeric/univariate_function.h"

namespace hygra::testing {

class recording_function final : public univariate_function<double, double> {
public:
    explicit recording_function(std::function<double(double)> f) : m_f(std::move(f)) {}

    double operator()(const double& x) override
    {
        m_calls.push_back(x);
        return m_f(x);
    }

    // Every abscissa evaluated, in order.
    const std::vector<double>& calls() const { return m_calls; }

private:
    std::function<double(double)> m_f;
    std::vector<double> m_calls;
};

// Fails unless `call` throws E with the message `what`.
template <class E, class Call>
void expect_error(Call&& call, const char* what)
{
    try {
        call();
        ADD_FAILURE() << "no throw, expected " << what;
    } catch (const E& e) {
        EXPECT_STREQ(e.what(), what);
    }
}

}  // namespace hygra::testing

#endif
