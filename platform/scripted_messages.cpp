#include "platform/scripted_messages.h"

namespace ovix {

void ScriptedMessages::show(std::string_view text, std::string_view caption, MessageKind kind)
{
    shown.push_back({std::string(text), std::string(caption), kind});
}

bool ScriptedMessages::confirm(std::string_view text, std::string_view caption, MessageKind kind)
{
    shown.push_back({std::string(text), std::string(caption), kind});
    if (answers.empty())
        return true;
    Answer a = answers.front();
    answers.pop_front();
    return a == Answer::Ok || a == Answer::Yes;
}

Answer ScriptedMessages::ask(std::string_view text, std::string_view caption, bool, Answer)
{
    shown.push_back({std::string(text), std::string(caption), MessageKind::Information});
    if (answers.empty())
        return Answer::Yes;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedMessages::askText(std::string_view prompt,
                                                     std::string_view caption, std::string_view)
{
    shown.push_back({std::string(prompt), std::string(caption), MessageKind::Information});
    if (textReplies.empty())
        return std::nullopt;
    auto reply = textReplies.front();
    textReplies.pop_front();
    return reply;
}

std::string ScriptedMessages::lastText() const
{
    return shown.empty() ? std::string() : shown.back().text;
}

std::string ScriptedMessages::lastCaption() const
{
    return shown.empty() ? std::string() : shown.back().caption;
}

} // namespace ovix
