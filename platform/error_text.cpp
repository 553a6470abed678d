#include "platform/error_text.h"

#include <string.h>

namespace ovix {

namespace {

// The GNU strerror_r returns its text; the POSIX one fills the buffer and
// returns 0 when it could.
[[maybe_unused]] std::string chosenText(const char *text, const char *)
{
    return text;
}

[[maybe_unused]] std::string chosenText(int result, const char *buffer)
{
    return result == 0 ? std::string(buffer) : std::string("Unknown error");
}

} // namespace

std::string errorText(int err)
{
    char buffer[256] = {};
    return chosenText(::strerror_r(err, buffer, sizeof buffer), buffer);
}

} // namespace ovix
