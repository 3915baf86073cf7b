// The forty-six property codes: seven are read straight off the stored state,
// the others call one getter and convert its value out of internal units.
#include "api/property_dispatch.h"

#include <array>

#include "api/units.h"
#include "ashrae97/constants.h"
#include "hygra.h"

namespace hygra {

namespace {

using ashrae97::moist_air;
using getter = double (moist_air::*)() const;

// How a getter's value leaves the library.
enum class conversion {
    none,         // fractions, ratios and dimensionless numbers
    temperature,  // K -> degC or degF
    pressure,     // x u_Fp
    enthalpy,     // x u_Fh
    entropy,      // x u_Fh / u_Ft (also heat capacities)
    volume,       // x u_Fv
    density,      // / u_Fv
    viscosity,    // x u_Fm
    conductivity, // x u_Fk
    diffusivity   // x u_Fd
};

struct dispatch_entry {
    getter get;  // null for the codes answered inline
    conversion out;
};

constexpr std::array<dispatch_entry, HYGRA_PROPERTY_COUNT> table = {{
    {nullptr, conversion::temperature},            // TDB
    {&moist_air::twet, conversion::temperature},   // TWB
    {&moist_air::tdew, conversion::temperature},   // TDEW
    {nullptr, conversion::pressure},               // P
    {&moist_air::pws, conversion::pressure},       // PWS
    {&moist_air::pwet, conversion::pressure},      // PWET
    {&moist_air::pdew, conversion::pressure},      // PDEW
    {nullptr, conversion::none},                   // XW
    {nullptr, conversion::none},                   // XA
    {nullptr, conversion::none},                   // MW
    {nullptr, conversion::none},                   // MA
    {nullptr, conversion::none},                   // W
    {&moist_air::ws, conversion::none},            // WS
    {&moist_air::rh, conversion::none},            // RH
    {&moist_air::va, conversion::volume},          // VA
    {&moist_air::vm, conversion::volume},          // VM
    {&moist_air::vw, conversion::volume},          // VW
    {&moist_air::vg, conversion::volume},          // VG
    {&moist_air::ha, conversion::enthalpy},        // HA
    {&moist_air::hm, conversion::enthalpy},        // HM
    {&moist_air::hw, conversion::enthalpy},        // HW
    {&moist_air::hg, conversion::enthalpy},        // HG
    {&moist_air::sa, conversion::entropy},         // SA
    {&moist_air::sm, conversion::entropy},         // SM
    {&moist_air::sw, conversion::entropy},         // SW
    {&moist_air::sg, conversion::entropy},         // SG
    {&moist_air::cpa, conversion::entropy},        // CPA
    {&moist_air::cpm, conversion::entropy},        // CPM
    {&moist_air::cpw, conversion::entropy},        // CPW
    {&moist_air::cpg, conversion::entropy},        // CPG
    {&moist_air::mua, conversion::viscosity},      // MUA
    {&moist_air::mum, conversion::viscosity},      // MUM
    {&moist_air::muw, conversion::viscosity},      // MUW
    {&moist_air::mug, conversion::viscosity},      // MUG
    {&moist_air::tka, conversion::conductivity},   // KA
    {&moist_air::tkm, conversion::conductivity},   // KM
    {&moist_air::tkw, conversion::conductivity},   // KW
    {&moist_air::tkg, conversion::conductivity},   // KG
    {&moist_air::pra, conversion::none},           // PRA
    {&moist_air::prm, conversion::none},           // PRM
    {&moist_air::prw, conversion::none},           // PRW
    {&moist_air::prg, conversion::none},           // PRG
    {&moist_air::daw, conversion::diffusivity},    // DAW
    {&moist_air::scm, conversion::none},           // SCM
    {&moist_air::rho, conversion::density},        // RHO
    {&moist_air::ds, conversion::none},            // DS
}};

double convert(double v, conversion out, int u)
{
    switch (out) {
    case conversion::none: return v;
    case conversion::temperature: return temperature_out(v, u);
    case conversion::pressure: return v * u_Fp[u];
    case conversion::enthalpy: return v * u_Fh[u];
    case conversion::entropy: return entropy_out(v, u);
    case conversion::volume: return v * u_Fv[u];
    case conversion::density: return v / u_Fv[u];
    case conversion::viscosity: return v * u_Fm[u];
    case conversion::conductivity: return v * u_Fk[u];
    case conversion::diffusivity: return v * u_Fd[u];
    }
    return v;
}

// The seven codes computed from the stored fields themselves.
double inline_value(const moist_air& state, int code)
{
    using ashrae97::molar_mass_air;
    using ashrae97::molar_mass_water;
    const double xw = state.xw();
    switch (code) {
    case HYGRA_TDB: return state.tdry();
    case HYGRA_P: return state.p();
    case HYGRA_XW: return xw;
    case HYGRA_XA: return 1.0 - xw;
    case HYGRA_MW:
        return xw * molar_mass_water / (xw * molar_mass_water + (1.0 - xw) * molar_mass_air);
    case HYGRA_MA:
        return (1.0 - xw) * molar_mass_air / ((1.0 - xw) * molar_mass_air + xw * molar_mass_water);
    default:  // HYGRA_W
        return ashrae97::w_from_xw(xw);
    }
}

}  // namespace

double property_value(const moist_air& state, int code, int u)
{
    const dispatch_entry& entry = table[static_cast<unsigned>(code)];
    double value;
    if (entry.get == nullptr) {
        state.check_state();
        value = inline_value(state, code);
    } else {
        value = (state.*entry.get)();
    }
    return convert(value, entry.out, u);
}

}  // namespace hygra
