// wrmail.cfg over any bytes: every text read is at most 79 bytes with no NUL,
// the reserved bytes go back as read, what is read survives being written
// and read again, and a block that passes the dialog's checks is stored and
// reloaded unchanged.

#include "fuzz/settings_fuzz.h"

#include "comms/logic/mail_settings.h"
#include "platform/scripted_messages.h"

#include <algorithm>

namespace {

using ovix::fuzz::check;

void checkTexts(const ovix::MailSettings &settings)
{
    for (const std::string *text : { &settings.server, &settings.target, &settings.sender,
             &settings.userName, &settings.password }) {
        check(text->size() <= ovix::kMailTextLength);
        check(text->find('\0') == std::string::npos);
    }
}

bool sameValues(const ovix::MailSettings &a, const ovix::MailSettings &b)
{
    return a.server == b.server && a.target == b.target && a.sender == b.sender && a.port == b.port
        && a.encryption == b.encryption && a.userName == b.userName && a.password == b.password;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    const std::string_view input = fuzz::bytesOf(data, size);
    fuzz::putScratchFile(kMailSettingsFileName, input);
    const DataDir shop = fuzz::scratchShop();
    const LoadedMailSettings loaded = loadMailSettings(shop);
    check(loaded.status == MailSettingsLoad::Loaded);
    const MailSettings &settings = loaded.settings;
    checkTexts(settings);
    check(settings.original.size() == kMailSettingsSize);
    const size_t kept = std::min(size, kMailSettingsSize);
    check(settings.original.compare(0, kept, input.substr(0, kept)) == 0);

    const std::string written = mailSettingsBytes(settings);
    check(written.size() == kMailSettingsSize);
    // The reserved bytes 168-319 go back as read.
    check(written.compare(168, 152, settings.original, 168, 152) == 0);
    const MailSettings again = mailSettingsFromBytes(written);
    check(sameValues(settings, again));
    check(mailSettingsBytes(again) == written);

    ScriptedMessages quiet;
    if (checkMailSettings(settings, quiet)) {
        check(quiet.shown.empty());
        check(storeMailSettings(shop, settings, quiet));
        const LoadedMailSettings stored = loadMailSettings(shop);
        check(stored.status == MailSettingsLoad::Loaded);
        check(sameValues(stored.settings, settings));
        check(stored.settings.original == written);
    } else {
        check(quiet.shown.size() == 1 && quiet.shown[0].caption == "Problem");
    }
    return 0;
}
