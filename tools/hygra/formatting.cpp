// Writing one state as a table, CSV or JSON (JSON through nlohmann::json, which
// writes each double in its shortest exact form).
#include "formatting.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "hygra.h"
#include "messages.h"
#include "numbers.h"

namespace hygra::tool {

std::string csv_field(std::string_view text)
{
    const bool edge_blank =
        !text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                          text.back() == '\t');
    if (!edge_blank && text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string format_table(const evaluation& e, int units)
{
    struct row {
        std::string name, meaning, value, unit;
    };
    std::vector<row> rows;
    rows.push_back({"name", "meaning", "value", "unit"});
    for (const property_value& v : e.values) {
        rows.push_back({hygra_property_name(v.code), hygra_property_meaning(v.code),
                        v.result == HYGRA_OK ? format_short(v.value) : "n/a",
                        hygra_property_unit(v.code, units)});
    }
    std::size_t w_name = 0, w_meaning = 0, w_value = 0;
    for (const row& r : rows) {
        w_name = std::max(w_name, r.name.size());
        w_meaning = std::max(w_meaning, r.meaning.size());
        w_value = std::max(w_value, r.value.size());
    }
    std::string out;
    for (const row& r : rows) {
        // Names and meanings to the left, values to the right so that their
        // digits line up, units after them.
        std::string line = r.name;
        line.append(w_name - r.name.size() + 2, ' ');
        line += r.meaning;
        line.append(w_meaning - r.meaning.size() + 2, ' ');
        line.append(w_value - r.value.size(), ' ');
        line += r.value;
        if (!r.unit.empty())
            line += "  " + r.unit;
        out += line + "\n";
    }
    return out;
}

std::string format_csv(const evaluation& e, int units)
{
    std::string out = "name,meaning,value,unit\n";
    for (const property_value& v : e.values) {
        out += csv_field(hygra_property_name(v.code));
        out += ',';
        out += csv_field(hygra_property_meaning(v.code));
        out += ',';
        if (v.result == HYGRA_OK)
            out += format_exact(v.value);
        out += ',';
        out += csv_field(hygra_property_unit(v.code, units));
        out += '\n';
    }
    return out;
}

std::string format_json(const evaluation& e, const state_request& request,
                        const std::string& datum)
{
    using json = nlohmann::ordered_json;
    json doc;
    doc["state_type"] = request.choice.type;
    doc["units"] = request.units == HYGRA_SI ? "SI" : "IP";
    json inputs = json::object();
    inputs[hygra_property_name(request.a.code)] = request.a.value;
    inputs[hygra_property_name(request.b.code)] = request.b.value;
    if (request.pressure.kind == pressure_input::altitude)
        inputs["ALT"] = request.pressure.value;
    inputs["P"] = e.pressure;
    doc["inputs"] = inputs;
    json properties = json::object();
    for (const property_value& v : e.values) {
        json p;
        if (v.result == HYGRA_OK) {
            p["value"] = v.value;
        } else {
            p["value"] = nullptr;
            failure_context context;
            context.subject = failure_context::property;
            context.names = hygra_property_name(v.code);
            context.library_message = v.message;
            p["error"] = describe_failure(v.result, context);
        }
        p["unit"] = hygra_property_unit(v.code, request.units);
        p["meaning"] = hygra_property_meaning(v.code);
        properties[hygra_property_name(v.code)] = p;
    }
    doc["properties"] = properties;
    doc["enthalpy_datum"] = datum;
    return doc.dump(2) + "\n";
}

}  // namespace hygra::tool
