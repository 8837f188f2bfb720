#include "ui/ScoreKeeper.h"

#include "common/MessageBoxes.h"
#include "scores/SqliteRegistryStore.h"
#include "ui/GameFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>

namespace bmd::ui {

namespace {

// The locale's decimal point where it is one plain character.
char LocaleDecimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
}

} // namespace

ScoreKeeper::ScoreKeeper(std::optional<std::filesystem::path> storeFile) : storeFile_(std::move(storeFile))
{
    connect(&retry_, &QTimer::timeout, this, &ScoreKeeper::Retry);
}

ScoreKeeper::~ScoreKeeper() = default;

std::filesystem::path ScoreKeeper::DefaultStoreFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
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
}

void ScoreKeeper::StartRetrying()
{
    waitedMs_ = 0;
    retry_.start(kRetryMs);
}

bool ScoreKeeper::StoreBusy() const
{
    return store_ != nullptr && !store_->IsOpen() && store_->OpenResult() == kRegistryBusy;
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
    if (saved.result == StoreResult::Busy) {
        // Another program holds the store: keep trying, and say so only if
        // it goes on for a while.
        StartRetrying();
    } else if (saved.result != StoreResult::Stored) {
        Tell(saved.result, parent);
    }
    return saved.position;
}

bool ScoreKeeper::ResetHighScores(QWidget* parent)
{
    const StoreResult result = Scores().ResetHighScores();
    if (result != StoreResult::Stored) {
        ShowMessage(parent, tr("The high scores could not be cleared: %1").arg(WhyText(result)));
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
    } else if (result != StoreResult::Busy || waitedMs_ >= tellAfterMs_) {
        // Still trying while the store is busy, less often now that the
        // player knows.
        if (result != StoreResult::Busy) {
            retry_.stop();
        } else {
            retry_.setInterval(std::min(2 * retry_.interval(), kSlowestRetryMs));
        }
        Tell(result, QApplication::activeWindow());
    }
}

void ScoreKeeper::Tell(StoreResult why, QWidget* parent)
{
    if (told_) {
        return;
    }
    told_ = true;
    ShowMessage(parent, tr("Your score could not be saved: %1\n\n"
                           "It stays in the high-score table until you close the game.")
                            .arg(WhyText(why)));
}

QString ScoreKeeper::WhyText(StoreResult why) const
{
    if (!storeFile_ || storeFile_->empty()) {
        return tr("there is no folder where the game may keep its scores.");
    }
    const QString file = ShownName(*storeFile_);
    switch (why) {
    case StoreResult::Busy:
        return tr("another program is using the high-score file \"%1\".").arg(file);
    case StoreResult::ReadOnly:
        return tr("the high-score file \"%1\" cannot be changed.").arg(file);
    default:
        return tr("the high-score file \"%1\" cannot be opened or made.").arg(file);
    }
}

} // namespace bmd::ui
