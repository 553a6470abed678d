#pragma once
// The publishing cycle: film.dat copied to inventor.dat, converted to the
// stock file and, unless "Local file only" is set, uploaded on a worker thread
// of its own. The copy and the conversion run on the calling (window) thread.
//
// Upload threads only read their own copy of the settings and append to the
// PublishLog. They are joined, never left running: finished ones at the next
// cycle, the rest by finish(), which the owner calls before the program ends.

#include "platform/data_dir.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace ovix {

class PublishLog;
class SyncConfig;

class Publisher {
public:
    enum class Result {
        CopyFailed, // "Unable to locate or copy the OVIX inventory file"
        ConversionFailed, // "Unable to convert inventory file for upload"
        LocalFileProduced, // "Local file produced.", then "File: <path>"
        UploadStarted, // the upload thread logs the rest
    };

    Publisher(DataDir dir, PublishLog &log);
    // Calls finish().
    ~Publisher();
    Publisher(const Publisher &) = delete;
    Publisher &operator=(const Publisher &) = delete;

    // One publishing cycle with the settings in `config` (copied for the
    // upload). Returns once the upload thread has started.
    Result runCycle(const SyncConfig &config);

    // Upload threads started and not yet joined.
    int uploadsRunning() const;
    // Waits for every upload to end by itself.
    void waitForUploads();
    // Asks every running upload to give up, and waits for them (about a
    // second at most). Later cycles upload again.
    void finish();

private:
    struct Upload {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void startUpload(const SyncConfig &config, const std::string &localPath);
    void joinFinished();

    DataDir dir_;
    PublishLog &log_;
    std::vector<Upload> uploads_;
    std::atomic<bool> stop_ { false };
};

} // namespace ovix
