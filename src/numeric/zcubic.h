// Real roots of a cubic equation in closed form: Viete's trigonometric form for
// three real roots, Cardano's form for one real root and a complex pair.
#ifndef HYGRA_NUMERIC_ZCUBIC_H
#define HYGRA_NUMERIC_ZCUBIC_H

namespace hygra {

// Solves a[0]·x³ + a[1]·x² + a[2]·x + a[3] = 0 in place and returns the kind of
// its roots:
// - 1: three distinct real roots, in a[0], a[1], a[2];
// - 0: the discriminant is exactly zero (a repeated root); the three real roots
//   are still written to a[0], a[1], a[2];
// - 2: one real root in a[0] and the complex pair a[1] ± i·a[2], a[2] > 0;
// - -1: a[0] = 0 (either sign): not a cubic; the array is left unchanged.
// In every solved case a[3] = 0. The real roots come in the order of the
// trigonometric form, not sorted. A NaN coefficient gives kind 2 with NaN roots.
int zcubic(double* a);

}  // namespace hygra

#endif
