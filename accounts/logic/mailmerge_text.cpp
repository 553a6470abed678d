#include "accounts/logic/mailmerge_text.h"

#include "platform/file.h"
#include "platform/messages.h"

namespace ovix {

std::optional<std::string> loadMailmergeText(const std::string &path, Messages &messages)
{
    if (!fileExists(path) || isDirectory(path)) {
        reportFatal(messages, "File not present.");
        return std::nullopt;
    }
    const int64_t size = fileSize(path);
    if (size == 0 || size > static_cast<int64_t>(kMailmergeFileLength)) {
        reportProblem(messages, "File of incorrect type");
        return std::nullopt;
    }
    std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        reportFatal(messages, "File not present.");
        return std::nullopt;
    }
    // The file may have changed since it was measured.
    if (text->empty() || text->size() > kMailmergeFileLength
        || text->find('\0') != std::string::npos) {
        reportProblem(messages, "File of incorrect type");
        return std::nullopt;
    }
    return text;
}

bool saveMailmergeText(const std::string &path, std::string_view text, Messages &messages)
{
    if (path.empty() || isDirectory(path) || !replaceFileAtomically(path, text)) {
        reportFatal(messages, "File failure.");
        return false;
    }
    return true;
}

} // namespace ovix
