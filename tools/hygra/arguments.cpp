// Argument handling with CLI11, the help text, and the words that CLI11 leaves
// as positionals: NAME=VALUE inputs, P= or ALT=, and property names.
#include "arguments.h"

#include <cctype>
#include <iostream>
#include <sstream>

#include <CLI/CLI.hpp>

#include "checked_output.h"
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
               "       hygra [OPTIONS] --epw FILE [PROPERTY...]\n"
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
         "optionally P or ALT; other columns pass through unchanged. A header may hold\n"
         "more inputs when --inputs picks two, and a name may carry its unit, as in\n"
         "TDB [degF], RH [%], P [Pa] (or set one with --unit RH=%). The units read:\n"
         "  temperatures degC (C), degF (F), K; RH a fraction (-) or %;\n"
         "  P bar, Pa, hPa (mbar), kPa, psi, inHg, mmHg; W kg/kg (lb/lb), g/kg, grains/lb;\n"
         "  HM kJ/kg, J/kg, Btu/lb; SM kJ/(kg K), Btu/(lb degF); VM m3/kg, ft3/lb.\n"
         "Each line of the file gives one row of the output: its columns, then each\n"
         "property asked for that is not an input (\"W [kg/kg]\", \"HM [kJ/kg]\"), then a\n"
         "note (a supersaturated state) and an error column. A row that fails keeps its\n"
         "place, with empty values and every reason in the error column; standard error\n"
         "counts the reasons at the end, and a run whose first 100 rows fail alike stops\n"
         "there (--keep-going computes every row). The columns are separated by commas,\n"
         "or by ';' or tabs when the header has no comma (--delimiter says so).\n"
         "A quote must close on its own line. P= or ALT= on the command line sets the\n"
         "pressure of a file without a P or ALT column. SIGINT or SIGTERM ends a batch\n"
         "after the row being written.\n\n";
    t += "Weather files: --epw FILE reads an EnergyPlus weather file (--batch knows one\n"
         "by its first line too): year, month, day, hour, minute, TDB [degC], TDEW [degC],\n"
         "RH [%] and P [Pa] of each hour, the state from TDB and TDEW unless --inputs\n"
         "chooses (TDB,RH for example); a value the file marks missing (99.9, 999,\n"
         "999999) leaves the row empty with the reason.\n\n";
    t += "Enthalpy datum: enthalpy and entropy are zero for dry air at 0 degC (32 degF)\n"
         "and 1 atm and for liquid water at 0.01 degC, in both unit systems; with --ip,\n"
         "--ip-datum=0F puts dry air's zero at 0 degF instead, as inch-pound charts do\n"
         "(HM, HA, SM and SA, given or shown).\n\n";
    t += "Chart: hygra chart writes a psychrometric chart as SVG, PNG or PDF (hygra chart\n"
         "--help).\n\n";
    t += "Exit status: 0 when everything was computed; 1 when a state, a property or a\n"
         "batch row failed; 2 when the command line, the batch header or a file is wrong,\n"
         "or the output cannot be written.\n\n";
    t += "Examples:\n"
         "  hygra TDB=20 RH=0.5                      all properties of 20 degC, 50 %\n"
         "  hygra W=0.008 HM=45 TDB TWB RH           three properties of another state\n"
         "  hygra --ip TDB=68 TWB=59 ALT=5280 --json inch-pound units, at 5280 ft\n"
         "  hygra --csv TDB=25 TDEW=10 P=0.9 W HM    at 0.9 bar, as CSV\n"
         "  hygra --batch rooms.csv TWB HM > out.csv\n"
         "  hygra --batch station.csv --inputs TDB,RH --unit RH=% --unit P=hPa W HM\n"
         "  hygra --epw weather.epw W HM TWB > hours.csv\n"
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
    std::string epw_file;
    CLI::Option* epw_opt =
        app.add_option("--epw", epw_file, "compute every hour of the EnergyPlus weather file FILE")
            ->type_name("FILE");
    std::string format;
    CLI::Option* format_opt =
        app.add_option("--format", format,
                       "table, csv or json for one state; csv or json-lines for a batch")
            ->type_name("FORMAT");
    std::string inputs;
    CLI::Option* inputs_opt =
        app.add_option("--inputs", inputs, "the two columns of a batch that fix the state")
            ->type_name("NAME,NAME");
    std::vector<std::string> unit_words;
    CLI::Option* unit_opt =
        app.add_option("--unit", unit_words, "the unit of a batch column, as RH=% or P=kPa")
            ->allow_extra_args(false)
            ->type_name("NAME=UNIT");
    std::string delimiter;
    CLI::Option* delimiter_opt =
        app.add_option("--delimiter", delimiter, "the separator of a batch's columns: , ; or tab")
            ->type_name("C");
    bool keep_going = false;
    CLI::Option* keep_going_flag = app.add_flag(
        "--keep-going", keep_going, "a batch whose first 100 rows fail alike goes on");
    bool show_progress = false;
    CLI::Option* progress_flag = app.add_flag(
        "--progress", show_progress, "show a batch's progress also when stderr is no terminal");
    std::string datum;
    CLI::Option* datum_opt =
        app.add_option("--ip-datum", datum,
                       "0F: inch-pound enthalpy and entropy with dry air zero at 0 degF")
            ->type_name("0F|0C");
    csv_flag->excludes(json_flag);
    json_flag->excludes(batch_opt);
    epw_opt->excludes(batch_opt);
    json_flag->excludes(epw_opt);
    format_opt->excludes(csv_flag);
    format_opt->excludes(json_flag);
    // Listed by the usage lines rather than in a group of their own.
    app.add_option("words", words, "inputs NAME=VALUE, P= or ALT=, and property names")
        ->group("");

    const chart_command chart(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        // --help or --version, on standard output through a checked write.
        std::ostringstream text;
        const int status = app.exit(e, text, std::cerr);
        write_checked(stdout, text.str());
        return status;
    } catch (const CLI::ParseError& e) {
        std::cerr << "hygra: " << e.what() << "\nRun hygra --help for the usage.\n";
        return exit_usage;
    }

    out.units = ip ? HYGRA_IP : HYGRA_SI;
    if (chart.parsed()) {
        if (csv || json || batch_opt->count() > 0 || epw_opt->count() > 0 ||
            format_opt->count() > 0 || inputs_opt->count() > 0 || unit_opt->count() > 0 ||
            datum_opt->count() > 0 || !words.empty()) {
            throw usage_error("hygra chart takes --ip, P= or ALT=, and its own options "
                              "(hygra chart --help)");
        }
        chart.read(out);
        return std::nullopt;
    }
    out.format = json ? output_format::json : csv ? output_format::csv : output_format::table;
    if (batch_opt->count() > 0)
        out.batch = batch;
    if (epw_opt->count() > 0) {
        out.batch = epw_file;
        out.epw = true;
    }
    if (format_opt->count() > 0) {
        if (format == "table")
            out.format = output_format::table;
        else if (format == "csv")
            out.format = output_format::csv;
        else if (format == "json")
            out.format = output_format::json;
        else if (format == "json-lines")
            out.batch_format = batch_output::json_lines;
        else
            throw usage_error("--format: '" + format +
                              "' is none of table, csv, json (one state), csv, json-lines (batch)");
        if (out.batch && format != "csv" && format != "json-lines")
            throw usage_error("--format " + format + ": a batch writes csv or json-lines");
        if (!out.batch && format == "json-lines")
            throw usage_error("--format json-lines is for a batch; one state is written with --format json");
    }
    const bool batch_only = inputs_opt->count() > 0 || unit_opt->count() > 0 ||
                            delimiter_opt->count() > 0 || keep_going_flag->count() > 0 ||
                            progress_flag->count() > 0;
    if (batch_only && !out.batch) {
        throw usage_error("--inputs, --unit, --delimiter, --keep-going and --progress are for a "
                          "batch (--batch FILE or --epw FILE)");
    }
    if (inputs_opt->count() > 0) {
        std::size_t start = 0;
        for (std::size_t comma = inputs.find(','); ; comma = inputs.find(',', start)) {
            out.batch_inputs.push_back(inputs.substr(start, comma == std::string::npos ? comma : comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    for (const std::string& word : unit_words) {
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == word.size())
            throw usage_error("--unit: '" + word + "' is not NAME=UNIT, as in --unit RH=%");
        out.unit_overrides.emplace_back(word.substr(0, eq), word.substr(eq + 1));
    }
    if (delimiter_opt->count() > 0) {
        if (delimiter == "," || delimiter == ";" || delimiter == "|")
            out.delimiter = delimiter[0];
        else if (delimiter == "tab" || delimiter == "\\t" || delimiter == "\t")
            out.delimiter = '\t';
        else
            throw usage_error("--delimiter: '" + delimiter + "' is not one of , ; | or tab");
    }
    out.keep_going = keep_going;
    out.progress = show_progress;
    if (datum_opt->count() > 0) {
        out.datum = read_datum(datum);
        if (out.datum == enthalpy_datum::zero_f && !ip)
            throw usage_error("--ip-datum=0F is for inch-pound values; add --ip");
    }
    read_words(words, out);
    return std::nullopt;
}

}  // namespace hygra::tool
