// The one place where exceptions become result codes. Every exported function
// runs its body through guarded(), so no exception crosses the C boundary and
// the mapping from exception type to code exists once.
#ifndef HYGRA_API_RESULT_CODE_H
#define HYGRA_API_RESULT_CODE_H

#include <exception>
#include <stdexcept>

#include "hygra.h"
#include "numeric/errors.h"

namespace hygra {

// Runs body() (which returns a result code) and maps what it throws, in this
// order: a range error of the model is HYGRA_OUT_OF_RANGE; a property that does
// not apply is HYGRA_NOT_APPLICABLE; a failed search or any other failure is
// HYGRA_NO_CONVERGENCE.
template <class Body>
int guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::domain_error&) {
        return HYGRA_OUT_OF_RANGE;
    } catch (const not_applicable&) {
        return HYGRA_NOT_APPLICABLE;
    } catch (const convergence_error&) {
        return HYGRA_NO_CONVERGENCE;
    } catch (const std::exception&) {
        return HYGRA_NO_CONVERGENCE;
    } catch (...) {
        return HYGRA_NO_CONVERGENCE;
    }
}

}  // namespace hygra

#endif
