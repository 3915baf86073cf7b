// Range checks come from the tool's sentences for failures (messages.h), which
// know the model's limits; the hints at units are added here, where the column
// and the value as written are known.
#include "batch/row_checks.h"

#include <cstdio>

#include "hygra.h"
#include "messages.h"
#include "numbers.h"

namespace hygra::tool::batch {

namespace {

// Ten times the saturation humidity ratio: beyond it a humidity ratio is a
// unit taken for another, not air.
constexpr double w_saturation_multiple = 10.0;

// Total pressures of air people live and measure in, Pa.
constexpr double plausible_p_low = 30000.0;
constexpr double plausible_p_high = 120000.0;

// The pressure unit in which `as_written` is a plausible air pressure, or null.
const char* pressure_unit_like(double as_written)
{
    for (const char* name : {"Pa", "hPa", "kPa"}) {
        const unit u = *find_unit(quantity::pressure, name);
        const double pa = convert(as_written, u, *find_unit(quantity::pressure, "Pa"));
        if (pa >= plausible_p_low && pa <= plausible_p_high)
            return name;
    }
    return nullptr;
}

const read_value* value_of(const read_value* inputs[2], int code)
{
    for (int k = 0; k < 2; ++k) {
        if (inputs[k] != nullptr && inputs[k]->column->code == code)
            return inputs[k];
    }
    return nullptr;
}

// The saturation humidity ratio at the dry bulb `tdb` (request units), or a
// negative number when the library has none.
double saturation_w(double tdb, double pressure, int units)
{
    double ws = -1.0;
    if (moistair_eval(HYGRA_TDRY_W, HYGRA_WS, units, &ws, tdb, 0.0, pressure) != HYGRA_OK)
        return -1.0;
    return ws;
}

}  // namespace

std::string shown_text(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (out.size() >= 40) {
            out += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool read_field(const std::string& field, const std::string& missing, const std::string& name,
                const value_column& column, read_value& out, std::vector<std::string>& faults)
{
    if (!missing.empty()) {
        faults.push_back(missing);
        return false;
    }
    double v = 0.0;
    switch (parse_number(field, v)) {
    case number_status::ok:
        out.column = &column;
        out.as_written = v;
        out.value = convert(v, column.given, column.wanted);
        return true;
    case number_status::empty: faults.push_back(name + " is empty"); return false;
    case number_status::not_a_number: {
        std::string fault = name + ": '" + shown_text(field) + "' is not a number";
        // "20,5": a decimal comma, as a spreadsheet in much of Europe writes it.
        const std::size_t comma = field.find(',');
        double with_point = 0.0;
        if (comma != std::string::npos && field.find(',', comma + 1) == std::string::npos) {
            std::string fixed = field;
            fixed[comma] = '.';
            if (parse_number(fixed, with_point) == number_status::ok)
                fault += "; is ',' a decimal comma? write " + fixed;
        }
        faults.push_back(fault);
        return false;
    }
    case number_status::not_finite:
        faults.push_back(name + ": '" + shown_text(field) + "' is not a finite number");
        return false;
    }
    return false;
}

void add_range_faults(const state_request& request, double pressure, const read_value* inputs[2],
                      const read_value* pressure_value, std::vector<std::string>& faults)
{
    const std::vector<input_fault> outside = inputs_out_of_range(request, pressure);
    for (const input_fault& f : outside) {
        std::string text = f.text;
        if (f.code == HYGRA_RH) {
            const read_value* rh = value_of(inputs, HYGRA_RH);
            const double v = rh != nullptr ? rh->as_written : 0.0;
            if (rh != nullptr && v > 1.0 && v <= 100.0 &&
                same_unit(rh->column->given, *find_unit(quantity::relative_humidity, "-"))) {
                text = "RH = " + format_exact(v) +
                       " is outside 0 to 1; is RH in per cent? use --unit RH=%";
            }
        } else if (f.code == HYGRA_P && pressure_value != nullptr &&
                   pressure_value->column->code == HYGRA_P) {
            const char* like = pressure_unit_like(pressure_value->as_written);
            if (like != nullptr && !same_unit(pressure_value->column->given,
                                              *find_unit(quantity::pressure, like))) {
                text += "; " + format_exact(pressure_value->as_written) + " looks like " + like +
                        ": use --unit P=" + like;
            }
        }
        faults.push_back(text);
    }
    if (!outside.empty())
        return;
    // A humidity ratio far above saturation at its dry bulb.
    const read_value* w = value_of(inputs, HYGRA_W);
    const read_value* tdb = value_of(inputs, HYGRA_TDB);
    if (w == nullptr || tdb == nullptr || w->value <= 0.0)
        return;
    const double ws = saturation_w(tdb->value, pressure, request.units);
    if (!(ws > 0.0) || w->value <= w_saturation_multiple * ws)
        return;
    std::string text = "W = " + format_exact(w->value) +
                       " is more than ten times the saturation humidity ratio at " +
                       format_exact(tdb->value) + (request.units == HYGRA_SI ? " degC" : " degF") +
                       " (" + format_short(ws) + ")";
    for (const char* name : {"g/kg", "grains/lb"}) {
        const unit u = *find_unit(quantity::humidity_ratio, name);
        if (same_unit(u, w->column->given))
            continue;
        const double as_that = convert(w->as_written, u, w->column->wanted);
        if (as_that <= 1.2 * ws) {
            text += "; it looks like " + std::string(name) + ": use --unit W=" + name;
            break;
        }
    }
    faults.push_back(text);
}

}  // namespace hygra::tool::batch
