#pragma once
// The till's sounds through the desktop's sound player.
//
// The three WAV files are compiled into the program (":/sounds/8002.wav" and
// so on). On first use they are copied into a private temporary folder, and
// each play starts a player program on one of them without waiting for it:
// paplay where the desktop runs a PulseAudio or PipeWire server, else aplay
// for plain ALSA. A player that fails to start, exits with an error or hangs
// is not tried again; when none is left the till stays silent and says so
// once on the console.

#include "platform/sounds.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QProcess;
class QTemporaryDir;

namespace ovix {

class QtSounds : public QObject, public Sounds {
public:
    // A player program; the WAV file's path is added after `arguments`.
    struct Player {
        QString program;
        QStringList arguments;
    };

    // Uses the players from installedPlayers().
    QtSounds();
    // Uses `players`, tried in this order (tests give their own).
    explicit QtSounds(std::vector<Player> players);
    ~QtSounds() override;

    void play(int resource) override;

    // True once every player has failed (or none was installed).
    bool gaveUp() const
    {
        return gaveUp_;
    }
    // Sounds whose player is still running.
    int playing() const
    {
        return static_cast<int>(running_.size());
    }

    // paplay and aplay, those of them found on PATH.
    static std::vector<Player> installedPlayers();
    // The compiled-in WAV of `resource` (":/sounds/8004.wav"), or empty for
    // an unknown number.
    static QString resourcePath(int resource);

private:
    bool prepare();
    void playerFailed(size_t player);
    void finished(QProcess *process, size_t player, bool ok);
    void giveUp(const char *why);

    std::vector<Player> players_;
    size_t current_ = 0;
    bool gaveUp_ = false;
    std::unique_ptr<QTemporaryDir> folder_;
    std::vector<QProcess *> running_;
};

} // namespace ovix
