// Sentences for the failures of an evaluation: which input, which limit, which
// search, with values in the caller's units.
#ifndef HYGRA_API_FAILURE_MESSAGES_H
#define HYGRA_API_FAILURE_MESSAGES_H

namespace hygra {

// One call of moistair_eval, as the caller made it.
struct evaluation {
    int state_type;   // 0..29
    int code;         // property code
    int u;            // unit index: 1 SI, 2 inch-pound
    double first;     // first input, caller's units
    double second;    // second input, caller's units
    double pressure;  // caller's units
    bool constructed; // the state was built; a property of it failed
};

// Sets the thread's message for result code `code` raised with the library's
// internal reason `what` (null when there was none).
void describe_evaluation_failure(int code, const char* what, const evaluation& e) noexcept;

}  // namespace hygra

#endif
