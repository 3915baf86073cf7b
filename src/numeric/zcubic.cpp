// Real roots of a cubic equation in closed form.
#include "numeric/zcubic.h"

#include <cmath>

namespace hygra {

namespace {

// π/2: the angle when R = 0, where acos(0) would give it with a rounding error
constexpr double half_pi = 1.5707963267948966;
// 2π/3 and 4π/3: the three trigonometric roots are a third of a turn apart
constexpr double two_pi_thirds = 2.0943951023931953;
constexpr double four_pi_thirds = 4.1887902047863905;
// 1/3, the exponent of the cube root in Cardano's form
constexpr double one_third = 0.3333333333333333;
// √3/2, the imaginary part of the primitive cube roots of unity
constexpr double half_sqrt3 = 0.8660254037844386;

}  // namespace

int zcubic(double* a)
{
    if (a[0] == 0)
        return -1;
    // Reduce to the monic cubic x³ + b·x² + c·x + d.
    if (a[0] != 1) {
        a[1] /= a[0];
        a[2] /= a[0];
        a[3] /= a[0];
    }
    const double b = a[1];
    const double c = a[2];
    const double d = a[3];

    // With x = y - b/3 the cubic becomes y³ - 3Q·y + 2R = 0; its discriminant
    // has the sign of D = Q³ - R².
    const double q = (b * b - 3 * c) / 9;
    const double r = (b * (2 * b * b - 9 * c) + 27 * d) / 54;
    const double q3 = q * q * q;
    const double disc = q3 - r * r;

    if (disc >= 0) {
        // Three real roots: y = -2·√Q·cos((θ + 2πk)/3) with cos θ = R/√(Q³).
        const double theta = r == 0 ? half_pi : std::acos(r / std::sqrt(q3));
        const double s = -2 * std::sqrt(q);
        a[0] = s * std::cos(theta / 3) - b / 3;
        a[1] = s * std::cos(theta / 3 + two_pi_thirds) - b / 3;
        a[2] = s * std::cos(theta / 3 + four_pi_thirds) - b / 3;
        a[3] = 0;
        return disc != 0 ? 1 : 0;
    }

    // One real root: y = S with S = A + Q/A, A the real cube root taken on the
    // side that avoids cancellation; the pair is -S/2 ± i·(√3/2)(A - Q/A).
    const double sigma = r < 0 ? -1.0 : 1.0;
    const double big_a = std::pow(std::sqrt(-disc) + std::fabs(r), one_third);
    const double big_b = q / big_a;
    const double big_s = sigma * (big_a + big_b);
    a[0] = -big_s - b / 3;
    a[1] = 0.5 * big_s - b / 3;
    a[2] = (big_a - big_b) * half_sqrt3;
    a[3] = 0;
    return 2;
}

}  // namespace hygra
