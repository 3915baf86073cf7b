// Test helper: a one-variable function that logs every abscissa at which it is
// evaluated, so that tests can check how many evaluations a search made and in
// which order.
#ifndef HYGRA_TESTS_NUMERIC_RECORDING_FUNCTION_H
#define HYGRA_TESTS_NUMERIC_RECORDING_FUNCTION_H

#include <vector>

#include "numeric/univariate_function.h"

namespace hygra::testing {

template <class F>
class recording_function final : public univariate_function<double, double> {
public:
    explicit recording_function(F f) : m_f(f) {}

    double operator()(const double& x) override
    {
        m_calls.push_back(x);
        return m_f(x);
    }

    // Every abscissa evaluated, in order.
    const std::vector<double>& calls() const { return m_calls; }

private:
    F m_f;
    std::vector<double> m_calls;
};

template <class F>
recording_function<F> record(F f)
{
    return recording_function<F>(f);
}

}  // namespace hygra::testing

#endif
