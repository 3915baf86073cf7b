#include "ashrae97/air_trans.h"

#include <cmath>

namespace hygra::ashrae97 {

namespace {

// reducing parameters: energy parameter eps/k (K), critical temperature (K) and
// critical molar density (mol/dm3) of air
constexpr double epsilon_over_k = 103.3;
constexpr double t_critical = 132.6312;
constexpr double rho_critical = 10.4477;

// collision integral: ln Omega as a quartic in ln(T / (eps/k))
constexpr double collision_fit[5] = {0.431, -0.4623, 0.08406, 0.005341, -0.00331};
// dilute-gas viscosity, uPa s: 0.0266958 sqrt(M T) / (sigma^2 Omega), M in g/mol, sigma in nm
constexpr double kinetic_factor = 0.0266958;
constexpr double molar_mass = 28.9586;
constexpr double sigma_squared = 0.1296;

// One residual term N tau^t delta^d exp(-delta^l) (l = 0: no exponential).
struct residual_term {
    double n, t, d, l;
};
// residual viscosity, uPa s
constexpr residual_term viscosity_terms[] = {
    {10.72, 0.2, 1, 0}, {1.122, 0.05, 4, 0}, {0.002019, 2.4, 9, 0},
    {-8.876, 0.6, 1, 1}, {-0.02916, 3.6, 8, 1},
};
// dilute-gas conductivity, mW/(m K): N1 eta0 + N2 tau^t2 + N3 tau^t3
constexpr double conductivity_eta_factor = 1.308;
constexpr residual_term conductivity_dilute_terms[] = {{1.405, -1.1, 0, 0}, {-1.036, -0.3, 0, 0}};
// residual conductivity, mW/(m K)
constexpr residual_term conductivity_terms[] = {
    {8.743, 0.1, 1, 0},  {14.76, 0.0, 2, 0},  {-16.62, 0.5, 3, 2},
    {3.793, 2.7, 7, 2},  {-6.142, 0.3, 7, 2}, {-0.3778, 1.3, 11, 2},
};

template <std::size_t n>
double residual(const residual_term (&terms)[n], double tau, double delta)
{
    double sum = 0.0;
    for (const residual_term& r : terms) {
        double term = r.n * std::pow(tau, r.t) * std::pow(delta, r.d);
        if (r.l != 0.0)
            term *= std::exp(-std::pow(delta, r.l));
        sum += term;
    }
    return sum;
}

}  // namespace

void air_trans(double t, double rho, double& mu, double& k)
{
    const double tau = t_critical / t;
    const double delta = rho / rho_critical;
    const double l = std::log(t / epsilon_over_k);
    const double ln_omega =
        collision_fit[0] +
        l * (collision_fit[1] + l * (collision_fit[2] + l * (collision_fit[3] + l * collision_fit[4])));
    const double omega = std::exp(ln_omega);
    const double eta0 = kinetic_factor * std::sqrt(molar_mass * t) / (sigma_squared * omega);
    mu = (eta0 + residual(viscosity_terms, tau, delta)) * 1e-6;
    const double lambda0 =
        conductivity_eta_factor * eta0 + residual(conductivity_dilute_terms, tau, delta);
    k = (lambda0 + residual(conductivity_terms, tau, delta)) * 0.001;
}

}  // namespace hygra::ashrae97
