// The tool's CSV output read back into rows of fields, with libcsv, the reader
// the tool itself uses for its input.
#ifndef HYGRA_TESTS_CSV_TEXT_H
#define HYGRA_TESTS_CSV_TEXT_H

#include <string>
#include <vector>

namespace hygra::tool_test {

using csv_rows = std::vector<std::vector<std::string>>;

// Every row of `text`, quotes removed; blank lines give no row.
csv_rows read_csv(const std::string& text);

}  // namespace hygra::tool_test

#endif
