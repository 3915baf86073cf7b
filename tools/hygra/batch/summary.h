// The failures of a batch counted by reason, for the lines on standard error
// at the end, and the early stop when the first rows all fail alike.
#ifndef HYGRA_TOOL_BATCH_SUMMARY_H
#define HYGRA_TOOL_BATCH_SUMMARY_H

#include <cstddef>
#include <string>
#include <vector>

namespace hygra::tool::batch {

// Rows that must all fail for the same reason before a batch stops early.
constexpr std::size_t early_stop_rows = 100;

class summary {
public:
    // Counts one row, with its faults (empty for a row computed). `line` is its
    // line in the input, shown with the first row of each reason.
    void add(std::size_t line, const std::vector<std::string>& faults);

    std::size_t rows() const { return rows_; }
    std::size_t failed_rows() const { return failed_; }

    // Whether every one of the first early_stop_rows rows failed with the same
    // faults; true from that row on.
    bool first_rows_failed_alike() const;

    // The reason shared by the first rows (their first fault, as written for
    // the first of them).
    const std::string& common_reason() const { return first_faults_; }

    // The lines for standard error, one per reason, the commonest first:
    // "8760 rows: RH = 57 is outside 0 to 1 ... (first at line 2)".
    std::vector<std::string> lines() const;

private:
    struct reason {
        std::string key;      // the fault with its numbers and quoted texts masked
        std::string example;  // the fault as written for the first row
        std::size_t line;
        std::size_t count;
    };
    static constexpr std::size_t max_reasons = 20;  // more are counted as "other"

    std::vector<reason> reasons_;
    std::size_t other_ = 0;
    std::size_t rows_ = 0;
    std::size_t failed_ = 0;
    std::string first_key_;
    std::string first_faults_;
    bool alike_ = true;
};

// A fault with what varies from row to row (numbers, quoted texts) masked, so
// that "TDB = 400 degC is outside ..." and "TDB = 380 degC is outside ..."
// count as one reason.
std::string reason_key(const std::string& fault);

}  // namespace hygra::tool::batch

#endif
