#include "platform/widgets/qt_sounds.h"

#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace ovix {

namespace {

constexpr int kSoundNumbers[] = { kKeySound, kVoidSound, kAddSound };

// More sounds than this at once are dropped: the ear cannot tell them apart
// and a stuck player must not pile up processes.
constexpr size_t kMostPlaying = 3;

// A player still running after this long is taken as hung.
constexpr int kPlayerTimeoutMs = 5000;

bool knownSound(int resource)
{
    return std::find(std::begin(kSoundNumbers), std::end(kSoundNumbers), resource)
        != std::end(kSoundNumbers);
}

QString fileName(int resource)
{
    return QString::number(resource) + QStringLiteral(".wav");
}

} // namespace

QtSounds::QtSounds()
    : QtSounds(installedPlayers())
{
}

QtSounds::QtSounds(std::vector<Player> players)
    : players_(std::move(players))
{
}

QtSounds::~QtSounds()
{
    for (QProcess *process : running_) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished(1000);
        delete process;
    }
}

std::vector<QtSounds::Player> QtSounds::installedPlayers()
{
    std::vector<Player> players;
    const QString paplay = QStandardPaths::findExecutable(QStringLiteral("paplay"));
    if (!paplay.isEmpty())
        players.push_back({ paplay, {} });
    const QString aplay = QStandardPaths::findExecutable(QStringLiteral("aplay"));
    if (!aplay.isEmpty())
        players.push_back({ aplay, { QStringLiteral("-q") } });
    return players;
}

QString QtSounds::resourcePath(int resource)
{
    if (!knownSound(resource))
        return {};
    return QStringLiteral(":/sounds/") + fileName(resource);
}

void QtSounds::play(int resource)
{
    if (!knownSound(resource) || gaveUp_ || running_.size() >= kMostPlaying || !prepare())
        return;

    const size_t player = current_;
    auto *process = new QProcess(this);
    process->setProgram(players_[player].program);
    QStringList arguments = players_[player].arguments;
    arguments << folder_->filePath(fileName(resource));
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
        [this, process, player](int code, QProcess::ExitStatus status) {
            finished(process, player, status == QProcess::NormalExit && code == 0);
        });
    auto startFailed = [this, process, player](QProcess::ProcessError error) {
        // A crash or a kill also ends in finished(); only a failed start does not.
        if (error == QProcess::FailedToStart)
            finished(process, player, false);
    };
    connect(process, &QProcess::errorOccurred, this, startFailed);
    QTimer::singleShot(kPlayerTimeoutMs, process, &QProcess::kill);
    running_.push_back(process);
    process->start();
}

bool QtSounds::prepare()
{
    if (folder_)
        return true;
    if (players_.empty()) {
        giveUp("neither paplay nor aplay is installed");
        return false;
    }
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid()) {
        giveUp("no temporary folder for the sound files");
        return false;
    }
    for (int resource : kSoundNumbers) {
        QFile source(resourcePath(resource));
        QFile target(folder->filePath(fileName(resource)));
        const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly, ownerOnly)
            || target.write(source.readAll()) != source.size() || !target.flush()) {
            giveUp("the sound files cannot be written to the temporary folder");
            return false;
        }
    }
    folder_ = std::move(folder);
    return true;
}

void QtSounds::finished(QProcess *process, size_t player, bool ok)
{
    auto found = std::find(running_.begin(), running_.end(), process);
    if (found == running_.end())
        return; // a failed start reported before its finished()
    running_.erase(found);
    process->deleteLater();
    if (!ok)
        playerFailed(player);
}

void QtSounds::playerFailed(size_t player)
{
    // Sounds already under way with a player that failed do not skip the next one.
    if (player != current_ || gaveUp_)
        return;
    ++current_;
    if (current_ >= players_.size())
        giveUp("no sound player works here");
}

void QtSounds::giveUp(const char *why)
{
    gaveUp_ = true;
    qWarning("Sound effects are silent: %s.", why);
}

} // namespace ovix
