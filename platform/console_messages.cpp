#include "platform/console_messages.h"

#include <string>

namespace ovix {

ConsoleMessages::ConsoleMessages(bool acceptByDefault, std::FILE *out, std::FILE *err)
    : acceptByDefault_(acceptByDefault), out_(out ? out : stdout), err_(err ? err : stderr)
{
}

void ConsoleMessages::printLine(std::FILE *stream, std::string_view caption, std::string_view text)
{
    // Record texts end their lines with CR LF; a terminal wants plain line ends.
    std::string line;
    if (!caption.empty()) {
        line.append(caption);
        line.append(": ");
    }
    for (char c : text) {
        if (c != '\r')
            line.push_back(c);
    }
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    line.push_back('\n');
    // A console that cannot be written to has nobody reading it to tell.
    (void)std::fwrite(line.data(), 1, line.size(), stream);
    (void)std::fflush(stream);
}

void ConsoleMessages::show(std::string_view text, std::string_view caption, MessageKind kind)
{
    printLine(kind == MessageKind::Information ? out_ : err_, caption, text);
}

bool ConsoleMessages::confirm(std::string_view text, std::string_view caption, MessageKind)
{
    printLine(err_, caption, text);
    return acceptByDefault_;
}

Answer ConsoleMessages::ask(std::string_view text, std::string_view caption, bool withCancel,
                            Answer)
{
    printLine(err_, caption, text);
    if (acceptByDefault_)
        return Answer::Yes;
    return withCancel ? Answer::Cancel : Answer::No;
}

std::optional<std::string> ConsoleMessages::askText(std::string_view prompt,
                                                    std::string_view caption,
                                                    std::string_view initial)
{
    printLine(err_, caption, prompt);
    if (acceptByDefault_)
        return std::string(initial);
    return std::nullopt;
}

} // namespace ovix
