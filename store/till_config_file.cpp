#include "store/till_config_file.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/till_config.h"

#include <cerrno>

namespace ovix {

bool loadTillConfig(const DataDir &dir, TillConfig &config, Messages &messages,
                    int64_t *fileSize)
{
    // Only the block's own length is read, however long the file has grown.
    File file = File::open(dir.path(kTillConfigFileName), File::Mode::Read);
    std::string bytes(kTillConfigSize, '\0');
    int64_t length = file.isOpen() ? file.readSomeAt(0, bytes.data(), bytes.size()) : -1;
    const int64_t size = length < 0 ? -1 : file.size();
    if (length < 0 || size < 0) {
        reportFatal(messages, "Data file wr.cfg not present in Opendata.");
        return false;
    }
    if (fileSize)
        *fileSize = size;
    bytes.resize(static_cast<size_t>(length));
    config.assign(bytes);
    return true;
}

std::optional<std::string> keepTillConfigCopy(const DataDir &dir, const LocalTime &now,
                                              std::string *error)
{
    constexpr int kNamesTried = 100;
    const std::string stamp = cformat("%s.damaged-%04d%02d%02d-%02d%02d%02d", kTillConfigFileName,
                                      now.year, now.month, now.day, now.hour, now.minute,
                                      now.second);
    const std::string source = dir.path(kTillConfigFileName);
    for (int attempt = 1; attempt <= kNamesTried; ++attempt) {
        const std::string name = attempt == 1 ? stamp : cformat("%s-%d", stamp.c_str(), attempt);
        int errorNumber = 0;
        if (copyToNewFile(source, dir.root() + "/" + name, &errorNumber, error))
            return name;
        if (errorNumber != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool storeTillConfig(const DataDir &dir, const TillConfig &config, std::string *error)
{
    return replaceFileAtomically(dir.path(kTillConfigFileName), config.view(), error);
}

bool storeTillConfig(const DataDir &dir, const TillConfig &config, Messages &messages,
                     TillConfigStoreMoment moment)
{
    if (storeTillConfig(dir, config))
        return true;
    switch (moment) {
    case TillConfigStoreMoment::AfterStart:
    case TillConfigStoreMoment::BeforeBackup:
        reportProblem(messages, "WR.CFG");
        break;
    case TillConfigStoreMoment::AfterTransaction:
        reportFatal(messages, "Data file: wr.cfg, not present.");
        break;
    case TillConfigStoreMoment::AtShutdown:
        reportProblem(messages, "Unable to create WR.CFG at end of WinMaim");
        break;
    }
    return false;
}

} // namespace ovix
