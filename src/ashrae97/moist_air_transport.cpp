// Transport properties of a state: viscosities, thermal conductivities and
// Prandtl numbers of dry air, moist air, liquid water and saturated vapour, the
// diffusion coefficient of water vapour in air and the Schmidt number.
#include <cmath>

#include "ashrae97/air_trans.h"
#include "ashrae97/constants.h"
#include "ashrae97/dry_air.h"
#include "ashrae97/moist_air.h"
#include "ashrae97/moistair.h"
#include "ashrae97/water.h"

namespace hygra::ashrae97 {

namespace {

// Wilke's mixing factors for the molar masses of dry air and water:
// K = 1/sqrt(8 (1 + Mi/Mj)), E = (Mj/Mi)^(1/4), i the component, j the other.
constexpr double wilke_ka = 0.2189374348;
constexpr double wilke_ea = 0.8880629367;
constexpr double wilke_kw = 0.2776083566;
constexpr double wilke_ew = 1.126046318;

// diffusion coefficient of water vapour in air, m2/s with p in Pa: below 80 degC
// D = a T^n / p, from 80 degC on D = (b / p) T^2.5 / (T + 190)
constexpr double daw_switch = 80.0;  // degC
constexpr double daw_low_factor = 0.00010491143;
constexpr double daw_low_exponent = 1.774;
constexpr double daw_high_factor = 0.0008052375;
constexpr double daw_high_exponent = 2.5;
constexpr double daw_high_offset = 190.0;  // K

// heat capacities are in kJ/(kg K); Prandtl numbers want J/(kg K)
constexpr double kilo = 1000.0;

// Molar density of dry air at (t, p), mol/dm3.
double dry_air_density(double t, double p)
{
    const double va = dry_air(t, p).va();
    return 1.0 / (va * molar_mass_air);
}

// Wilke's rule: property values pa of air and pg of vapour, weighted with the
// factors formed from the viscosities mua and mug.
double wilke(double pa, double pg, double mua, double mug, double xa, double xw)
{
    const double phi_aw = wilke_ka * std::pow(1.0 + wilke_ea * std::sqrt(mua / mug), 2.0);
    const double phi_wa = wilke_kw * std::pow(1.0 + wilke_ew * std::sqrt(mug / mua), 2.0);
    return pa / (1.0 + (xw / xa) * phi_aw) + pg / (1.0 + (xa / xw) * phi_wa);
}

double diffusion_coefficient(double t, double p)
{
    if (t - t_ice < daw_switch)
        return daw_low_factor * std::pow(t, daw_low_exponent) / p;
    return (daw_high_factor / p) * std::pow(t, daw_high_exponent) / (t + daw_high_offset);
}

}  // namespace

double moist_air::mua() const
{
    check_state();
    double mu, k;
    air_trans(m_tdry, dry_air_density(m_tdry, m_p), mu, k);
    return mu;
}

double moist_air::tka() const
{
    check_state();
    double mu, k;
    air_trans(m_tdry, dry_air_density(m_tdry, m_p), mu, k);
    return k;
}

double moist_air::mug() const
{
    check_state();
    const water h2o(m_tdry);
    return h2o.viscosity(1.0 / h2o.vg());
}

double moist_air::tkg() const
{
    check_state();
    const water h2o(m_tdry);
    return h2o.tk(h2o.rhog());
}

double moist_air::muw() const
{
    check_state();
    const water h2o(m_tdry);
    return h2o.viscosity(1.0 / h2o.vl());
}

double moist_air::tkw() const
{
    check_state();
    const water h2o(m_tdry);
    return h2o.tk(1.0 / h2o.vl());
}

double moist_air::mum() const
{
    check_state();
    if (m_xw == 0.0)
        return mua();
    if (1.0 - m_xw == 0.0)
        return mug();
    const double mu_a = mua();
    const double mu_g = mug();
    return wilke(mu_a, mu_g, mu_a, mu_g, 1.0 - m_xw, m_xw);
}

double moist_air::tkm() const
{
    check_state();
    if (m_xw == 0.0)
        return tka();
    if (1.0 - m_xw == 0.0)
        return tkg();
    const double mu_a = mua();
    const double mu_g = mug();
    const double k_a = tka();
    const double k_g = tkg();
    return wilke(k_a, k_g, mu_a, mu_g, 1.0 - m_xw, m_xw);
}

double moist_air::pra() const { return kilo * cpa() * mua() / tka(); }

double moist_air::prg() const { return kilo * cpg() * mug() / tkg(); }

double moist_air::prw() const { return kilo * cpw() * muw() / tkw(); }

double moist_air::prm() const
{
    // heat capacity per kg of moist air
    const double w = this->w();
    const double cp = (cpa() + w * cpg()) / (1.0 + w);
    return kilo * cp * mum() / tkm();
}

double moist_air::daw() const
{
    check_state();
    return diffusion_coefficient(m_tdry, m_p);
}

double moist_air::scm() const
{
    check_state();
    const double rho = (1.0 + w()) / moistair(m_tdry, m_p, m_xw).vm();
    const double mu = mum();
    return mu / (rho * diffusion_coefficient(m_tdry, m_p));
}

}  // namespace hygra::ashrae97
