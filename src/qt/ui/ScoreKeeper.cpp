#include "ScoreKeeper.h"

#include "GameFiles.h"
#include "MessageBoxes.h"
#include "SqliteRegistryStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace bmd::ui {

namespace {

// The locale's decimal point where it is one plain character.
char LocaleDecimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
}

} // namespace

ScoreKeeper::ScoreKeeper(std::optional<std::filesystem::path> storeFile, int tellAfterMs)
    : storeFile_(std::move(storeFile)), tellAfterMs_(tellAfterMs)
{
    connect(&retry_, &QTimer::timeout, this, &ScoreKeeper::Retry);
}

ScoreKeeper::~ScoreKeeper() = default;

std::filesystem::path ScoreKeeper::DefaultStoreFile()
{
    // Qt takes the home folder from HOME alone, and without it would keep
    // the scores in "/". A login gives the password database's home, and so
    // does GLib.
    if (qEnvironmentVariableIsEmpty("HOME")) {
        const passwd* user = ::getpwuid(::geteuid());
        if (user == nullptr || user->pw_dir == nullptr || user->pw_dir[0] != '/') {
            return {};
        }
        qputenv("HOME", user->pw_dir);
    }
    // A folder the player may not write still holds scores to read.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return std::filesystem::path(QFile::encodeName(folder).toStdString()) / "registry.sqlite";
}

void ScoreKeeper::Open()
{
    if (scores_) {
        return;
    }
    std::unique_ptr<RegistryStore> store;
    if (!storeFile_) {
        storeFile_ = DefaultStoreFile();
    }
    if (storeFile_->empty()) {
        store = std::make_unique<NoRegistryStore>();
    } else {
        auto sqlite = std::make_unique<SqliteRegistryStore>(*storeFile_, std::chrono::milliseconds(kBusyWaitMs));
        store_ = sqlite.get();
        store = std::move(sqlite);
    }
    scores_ = std::make_unique<HighScores>(std::move(store), LocaleDecimalPoint());
    scores_->SeedHighScores();
    if (StoreBusy()) {
        StartRetrying();
    }
    if (store_ != nullptr && !store_->DamagedCopy().empty()) {
        // Once the window that asked for the scores shows, over it.
        QTimer::singleShot(0, this, [this] {
            QWidget* over = QApplication::activeModalWidget();
            damaged_.Show(over != nullptr ? over : QApplication::activeWindow(),
                          tr("The high-score file \"%1\" was damaged. Its old scores were kept in \"%2\", and a "
                             "fresh table was started.\n\nNothing needs to be done.")
                              .arg(ShownName(*storeFile_), ShownName(store_->DamagedCopy())));
        });
    }
}

void ScoreKeeper::StartRetrying()
{
    waitedMs_ = 0;
    retry_.start(kRetryMs);
}

bool ScoreKeeper::StoreBusy() const
{
    return store_ != nullptr && store_->MayOpenLater();
}

HighScores& ScoreKeeper::Scores()
{
    Open();
    // A store that was held when it was opened, and no score waiting for
    // it: try it again now that it is needed rather than on a timer.
    if (StoreBusy() && !retry_.isActive() && store_->Reopen()) {
        scores_->SeedHighScores();
    }
    return *scores_;
}

const HighScoreTable& ScoreKeeper::Table()
{
    Scores().Refresh();
    return scores_->StoredTable();
}

bool ScoreKeeper::Qualifies(std::int16_t tries)
{
    Scores().Refresh();
    return scores_->Qualifies(tries);
}

std::int16_t ScoreKeeper::SaveNewScore(std::int16_t tries, const QString& name, QWidget* parent)
{
    const SavedScore saved = Scores().SaveNewScore(tries, name.toStdString());
    if (saved.result == StoreResult::Busy || saved.result == StoreResult::DiskFull) {
        // Another program holds the store, or the disk is full: keep trying.
        // A busy store is told only if it goes on for a while.
        StartRetrying();
    }
    if (saved.result != StoreResult::Stored && saved.result != StoreResult::Busy) {
        Tell(saved.result, parent);
    }
    return saved.position;
}

bool ScoreKeeper::ResetHighScores(QWidget* parent)
{
    const StoreResult result = Scores().ResetHighScores();
    if (result != StoreResult::Stored) {
        ShowMessage(parent,
                    tr("The high scores could not be cleared: %1\n\n%2").arg(WhyText(result), WhatToDoText(result)));
    }
    return result == StoreResult::Stored;
}

void ScoreKeeper::Retry()
{
    waitedMs_ += retry_.interval();
    if (StoreBusy() && store_->Reopen()) {
        scores_->SeedHighScores();
    }
    if (!scores_->HasUnsavedScores()) {
        // Nothing waits: the store is tried again when it is next needed.
        retry_.stop();
        return;
    }
    const StoreResult result = scores_->StoreUnsavedScores();
    if (result == StoreResult::Stored) {
        retry_.stop();
        // What the player was told no longer holds.
        notice_.Replace(tr("Your score has now been saved in the high-score table.\n\nNothing needs to be done."));
        return;
    }
    const bool worthWaiting = result == StoreResult::Busy || result == StoreResult::DiskFull;
    if (!worthWaiting) {
        retry_.stop();
        Tell(result, QApplication::activeWindow());
    } else if (result == StoreResult::DiskFull || waitedMs_ >= tellAfterMs_) {
        // Still trying, less often now that the player knows.
        retry_.setInterval(std::min(2 * retry_.interval(), kSlowestRetryMs));
        Tell(result, QApplication::activeWindow());
    }
}

void ScoreKeeper::Tell(StoreResult why, QWidget* parent)
{
    if (told_) {
        return;
    }
    told_ = true;
    notice_.Show(parent, tr("Your score could not be saved: %1\n\n%2\n\n"
                            "It stays in the high-score table until you close the game.")
                             .arg(WhyText(why), WhatToDoText(why)));
}

QString ScoreKeeper::WhyText(StoreResult why) const
{
    if (!storeFile_ || storeFile_->empty()) {
        return qEnvironmentVariableIsEmpty("HOME")
                   ? tr("your home folder is not known, so there is no folder where the game may keep its scores.")
                   : tr("there is no folder where the game may keep its scores.");
    }
    const QString file = ShownName(*storeFile_);
    switch (why) {
    case StoreResult::Busy:
        return tr("another program is using the high-score file \"%1\".").arg(file);
    case StoreResult::ReadOnly:
        return store_ != nullptr && store_->IsOpen() ? tr("the high scores in \"%1\" are read-only.").arg(file)
                                                     : tr("you may not make the high-score file \"%1\".").arg(file);
    case StoreResult::DiskFull:
        return tr("the disk that holds \"%1\" is full.").arg(file);
    default:
        return tr("the high-score file \"%1\" cannot be opened or made.").arg(file);
    }
}

QString ScoreKeeper::WhatToDoText(StoreResult why) const
{
    if (!storeFile_ || storeFile_->empty()) {
        return tr("Nothing needs to be done.");
    }
    switch (why) {
    case StoreResult::Busy:
        return tr("Close the other program: the game keeps trying and saves the score as soon as it can.");
    case StoreResult::DiskFull:
        return tr("Free some disk space: the game keeps trying and saves the score as soon as it can.");
    default:
        return tr("To keep scores, you need the right to write in the folder \"%1\" and its file.")
            .arg(ShownName(storeFile_->parent_path()));
    }
}

} // namespace bmd::ui
