#pragma once
// Messages that answer from a script and remember what was said: for tests,
// and for tools that run without a screen (answers then default to OK/Yes).

#include "platform/messages.h"

#include <deque>
#include <string>
#include <vector>

namespace ovix {

class ScriptedMessages : public Messages {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageKind kind;
    };

    // Answers handed out in order to confirm() and ask(); when none is left,
    // confirm() says OK and ask() says Yes.
    std::deque<Answer> answers;
    // Replies handed out in order to askText(); nothing (Cancel) when none is left.
    std::deque<std::optional<std::string>> textReplies;

    std::vector<Shown> shown; // every box, questions included, in order
    int beeps = 0;

    void show(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool confirm(std::string_view text, std::string_view caption, MessageKind kind) override;
    Answer ask(std::string_view text, std::string_view caption, bool withCancel,
               Answer preferred = Answer::Yes) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view caption,
                                       std::string_view initial) override;
    void beep() override { ++beeps; }

    // The text of the last box shown, or "" when none was.
    std::string lastText() const;
    std::string lastCaption() const;
};

} // namespace ovix
