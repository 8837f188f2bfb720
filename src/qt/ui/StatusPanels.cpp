#include "StatusPanels.h"

#include "CardFaces.h"
#include "HyperJump.h"
#include "WindowStyle.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

#include <tuple>

namespace bmd::ui {

namespace {

struct PanelDesign {
    const char* text; // nullptr: the web address
    int widthTwips;
    bool stretches;
};

// The captions must fit their fixed widths in every language: a translation
// that does not is shortened, never the panel widened.
constexpr std::array<PanelDesign, StatusPanels::kCount> kPanels{{
    //: A status bar caption: it must fit a panel 40 pixels wide.
    {QT_TRANSLATE_NOOP("StatusPanels", "Tries"), 600, false},
    {"", 700, false},
    {nullptr, 1000, true},
    //: A status bar caption: it must fit a panel 81 pixels wide.
    {QT_TRANSLATE_NOOP("StatusPanels", "Matches Made"), 1210, false},
    {"", 500, false},
    //: A status bar caption: it must fit a panel 107 pixels wide.
    {QT_TRANSLATE_NOOP("StatusPanels", "Matches Remaining"), 1600, false},
    {"", 500, false},
}};

constexpr int kTriesPanel = 2;
constexpr int kMatchesMadePanel = 5;
constexpr int kMatchesRemainingPanel = 7;

QString Translated(const char* text)
{
    return QCoreApplication::translate("StatusPanels", text);
}

} // namespace

StatusPanels::StatusPanels(QStatusBar* statusBar)
{
    UseFixedText(statusBar);
    for (std::size_t i = 0; i < kPanels.size(); ++i) {
        const PanelDesign& design = kPanels[i];
        auto* label = new QLabel(design.text != nullptr ? Translated(design.text) : shell::kMakerWebAddress, statusBar);
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
    // A screen reader hears each number with its caption as a sentence says
    // it, and hears it change (a new name is announced even when it is the
    // old one).
    const std::tuple<int, int, const char*> counters[] = {
        {kTriesPanel, tries, QT_TRANSLATE_NOOP("StatusPanels", "Tries %1")},
        {kMatchesMadePanel, matchesMade, QT_TRANSLATE_NOOP("StatusPanels", "Matches made %1")},
        {kMatchesRemainingPanel, kPairCount - matchesMade, QT_TRANSLATE_NOOP("StatusPanels", "Matches remaining %1")},
    };
    for (const auto& [panel, number, spoken] : counters) {
        QLabel* label = Panel(panel);
        label->setText(QString::number(number));
        const QString name = Translated(spoken).arg(number);
        if (label->accessibleName() != name) {
            label->setAccessibleName(name);
        }
    }
}

} // namespace bmd::ui
