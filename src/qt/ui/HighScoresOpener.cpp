#include "HighScoresOpener.h"

#include "ScoreKeeper.h"
#include "frmHighScores.h"

#include <utility>

namespace bmd::ui {

void HighScoresOpener::ShowTable()
{
    Open(false, 0);
}

bool HighScoresOpener::OfferEntry(std::int16_t tries)
{
    if (scores_ == nullptr) {
        return true;
    }
    // A table that cannot be read now is waited for in the window, which
    // offers a place once it knows the stored table.
    if (!scores_->Qualifies(tries) && scores_->TableIsRead()) {
        return false;
    }
    if (open_) {
        waitingEntry_ = tries;
        return true;
    }
    Open(true, tries);
    return true;
}

void HighScoresOpener::Open(bool newScorePending, std::int16_t tries)
{
    if (scores_ == nullptr || open_) {
        return;
    }
    open_ = true;
    {
        frmHighScores window(owner_, *scores_, newScorePending, tries);
        window.exec();
    }
    open_ = false;
    if (const auto entry = std::exchange(waitingEntry_, std::nullopt)) {
        Open(true, *entry);
    }
}

} // namespace bmd::ui
