// Zone corners are read like a points file's rows, but a zone keeps its input
// pair along each edge: an edge from 20 degC at 30 % to 26 degC at 60 % runs
// through 23 degC at 45 %, which is a curve in the chart's dry bulb and
// humidity ratio.
#include "chart/zones.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <memory>

#include "arguments.h"
#include "chart/clean_text.h"
#include "csv_reader.h"
#include "hygra.h"
#include "numbers.h"

namespace hygra::tool::chart {

namespace {

// Points traced along each edge, between its corners.
constexpr int edge_steps = 24;

// A corner of a preset: operative temperature, degC, taken as the dry bulb
// (air and mean radiant temperature alike), and humidity ratio, kg/kg.
struct preset_corner {
    double tdb_c;
    double w;
};

// The comfort zones of ANSI/ASHRAE Standard 55-2004, Figure 5.2.1.1 (the
// graphical method for typical indoor environments), with the corner values
// tabulated for its simple comfort model in the EnergyPlus Engineering
// Reference ("Simple ASHRAE 55 comfort model"), the zone carried down to a
// humidity ratio of 0.
constexpr preset_corner summer_corners[] = {
    {23.6, 0.012}, {26.8, 0.012}, {28.3, 0.0}, {25.1, 0.0}};  // 0.5 clo
constexpr preset_corner winter_corners[] = {
    {19.6, 0.012}, {23.9, 0.012}, {26.3, 0.0}, {21.7, 0.0}};  // 1.0 clo

std::string upper_case(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A corner as given: the dry bulb and the second input of the pair.
struct corner {
    double tdb;
    double second;
};

// The outline through the corners, each edge traced in the pair's own inputs.
state_line trace(const moist_air& air, int type, const std::vector<corner>& corners,
                 const std::string& name, std::vector<std::string>& failures)
{
    state_line out;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const corner a = corners[i];
        const corner b = corners[(i + 1) % corners.size()];
        for (int k = 0; k < edge_steps; ++k) {
            const double f = static_cast<double>(k) / edge_steps;
            const double tdb = a.tdb + f * (b.tdb - a.tdb);
            const double second = a.second + f * (b.second - a.second);
            const std::optional<double> w = air.eval(type, HYGRA_W, tdb, second);
            if (!w) {
                failures.push_back("zone '" + name + "', corner " + std::to_string(i + 1) +
                                   " or the edge after it gives no state at the chart's pressure");
                return {};
            }
            out.push_back({tdb, *w});
        }
    }
    return out;
}

zone preset(const std::string& name, const preset_corner (&corners)[4], const moist_air& air,
            std::vector<std::string>& failures)
{
    std::vector<corner> given;
    for (const preset_corner& c : corners) {
        const double tdb = air.units() == HYGRA_SI ? c.tdb_c : c.tdb_c * 1.8 + 32.0;
        given.push_back({tdb, c.w});
    }
    return {name, trace(air, HYGRA_TDRY_W, given, name, failures)};
}

// The file's base name without its ending: the name of a zone it holds alone.
std::string base_name(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::vector<zone> read_zone_file(const std::string& path, const moist_air& air,
                                 std::vector<std::string>& failures)
{
    const std::string what = "the zone file '" + path + "'";
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) {
        throw usage_error("--zone: '" + path +
                          "' is neither summer, winter nor a file that can be read");
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> close_in(in, std::fclose);

    std::size_t tdb_column = 0, second_column = 0, zone_column = 0;
    bool named = false;
    int type = -1;
    bool header = true;
    std::size_t row = 0;
    std::vector<std::string> order;  // zone names in order of appearance
    std::map<std::string, std::vector<corner>> corners;
    read_csv_rows(in, what, [&](std::vector<std::string>& fields) {
        if (header) {
            header = false;
            if (!fields.empty() && fields[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
                fields[0].erase(0, 3);
            bool has_tdb = false;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::string name = upper_case(fields[i]);
                if (name == "TDB") {
                    has_tdb = true;
                    tdb_column = i;
                } else if (name == "RH" || name == "W" || name == "TDEW") {
                    if (type != -1)
                        throw usage_error(what + " names more than one of RH, W and TDEW");
                    type = name == "RH" ? HYGRA_TDRY_RH
                                        : name == "W" ? HYGRA_TDRY_W : HYGRA_TDRY_TDEW;
                    second_column = i;
                } else if (name == "ZONE") {
                    named = true;
                    zone_column = i;
                }
            }
            if (!has_tdb || type == -1) {
                throw usage_error(what + " must have a header naming TDB and one of RH, W or "
                                         "TDEW (and optionally a column 'zone')");
            }
            return;
        }
        ++row;
        const std::string where = what + ", row " + std::to_string(row);
        std::string name = named && zone_column < fields.size() ? clean_text(fields[zone_column])
                                                                : base_name(path);
        double tdb = 0.0;
        double second = 0.0;
        if (tdb_column >= fields.size() || second_column >= fields.size() ||
            parse_number(fields[tdb_column], tdb) != number_status::ok ||
            parse_number(fields[second_column], second) != number_status::ok) {
            failures.push_back(where + ": a corner needs two numbers");
            return;
        }
        if (corners.count(name) == 0)
            order.push_back(name);
        corners[name].push_back({tdb, second});
    });
    std::vector<zone> out;
    for (const std::string& name : order) {
        const std::vector<corner>& c = corners[name];
        if (c.size() < 3) {
            failures.push_back(what + ": zone '" + name + "' has " + std::to_string(c.size()) +
                               " corners; a zone needs three or more");
            continue;
        }
        out.push_back({name, trace(air, type, c, name, failures)});
    }
    if (out.empty() && failures.empty())
        failures.push_back(what + " holds no corners");
    return out;
}

}  // namespace

std::vector<zone> read_zones(const std::string& zone_name, const moist_air& air,
                             std::vector<std::string>& failures)
{
    if (zone_name == "summer")
        return {preset("summer comfort, 0.5 clo", summer_corners, air, failures)};
    if (zone_name == "winter")
        return {preset("winter comfort, 1.0 clo", winter_corners, air, failures)};
    return read_zone_file(zone_name, air, failures);
}

bool inside(const zone& z, state_point s)
{
    bool in = false;
    const state_line& p = z.outline;
    if (p.empty())
        return false;
    for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].w > s.w) != (p[j].w > s.w) &&
            s.tdb < p[j].tdb + (s.w - p[j].w) / (p[i].w - p[j].w) * (p[i].tdb - p[j].tdb))
            in = !in;
    }
    return in;
}

}  // namespace hygra::tool::chart
