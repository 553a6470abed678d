#pragma once

#include <string>

namespace ovix {

// The system's text for the error number `err` (as strerror gives it), safe to
// call from the jobs that run beside the till: the text is the caller's own copy.
std::string errorText(int err);

} // namespace ovix
