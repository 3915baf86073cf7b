// Reasons are kept in a short list (a batch has few kinds of failure); the
// list is bounded so that a million different bad texts cannot grow it.
#include "batch/summary.h"

#include <algorithm>
#include <cctype>

namespace hygra::tool::batch {

std::string reason_key(const std::string& fault)
{
    std::string key;
    bool in_quote = false;
    for (std::size_t i = 0; i < fault.size(); ++i) {
        const char c = fault[i];
        if (c == '\'') {
            in_quote = !in_quote;
            if (in_quote)
                key += "'*'";
            continue;
        }
        if (in_quote)
            continue;
        const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (digit || ((c == '.' || c == '-' || c == '+' || c == 'e') && !key.empty() &&
                      key.back() == '#' && i + 1 < fault.size() &&
                      std::isdigit(static_cast<unsigned char>(fault[i + 1])))) {
            if (key.empty() || key.back() != '#')
                key += '#';
            continue;
        }
        key += c;
    }
    return key;
}

void summary::add(std::size_t line, const std::vector<std::string>& faults)
{
    ++rows_;
    std::string row_key;
    for (const std::string& f : faults)
        row_key += reason_key(f) + "\n";
    if (rows_ == 1) {
        first_key_ = row_key;
        first_faults_ = faults.empty() ? std::string() : faults.front();
    }
    if (rows_ <= early_stop_rows && (faults.empty() || row_key != first_key_))
        alike_ = false;
    if (faults.empty())
        return;
    ++failed_;
    for (const std::string& f : faults) {
        const std::string key = reason_key(f);
        auto it = std::find_if(reasons_.begin(), reasons_.end(),
                               [&key](const reason& r) { return r.key == key; });
        if (it != reasons_.end())
            ++it->count;
        else if (reasons_.size() < max_reasons)
            reasons_.push_back({key, f, line, 1});
        else
            ++other_;
    }
}

bool summary::first_rows_failed_alike() const { return alike_ && rows_ >= early_stop_rows; }

std::vector<std::string> summary::lines() const
{
    std::vector<reason> sorted = reasons_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const reason& a, const reason& b) { return a.count > b.count; });
    std::vector<std::string> out;
    for (const reason& r : sorted) {
        out.push_back(std::to_string(r.count) + (r.count == 1 ? " row: " : " rows: ") + r.example +
                      " (" + (r.count == 1 ? "line " : "first at line ") + std::to_string(r.line) +
                      ")");
    }
    if (other_ > 0)
        out.push_back(std::to_string(other_) + " more faults of other kinds");
    return out;
}

}  // namespace hygra::tool::batch
