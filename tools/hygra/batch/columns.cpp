// Reading the header and planning the output. The inputs are echoed once: a
// property asked for that is one of the input columns, in the unit the output
// would give it, is not written again. Every column of the input is written
// as it came; a name this run writes that the input already has ("note", from
// an earlier run) is numbered ("note 2"), so that the output's names are
// unique and it can be read as a batch again.
#include "batch/columns.h"

#include <cctype>

#include "arguments.h"
#include "hygra.h"

namespace hygra::tool::batch {

namespace {

std::string upper_case(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// How a column is named in messages: TDB, or 'room name'.
std::string shown_name(const column& c)
{
    if (c.code || c.altitude)
        return c.text == c.name ? c.name : "'" + c.text + "'";
    return "'" + c.text + "'";
}

unit column_unit(const column& c, quantity what, const std::string& unit_text, int units_system)
{
    if (unit_text.empty())
        return system_unit(what, units_system);
    if (std::optional<unit> u = find_unit(what, unit_text))
        return *u;
    throw usage_error("the unit '" + unit_text + "' of column " + shown_name(c) +
                      " is not one hygra reads for " + c.name + "; it reads " + unit_names(what));
}

}  // namespace

column read_column(const std::string& text)
{
    column c;
    c.text = text;
    std::string name = trimmed(text);
    for (const char* brackets : {"[]", "()"}) {
        const std::size_t close = name.size();
        if (close >= 2 && name.back() == brackets[1]) {
            const std::size_t open = name.rfind(brackets[0]);
            if (open != std::string::npos && open > 0) {
                c.unit_text = trimmed(name.substr(open + 1, close - open - 2));
                name = trimmed(name.substr(0, open));
                break;
            }
        }
    }
    c.name = upper_case(name);
    if (c.name == "ALT")
        c.altitude = true;
    else
        c.code = find_property(c.name);
    return c;
}

std::string property_header(int code, int units_system)
{
    std::string u = hygra_property_unit(code, units_system);
    if (u.empty())
        u = code == HYGRA_W || code == HYGRA_WS ? (units_system == HYGRA_SI ? "kg/kg" : "lb/lb")
                                                : "-";
    return std::string(hygra_property_name(code)) + " [" + u + "]";
}

layout make_layout(const std::vector<std::string>& header, const column_request& request)
{
    layout l;
    l.properties = request.properties;
    for (const std::string& text : header)
        l.columns.push_back(read_column(text));
    const std::size_t n = l.columns.size();

    // Names must differ, else a value could not be told by its name.
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (upper_case(trimmed(l.columns[i].text)) == upper_case(trimmed(l.columns[j].text))) {
                throw usage_error("the batch header names " + shown_name(l.columns[i]) +
                                  " twice (columns " + std::to_string(i + 1) + " and " +
                                  std::to_string(j + 1) + "); the names of columns must differ");
            }
        }
    }

    // --unit NAME=UNIT sets the unit of the column of that name.
    std::vector<std::string> unit_text(n);
    for (std::size_t i = 0; i < n; ++i)
        unit_text[i] = l.columns[i].unit_text;
    for (const auto& [name, text] : request.units) {
        const std::string wanted = upper_case(trimmed(name));
        bool found = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (l.columns[i].name == wanted) {
                unit_text[i] = text;
                found = true;
            }
        }
        if (!found)
            throw usage_error("--unit " + name + "=" + text + ": no column of the header is " + name);
    }

    // The pressure column.
    for (std::size_t i = 0; i < n; ++i) {
        const column& c = l.columns[i];
        const bool is_p = c.code && *c.code == HYGRA_P;
        if (!is_p && !c.altitude)
            continue;
        if (l.pressure)
            throw usage_error("the batch header names the pressure twice (P or ALT)");
        value_column v;
        v.column = i;
        v.code = is_p ? HYGRA_P : -1;
        const quantity q = is_p ? quantity::pressure : quantity::length;
        v.given = column_unit(c, q, unit_text[i], request.units_system);
        v.wanted = system_unit(q, request.units_system);
        l.pressure = v;
    }
    if (l.pressure && request.pressure_given) {
        throw usage_error(
            "the pressure is given both by a column of the batch header and on the command line");
    }

    // The two inputs: those --inputs names, else the only two the header names.
    std::vector<std::size_t> chosen;
    if (!request.inputs.empty()) {
        if (request.inputs.size() != 2)
            throw usage_error("--inputs names two inputs, as in --inputs TDB,RH");
        for (const std::string& name : request.inputs) {
            const std::string wanted = upper_case(trimmed(name));
            const std::optional<int> code = find_property(wanted);
            if (!code || !is_input(*code)) {
                throw usage_error("--inputs: " + name + " cannot fix a state; the inputs are " +
                                  input_names());
            }
            std::vector<std::size_t> found;
            for (std::size_t i = 0; i < n; ++i) {
                if (l.columns[i].code == code)
                    found.push_back(i);
            }
            if (found.empty())
                throw usage_error("--inputs names " + wanted + ", which no column of the header is");
            if (found.size() > 1) {
                throw usage_error("two columns are " + wanted + " (" + shown_name(l.columns[found[0]]) +
                                  " and " + shown_name(l.columns[found[1]]) +
                                  "); rename one of them");
            }
            for (std::size_t c : chosen) {
                if (c == found[0])
                    throw usage_error("--inputs names " + wanted + " twice");
            }
            chosen.push_back(found[0]);
        }
        if (chosen[0] > chosen[1])
            std::swap(chosen[0], chosen[1]);
    } else {
        std::string found;
        for (std::size_t i = 0; i < n; ++i) {
            const column& c = l.columns[i];
            if (!c.code || !is_input(*c.code))
                continue;
            for (std::size_t j : chosen) {
                if (l.columns[j].code == c.code) {
                    throw usage_error("two columns are " + c.name + " (" +
                                      shown_name(l.columns[j]) + " and " + shown_name(c) +
                                      "); rename one of them or choose with --inputs");
                }
            }
            chosen.push_back(i);
            found += (found.empty() ? "" : ", ") + c.name;
        }
        if (chosen.size() != 2) {
            std::string message = "the batch header must name two inputs of " + input_names() +
                                  "; it names " + (found.empty() ? std::string("none") : found);
            if (chosen.size() > 2) {
                message += "; choose two with --inputs, as in --inputs " +
                           l.columns[chosen[0]].name + "," + l.columns[chosen[1]].name;
            } else if (header.size() == 1 && (header[0].find(';') != std::string::npos ||
                                               header[0].find('\t') != std::string::npos)) {
                message += "; if the columns are separated by ';' or tabs, say so with "
                           "--delimiter";
            }
            throw usage_error(message);
        }
    }
    value_column* inputs[2] = {&l.a, &l.b};
    for (int k = 0; k < 2; ++k) {
        const column& c = l.columns[chosen[k]];
        const quantity q = *quantity_of(*c.code);
        inputs[k]->column = chosen[k];
        inputs[k]->code = *c.code;
        inputs[k]->given = column_unit(c, q, unit_text[chosen[k]], request.units_system);
        inputs[k]->wanted = system_unit(q, request.units_system);
    }
    l.choice = require_pair(l.a.code, l.b.code);

    // The output: every input column, then the properties, the note and the error.
    for (std::size_t i = 0; i < n; ++i) {
        l.header.push_back(l.columns[i].text);
        l.cells.push_back({cell::passthrough, i});
    }
    auto echoed = [&](int code) {
        for (const value_column* v : {&l.a, &l.b}) {
            if (v->code == code && same_unit(v->given, v->wanted))
                return true;
        }
        return l.pressure && l.pressure->code == code && same_unit(l.pressure->given, l.pressure->wanted);
    };
    // A name the input already has gets a number ("note 2"), so that no
    // column of the input is overwritten and every name stays unique.
    auto place = [&](const std::string& name, cell c) {
        std::string unique = name;
        for (int count = 2;; ++count) {
            bool taken = false;
            for (const std::string& h : l.header)
                taken = taken || upper_case(trimmed(h)) == upper_case(unique);
            if (!taken)
                break;
            unique = name + " " + std::to_string(count);
        }
        l.header.push_back(unique);
        l.cells.push_back(c);
    };
    for (std::size_t k = 0; k < l.properties.size(); ++k) {
        const int code = l.properties[k];
        if (echoed(code))
            continue;
        place(property_header(code, request.units_system), {cell::property, k});
    }
    place("note", {cell::note, 0});
    place("error", {cell::error, 0});
    return l;
}

}  // namespace hygra::tool::batch
