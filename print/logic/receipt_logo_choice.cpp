#include "print/logic/receipt_logo_choice.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"

#include <optional>

namespace ovix {

bool takeReceiptLogo(const DataDir &dataDir, const std::string &source, Messages &messages)
{
    if (!isDirectory(dataDir.root())) {
        reportProblem(messages, "Unable to locate directory.");
        return false;
    }
    std::optional<std::string> picture = readWholeFile(source);
    if (!picture) {
        reportProblem(messages, "Unable to read " + source);
        return false;
    }
    std::string error;
    if (!replaceFileAtomically(dataDir.path("receipt.bmp"), *picture, &error)) {
        reportProblem(messages, "Unable to write receipt.bmp: " + error);
        return false;
    }
    reportInfo(messages, "Updated.", "Logo picture");
    return true;
}

} // namespace ovix
