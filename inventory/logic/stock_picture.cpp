#include "inventory/logic/stock_picture.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"

#include <dirent.h>

#include <cstdint>

namespace ovix {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kSmallestPictureHeader = 12;

uint32_t readUnsigned32(std::string_view bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

uint16_t readUnsigned16(std::string_view bytes, size_t offset)
{
    return uint16_t(uint8_t(bytes[offset]) | uint8_t(bytes[offset + 1]) << 8);
}

bool folderReadable(const std::string &path)
{
    DIR *folder = opendir(path.c_str());
    if (!folder)
        return false;
    closedir(folder);
    return true;
}

} // namespace

bool looksLikeBitmap(std::string_view bytes)
{
    if (bytes.size() < kFileHeaderSize + kSmallestPictureHeader)
        return false;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint32_t declaredSize = readUnsigned32(bytes, 2);
    const uint32_t pixelOffset = readUnsigned32(bytes, 10);
    const uint32_t headerSize = readUnsigned32(bytes, 14);
    // Some programs leave the declared size 0; a larger one means a cut-off file.
    if (declaredSize > bytes.size())
        return false;
    if (headerSize < kSmallestPictureHeader || kFileHeaderSize + headerSize > bytes.size())
        return false;
    if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset >= bytes.size())
        return false;
    if (headerSize == kSmallestPictureHeader)
        return readUnsigned16(bytes, 18) != 0 && readUnsigned16(bytes, 20) != 0;
    return readUnsigned32(bytes, 18) != 0 && readUnsigned32(bytes, 22) != 0;
}

bool replaceStockPicture(
    const DataDir &dir, int number, const std::string &source, Messages &messages)
{
    if (!folderReadable(dir.root())) {
        reportProblem(messages, "Unable to locate directory.");
        return false;
    }
    if (number < 1 || number > 24) {
        reportProblem(messages, "Choose one of the inbuilt pictures 1 to 24.");
        return false;
    }
    const std::optional<std::string> bytes = readWholeFile(source);
    if (!bytes) {
        reportProblem(messages, cformat("Unable to read %s.", source.c_str()));
        return false;
    }
    if (!looksLikeBitmap(*bytes)) {
        reportProblem(messages, cformat("%s is not a bitmap picture.", source.c_str()));
        return false;
    }
    const std::string target = dir.path(cformat("stock%d.bmp", number));
    std::string error;
    if (!replaceFileAtomically(target, *bytes, &error)) {
        reportProblem(messages, cformat("Unable to write %s: %s", target.c_str(), error.c_str()));
        return false;
    }
    reportInfo(messages, "Updated.", "Inbuilt picture");
    return true;
}

} // namespace ovix
