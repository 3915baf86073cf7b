// The checks of one row before and around the library: every fault of the row
// is found, not only the first, and a value that looks like it was given in
// another unit says which unit it looks like.
#ifndef HYGRA_TOOL_BATCH_ROW_CHECKS_H
#define HYGRA_TOOL_BATCH_ROW_CHECKS_H

#include <string>
#include <string_view>
#include <vector>

#include "batch/columns.h"
#include "evaluation.h"

namespace hygra::tool::batch {

// A value read from its column: as written, and in the unit the library takes.
struct read_value {
    const value_column* column = nullptr;
    double as_written = 0.0;
    double value = 0.0;
};

// Reads the field of a value column. On failure adds the fault ("TDB is empty",
// "TDB: '20,5' is not a number; is ',' a decimal comma? write 20.5") and
// returns false. `missing` is the weather file's reason for an empty field.
bool read_field(const std::string& field, const std::string& missing, const std::string& name,
                const value_column& column, read_value& out, std::vector<std::string>& faults);

// The faults of inputs outside the model's range, each with a hint at the unit
// it looks like ("RH = 57 is outside 0 to 1; is RH in per cent? use --unit
// RH=%"), and a humidity ratio far above saturation.
void add_range_faults(const state_request& request, double pressure, const read_value* inputs[2],
                      const read_value* pressure_value, std::vector<std::string>& faults);

// A field as shown in a message: control bytes as \xNN, cut after 40 bytes.
std::string shown_text(std::string_view text);

}  // namespace hygra::tool::batch

#endif
