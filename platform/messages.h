#pragma once
// How the logic talks to the person at the counter.
//
// Every message box, question and warning sound goes through a Messages
// object: the till uses message boxes, tests use ScriptedMessages with answers
// given in advance. Texts are UTF-8; record text (Windows-1252) is converted
// with toUtf8() from platform/cp1252.h before it is put into a message.

#include <optional>
#include <string>
#include <string_view>

namespace ovix {

enum class MessageKind {
    Information, // plain notice ("Complete.", "Updated.")
    Warning,     // something the user can correct (caption "Problem")
    Error,       // a missing or broken data file (caption "Fatal error")
};

enum class Answer { Ok, Cancel, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;

    virtual void show(std::string_view text, std::string_view caption, MessageKind kind) = 0;
    // OK/Cancel box; true for OK.
    virtual bool confirm(std::string_view text, std::string_view caption,
                         MessageKind kind = MessageKind::Warning) = 0;
    // Yes/No box (Yes/No/Cancel when `withCancel`); Answer::Yes, No or Cancel.
    // `preferred` (Yes or No) is the button that Enter presses.
    virtual Answer ask(std::string_view text, std::string_view caption, bool withCancel = false,
                       Answer preferred = Answer::Yes) = 0;
    // A prompt with a text box; nothing when cancelled.
    virtual std::optional<std::string> askText(std::string_view prompt, std::string_view caption,
                                               std::string_view initial = {}) = 0;
    // The system warning sound.
    virtual void beep() = 0;
};

// A correctable problem: the warning sound, then the message (caption "Problem"
// unless another is given).
void reportProblem(Messages &messages, std::string_view text, std::string_view caption = "Problem");
// A missing or broken data file: the message with caption "Fatal error".
void reportFatal(Messages &messages, std::string_view text, std::string_view caption = "Fatal error");
// A plain notice.
void reportInfo(Messages &messages, std::string_view text, std::string_view caption);

} // namespace ovix
