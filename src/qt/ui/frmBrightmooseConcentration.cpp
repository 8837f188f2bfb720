#include "frmBrightmooseConcentration.h"

#include "Announcer.h"
#include "Art.h"
#include "CardImage.h"
#include "CardTable.h"
#include "FileDialogs.h"
#include "GameFiles.h"
#include "HelpFiles.h"
#include "HelpMenu.h"
#include "HtmlHelp.h"
#include "MessageBoxes.h"
#include "WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QToolBar>

namespace bmd::ui {

namespace {

// The Game menu shares its actions with the toolbar, whose pictures they
// carry; the menu shows none, and leaves no room for them either.
class PlainMenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // A menu makes room for an icon as wide as this and 4 pixels more.
        return metric == PM_SmallIconSize ? -4 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The High Scores and Help buttons of the toolbar show no tool tip, although
// their actions (shared with the menu) have a text.
class NoToolTip : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

} // namespace

frmBrightmooseConcentration::frmBrightmooseConcentration(RandomSource* random, QWidget* parent, Loading loading)
    : QMainWindow(parent), game_(*this, random != nullptr ? *random : clockRandom_)
{
    setObjectName(QStringLiteral("frmBrightmooseConcentration"));
    setWindowTitle(kApplicationTitle);
    ApplyWindowStyle(this);
    // The toolbar and the menus are fixed; no context menu to hide them.
    setContextMenuPolicy(Qt::PreventContextMenu);

    BuildCommands();
    BuildToolbar();
    QStatusBar* StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(kStatusBarHeight);
    StatusBar1->setFont(GameFont());
    statusPanels_ = std::make_unique<StatusPanels>(StatusBar1);
    announcer_ = new Announcer(StatusBar1);

    table_ = new CardTable(kToolbarHeight, this);
    table_->setObjectName(QStringLiteral("Board"));
    setCentralWidget(table_);
    connect(table_, &CardTable::CardClicked, this, &frmBrightmooseConcentration::imgCard_Click);
    connect(table_, &CardTable::Announce, announcer_, &Announcer::Say);

    Timer1.setSingleShot(true);
    // A coarse timer may fire 5% late, and the look at two cards should not drag.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(kTurnPauseMs);
    connect(&Timer1, &QTimer::timeout, this, &frmBrightmooseConcentration::Timer1_Timer);

    resize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    CentreOnScreen(this);
    if (loading == Loading::Now) {
        Form_Load();
    }
}

frmBrightmooseConcentration::~frmBrightmooseConcentration() = default;

void frmBrightmooseConcentration::Form_Load()
{
    if (!loaded_) {
        loaded_ = true;
        game_.NewGame();
    }
}

void frmBrightmooseConcentration::BuildCommands()
{
    ApplyMenuBarLook(menuBar());
    QMenu* mnuGame = menuBar()->addMenu(tr("&Game"));
    auto* plain = new PlainMenuStyle;
    plain->setParent(mnuGame);
    mnuGame->setStyle(plain);
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    const auto addItem = [&](const char* name, const QString& caption, const QKeySequence& shortcut,
                             void (frmBrightmooseConcentration::*command)()) {
        return AddMenuItem(mnuGame, name, caption, shortcut, this, command);
    };
    using Self = frmBrightmooseConcentration;
    mnuNewGame = addItem("mnuNewGame", tr("&New Game"), Qt::Key_F2, &Self::mnuNewGame_Click);
    mnuOpenGame = addItem("mnuOpenGame", tr("&Open Game"), QKeySequence(Qt::CTRL | Qt::Key_O), &Self::OpenGame);
    mnuSaveGame = addItem("mnuSaveGame", tr("&Save Game"), QKeySequence(Qt::CTRL | Qt::Key_S), &Self::SaveGame);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    mnuHighScores = addItem("mnuHighScores", tr("&High Scores"), QKeySequence(Qt::CTRL | Qt::Key_H),
                            &Self::mnuHighScores_Click);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuSpacer2"));
    addItem("mnuExit", tr("E&xit"), Qt::Key_F3, &Self::mnuExit_Click);

    AddHelpMenu(menuBar(), this, shell::kWelcomeTopic);
}

void frmBrightmooseConcentration::BuildToolbar()
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setFixedHeight(kToolbarHeight);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    // The toolbar's own command: the help with its table of contents.
    auto* help = new QAction(tr("Help"), this);
    help->setObjectName(QStringLiteral("Toolbar1_Help"));
    connect(help, &QAction::triggered, this,
            [] { shell::HtmlHelp(shell::HelpCommand::DisplayToc, shell::kWelcomeTopic); });

    auto* noToolTip = new NoToolTip(this);
    const auto addButton = [&](QAction* action, const char* picture, bool toolTip) {
        action->setIcon(QIcon(art::LoadArt(QString::fromLatin1(picture))));
        // The picture belongs to the toolbar; the menu shows its items plain.
        action->setIconVisibleInMenu(false);
        Toolbar1->addAction(action);
        QWidget* button = Toolbar1->widgetForAction(action);
        button->setFixedSize(23, 22);
        // A screen reader says the command in words, also where no tool tip shows.
        button->setAccessibleName(action->iconText());
        if (!toolTip) {
            button->installEventFilter(noToolTip);
        }
    };
    addButton(mnuNewGame, "toolbar/new.png", true);
    addButton(mnuOpenGame, "toolbar/open.png", true);
    addButton(mnuSaveGame, "toolbar/save.png", true);
    Toolbar1->addSeparator();
    addButton(mnuHighScores, "toolbar/highscores.png", false);
    Toolbar1->addSeparator();
    addButton(help, "toolbar/help.png", false);
}

QPoint frmBrightmooseConcentration::CardPositionInClientArea(int index) const
{
    return table_->Card(index)->mapTo(this, QPoint(0, 0)) - QPoint(0, menuBar()->height());
}

void frmBrightmooseConcentration::ShowTable(const CardsOnTable& onTable)
{
    turnedBack_ = 0;
    pairFace_ = 0;
    table_->ShowTable(onTable);
}

void frmBrightmooseConcentration::ShowFace(int index, std::int16_t face)
{
    turnedBack_ = 0;
    table_->ShowFace(index, face);
}

void frmBrightmooseConcentration::ShowBack(int index)
{
    table_->ShowBack(index);
    if (++turnedBack_ == 2) {
        turnedBack_ = 0;
        announcer_->Say(tr("No pair. %n tries.", nullptr, tries_));
    }
}

void frmBrightmooseConcentration::RemovePair(int first, int second)
{
    // Said once the counters count it; the table then says where the focus went.
    pairFace_ = table_->ShownFace(first);
    table_->RemovePair(first, second);
}

void frmBrightmooseConcentration::CountersChanged(std::int16_t tries, std::int16_t matchesMade)
{
    tries_ = tries;
    statusPanels_->ShowCounters(tries, matchesMade);
    if (const std::int16_t face = std::exchange(pairFace_, 0); face != 0) {
        const QString pair = CardTable::PairName(face);
        if (matchesMade == kPairCount) {
            //: The last pair of a game: %1 its rank ("kings"), %n the tries the game took.
            announcer_->Say(tr("Last pair: %1. %n tries.", nullptr, tries).arg(pair));
        } else {
            //: %1 the pair's rank ("queens"), %2 the pairs made, %3 the pairs left.
            announcer_->Say(
                tr("Pair found: %1. %2 made, %3 left.").arg(pair).arg(matchesMade).arg(kPairCount - matchesMade));
        }
    }
}

void frmBrightmooseConcentration::SaveAvailabilityChanged(bool available)
{
    mnuSaveGame->setEnabled(available);
}

void frmBrightmooseConcentration::StartTurnTimer()
{
    Timer1.start();
}

void frmBrightmooseConcentration::StopTurnTimer()
{
    Timer1.stop();
}

void frmBrightmooseConcentration::GameOver()
{
    // Over the high-score window when that is open, so that the keyboard
    // reaches the message the player must answer.
    QWidget* modal = QApplication::activeModalWidget();
    ShowMessage(modal != nullptr && modal->parentWidget() == this ? modal : this, tr("Game Over!"));
}

void frmBrightmooseConcentration::OfferHighScore(std::int16_t tries)
{
    if (!highScoresOpener_.OfferEntry(tries)) {
        announcer_->Say(tr("%n tries: not among the ten best.", nullptr, tries));
    }
}

void frmBrightmooseConcentration::imgCard_Click(int Index)
{
    game_.TurnCard(Index);
}

void frmBrightmooseConcentration::Timer1_Timer()
{
    game_.EndTurn();
}

void frmBrightmooseConcentration::mnuNewGame_Click()
{
    game_.NewGame();
}

void frmBrightmooseConcentration::mnuExit_Click()
{
    Timer1.stop();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void frmBrightmooseConcentration::closeEvent(QCloseEvent* event)
{
    // Closing the table ends the program, also when other windows (help) are open.
    Timer1.stop();
    event->accept();
    QCoreApplication::quit();
}

void frmBrightmooseConcentration::SaveGame()
{
    if (!game_.CanSave()) {
        return;
    }
    const QString fileName = ChooseGameFile(this, FileDialogKind::Save, SaveFileName);
    if (fileName.isEmpty()) {
        return;
    }
    SaveFileName = fileName;
    // Read after the dialog: a turn resolved while it was open is saved resolved.
    WriteGameFile(this, NativePath(fileName), game_.RecordToSave());
}

void frmBrightmooseConcentration::OpenGame()
{
    const QString fileName = ChooseGameFile(this, FileDialogKind::Open, OpenFileName);
    if (fileName.isEmpty()) {
        return;
    }
    OpenFileName = fileName;
    OpenGameFile(NativePath(fileName));
}

bool frmBrightmooseConcentration::OpenGameFile(const std::filesystem::path& file)
{
    const std::optional<SavedGame> game = ReadGameFile(this, file);
    if (game) {
        game_.Restore(*game);
    }
    return game.has_value();
}

void frmBrightmooseConcentration::mnuHighScores_Click()
{
    highScoresOpener_.ShowTable();
}

} // namespace bmd::ui
