// Polynomial evaluation for the fits of water substance and the virial
// coefficients: coefficients stored lowest power first, as the fits are
// written, and evaluated in Horner form, highest power first.
#ifndef HYGRA_ASHRAE97_HORNER_H
#define HYGRA_ASHRAE97_HORNER_H

#include <array>
#include <cstddef>

namespace hygra::ashrae97 {

// c[0] + c[1] x + ... + c[N-1] x^(N-1), as c[0] + x (c[1] + x (... + x c[N-1])).
// A zero coefficient stands for a missing power and adds exactly nothing.
template <std::size_t N>
constexpr double horner(const std::array<double, N>& c, double x)
{
    static_assert(N > 0, "a polynomial needs at least one coefficient");
    double sum = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;)
        sum = c[i] + x * sum;
    return sum;
}

}  // namespace hygra::ashrae97

#endif
