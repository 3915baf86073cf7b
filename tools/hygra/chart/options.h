// hygra chart's command line: what the chart shows and how it is written, and
// the CLI11 options that set it.
#ifndef HYGRA_TOOL_CHART_OPTIONS_H
#define HYGRA_TOOL_CHART_OPTIONS_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace hygra::tool {

struct options;

enum class chart_format { svg, png, pdf };

struct chart_options {
    std::optional<std::pair<double, double>> tdb;  // --tdb LOW:HIGH, degC or degF
    std::optional<std::pair<double, double>> w;    // --w LOW:HIGH, g/kg or grains/lb
    std::optional<std::string> points;             // --points FILE, "-" for standard input
    bool process = false;                          // --process: join the points in order
    std::optional<std::string> scatter;            // --scatter FILE: many states, unlabelled
    std::optional<double> marker_size;             // --marker-size, diameter in pixels
    std::optional<std::string> marker_colour;      // --marker-colour, an SVG colour
    std::optional<std::string> colour_by;          // --colour-by COLUMN of the scatter file
    bool density = false;                          // --density: shade cells by their count
    std::vector<std::string> zones;                // --zone summer|winter|FILE, in order
    chart_format format = chart_format::svg;       // --format, or the output file's extension
    double width = 1000.0;                         // --width, pixels
    double height = 720.0;                         // --height, pixels
    std::optional<std::string> title;              // --title, in place of the pressure's
    std::optional<std::string> output;             // --output FILE, else standard output
};

// The usage line of hygra chart.
const char* chart_usage();

// The chart subcommand and its options, added to `app`; read() turns what
// was parsed into chart_options of `out` (throwing usage_error for values
// that are wrong), once app.parse() has run and the subcommand was given.
class chart_command {
public:
    explicit chart_command(CLI::App& app);
    bool parsed() const;
    void read(options& out) const;

private:
    CLI::App* app_;
    std::string tdb_, w_, points_, scatter_, colour_, colour_by_, format_, title_, output_;
    double marker_size_ = 0.0;
    double width_ = 0.0;
    double height_ = 0.0;
    bool process_ = false;
    bool density_ = false;
    std::vector<std::string> zones_;
    std::vector<std::string> words_;
};

}  // namespace hygra::tool

#endif
