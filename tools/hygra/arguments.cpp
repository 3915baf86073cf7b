// Argument handling with CLI11, the help text, and the words that CLI11 leaves
// as positionals: NAME=VALUE inputs, P= or ALT=, and property names.
#include "arguments.h"

#include <cctype>
#include <iostream>

#include <CLI/CLI.hpp>

#include "chart/options.h"
#include "hygra.h"
#include "numbers.h"
#include "state_selection.h"

#ifndef HYGRA_TOOL_VERSION
#define HYGRA_TOOL_VERSION "unknown"
#endif

namespace hygra::tool {

namespace {

// The usage lines in place of CLI11's generic one.
class formatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string) const override
    {
        const std::string chart = chart_usage();
        if (app->get_parent() != nullptr)
            return "Usage: " + chart;
        return "Usage: hygra [OPTIONS] NAME=VALUE NAME=VALUE [P=VALUE | ALT=VALUE] [PROPERTY...]\n"
               "       hygra [OPTIONS] --batch FILE [P=VALUE | ALT=VALUE] [PROPERTY...]\n"
               "       " + chart;
    }
};

double constant(int selector, int units)
{
    double v = 0.0;
    moistair_const(selector, units, &v);
    return v;
}

std::string sea_level_pressure(int units)
{
    double p = 0.0;
    moistair_pz(units, &p, 0.0);
    return format_short(p) + (units == HYGRA_SI ? " bar" : " psi");
}

std::string property_list()
{
    std::string out;
    for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code) {
        out += code % 12 == 0 ? "\n  " : " ";
        out += hygra_property_name(code);
    }
    return out;
}

std::string help_footer()
{
    const int si = HYGRA_SI;
    const int ip = HYGRA_IP;
    std::string t;
    t += "A state is fixed by two inputs named as the library names its properties:\n"
         "  TDB dry-bulb temperature, TWB wet-bulb temperature, TDEW dew-point temperature,\n"
         "  RH relative humidity (a fraction 0..1, not per cent), W humidity ratio (kg/kg),\n"
         "  HM enthalpy, SM entropy, VM specific volume (all per mass of dry air).\n";
    std::string pairs = pairs_text();
    for (std::size_t at = pairs.find("; "); at != std::string::npos; at = pairs.find("; ", at))
        pairs.replace(at, 2, ";\n  ");
    t += "The pairs that fix a state (in either order):\n  " + pairs + ".\n";
    t += "The total pressure is P= in bar (psi with --ip), or ALT= an altitude in m (ft\n"
         "with --ip) of the standard atmosphere; without either it is " +
         sea_level_pressure(si) + "\n(" + sea_level_pressure(ip) +
         "), the standard atmosphere at sea level. Names are read without regard\nto case.\n\n";
    t += "Properties (all of them when none is named; the table shows each one's\n"
         "meaning and unit):" +
         property_list() + "\n\n";
    t += "Range of the model: dry-bulb temperature " + format_short(constant(HYGRA_CONST_TMIN, si)) +
         " to " + format_short(constant(HYGRA_CONST_TMAX, si)) + " degC (" +
         format_short(constant(HYGRA_CONST_TMIN, ip)) + " to " +
         format_short(constant(HYGRA_CONST_TMAX, ip)) + " degF),\ntotal pressure " +
         format_short(constant(HYGRA_CONST_PMIN, si)) + " to " +
         format_short(constant(HYGRA_CONST_PMAX, si)) + " bar (" +
         format_short(constant(HYGRA_CONST_PMIN, ip)) + " to " +
         format_short(constant(HYGRA_CONST_PMAX, ip)) +
         " psi); altitude -500 to 10000 m\n(-1640.42 to 32808.4 ft).\n\n";
    t += "Batch: FILE (- for standard input) is CSV whose header names two inputs and\n"
         "optionally P or ALT; other columns pass through unchanged. Each row is written\n"
         "back with the properties and an error column appended. A row that fails keeps\n"
         "its place, with empty values and the reason in the error column, and the batch\n"
         "goes on. P= or ALT= on the command line sets the pressure of a file without\n"
         "a P or ALT column. Blank lines are skipped.\n\n";
    t += "Chart: hygra chart writes a psychrometric chart as SVG, PNG or PDF (hygra chart\n"
         "--help).\n\n";
    t += "Exit status: 0 when everything was computed; 1 when a state, a property or a\n"
         "batch row failed; 2 when the command line, the batch header or a file is wrong.\n\n";
    t += "Examples:\n"
         "  hygra TDB=20 RH=0.5                      all properties of 20 degC, 50 %\n"
         "  hygra W=0.008 HM=45 TDB TWB RH           three properties of another state\n"
         "  hygra --ip TDB=68 TWB=59 ALT=5280 --json inch-pound units, at 5280 ft\n"
         "  hygra --csv TDB=25 TDEW=10 P=0.9 W HM    at 0.9 bar, as CSV\n"
         "  hygra --batch rooms.csv TWB HM > out.csv\n"
         "  printf 'TDB,RH\\n20,0.5\\n30,0.4\\n' | hygra --batch - W HM\n";
    return t;
}

// The words after the options, each an input, a pressure or a property.
void read_words(const std::vector<std::string>& words, options& out)
{
    bool selected = false;
    for (const std::string& word : words) {
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos) {
            const std::optional<int> code = find_property(word);
            if (!code) {
                throw usage_error("unknown property '" + word +
                                  "'; the properties are listed by hygra --help");
            }
            selected = true;
            bool seen = false;
            for (int c : out.properties)
                seen = seen || c == *code;
            if (!seen)
                out.properties.push_back(*code);
            continue;
        }
        const std::string name = word.substr(0, eq);
        const std::string text = word.substr(eq + 1);
        const std::optional<int> code = find_property(name);
        std::string upper = code ? hygra_property_name(*code) : name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper == "P" || upper == "ALT") {
            if (out.pressure.kind != pressure_input::sea_level)
                throw usage_error("the pressure is given twice; give one P= or one ALT=");
            out.pressure.kind = upper == "P" ? pressure_input::pressure : pressure_input::altitude;
            out.pressure.value = require_number(upper, text);
            continue;
        }
        if (!code) {
            throw usage_error("unknown input '" + name + "' in '" + word + "'; the inputs are " +
                              input_names() + ", and P or ALT for the pressure");
        }
        if (!is_input(*code)) {
            throw usage_error(upper + " cannot fix a state; the inputs are " + input_names() +
                              ", and P or ALT for the pressure");
        }
        for (const given_input& in : out.inputs) {
            if (in.code == *code)
                throw usage_error(upper + " is given twice");
        }
        out.inputs.push_back({*code, require_number(upper, text)});
    }
    if (!selected) {
        for (int code = 0; code < HYGRA_PROPERTY_COUNT; ++code)
            out.properties.push_back(code);
    }
}

}  // namespace

double require_number(const std::string& name, const std::string& text)
{
    double value = 0.0;
    switch (parse_number(text, value)) {
    case number_status::ok: return value;
    case number_status::empty: throw usage_error(name + " has no value");
    case number_status::not_a_number:
        throw usage_error(name + ": '" + text + "' is not a number");
    case number_status::not_finite:
        throw usage_error(name + ": '" + text + "' is not a finite number");
    }
    throw usage_error(name + ": '" + text + "' is not a number");
}

state_choice require_pair(int first_given, int second_given)
{
    if (const std::optional<state_choice> choice = choose_state(first_given, second_given))
        return *choice;
    throw usage_error(std::string(hygra_property_name(first_given)) + " and " +
                      hygra_property_name(second_given) +
                      " do not fix a state; the pairs that do are " + pairs_text());
}

std::optional<int> parse_arguments(int argc, char** argv, options& out)
{
    CLI::App app("hygra - thermodynamic and transport properties of moist air", "hygra");
    app.formatter(std::make_shared<formatter>());
    app.footer(help_footer());
    app.set_version_flag("--version", std::string("hygra ") + HYGRA_TOOL_VERSION);

    bool ip = false;
    bool csv = false;
    bool json = false;
    std::string batch;
    std::vector<std::string> words;
    app.add_flag("--ip", ip, "inch-pound units (degF, psi, Btu/lb, ft, ...) instead of SI");
    CLI::Option* csv_flag = app.add_flag("--csv", csv, "CSV instead of a table");
    CLI::Option* json_flag = app.add_flag("--json", json, "JSON instead of a table");
    CLI::Option* batch_opt =
        app.add_option("--batch", batch,
                       "compute every row of the CSV file FILE (- for standard input)")
            ->type_name("FILE");
    csv_flag->excludes(json_flag);
    json_flag->excludes(batch_opt);
    // Listed by the usage lines rather than in a group of their own.
    app.add_option("words", words, "inputs NAME=VALUE, P= or ALT=, and property names")
        ->group("");

    const chart_command chart(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);  // --help or --version, printed on standard output
    } catch (const CLI::ParseError& e) {
        std::cerr << "hygra: " << e.what() << "\nRun hygra --help for the usage.\n";
        return exit_usage;
    }

    out.units = ip ? HYGRA_IP : HYGRA_SI;
    if (chart.parsed()) {
        if (csv || json || batch_opt->count() > 0 || !words.empty()) {
            throw usage_error("hygra chart takes --ip, P= or ALT=, and its own options "
                              "(hygra chart --help)");
        }
        chart.read(out);
        return std::nullopt;
    }
    out.format = json ? output_format::json : csv ? output_format::csv : output_format::table;
    if (batch_opt->count() > 0)
        out.batch = batch;
    read_words(words, out);
    return std::nullopt;
}

}  // namespace hygra::tool
