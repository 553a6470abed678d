// upload.cfg over any bytes: the block is always 5040 bytes, texts at most
// their slot (a damaged slot may lack its NUL) with no NUL, the named slots
// never spill into the reserved bytes, and what is read is written and read
// back unchanged, byte for byte.

#include "fuzz/settings_fuzz.h"

#include "comms/logic/upload_config.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    const std::string_view input = fuzz::bytesOf(data, size);
    fuzz::putScratchFile(kUploadConfigFileName, input);
    const DataDir shop = fuzz::scratchShop();
    std::optional<UploadConfig> read = readUploadConfig(shop);
    check(read.has_value());
    const UploadConfig &config = *read;
    const std::string_view bytes = config.bytes();
    check(bytes.size() == kUploadConfigSize);
    const size_t kept = std::min(size, kUploadConfigSize);
    check(bytes.substr(0, kept) == input.substr(0, kept));
    check(bytes.find_first_not_of('\0', kept) == std::string_view::npos);

    std::string texts[3 + kHeadOfficeReportCount]
        = { config.server(), config.userName(), config.password() };
    for (int report = 0; report < kHeadOfficeReportCount; ++report)
        texts[3 + report] = config.fileName(static_cast<HeadOfficeReport>(report));
    for (const std::string &text : texts) {
        check(text.size() <= kUploadTextSlot);
        check(text.find('\0') == std::string::npos);
    }

    check(writeUploadConfig(shop, config));
    std::optional<UploadConfig> again = readUploadConfig(shop);
    check(again && again->bytes() == bytes);

    // Setting every text to what it reads changes no named byte and no
    // reserved byte at all.
    UploadConfig copy = config;
    copy.setServer(texts[0]);
    copy.setUserName(texts[1]);
    copy.setPassword(texts[2]);
    for (int report = 0; report < kHeadOfficeReportCount; ++report)
        copy.setFileName(static_cast<HeadOfficeReport>(report), texts[3 + report]);
    check(copy.server() == texts[0].substr(0, kUploadTextSlot - 1));
    check(copy.password() == texts[2].substr(0, kUploadTextSlot - 1));
    size_t outside = 0;
    for (const UploadConfigSlot &slot : uploadConfigSlots()) {
        check(copy.bytes().substr(outside, slot.offset - outside)
            == bytes.substr(outside, slot.offset - outside));
        outside = slot.offset + kUploadTextSlot;
    }
    check(copy.bytes().substr(outside) == bytes.substr(outside));

    copy.presetEmptyNames();
    for (int report = 0; report < kHeadOfficeReportCount; ++report)
        check(!copy.fileName(static_cast<HeadOfficeReport>(report)).empty());
    return 0;
}
