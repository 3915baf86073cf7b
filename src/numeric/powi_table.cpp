// Integer powers of one base, cached.
#include "numeric/powi_table.h"

#include <cmath>
#include <limits>

namespace hygra {

CPowiTable::CPowiTable() : m_powers{1.0}, m_top(0) {}

double CPowiTable::operator()(double x, long n) const
{
    // |n| as unsigned, so that the most negative long has a magnitude too.
    const unsigned long m = n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
    if (x == 0) {
        if (n == 0)
            return 1.0;
        if (n < 0)
            return std::numeric_limits<double>::infinity();
        return m % 2 == 1 ? x : 0.0;
    }
    double r;
    if (m >= static_cast<unsigned long>(m_size)) {
        r = std::pow(std::fabs(x), static_cast<double>(m));
        if (x < 0 && m % 2 == 1)
            r = -r;
    } else {
        const long top = static_cast<long>(m);
        if (m_top < top) {
            double v = m_powers[m_top];
            for (long i = m_top + 1; i <= top; ++i) {
                v = v * x;
                m_powers[i] = v;
            }
            m_top = top;
        }
        r = m_powers[top];
    }
    return n < 0 ? 1.0 / r : r;
}

}  // namespace hygra
