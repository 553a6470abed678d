#include "store/till_config_file.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/till_config.h"

namespace ovix {

bool loadTillConfig(const DataDir &dir, TillConfig &config, Messages &messages)
{
    // Only the block's own length is read, however long the file has grown.
    File file = File::open(dir.path(kTillConfigFileName), File::Mode::Read);
    std::string bytes(kTillConfigSize, '\0');
    int64_t length = file.isOpen() ? file.readSomeAt(0, bytes.data(), bytes.size()) : -1;
    if (length < 0) {
        reportFatal(messages, "Data file wr.cfg not present in Opendata.");
        return false;
    }
    bytes.resize(static_cast<size_t>(length));
    config.assign(bytes);
    return true;
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
