#include "api/last_error.h"

#include <cstdarg>
#include <cstdio>

#include "hygra.h"

namespace hygra {

namespace {

// room for the longest message, with the inputs it names
constexpr int message_capacity = 512;

thread_local char message[message_capacity] = "";

}  // namespace

void clear_last_error() noexcept { message[0] = '\0'; }

void set_last_error(const char* format, ...) noexcept
{
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
}

bool has_last_error() noexcept { return message[0] != '\0'; }

const char* last_error() noexcept { return message; }

}  // namespace hygra

extern "C" HYGRA_API const char* hygra_last_error(void) { return hygra::last_error(); }

extern "C" HYGRA_API const char* hygra_strerror(int code)
{
    switch (code) {
    case HYGRA_OK: return "success";
    case HYGRA_INVALID_ARGUMENT: return "invalid argument";
    case HYGRA_NO_CONVERGENCE: return "no state found: a search did not converge";
    case HYGRA_NOT_APPLICABLE: return "the property does not apply to this state";
    case HYGRA_OUT_OF_RANGE: return "outside the range of the model";
    default: return "unknown result code";
    }
}

extern "C" HYGRA_API const char* hygra_version(void) { return HYGRA_VERSION_STRING; }
