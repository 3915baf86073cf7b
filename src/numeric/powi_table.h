// Integer powers of one base, each power computed once and kept for later calls.
#ifndef HYGRA_NUMERIC_POWI_TABLE_H
#define HYGRA_NUMERIC_POWI_TABLE_H

namespace hygra {

// x^n for integer n by repeated multiplication, with the powers x^0 ... x^top
// kept in a table that grows on demand. A table serves ONE base: construct a
// table per base and pass the same x to every call, because the stored powers
// are products of the base they were filled with and are not recomputed.
// The call is const but fills the table, so one table must not be shared
// between threads.
class CPowiTable {
public:
    // An empty table: only x^0 = 1 is known.
    CPowiTable();

    // x^n. For x = 0 (either sign): n = 0 gives 1, n < 0 gives +inf, odd n > 0
    // gives x itself (so -0 stays -0), even n > 0 gives +0; the table is not
    // touched. Otherwise x^|n| is taken from the table, extended as needed,
    // and inverted for n < 0.
    // Exponents with |n| > 99 do not fit the table: they are computed with
    // std::pow on |x|, with the sign of an odd power of a negative base, and
    // are not stored. (They may differ from repeated products in the last bits.)
    double operator()(double x, long n) const;

private:
    static constexpr long m_size = 100;  // x^0 ... x^99
    mutable double m_powers[m_size];     // m_powers[i] = x^i for i = 0 ... m_top
    mutable long m_top;                  // highest exponent stored; never decreases
};

}  // namespace hygra

#endif
