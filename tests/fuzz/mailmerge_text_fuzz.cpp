// The mailmerge's "Load" over any file: it gives the file's text whole or a
// message and nothing, never a text of more than 1000 bytes or holding a NUL,
// and a text it gives is saved and loaded back unchanged.

#include "fuzz/settings_fuzz.h"

#include "accounts/logic/mailmerge_text.h"
#include "platform/scripted_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    const std::string_view input = fuzz::bytesOf(data, size);
    const std::string path = fuzz::putScratchFile("letter.txt", input);
    ScriptedMessages messages;
    const std::optional<std::string> text = loadMailmergeText(path, messages);
    const bool acceptable = !input.empty() && input.size() <= kMailmergeFileLength
        && input.find('\0') == std::string_view::npos;
    check(text.has_value() == acceptable);
    if (!text) {
        check(messages.shown.size() == 1 && messages.lastText() == "File of incorrect type"
            && messages.lastCaption() == "Problem");
        return 0;
    }
    check(messages.shown.empty() && *text == input);

    const std::string copy = fuzz::scratchFolder() + "/saved.txt";
    check(saveMailmergeText(copy, *text, messages));
    const std::optional<std::string> again = loadMailmergeText(copy, messages);
    check(again && *again == *text && messages.shown.empty());
    return 0;
}
