// The columns of a batch: what the header names (a property, perhaps with its
// unit, "RH [%]"; P or ALT; anything else passes through), which two columns
// are the inputs, and the columns of the output.
#ifndef HYGRA_TOOL_BATCH_COLUMNS_H
#define HYGRA_TOOL_BATCH_COLUMNS_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/units.h"
#include "state_selection.h"

namespace hygra::tool::batch {

// One column of the header: "TDB [K]" is the name TDB with the unit K;
// "(K)" in place of "[K]" reads the same.
struct column {
    std::string text;       // as given
    std::string name;       // upper case, without the unit
    std::string unit_text;  // the unit as given; empty when none
    std::optional<int> code;  // the property the name names
    bool altitude = false;    // the name is ALT
};
column read_column(const std::string& text);

// A column that gives a number to the state, and the unit it is read in.
struct value_column {
    std::size_t column = 0;
    int code = -1;  // property code; -1 for ALT
    unit given{};   // the unit of the column
    unit wanted{};  // the unit the library takes in the run's unit system
};

// Where a column of the output takes its value from.
struct cell {
    enum kind_type { passthrough, property, note, error } kind;
    std::size_t index;  // the input column, or the position in the properties
};

// What the command line says about the columns.
struct column_request {
    std::vector<std::string> inputs;  // --inputs NAME,NAME; empty to take them from the header
    std::vector<std::pair<std::string, std::string>> units;  // --unit NAME=UNIT
    std::vector<int> properties;  // the properties asked for
    int units_system = 0;         // HYGRA_SI or HYGRA_IP
    bool pressure_given = false;  // P= or ALT= on the command line
};

struct layout {
    std::vector<column> columns;
    value_column a, b;  // the two inputs, in the order of the header
    state_choice choice{};
    std::optional<value_column> pressure;  // a P or ALT column
    std::vector<int> properties;
    std::vector<std::string> header;  // the names of the output's columns
    std::vector<cell> cells;          // one per output column
};

// The layout of a header, or a usage_error saying what is wrong with it.
layout make_layout(const std::vector<std::string>& header, const column_request& request);

// The name of the output column of a property: "W [kg/kg]", "HM [Btu/lb]",
// "RH [-]".
std::string property_header(int code, int units_system);

}  // namespace hygra::tool::batch

#endif
