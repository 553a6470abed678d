#include "platform/messages.h"

namespace ovix {

void reportProblem(Messages &messages, std::string_view text, std::string_view caption)
{
    messages.beep();
    messages.show(text, caption, MessageKind::Warning);
}

void reportFatal(Messages &messages, std::string_view text, std::string_view caption)
{
    messages.show(text, caption, MessageKind::Error);
}

void reportInfo(Messages &messages, std::string_view text, std::string_view caption)
{
    messages.show(text, caption, MessageKind::Information);
}

} // namespace ovix
