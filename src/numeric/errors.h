// Error types of the library. Range and argument violations use the standard
// std::domain_error, std::invalid_argument and std::range_error; these three add
// the failures the standard types do not name. Each carries only its message.
#ifndef HYGRA_NUMERIC_ERRORS_H
#define HYGRA_NUMERIC_ERRORS_H

#include <stdexcept>
#include <string>

namespace hygra {

// A solver ran out of evaluations or of room ("brent_solver", "powell_minimizer").
class convergence_error : public std::runtime_error {
public:
    explicit convergence_error(const std::string& what) : std::runtime_error(what) {}
};

// An object was used without a result: a state that was never set ("moist_air"),
// a solver or minimiser that holds no solution.
class invalid_state : public std::runtime_error {
public:
    explicit invalid_state(const std::string& what) : std::runtime_error(what) {}
};

// A property that does not apply to a state. The model answers every property
// it has, so nothing raises this today; the C interface still maps it.
class not_applicable : public std::runtime_error {
public:
    explicit not_applicable(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace hygra

#endif
