#include "api/state_inputs.h"

#include <array>

#include "api/units.h"

namespace hygra {

namespace {

constexpr input tdb{"dry-bulb temperature", quantity::temperature};
constexpr input twb{"wet-bulb temperature", quantity::temperature};
constexpr input tdew{"dew-point temperature", quantity::temperature};
constexpr input w{"humidity ratio", quantity::humidity_ratio};
constexpr input rh{"relative humidity", quantity::relative_humidity};
constexpr input h{"enthalpy", quantity::enthalpy};
constexpr input s{"entropy", quantity::entropy};
constexpr input v{"specific volume", quantity::volume};

constexpr std::array<state_inputs, HYGRA_STATE_TYPE_COUNT> table = {{
    {tdb, twb}, {tdb, rh}, {tdb, w},  {tdb, h}, {tdb, s}, {tdb, v}, {tdb, tdew},
    {w, twb},   {w, tdb},  {w, rh},   {w, h},   {w, s},   {w, v},
    {rh, twb},  {rh, tdb}, {rh, w},   {rh, h},  {rh, s},  {rh, v},
    {tdew, twb}, {tdew, rh}, {tdew, h}, {tdew, s}, {tdew, v},
    {twb, h},   {twb, s},  {twb, v},  {h, s},   {h, v},   {s, v},
}};

}  // namespace

const state_inputs& inputs_of(int t) { return table[static_cast<unsigned>(t)]; }

double input_in(quantity q, double v, int u)
{
    switch (q) {
    case quantity::temperature: return temperature_in(v, u);
    case quantity::enthalpy: return v / u_Fh[u];
    case quantity::entropy: return entropy_in(v, u);
    case quantity::volume: return v / u_Fv[u];
    case quantity::humidity_ratio:
    case quantity::relative_humidity: break;
    }
    return v;
}

}  // namespace hygra
