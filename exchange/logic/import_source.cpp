#include "exchange/logic/import_source.h"

#include "exchange/logic/import_lines.h"
#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/messages.h"

namespace ovix {

std::optional<ImportSource> checkImportSource(std::string path, std::string bytes,
    Messages &messages)
{
    if (bytes.empty()) {
        messages.beep();
        messages.confirm("File has no content", "Problem", MessageKind::Warning);
        return std::nullopt;
    }
    ImportLineReader reader(bytes);
    ImportLine first;
    reader.next(first);
    if (bytes.find('\n') == std::string::npos || first.tooLong) {
        reportProblem(messages, "Non recognised format");
        return std::nullopt;
    }
    ImportSource source;
    source.path = std::move(path);
    source.columns = countImportColumns(first.text.substr(0, first.text.find('\r')));
    source.firstLine = std::string(first.text);
    source.bytes = std::move(bytes);
    source.lines = countImportLines(source.bytes);
    return source;
}

std::optional<ImportSource> readImportSource(const std::string &path, Messages &messages)
{
    std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        reportFatal(messages, "File not present.");
        return std::nullopt;
    }
    return checkImportSource(path, std::move(*bytes), messages);
}

bool confirmImportSize(const ImportSource &source, Messages &messages)
{
    return messages.confirm(
        cformat("%lld records of %d fields", static_cast<long long>(source.lines), source.columns),
        "File import", MessageKind::Information);
}

} // namespace ovix
