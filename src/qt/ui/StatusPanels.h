#pragma once

#include <array>
#include <cstdint>

class QLabel;
class QStatusBar;

namespace bmd::ui {

// The main window's status bar: the captions "Tries", "Matches Made" and
// "Matches Remaining" each beside its number, and the maker's web address
// between them taking the width the others leave.
class StatusPanels {
public:
    static constexpr int kCount = 7;

    explicit StatusPanels(QStatusBar* statusBar);

    // Plain decimal numbers; the matches remaining are 27 - matchesMade.
    void ShowCounters(std::int16_t tries, std::int16_t matchesMade);

    // Panel by its index from 1, in the order above.
    QLabel* Panel(int panel) const { return panels_.at(static_cast<std::size_t>(panel - 1)); }

private:
    std::array<QLabel*, kCount> panels_{};
};

} // namespace bmd::ui
