#include "ui/HighScoresOpener.h"

#include "scores/HighScores.h"
#include "ui/frmHighScores.h"

#include <utility>

namespace bmd::ui {

void HighScoresOpener::ShowTable()
{
    Open(false, 0);
}

void HighScoresOpener::OfferEntry(std::int16_t tries)
{
    if (highScores_ == nullptr || !highScores_->Qualifies(tries)) {
        return;
    }
    if (open_) {
        waitingEntry_ = tries;
        return;
    }
    Open(true, tries);
}

void HighScoresOpener::Open(bool newScorePending, std::int16_t tries)
{
    if (highScores_ == nullptr || open_) {
        return;
    }
    open_ = true;
    {
        frmHighScores window(owner_, *highScores_, newScorePending, tries);
        window.exec();
    }
    open_ = false;
    if (const auto entry = std::exchange(waitingEntry_, std::nullopt)) {
        Open(true, *entry);
    }
}

} // namespace bmd::ui
