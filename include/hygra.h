/*
 * hygra.h - thermodynamic and transport properties of moist air.
 *
 * Moist air is treated as a real-gas mixture of dry air and water vapour, in
 * equilibrium with liquid water or ice where saturation is involved (the 1997
 * handbook psychrometric formulation: Hyland-Wexler saturation pressures,
 * second and third virial coefficients, the enhancement factor of saturated
 * air; dry-air transport after Lemmon and Jacobsen, water transport after the
 * IAPWS formulations, Wilke's mixing rule).
 *
 * A state is fixed by its total pressure and one of thirty pairs of inputs
 * (the state types below); any of forty-six properties (the property codes
 * below) can then be read from it.
 *
 * Every function returns a result code (HYGRA_OK and the others below) and
 * writes its value through the result pointer only when it returns HYGRA_OK;
 * on any other code the value behind the pointer is left as it was. No
 * function of this interface ever lets an exception escape.
 *
 * Units. A unit-system flag of 0 selects SI, any other value inch-pound (IP):
 *
 *   quantity                  SI            IP
 *   temperature               degC          degF
 *   pressure                  bar           psi
 *   specific enthalpy         kJ/kg         Btu/lb
 *   specific entropy, cp      kJ/(kg K)     Btu/(lb degF)
 *   specific volume           m3/kg         ft3/lb
 *   density                   kg/m3         lb/ft3
 *   dynamic viscosity         Pa s          lb/(ft h)
 *   thermal conductivity      W/(m K)       Btu/(h ft degF)
 *   diffusion coefficient     m2/s          ft2/h
 *   altitude                  m             ft
 * Humidity ratios, relative humidity (a fraction 0..1, not per cent), mole
 * and mass fractions, the degree of saturation and the Prandtl and Schmidt
 * numbers have no units and are the same in both systems. Mixture properties
 * (VM, HM, SM, CPM, VA, HA, SA, CPA) are per unit mass of dry air; water
 * properties (VW, VG, HW, HG, SW, SG, CPW, CPG) per unit mass of water.
 *
 * Reference states: dry air has zero enthalpy and entropy at 0 degC and
 * 1.01325 bar; water has zero enthalpy and entropy as saturated liquid at the
 * triple point, 0.01 degC.
 *
 * Range of the model: dry-bulb temperature -100 to 372 degC (-148 to 701.6
 * degF), total pressure 0 to 50 bar (0 to 725.19 psi), humidity ratio 0 to
 * 1e6. The limits belong to the range as typed in either unit system: a
 * temperature that converts to within rounding of -100 degC, 372 degC or the
 * triple point 0.01 degC (32.018 degF) is taken as exactly that temperature.
 *
 * Threads: every function may be called from several threads at once. The
 * evaluation functions keep a cache of recently constructed states for each
 * thread, and the message of hygra_last_error() is kept for each thread.
 */
#ifndef HYGRA_H
#define HYGRA_H

#include <stddef.h>

#if defined(HYGRA_BUILDING_LIBRARY) && defined(__GNUC__)
#define HYGRA_API __attribute__((visibility("default")))
#else
#define HYGRA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------ */
/* Result codes, common to every function.                                   */
/* ------------------------------------------------------------------------ */
enum {
    HYGRA_OK = 0,               /* success; the value has been written */
    HYGRA_INVALID_ARGUMENT = 1, /* null result pointer, unknown state type,
                                   property code, name or selector */
    HYGRA_NO_CONVERGENCE = 2,   /* a search found no state, or another failure */
    HYGRA_NOT_APPLICABLE = 3,   /* the property does not apply to this state */
    HYGRA_OUT_OF_RANGE = 4      /* an input, the state or an intermediate
                                   quantity lies outside the model's range */
};

/* ------------------------------------------------------------------------ */
/* Unit systems (the flag argument).                                         */
/* ------------------------------------------------------------------------ */
enum {
    HYGRA_SI = 0, /* degC, bar, kJ/kg, ...   */
    HYGRA_IP = 1  /* degF, psi, Btu/lb, ... (any non-zero flag) */
};

/* ------------------------------------------------------------------------ */
/* State types: which pair of inputs fixes the state. The first and second  */
/* input are given in the order of the name.                                 */
/* ------------------------------------------------------------------------ */
enum {
    HYGRA_TDRY_TWET = 0,  /* dry-bulb temperature, wet-bulb temperature */
    HYGRA_TDRY_RH = 1,    /* dry-bulb temperature, relative humidity (0..1) */
    HYGRA_TDRY_W = 2,     /* dry-bulb temperature, humidity ratio */
    HYGRA_TDRY_H = 3,     /* dry-bulb temperature, enthalpy */
    HYGRA_TDRY_S = 4,     /* dry-bulb temperature, entropy */
    HYGRA_TDRY_V = 5,     /* dry-bulb temperature, specific volume */
    HYGRA_TDRY_TDEW = 6,  /* dry-bulb temperature, dew-point temperature */
    HYGRA_W_TWET = 7,     /* humidity ratio, wet-bulb temperature */
    HYGRA_W_TDRY = 8,     /* humidity ratio, dry-bulb temperature */
    HYGRA_W_RH = 9,       /* humidity ratio, relative humidity */
    HYGRA_W_H = 10,       /* humidity ratio, enthalpy */
    HYGRA_W_S = 11,       /* humidity ratio, entropy */
    HYGRA_W_V = 12,       /* humidity ratio, specific volume */
    HYGRA_RH_TWET = 13,   /* relative humidity, wet-bulb temperature */
    HYGRA_RH_TDRY = 14,   /* relative humidity, dry-bulb temperature */
    HYGRA_RH_W = 15,      /* relative humidity, humidity ratio */
    HYGRA_RH_H = 16,      /* relative humidity, enthalpy */
    HYGRA_RH_S = 17,      /* relative humidity, entropy */
    HYGRA_RH_V = 18,      /* relative humidity, specific volume */
    HYGRA_TDEW_TWET = 19, /* dew-point temperature, wet-bulb temperature */
    HYGRA_TDEW_RH = 20,   /* dew-point temperature, relative humidity */
    HYGRA_TDEW_H = 21,    /* dew-point temperature, enthalpy */
    HYGRA_TDEW_S = 22,    /* dew-point temperature, entropy */
    HYGRA_TDEW_V = 23,    /* dew-point temperature, specific volume */
    HYGRA_TWET_H = 24,    /* wet-bulb temperature, enthalpy (weak: see below) */
    HYGRA_TWET_S = 25,    /* wet-bulb temperature, entropy */
    HYGRA_TWET_V = 26,    /* wet-bulb temperature, specific volume */
    HYGRA_H_S = 27,       /* enthalpy, entropy */
    HYGRA_H_V = 28,       /* enthalpy, specific volume */
    HYGRA_S_V = 29        /* entropy, specific volume */
};

/*
 * Any two of dry bulb, wet bulb, dew point, relative humidity, humidity ratio,
 * enthalpy, entropy and specific volume fix a state, except humidity ratio with
 * dew point (one gives the other): every such pair is a state type above.
 * A dew point gives the humidity ratio directly; a wet bulb, an enthalpy, an
 * entropy or a volume is a line of states from saturated to dry air, searched
 * for the other input. Some pairs fix a state only weakly: along a wet-bulb
 * line the enthalpy changes only by that of the water evaporated (about 1.2
 * kJ/kg over the whole line at 20 degC, nothing at 0.01 degC), and where it
 * cannot tell the states apart HYGRA_TWET_H is refused. Over ice the entropy
 * along a wet-bulb line rises and falls again, as it may along an enthalpy
 * line near saturation at high pressure: a value met at two states is refused
 * rather than answered with either. Pairs of two of wet bulb, enthalpy, entropy
 * and volume answer only with air at or below saturation.
 */

/* ------------------------------------------------------------------------ */
/* Property codes, with their names, meaning and units (SI / IP).            */
/* ------------------------------------------------------------------------ */
enum {
    HYGRA_TDB = 0,   /* TDB  dry-bulb temperature                 degC / degF */
    HYGRA_TWB = 1,   /* TWB  thermodynamic wet-bulb temperature   degC / degF */
    HYGRA_TDEW = 2,  /* TDEW dew-point temperature                degC / degF */
    HYGRA_P = 3,     /* P    total pressure                        bar / psi */
    HYGRA_PWS = 4,   /* PWS  saturation pressure at the dry bulb   bar / psi */
    HYGRA_PWET = 5,  /* PWET saturation pressure at the wet bulb   bar / psi */
    HYGRA_PDEW = 6,  /* PDEW saturation pressure at the dew point  bar / psi */
    HYGRA_XW = 7,    /* XW   mole fraction of water vapour              - */
    HYGRA_XA = 8,    /* XA   mole fraction of dry air                   - */
    HYGRA_MW = 9,    /* MW   mass fraction of water vapour              - */
    HYGRA_MA = 10,   /* MA   mass fraction of dry air                   - */
    HYGRA_W = 11,    /* W    humidity ratio, kg water per kg dry air    - */
    HYGRA_WS = 12,   /* WS   humidity ratio at saturation               - */
    HYGRA_RH = 13,   /* RH   relative humidity, a fraction 0..1         - */
    HYGRA_VA = 14,   /* VA   specific volume of dry air alone    m3/kg / ft3/lb */
    HYGRA_VM = 15,   /* VM   specific volume of moist air        m3/kg / ft3/lb */
    HYGRA_VW = 16,   /* VW   specific volume of ice or liquid    m3/kg / ft3/lb */
    HYGRA_VG = 17,   /* VG   specific volume of saturated vapour m3/kg / ft3/lb */
    HYGRA_HA = 18,   /* HA   specific enthalpy of dry air alone  kJ/kg / Btu/lb */
    HYGRA_HM = 19,   /* HM   specific enthalpy of moist air      kJ/kg / Btu/lb */
    HYGRA_HW = 20,   /* HW   specific enthalpy of ice or liquid  kJ/kg / Btu/lb */
    HYGRA_HG = 21,   /* HG   specific enthalpy of saturated vapour kJ/kg / Btu/lb */
    HYGRA_SA = 22,   /* SA   specific entropy of dry air alone   kJ/(kg K) / Btu/(lb degF) */
    HYGRA_SM = 23,   /* SM   specific entropy of moist air       kJ/(kg K) / Btu/(lb degF) */
    HYGRA_SW = 24,   /* SW   specific entropy of ice or liquid   kJ/(kg K) / Btu/(lb degF) */
    HYGRA_SG = 25,   /* SG   specific entropy of saturated vapour kJ/(kg K) / Btu/(lb degF) */
    HYGRA_CPA = 26,  /* CPA  specific heat of dry air alone      kJ/(kg K) / Btu/(lb degF) */
    HYGRA_CPM = 27,  /* CPM  specific heat of moist air          kJ/(kg K) / Btu/(lb degF) */
    HYGRA_CPW = 28,  /* CPW  specific heat of liquid water       kJ/(kg K) / Btu/(lb degF) */
    HYGRA_CPG = 29,  /* CPG  specific heat of saturated vapour   kJ/(kg K) / Btu/(lb degF) */
    HYGRA_MUA = 30,  /* MUA  dynamic viscosity of dry air        Pa s / lb/(ft h) */
    HYGRA_MUM = 31,  /* MUM  dynamic viscosity of moist air      Pa s / lb/(ft h) */
    HYGRA_MUW = 32,  /* MUW  dynamic viscosity of liquid water   Pa s / lb/(ft h) */
    HYGRA_MUG = 33,  /* MUG  dynamic viscosity of saturated vapour Pa s / lb/(ft h) */
    HYGRA_KA = 34,   /* KA   thermal conductivity of dry air     W/(m K) / Btu/(h ft degF) */
    HYGRA_KM = 35,   /* KM   thermal conductivity of moist air   W/(m K) / Btu/(h ft degF) */
    HYGRA_KW = 36,   /* KW   thermal conductivity of liquid water W/(m K) / Btu/(h ft degF) */
    HYGRA_KG = 37,   /* KG   thermal conductivity of saturated vapour W/(m K) / Btu/(h ft degF) */
    HYGRA_PRA = 38,  /* PRA  Prandtl number of dry air                  - */
    HYGRA_PRM = 39,  /* PRM  Prandtl number of moist air                - */
    HYGRA_PRW = 40,  /* PRW  Prandtl number of liquid water             - */
    HYGRA_PRG = 41,  /* PRG  Prandtl number of saturated vapour         - */
    HYGRA_DAW = 42,  /* DAW  diffusion coefficient of vapour in air m2/s / ft2/h */
    HYGRA_SCM = 43,  /* SCM  Schmidt number of moist air                - */
    HYGRA_RHO = 44,  /* RHO  density of moist air (mass of moist air per volume) kg/m3 / lb/ft3 */
    HYGRA_DS = 45    /* DS   degree of saturation, W / WS               - */
};

/* Number of state types and of property codes. */
#define HYGRA_STATE_TYPE_COUNT 30
#define HYGRA_PROPERTY_COUNT 46

/*
 * moistair_eval - one property of one state of moist air.
 *
 *   state_type  one of the HYGRA_TDRY_TWET ... HYGRA_S_V state types
 *   code        one of the HYGRA_TDB ... HYGRA_DS property codes
 *   units       HYGRA_SI (0) or inch-pound (any other value)
 *   result      where the value is written, in the chosen unit system
 *   first       first input of the pair, in the order of the state type
 *   second      second input of the pair
 *   pressure    total pressure, bar (SI) or psi (IP)
 *
 * Returns HYGRA_OK and writes the value, or returns:
 *   HYGRA_INVALID_ARGUMENT  result is NULL, the state type is not 0..29, or
 *                           the property code is not 0..45 (the state itself
 *                           is constructed first, so a state that cannot be
 *                           constructed reports its own code instead);
 *   HYGRA_OUT_OF_RANGE      an input or the state is outside the model's range
 *                           (temperature -100..372 degC, pressure 0..50 bar,
 *                           relative humidity 0..1 where it fixes the state),
 *                           or the search for the state leaves it;
 *   HYGRA_NO_CONVERGENCE    a search for the state or the property failed;
 *   HYGRA_NOT_APPLICABLE    the property does not apply to the state.
 *
 * NaN and other non-numbers: a NaN among first, second and pressure gives
 * HYGRA_OK, and every property that depends on the NaN is NaN (no search is
 * run on it); what the inputs that are numbers fix alone keeps its value (a
 * given dry bulb, a given humidity ratio and its dew point, the pressure).
 * An infinite input, a negative humidity ratio or relative humidity, and a
 * humidity ratio above 1e6 are refused with HYGRA_OUT_OF_RANGE. -0 and +0
 * are the same value for every input.
 *
 * Constructed states are cached (at most 101 of them in each thread; the
 * cache is emptied whole when full), so reading several properties of one
 * state constructs it once. Cache keys compare the converted inputs exactly.
 * On failure hygra_last_error() says which input or search failed.
 */
HYGRA_API int moistair_eval(int state_type, int code, int units, double *result,
                            double first, double second, double pressure);

/*
 * moistair_eval_str - one property of one state, the property named as text.
 *
 *   state_type  one of the HYGRA_TDRY_TWET ... HYGRA_S_V state types
 *   name        a NUL-terminated property name from the list above ("TDB",
 *               "HM", ...), or a property code written in decimal ("19")
 *   units, result, first, second, pressure   as for moistair_eval
 *
 * The name is upper-cased and stripped of leading and trailing white space
 * (blanks, tabs, line ends) in the C++ global locale (the classic "C"
 * locale unless the program installs another), so "hm", " HM\n" and
 * "Hm" all name HYGRA_HM; white space inside a name is kept ("T DB" is no
 * name). A text that then starts with a digit 0..9 is read as a decimal
 * property code: its leading digits count and anything after them is
 * ignored ("013" and "13abc" are 13). Signs are not digits: "+5" and "-1" are
 * looked up as names and not found. A number above 45, however many digits
 * it has, names no property.
 *
 * Returns what moistair_eval returns for the resolved code, or:
 *   HYGRA_INVALID_ARGUMENT  result or name is NULL (nothing else is done), or
 *                           the name is unknown, empty or blank, or a number
 *                           above 45 (the state is constructed and cached
 *                           first, so a state that cannot be constructed
 *                           reports its own code instead);
 *   HYGRA_NO_CONVERGENCE    also when memory for a copy of the name runs out.
 */
HYGRA_API int moistair_eval_str(int state_type, const char *name, int units, double *result,
                                double first, double second, double pressure);

/*
 * moistair_pz - pressure of the standard atmosphere at an altitude.
 * moistair_tz - temperature of the standard atmosphere at an altitude.
 *
 *   units     HYGRA_SI (0) or inch-pound (any other value)
 *   result    where the value is written: the pressure in bar (SI) or psi
 *             (IP), the unit moistair_eval takes its pressure in; the
 *             temperature in degC (SI) or degF (IP)
 *   altitude  m (SI) or ft (IP), from -500 to 10000 m (-1640.42 to
 *             32808.40 ft); both limits are accepted
 *
 * The standard atmosphere falls 6.5 K per km from 15 degC and 1.01325 bar at
 * sea level: p = 101325 Pa * (1 - 2.25577e-5 z)^5.2559, T = 15 degC - 0.0065 z,
 * with z in m. At -500 m: 1.074775 bar, 18.25 degC; at 10000 m: 0.264361 bar,
 * -50 degC.
 *
 * Returns HYGRA_OK and writes the value, or returns:
 *   HYGRA_INVALID_ARGUMENT  result is NULL;
 *   HYGRA_OUT_OF_RANGE      the altitude is outside -500..10000 m (also an
 *                           infinite altitude).
 * A NaN altitude is not rejected: the value written is NaN, with HYGRA_OK.
 * These functions keep no state and may be called from any thread.
 */
HYGRA_API int moistair_pz(int units, double *result, double altitude);
HYGRA_API int moistair_tz(int units, double *result, double altitude);

/* Selectors of moistair_const: the model's molar masses and its range. */
enum {
    HYGRA_CONST_MW = 0,   /* molar mass of water      18.01528 kg/kmol (both systems) */
    HYGRA_CONST_MA = 1,   /* molar mass of dry air    28.9645 kg/kmol (both systems) */
    HYGRA_CONST_TMIN = 2, /* lowest dry-bulb temperature   -100 degC / -148 degF */
    HYGRA_CONST_TMAX = 3, /* highest dry-bulb temperature   372 degC / 701.6 degF */
    HYGRA_CONST_PMIN = 4, /* lowest total pressure            0 bar / 0 psi */
    HYGRA_CONST_PMAX = 5  /* highest total pressure          50 bar / 725.19 psi */
};

/* Number of moistair_const selectors. */
#define HYGRA_CONST_COUNT 6

/*
 * moistair_const - a constant of the model.
 *
 *   selector  one of HYGRA_CONST_MW ... HYGRA_CONST_PMAX
 *   units     HYGRA_SI (0) or inch-pound (any other value); the molar masses
 *             are the same in both systems
 *   result    where the value is written, in the units listed with the
 *             selectors
 *
 * The temperature and pressure limits are those of moistair_eval: states
 * outside them give HYGRA_OUT_OF_RANGE there.
 *
 * Returns HYGRA_OK and writes the value, or returns HYGRA_INVALID_ARGUMENT
 * when result is NULL or the selector is not 0..5 (negative ones included).
 * It never returns another code, keeps no state and may be called from any
 * thread.
 */
HYGRA_API int moistair_const(int selector, int units, double *result);

/* ------------------------------------------------------------------------ */
/* Property metadata: names, meanings and units of the property codes.       */
/* ------------------------------------------------------------------------ */

/*
 * hygra_property_name    - the short name of a property code ("TDB", "HM").
 * hygra_property_meaning - what the property is, a short phrase in lower case
 *                          but for proper names ("specific enthalpy of moist
 *                          air, per mass of dry air", "Prandtl number of dry air").
 * hygra_property_unit    - its unit in a unit system.
 *
 *   code   one of the HYGRA_TDB ... HYGRA_DS property codes
 *   units  HYGRA_SI (0) or inch-pound (any other value)
 *
 * The names are those that moistair_eval_str accepts, upper-case ASCII. Units
 * are ASCII, written as in the list of property codes above: "degC", "bar",
 * "kJ/(kg K)", "m3/kg", "Btu/(lb degF)", ...; a property without unit (a
 * fraction, a ratio, a dimensionless number) has the empty string "".
 *
 * Each returns a pointer to a static NUL-terminated string, valid for the life
 * of the library and never to be freed or changed, or NULL when the code is
 * not 0..45 (negative codes included). They keep no state, never fail
 * otherwise and may be called from any thread.
 */
HYGRA_API const char *hygra_property_name(int code);
HYGRA_API const char *hygra_property_meaning(int code);
HYGRA_API const char *hygra_property_unit(int code, int units);

/* ------------------------------------------------------------------------ */
/* Messages and version.                                                     */
/* ------------------------------------------------------------------------ */

/* Version of this header; hygra_version() gives that of the library loaded. */
#define HYGRA_VERSION_MAJOR 0
#define HYGRA_VERSION_MINOR 1
#define HYGRA_VERSION_PATCH 0
#define HYGRA_VERSION "0.1.0"

/*
 * hygra_strerror - a short constant text for a result code ("success",
 * "invalid argument", ...); "unknown result code" for any other number. Never
 * NULL; the text is static and must not be freed.
 */
HYGRA_API const char *hygra_strerror(int code);

/*
 * hygra_last_error - the message of the last failure of a hygra function in
 * the calling thread, in words a user understands: which input, which limit,
 * which search, in the caller's units ("dry-bulb temperature -120 degC is
 * below the lowest temperature of the model, -100 degC"). Empty ("") after a
 * call that succeeded. Never NULL. The text belongs to the calling thread and
 * stays valid until its next call of a hygra function.
 */
HYGRA_API const char *hygra_last_error(void);

/* hygra_version - the version of the library, "MAJOR.MINOR.PATCH". */
HYGRA_API const char *hygra_version(void);

/* ------------------------------------------------------------------------ */
/* Many states in one call.                                                  */
/* ------------------------------------------------------------------------ */

/*
 * hygra_eval_batch - several properties of each of n states of one state type.
 *
 *   state_type, units      as for moistair_eval
 *   n                      number of states
 *   first, second,         arrays of n inputs and pressures, in the caller's
 *   pressure               units, as for moistair_eval
 *   codes, n_codes         the property codes to read from each state
 *   results                n * n_codes values: property codes[j] of state i at
 *                          results[i * n_codes + j]
 *   status                 n * n_codes result codes, in the same places
 *
 * Each value is exactly what moistair_eval gives for it: where its status is
 * not HYGRA_OK the value is left as it was. Returns HYGRA_OK when every value
 * succeeded, HYGRA_INVALID_ARGUMENT when an array is NULL (and n and n_codes
 * are not 0; nothing is then written), else the status of the first value that
 * failed, whose message hygra_last_error() gives with its place
 * ("element 3, property 19: ...").
 */
HYGRA_API int hygra_eval_batch(int state_type, int units, size_t n, const double *first,
                               const double *second, const double *pressure, const int *codes,
                               size_t n_codes, double *results, int *status);

#ifdef __cplusplus
}
#endif

#endif /* HYGRA_H */
