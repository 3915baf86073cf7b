// The one place where exceptions become result codes. Every exported function
// runs its body through guarded(), so no exception crosses the C boundary, the
// mapping from exception type to code exists once, and every failure leaves a
// message for hygra_last_error().
#ifndef HYGRA_API_RESULT_CODE_H
#define HYGRA_API_RESULT_CODE_H

#include <exception>
#include <stdexcept>

#include "api/last_error.h"
#include "hygra.h"
#include "numeric/errors.h"

namespace hygra {

// The message of a failure nobody described better: the result code's text and
// the library's internal reason, if any.
inline void describe_plainly(int code, const char* what) noexcept
{
    if (what != nullptr)
        set_last_error("%s (%s)", hygra_strerror(code), what);
    else
        set_last_error("%s", hygra_strerror(code));
}

// Runs body() (which returns a result code) and maps what it throws, in this
// order: a range error of the model is HYGRA_OUT_OF_RANGE; a property that does
// not apply is HYGRA_NOT_APPLICABLE; a failed search or any other failure is
// HYGRA_NO_CONVERGENCE. The thread's message is cleared first; a body that
// fails may set its own, and otherwise describe(code, what) is asked for one,
// with `what` the exception's message or null when the body returned the code.
template <class Body, class Describe>
int guarded(Body&& body, Describe&& describe) noexcept
{
    clear_last_error();
    // The message is formed inside the handler: what() dies with the exception.
    auto fail = [&](int code, const char* what) noexcept {
        if (!has_last_error())
            describe(code, what);
        return code;
    };
    try {
        const int code = body();
        return code == HYGRA_OK ? code : fail(code, nullptr);
    } catch (const std::domain_error& e) {
        return fail(HYGRA_OUT_OF_RANGE, e.what());
    } catch (const not_applicable& e) {
        return fail(HYGRA_NOT_APPLICABLE, e.what());
    } catch (const convergence_error& e) {
        return fail(HYGRA_NO_CONVERGENCE, e.what());
    } catch (const std::exception& e) {
        return fail(HYGRA_NO_CONVERGENCE, e.what());
    } catch (...) {
        return fail(HYGRA_NO_CONVERGENCE, nullptr);
    }
}

template <class Body>
int guarded(Body&& body) noexcept
{
    return guarded(static_cast<Body&&>(body), describe_plainly);
}

}  // namespace hygra

#endif
