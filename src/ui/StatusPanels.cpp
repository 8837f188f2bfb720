#include "ui/StatusPanels.h"

#include "cards/CardFaces.h"
#include "common/WindowStyle.h"
#include "shell/HyperJump.h"

#include <QLabel>
#include <QStatusBar>

#include <utility>

namespace bmd::ui {

namespace {

struct PanelDesign {
    const char* text; // nullptr: the web address
    int widthTwips;
    bool stretches;
};

constexpr std::array<PanelDesign, StatusPanels::kCount> kPanels{{
    {"Tries", 600, false},
    {"", 700, false},
    {nullptr, 1000, true},
    {"Matches Made", 1210, false},
    {"", 500, false},
    {"Matches Remaining", 1600, false},
    {"", 500, false},
}};

constexpr int kTriesPanel = 2;
constexpr int kMatchesMadePanel = 5;
constexpr int kMatchesRemainingPanel = 7;

// The caption beside a number panel as a sentence says it: "Matches Made"
// becomes "Matches made".
QString AccessibleCaption(int numberPanel)
{
    const QString caption = QString::fromLatin1(kPanels.at(static_cast<std::size_t>(numberPanel - 2)).text);
    return caption.left(1) + caption.mid(1).toLower();
}

} // namespace

StatusPanels::StatusPanels(QStatusBar* statusBar)
{
    for (std::size_t i = 0; i < kPanels.size(); ++i) {
        const PanelDesign& design = kPanels[i];
        auto* label = new QLabel(design.text != nullptr ? QString::fromLatin1(design.text) : shell::kMakerWebAddress,
                                 statusBar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(3);
        if (design.stretches) {
            label->setMinimumWidth(Px(design.widthTwips));
        } else {
            label->setFixedWidth(Px(design.widthTwips));
        }
        statusBar->addPermanentWidget(label, design.stretches ? 1 : 0);
        panels_[i] = label;
    }
}

void StatusPanels::ShowCounters(std::int16_t tries, std::int16_t matchesMade)
{
    // A screen reader hears each number with its caption, and hears it
    // change (a new name is announced even when it is the old one).
    const std::pair<int, QString> counters[] = {
        {kTriesPanel, QString::number(tries)},
        {kMatchesMadePanel, QString::number(matchesMade)},
        {kMatchesRemainingPanel, QString::number(kPairCount - matchesMade)},
    };
    for (const auto& [panel, number] : counters) {
        QLabel* label = Panel(panel);
        label->setText(number);
        const QString name = AccessibleCaption(panel) + QLatin1Char(' ') + number;
        if (label->accessibleName() != name) {
            label->setAccessibleName(name);
        }
    }
}

} // namespace bmd::ui
