// The options of hygra chart with CLI11, their help, and the checks of their
// values: ranges LOW:HIGH, a size within reason, a colour SVG can draw.
#include "chart/options.h"

#include <cctype>

#include <CLI/CLI.hpp>

#include "arguments.h"

namespace hygra::tool {

namespace {

// Page sizes, in pixels, that still hold the plot, its axes and legend, and
// that a renderer can allocate.
constexpr double smallest_page = 400.0;
constexpr double largest_page = 10000.0;

std::string chart_footer()
{
    return "The chart is drawn at the pressure P= in bar (psi with --ip) or at the altitude\n"
           "ALT= in m (ft) of the standard atmosphere, by default at sea level. Dry bulb runs\n"
           "along the bottom, humidity ratio up the right (g/kg, or grains/lb with --ip),\n"
           "with the saturation curve, relative humidity every 10 %, and lines of constant\n"
           "wet bulb, enthalpy and specific volume, every point a state of the library.\n"
           "Default ranges: -10 to 50 degC (10 to 120 degF); the humidity ratio from 0 to\n"
           "30 g/kg (200 grains/lb) scaled to the pressure, or to just above saturation at\n"
           "the highest dry bulb where that is lower; both widened to hold the states.\n\n"
           "Points and scatter: FILE (- for standard input) is CSV whose header names\n"
           "inputs (TDB, TWB, TDEW, RH, W, HM, SM, VM) and optionally columns 'label' and\n"
           "'process' (the chain a point belongs to); each row fills two of the inputs, a\n"
           "pair that fixes a state, and leaves the others empty. The states are taken at\n"
           "the chart's pressure. --points marks and labels a few states; --scatter draws\n"
           "many (a year of hours) as small unlabelled marks.\n\n"
           "Weather files: --scatter also reads an EnergyPlus weather file (EPW, known by\n"
           "its first line, LOCATION), as hygra --epw does: each hour's state from its dry\n"
           "bulb and dew point at the chart's pressure (the file's station pressure is not\n"
           "used; give P= or ALT= for the site). Hours whose dry bulb or dew point is\n"
           "missing (99.9) are left out and counted on standard error. --colour-by month,\n"
           "hour, day, TDB, TDEW, RH or P colours by the file's column, and the zones count\n"
           "hours of the year.\n\n"
           "Zones: --zone summer and --zone winter are the comfort zones of the graphical\n"
           "method for typical offices (0.5 and 1.0 clo, humidity ratio at most 0.012);\n"
           "--zone FILE is a polygon: CSV with TDB and one of RH, W, TDEW, a corner a row,\n"
           "and optionally a column 'zone' naming it. The scatter points inside each zone\n"
           "are counted, in the legend and on standard error.\n\n"
           "Examples:\n"
           "  hygra chart > chart.svg\n"
           "  hygra chart --ip ALT=5280 --output denver.png\n"
           "  hygra chart --tdb 10:40 --w 0:20 --points states.csv --process > ahu.svg\n"
           "  hygra chart --scatter year.csv --colour-by month --zone summer --zone winter \\\n"
           "      --format pdf --output comfort.pdf\n"
           "  hygra chart ALT=1600 --scatter site.epw --colour-by month --zone summer \\\n"
           "      --output site.png\n";
}

// "LOW:HIGH" as two numbers, the first below the second.
std::pair<double, double> require_range(const std::string& option, const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw usage_error(option + ": '" + text + "' is not a range LOW:HIGH");
    const double low = require_number(option, text.substr(0, colon));
    const double high = require_number(option, text.substr(colon + 1));
    if (!(low < high))
        throw usage_error(option + ": the low end of '" + text + "' is not below the high end");
    return {low, high};
}

// The words after "hygra chart": only the pressure.
void read_chart_words(const std::vector<std::string>& words, options& out)
{
    for (const std::string& word : words) {
        const std::size_t eq = word.find('=');
        std::string name = word.substr(0, eq == std::string::npos ? word.size() : eq);
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (eq == std::string::npos || (name != "P" && name != "ALT")) {
            throw usage_error("hygra chart takes P= or ALT= and options, not '" + word +
                              "'; mark states with --points FILE");
        }
        if (out.pressure.kind != pressure_input::sea_level)
            throw usage_error("the pressure is given twice; give one P= or one ALT=");
        out.pressure.kind = name == "P" ? pressure_input::pressure : pressure_input::altitude;
        out.pressure.value = require_number(name, word.substr(eq + 1));
    }
}

// A colour SVG knows: #rgb, #rrggbb, or a name of letters ("steelblue").
bool is_colour(const std::string& text)
{
    if (text.empty())
        return false;
    if (text[0] == '#') {
        if (text.size() != 4 && text.size() != 7)
            return false;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (!std::isxdigit(static_cast<unsigned char>(text[i])))
                return false;
        }
        return true;
    }
    for (char c : text) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return false;
    }
    return text.size() <= 24;
}

bool ends_with(const std::string& text, const std::string& end)
{
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    }
    return true;
}

double require_page_size(const std::string& option, double value)
{
    if (!(value >= smallest_page && value <= largest_page)) {
        throw usage_error(option + ": " + std::to_string(static_cast<long long>(value)) +
                          " pixels is not a page size hygra draws; give 400 to 10000");
    }
    return value;
}

}  // namespace

const char* chart_usage()
{
    return "hygra chart [--ip] [P=VALUE | ALT=VALUE] [--tdb LOW:HIGH] [--w LOW:HIGH]\n"
           "             [--points FILE [--process]] [--scatter FILE [--colour-by COLUMN |\n"
           "             --density]] [--zone summer|winter|FILE]... [--format svg|png|pdf]\n"
           "             [--width PX] [--height PX] [--title TEXT] [--output FILE]\n";
}

chart_command::chart_command(CLI::App& app)
    : app_(app.add_subcommand("chart",
                              "write a psychrometric chart as SVG, PNG or PDF (hygra chart --help)"))
{
    CLI::App* chart = app_;
    chart->formatter(app.get_formatter());
    chart->footer(chart_footer());
    chart->fallthrough();  // --ip after the word chart
    chart->add_option("--tdb", tdb_, "dry-bulb range, degC (degF with --ip)")
        ->type_name("LOW:HIGH");
    chart->add_option("--w", w_, "humidity-ratio range, g/kg (grains/lb with --ip)")
        ->type_name("LOW:HIGH");
    CLI::Option* points =
        chart->add_option("--points", points_, "mark and label the states of the CSV file FILE")
            ->type_name("FILE");
    chart->add_flag("--process", process_,
                    "join the points in order with arrows, one chain for each name in a "
                    "'process' column")
        ->needs(points);
    CLI::Option* scatter =
        chart->add_option("--scatter", scatter_,
                          "draw the states of the CSV or EPW weather file FILE as a scatter of "
                          "small marks")
            ->type_name("FILE");
    chart->add_option("--marker-size", marker_size_, "scatter marks' diameter, pixels (3)")
        ->type_name("PX")
        ->needs(scatter);
    chart->add_option("--marker-colour", colour_, "scatter marks' colour (#1f5fa8)")
        ->type_name("COLOUR")
        ->needs(scatter);
    CLI::Option* colour_by =
        chart->add_option("--colour-by", colour_by_,
                          "colour the scatter by a numeric column (hour, month, ...)")
            ->type_name("COLUMN")
            ->needs(scatter);
    chart->add_flag("--density", density_, "shade the grid's cells by how many states they hold")
        ->needs(scatter)
        ->excludes(colour_by);
    chart->add_option("--zone", zones_, "shade a zone: summer, winter, or a CSV polygon FILE")
        ->type_name("ZONE")
        ->allow_extra_args(false);  // one zone a --zone; P= after it stays the pressure
    chart->add_option("--format", format_, "svg, png or pdf (by default from --output's ending)")
        ->type_name("FORMAT");
    chart->add_option("--width", width_, "page width, pixels (1000)")->type_name("PX");
    chart->add_option("--height", height_, "page height, pixels (720)")->type_name("PX");
    chart->add_option("--title", title_, "the chart's title (the pressure by default)")
        ->type_name("TEXT");
    chart->add_option("-o,--output", output_, "write the chart to FILE, not standard output")
        ->type_name("FILE");
    chart->add_option("words", words_, "P= or ALT=")->group("");
}

bool chart_command::parsed() const { return app_->parsed(); }

void chart_command::read(options& out) const
{
    const CLI::App& chart = *app_;
    chart_options c;
    if (chart.count("--tdb") > 0)
        c.tdb = require_range("--tdb", tdb_);
    if (chart.count("--w") > 0) {
        c.w = require_range("--w", w_);
        if (c.w->first < 0.0)
            throw usage_error("--w: a humidity ratio cannot be negative");
    }
    if (chart.count("--points") > 0)
        c.points = points_;
    c.process = process_;
    if (chart.count("--scatter") > 0)
        c.scatter = scatter_;
    if (chart.count("--marker-size") > 0) {
        if (!(marker_size_ >= 0.5 && marker_size_ <= 50.0))
            throw usage_error("--marker-size: give a diameter of 0.5 to 50 pixels");
        c.marker_size = marker_size_;
    }
    if (chart.count("--marker-colour") > 0) {
        if (!is_colour(colour_)) {
            throw usage_error("--marker-colour: '" + colour_ +
                              "' is not a colour; give #rrggbb, #rgb or a name such as red");
        }
        c.marker_colour = colour_;
    }
    if (chart.count("--colour-by") > 0)
        c.colour_by = colour_by_;
    c.density = density_;
    c.zones = zones_;
    if (chart.count("--output") > 0)
        c.output = output_;
    if (chart.count("--format") > 0) {
        if (format_ == "svg")
            c.format = chart_format::svg;
        else if (format_ == "png")
            c.format = chart_format::png;
        else if (format_ == "pdf")
            c.format = chart_format::pdf;
        else
            throw usage_error("--format: '" + format_ + "' is not svg, png or pdf");
    } else if (c.output && ends_with(*c.output, ".png")) {
        c.format = chart_format::png;
    } else if (c.output && ends_with(*c.output, ".pdf")) {
        c.format = chart_format::pdf;
    }
    if (chart.count("--width") > 0)
        c.width = require_page_size("--width", width_);
    if (chart.count("--height") > 0)
        c.height = require_page_size("--height", height_);
    if (chart.count("--title") > 0)
        c.title = title_;
    out.chart = c;
    read_chart_words(words_, out);
}

}  // namespace hygra::tool
