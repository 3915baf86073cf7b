// The shift between the datums is the enthalpy (entropy) of dry air at 0 degF
// and the standard atmosphere at sea level, as the library gives it: zero at
// 0 degF means subtracting it. Per mass of dry air, so the moist-air values
// shift by the same amount as the dry-air ones.
#include "ip_datum.h"

#include "arguments.h"
#include "hygra.h"

namespace hygra::tool {

namespace {

// HA or SA of dry air (W = 0) at 0 degF and 1 atm, in inch-pound units.
double dry_air_at_0f(int code)
{
    double p = 0.0;
    moistair_pz(HYGRA_IP, &p, 0.0);
    double v = 0.0;
    moistair_eval(HYGRA_TDRY_W, code, HYGRA_IP, &v, 0.0, 0.0, p);
    return v;
}

// The shift of a property, in the unit system `units`; 0 for properties that
// do not move.
double shift(int code, int units)
{
    static const double ha_ip = dry_air_at_0f(HYGRA_HA);
    static const double sa_ip = dry_air_at_0f(HYGRA_SA);
    double h = 0.0, s = 0.0;
    if (units == HYGRA_SI) {
        // Values in SI: 1 Btu/lb = 2.326 kJ/kg, 1 Btu/(lb degF) = 4.1868 kJ/(kg K).
        h = ha_ip * 2.326;
        s = sa_ip * 4.1868;
    } else {
        h = ha_ip;
        s = sa_ip;
    }
    switch (code) {
    case HYGRA_HM:
    case HYGRA_HA: return h;
    case HYGRA_SM:
    case HYGRA_SA: return s;
    default: return 0.0;
    }
}

}  // namespace

enthalpy_datum read_datum(const std::string& text)
{
    if (text == "0F" || text == "0f")
        return enthalpy_datum::zero_f;
    if (text == "0C" || text == "0c")
        return enthalpy_datum::zero_c;
    throw usage_error("--ip-datum: '" + text + "' is not a datum; give 0F (dry air zero at 0 degF) "
                      "or 0C (dry air zero at 0 degC, the library's)");
}

std::string datum_text(enthalpy_datum datum, int units)
{
    const bool ip = units != HYGRA_SI;
    if (datum == enthalpy_datum::zero_f)
        return "dry air zero at 0 degF and 1 atm; water zero as liquid at 32.018 degF";
    return ip ? "dry air zero at 32 degF (0 degC) and 1 atm; water zero as liquid at 32.018 degF"
              : "dry air zero at 0 degC and 1 atm; water zero as liquid at 0.01 degC";
}

double from_library_datum(enthalpy_datum datum, int code, double value, int units)
{
    return datum == enthalpy_datum::zero_f ? value - shift(code, units) : value;
}

double to_library_datum(enthalpy_datum datum, int code, double value, int units)
{
    return datum == enthalpy_datum::zero_f ? value + shift(code, units) : value;
}

}  // namespace hygra::tool
