// Evaluation through moistair_pz and moistair_eval only: the tool is a client
// of the public C interface like any other.
#include "evaluation.h"

#include <utility>

#include "hygra.h"
#include "messages.h"

namespace hygra::tool {

bool evaluation::complete() const
{
    if (!state_ok)
        return false;
    for (const property_value& v : values) {
        if (v.result != HYGRA_OK)
            return false;
    }
    return true;
}

std::string evaluation::property_errors() const
{
    // Group the failed properties by result code, in the order they were asked for.
    // A property the library explained gets its own sentence.
    struct group {
        int code;
        std::string message;
        std::string names;
    };
    std::vector<group> groups;
    for (const property_value& v : values) {
        if (v.result == HYGRA_OK)
            continue;
        auto it = groups.begin();
        while (it != groups.end() &&
               (it->code != v.result || it->message != v.message || !v.message.empty()))
            ++it;
        if (it == groups.end()) {
            groups.push_back({v.result, v.message, hygra_property_name(v.code)});
        } else {
            it->names += ", ";
            it->names += hygra_property_name(v.code);
        }
    }
    std::string out;
    for (const group& g : groups) {
        if (!out.empty())
            out += "; ";
        failure_context context;
        context.subject = failure_context::property;
        context.names = g.names;
        context.library_message = g.message;
        out += describe_failure(g.code, context);
    }
    return out;
}

bool total_pressure(const pressure_input& pressure, int units, double& result,
                    std::string& error)
{
    switch (pressure.kind) {
    case pressure_input::sea_level:
        moistair_pz(units, &result, 0.0);  // altitude 0 is always in range
        return true;
    case pressure_input::pressure:
        result = pressure.value;
        return true;
    case pressure_input::altitude:
        if (const int rc = moistair_pz(units, &result, pressure.value); rc != HYGRA_OK) {
            // The sentence names the altitude and the unit system of a request.
            const state_request request{{}, {}, {}, pressure, units};
            failure_context context;
            context.request = &request;
            context.subject = failure_context::altitude;
            context.library_message = hygra_last_error();
            error = describe_failure(rc, context);
            return false;
        }
        return true;
    }
    return true;
}

evaluation evaluate(const state_request& request, const std::vector<int>& properties)
{
    evaluation e;
    const int units = request.units;

    if (!total_pressure(request.pressure, units, e.pressure, e.state_error))
        return e;
    failure_context context;
    context.request = &request;
    context.pressure = e.pressure;

    // The library takes the inputs in the order of the state type.
    const double first = request.choice.swapped ? request.b.value : request.a.value;
    const double second = request.choice.swapped ? request.a.value : request.b.value;
    const int type = request.choice.type;

    double probe = 0.0;
    if (const int rc = moistair_eval(type, HYGRA_P, units, &probe, first, second, e.pressure);
        rc != HYGRA_OK) {
        context.subject = failure_context::state;
        context.library_message = hygra_last_error();
        e.state_error = describe_failure(rc, context);
        return e;
    }
    e.state_ok = true;

    e.values.reserve(properties.size());
    for (int code : properties) {
        property_value v{code, HYGRA_OK, 0.0, {}};
        v.result = moistair_eval(type, code, units, &v.value, first, second, e.pressure);
        if (v.result != HYGRA_OK)
            v.message = hygra_last_error();
        e.values.push_back(v);
    }
    return e;
}

}  // namespace hygra::tool
