// The batch loop: a row is read, checked, evaluated and written before the
// next is read, so memory stays bounded by the longest line.
#include "batch/batch.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "batch/columns.h"
#include "batch/epw.h"
#include "batch/line_source.h"
#include "batch/output_writer.h"
#include "batch/progress.h"
#include "batch/row_checks.h"
#include "batch/stop_signals.h"
#include "batch/summary.h"
#include "batch/weather_hours.h"
#include "hygra.h"
#include "ip_datum.h"
#include "supersaturation.h"

namespace hygra::tool {

namespace {

using namespace batch;

std::string joined(const std::vector<std::string>& parts)
{
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty())
            out += "; ";
        out += p;
    }
    return out;
}

class batch_run {
public:
    batch_run(const options& opts, const layout& l, bool epw)
        : opts_(opts), layout_(l), epw_(epw)
    {
        values_.values.resize(l.properties.size());
        values_.has.resize(l.properties.size());
    }

    // Computes one row into values_; its input fields are in `fields` after.
    const std::vector<std::string>& compute(const input_row& row)
    {
        faults_.clear();
        notes_.clear();
        std::fill(values_.has.begin(), values_.has.end(), 0);
        const std::vector<std::string>* fields = &row.fields;
        if (!row.fault.empty()) {
            faults_.push_back(row.fault);
            if (epw_)
                fields = &no_fields_;
        } else if (epw_) {
            if (std::string fault = epw::to_columns(row.fields, epw_fields_, missing_);
                !fault.empty())
                faults_.push_back(fault);
            fields = &epw_fields_;
        }
        const std::size_t columns = layout_.columns.size();
        if (faults_.empty() && fields->size() != columns) {
            faults_.push_back("the row has " + std::to_string(fields->size()) +
                              (fields->size() == 1 ? " field" : " fields") +
                              " where the header has " + std::to_string(columns));
        }
        if (faults_.empty())
            evaluate_row(*fields);
        values_.error = joined(faults_);
        values_.note = joined(notes_);
        return *fields;
    }

    const row_values& values() const { return values_; }
    const std::vector<std::string>& faults() const { return faults_; }
    std::size_t supersaturated_rows() const { return supersaturated_; }

private:
    const std::string& missing_at(std::size_t column) const
    {
        static const std::string none;
        return epw_ && column < missing_.size() ? missing_[column] : none;
    }

    void evaluate_row(const std::vector<std::string>& fields)
    {
        const int units = opts_.units;
        read_value a, b, p;
        const read_value* inputs[2] = {&a, &b};
        bool ok = read_field(fields[layout_.a.column], missing_at(layout_.a.column),
                             layout_.columns[layout_.a.column].name, layout_.a, a, faults_);
        ok = read_field(fields[layout_.b.column], missing_at(layout_.b.column),
                        layout_.columns[layout_.b.column].name, layout_.b, b, faults_) &&
             ok;
        state_request request{{layout_.a.code, a.value}, {layout_.b.code, b.value},
                              layout_.choice, opts_.pressure, units};
        const read_value* pressure_value = nullptr;
        if (layout_.pressure) {
            const value_column& pc = *layout_.pressure;
            ok = read_field(fields[pc.column], missing_at(pc.column), layout_.columns[pc.column].name,
                            pc, p, faults_) &&
                 ok;
            request.pressure.kind =
                pc.code == HYGRA_P ? pressure_input::pressure : pressure_input::altitude;
            request.pressure.value = p.value;
            pressure_value = &p;
        }
        // The weather file's other fields that are missing: a note, not a fault.
        if (epw_) {
            for (std::size_t i = 0; i < missing_.size(); ++i) {
                if (!missing_[i].empty() && i != layout_.a.column && i != layout_.b.column &&
                    !(layout_.pressure && i == layout_.pressure->column))
                    notes_.push_back(missing_[i]);
            }
        }
        if (!ok)
            return;
        double pressure = 0.0;
        std::string error;
        if (!total_pressure(request.pressure, units, pressure, error)) {
            faults_.push_back(error);
            return;
        }
        add_range_faults(request, pressure, inputs, pressure_value, faults_);
        if (!faults_.empty())
            return;
        request.a.value = to_library_datum(opts_.datum, request.a.code, request.a.value, units);
        request.b.value = to_library_datum(opts_.datum, request.b.code, request.b.value, units);
        const evaluation e = evaluate(request, layout_.properties);
        if (!e.state_ok) {
            faults_.push_back(e.state_error);
            return;
        }
        for (std::size_t k = 0; k < e.values.size(); ++k) {
            const property_value& v = e.values[k];
            if (v.result == HYGRA_OK) {
                values_.values[k] = from_library_datum(opts_.datum, v.code, v.value, units);
                values_.has[k] = 1;
            }
        }
        if (std::string errors = e.property_errors(); !errors.empty())
            faults_.push_back(errors);
        if (std::string note = supersaturation_note(request, e.pressure); !note.empty()) {
            notes_.insert(notes_.begin(), note);
            ++supersaturated_;
        }
    }

    const options& opts_;
    const layout& layout_;
    bool epw_;
    row_values values_;
    std::vector<std::string> faults_;
    std::vector<std::string> notes_;
    std::vector<std::string> epw_fields_;
    std::vector<std::string> missing_;
    const std::vector<std::string> no_fields_;
    std::size_t supersaturated_ = 0;
};

}  // namespace

int run_batch(const options& opts, std::FILE* in, const std::string& what, std::FILE* out)
{
    catch_stop_signals();
    line_source source(in, what, opts.delimiter);
    input_row row;
    if (!source.next(row)) {
        if (stop_requested())
            end_by_stop_signal();
        throw usage_error(what + " is empty; it needs a header line naming two inputs");
    }
    const bool epw = opts.epw || epw::starts_file(row.fields);
    if (opts.epw && !epw::starts_file(row.fields)) {
        throw usage_error(what + " is not an EnergyPlus weather file: its first line does not "
                                 "begin with LOCATION");
    }
    column_request request;
    request.inputs = opts.batch_inputs;
    request.units = opts.unit_overrides;
    request.properties = opts.properties;
    request.units_system = opts.units;
    request.pressure_given = opts.pressure.kind != pressure_input::sea_level;
    std::vector<std::string> header;
    if (epw) {
        epw::skip_header(source, row, what);
        header = epw::column_names();
        if (request.inputs.empty())
            request.inputs = epw::default_inputs();
    } else {
        if (!row.fault.empty())
            throw usage_error(what + ": the header, line 1: " + row.fault);
        header = row.fields;
    }
    const layout l = make_layout(header, request);

    output_writer writer(out, opts.batch_format, l);
    writer.header();
    batch_run run(opts, l, epw);
    summary counts;
    progress shown(opts.progress);
    bool stopped_early = false;
    while (source.next(row)) {
        const std::vector<std::string>& fields = run.compute(row);
        writer.row(fields, run.values());
        counts.add(row.line, run.faults());
        shown.update(counts.rows(), counts.failed_rows());
        if (stop_requested())
            break;
        if (!opts.keep_going && counts.rows() == early_stop_rows && counts.first_rows_failed_alike()) {
            stopped_early = true;
            break;
        }
    }
    writer.flush();
    shown.finish(counts.rows(), counts.failed_rows());
    if (stop_requested())
        end_by_stop_signal();

    const char* where = opts.batch_format == output_kind::csv ? "column" : "field";
    if (stopped_early) {
        std::cerr << "hygra: stopped after the first " << early_stop_rows
                  << " rows, which all failed alike: " << counts.common_reason()
                  << "\nhygra: correct the input, or give --keep-going to compute every row\n";
        return exit_failed;
    }
    if (counts.rows() == 0)
        std::cerr << "hygra: " << what << " has a header and no rows\n";
    if (run.supersaturated_rows() > 0) {
        std::cerr << "hygra: " << run.supersaturated_rows() << " of " << counts.rows()
                  << (counts.rows() == 1 ? " row is" : " rows are")
                  << " supersaturated; the note " << where << " says which\n";
    }
    if (counts.failed_rows() > 0) {
        std::cerr << "hygra: " << counts.failed_rows() << " of " << counts.rows()
                  << (counts.rows() == 1 ? " row" : " rows") << " failed; the error " << where
                  << " says why:\n";
        for (const std::string& line : counts.lines())
            std::cerr << "  " << line << "\n";
        return exit_failed;
    }
    return exit_ok;
}

}  // namespace hygra::tool
