#pragma once
// Messages for the command-line tools: every box becomes one "caption: text"
// line (notices on standard output, problems and questions on standard error),
// and questions are answered at once from a default chosen beforehand, so a
// tool never waits at a terminal.

#include "platform/messages.h"

#include <cstdio>

namespace ovix {

class ConsoleMessages : public Messages {
public:
    // `acceptByDefault`: confirm() says OK and ask() says Yes (else Cancel, or
    // No when there is no Cancel); askText() gives back its initial text (else
    // nothing). The streams are not owned; they default to stdout and stderr.
    explicit ConsoleMessages(bool acceptByDefault = false, std::FILE *out = nullptr,
                             std::FILE *err = nullptr);

    void show(std::string_view text, std::string_view caption, MessageKind kind) override;
    bool confirm(std::string_view text, std::string_view caption, MessageKind kind) override;
    Answer ask(std::string_view text, std::string_view caption, bool withCancel,
               Answer preferred = Answer::Yes) override;
    std::optional<std::string> askText(std::string_view prompt, std::string_view caption,
                                       std::string_view initial) override;
    void beep() override {}

private:
    void printLine(std::FILE *stream, std::string_view caption, std::string_view text);

    bool acceptByDefault_;
    std::FILE *out_;
    std::FILE *err_;
};

} // namespace ovix
