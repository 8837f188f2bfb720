#include "ui/frmBrightmooseConcentration.h"

#include "ui/CardImage.h"
#include "savegame/SavedGameFile.h"
#include "ui/DeckSmall.h"
#include "ui/FileDialogs.h"
#include "scores/HighScores.h"
#include "shell/Help.h"
#include "ui/frmAbout.h"
#include "ui/frmHighScores.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace bmd::ui {

namespace {

using shell::kMakerWebAddress;

struct ToolbarButton {
    const char* key;     // empty for a separator
    const char* toolTip; // empty where the button has none
    const char* picture;
};

constexpr std::array<ToolbarButton, 7> kToolbarButtons{{
    {"NewGame", "New Game", "toolbar/new.png"},
    {"OpenGame", "Open Game", "toolbar/open.png"},
    {"SaveGame", "Save Game", "toolbar/save.png"},
    {"", "", ""},
    {"HighScores", "", "toolbar/highscores.png"},
    {"", "", ""},
    {"Help", "", "toolbar/help.png"},
}};

struct PanelDesign {
    const char* text;
    int widthTwips;
    bool stretches;
};

constexpr std::array<PanelDesign, 7> kStatusPanels{{
    {"Tries", 600, false},
    {"", 700, false},
    {nullptr, 1000, true}, // the web address; takes the width the others leave
    {"Matches Made", 1210, false},
    {"", 500, false},
    {"Matches Remaining", 1600, false},
    {"", 500, false},
}};

std::filesystem::path ToPath(const QString& fileName)
{
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

// Card places in pixels from the top left of the client area.
QPoint CardPlace(int index)
{
    const int row = index / kColumnCount;
    const int column = index % kColumnCount;
    return {8 + 72 * column, 32 + 96 * row};
}

} // namespace

frmBrightmooseConcentration::frmBrightmooseConcentration(RandomSource* random, QWidget* parent,
                                                         Loading loading)
    : QMainWindow(parent), game_(*this, random != nullptr ? *random : clockRandom_)
{
    setObjectName(QStringLiteral("frmBrightmooseConcentration"));
    setWindowTitle(kApplicationTitle);
    ApplyWindowStyle(this);
    // The toolbar and the menus are fixed; no context menu to hide them.
    setContextMenuPolicy(Qt::PreventContextMenu);

    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    BuildBoard();

    game_.SetQualificationRule(
        [this](std::int16_t tries) { return highScores_ != nullptr && highScores_->Qualifies(tries); });
    Timer1.setSingleShot(true);
    // A coarse timer may fire 5% late, and the look at two cards should not drag.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(kTurnPauseMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });

    resize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
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

QAction* frmBrightmooseConcentration::AddMenuItem(QMenu* menu, const char* name,
                                                  const QString& caption,
                                                  const QKeySequence& shortcut,
                                                  void (frmBrightmooseConcentration::*slot)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void frmBrightmooseConcentration::BuildMenus()
{
    using Self = frmBrightmooseConcentration;
    QMenu* mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    AddMenuItem(mnuGame, "mnuNewGame", QStringLiteral("&New Game"), Qt::Key_F2, &Self::mnuNewGame_Click);
    AddMenuItem(mnuGame, "mnuOpenGame", QStringLiteral("&Open Game"),
                QKeySequence(Qt::CTRL | Qt::Key_O), &Self::OpenGame);
    mnuSaveGame = AddMenuItem(mnuGame, "mnuSaveGame", QStringLiteral("&Save Game"),
                              QKeySequence(Qt::CTRL | Qt::Key_S), &Self::SaveGame);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    AddMenuItem(mnuGame, "mnuHighScores", QStringLiteral("&High Scores"),
                QKeySequence(Qt::CTRL | Qt::Key_H), &Self::mnuHighScores_Click);
    mnuGame->addSeparator()->setObjectName(QStringLiteral("mnuSpacer2"));
    AddMenuItem(mnuGame, "mnuExit", QStringLiteral("E&xit"), Qt::Key_F3, &Self::mnuExit_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    AddMenuItem(mnuHelp, "mnuContents", QStringLiteral("&Contents"), Qt::Key_F1, &Self::mnuContents_Click);
    AddMenuItem(mnuHelp, "mnuIndex", QStringLiteral("&Index"), {}, &Self::mnuIndex_Click);
    AddMenuItem(mnuHelp, "mnuBrightmoose", QStringLiteral("Brightmoose Software on the Web"), {},
                &Self::mnuBrightmoose_Click);
    AddMenuItem(mnuHelp, "mnuAbout", QStringLiteral("&About..."), {}, &Self::mnuAbout_Click);
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

    for (const ToolbarButton& button : kToolbarButtons) {
        const QString key = QString::fromLatin1(button.key);
        if (key.isEmpty()) {
            Toolbar1->addSeparator();
            continue;
        }
        QAction* action = Toolbar1->addAction(QIcon(LoadArt(QString::fromLatin1(button.picture))),
                                              QString::fromLatin1(button.toolTip));
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setData(key);
        if (QWidget* widget = Toolbar1->widgetForAction(action)) {
            widget->setFixedSize(23, 22);
            widget->setAccessibleName(key);
        }
        if (key == QLatin1String("SaveGame")) {
            toolbarSaveGame_ = action;
        }
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Toolbar1_ButtonClick(action->data().toString()); });
}

void frmBrightmooseConcentration::BuildStatusBar()
{
    QStatusBar* StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(kStatusBarHeight);
    StatusBar1->setFont(GameFont());
    for (std::size_t i = 0; i < kStatusPanels.size(); ++i) {
        const PanelDesign& panel = kStatusPanels[i];
        auto* label = new QLabel(panel.text != nullptr ? QString::fromLatin1(panel.text)
                                                       : kMakerWebAddress,
                                 StatusBar1);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(3);
        if (panel.stretches) {
            label->setMinimumWidth(Px(panel.widthTwips));
        } else {
            label->setFixedWidth(Px(panel.widthTwips));
        }
        StatusBar1->addPermanentWidget(label, panel.stretches ? 1 : 0);
        panels_[i] = label;
    }
}

void frmBrightmooseConcentration::BuildBoard()
{
    auto* board = new QWidget(this);
    board->setObjectName(QStringLiteral("Board"));
    setCentralWidget(board);
    // The board lies below the toolbar; places are given from the client
    // area's top, so shift them up by the toolbar's height.
    for (int i = 0; i < kCardCount; ++i) {
        auto* card = new CardImage(i, board);
        card->setObjectName(QStringLiteral("imgCard%1").arg(i));
        card->setGeometry(QRect(CardPlace(i) - QPoint(0, kToolbarHeight), QSize(61, 89)));
        connect(card, &CardImage::Clicked, this,
                [this](int index) { game_.imgCard_Click(static_cast<std::int16_t>(index)); });
        imgCard[i] = card;
    }
    // The deck is a store of pictures, never part of the table.
    Deck1 = new DeckSmall(board);
    Deck1->setObjectName(QStringLiteral("Deck1"));
    Deck1->move(Px(10200), Px(3600) - kToolbarHeight);
    Deck1->hide();
    Deck1->ReadProperties(PropertyBag());
}

QPoint frmBrightmooseConcentration::CardPositionInClientArea(int index) const
{
    return imgCard.at(index)->mapTo(this, QPoint(0, 0)) - QPoint(0, menuBar()->height());
}

void frmBrightmooseConcentration::SetDeckChangeCard(std::int32_t face)
{
    Deck1->SetChangeCard(face);
}

void frmBrightmooseConcentration::SetCardPictureFromDeck(int index)
{
    imgCard.at(index)->SetPicture(Deck1->Picture());
}

void frmBrightmooseConcentration::SetCardVisible(int index, bool visible)
{
    imgCard.at(index)->setVisible(visible);
}

void frmBrightmooseConcentration::SetCardStretch(int index, bool stretch)
{
    imgCard.at(index)->SetStretch(stretch);
}

void frmBrightmooseConcentration::SetStatusPanelText(int panel, const std::string& text)
{
    panels_.at(panel - 1)->setText(QString::fromStdString(text));
}

void frmBrightmooseConcentration::SetSaveGameEnabled(bool enabled)
{
    mnuSaveGame->setEnabled(enabled);
    toolbarSaveGame_->setEnabled(enabled);
}

void frmBrightmooseConcentration::StartTurnTimer()
{
    Timer1.start();
}

void frmBrightmooseConcentration::StopTurnTimer()
{
    Timer1.stop();
}

void frmBrightmooseConcentration::ShowMessage(const std::string& text)
{
    ui::ShowMessage(this, QString::fromStdString(text));
}

void frmBrightmooseConcentration::ShowHighScoreEntry()
{
    if (highScoresOpen_) {
        entryWaiting_ = true;
        return;
    }
    OpenHighScores(true);
}

void frmBrightmooseConcentration::OpenHighScores(bool newScorePending)
{
    if (highScores_ == nullptr || highScoresOpen_) {
        return;
    }
    highScoresOpen_ = true;
    {
        frmHighScores window(this, *highScores_, newScorePending, game_.State().Tries);
        connect(&window, &frmHighScores::helpTopicRequested, &window,
                [](const QString& topic) { shell::HtmlHelp(shell::HelpCommand::DisplayTopic, topic); });
        connect(&window, &frmHighScores::helpIndexRequested, &window,
                [] { shell::HtmlHelp(shell::HelpCommand::DisplayIndex); });
        connect(&window, &frmHighScores::webSiteRequested, &window,
                [] { shell::HyperJump(kMakerWebAddress); });
        connect(&window, &frmHighScores::aboutRequested, &window, [&window] { frmAbout::ShowModal(&window); });
        window.exec();
    }
    highScoresOpen_ = false;
    if (entryWaiting_) {
        entryWaiting_ = false;
        OpenHighScores(true);
    }
}

void frmBrightmooseConcentration::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("NewGame")) {
        game_.NewGame();
    }
    if (key == QLatin1String("OpenGame")) {
        OpenGame();
    }
    if (key == QLatin1String("SaveGame")) {
        SaveGame();
    }
    if (key == QLatin1String("HighScores")) {
        mnuHighScores_Click();
    }
    if (key == QLatin1String("Help")) {
        shell::HtmlHelp(shell::HelpCommand::DisplayToc, shell::kWelcomeTopic);
    }
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
    // The menu item reaches here even while Save Game is unavailable.
    if (!toolbarSaveGame_->isEnabled()) {
        return;
    }
    const QString fileName = ChooseGameFile(this, FileDialogKind::Save, SaveFileName);
    if (fileName.isEmpty()) {
        return;
    }
    SaveFileName = fileName;
    // Read after the dialog: a turn resolved while it was open is saved resolved.
    const SavedGameStatus status = WriteSavedGameFile(ToPath(fileName), game_.ToSavedGame());
    if (!status.Ok()) {
        ui::ShowMessage(this, QStringLiteral("The game could not be saved to \"%1\".\n\n%2.")
                                  .arg(QDir::toNativeSeparators(fileName),
                                       QString::fromStdString(status.reason)));
    }
}

void frmBrightmooseConcentration::OpenGame()
{
    const QString fileName = ChooseGameFile(this, FileDialogKind::Open, OpenFileName);
    if (fileName.isEmpty()) {
        return;
    }
    OpenFileName = fileName;
    OpenGameFile(fileName);
}

bool frmBrightmooseConcentration::OpenGameFile(const QString& fileName)
{
    const SavedGameReadResult result = ReadSavedGameFile(ToPath(fileName));
    const QString shownName = QDir::toNativeSeparators(fileName);
    const QString reason = QString::fromStdString(result.status.reason);
    switch (result.status.error) {
    case SavedGameError::None:
        game_.RestoreSavedGame(result.game);
        return true;
    case SavedGameError::CannotRead:
        ui::ShowMessage(this, QStringLiteral("\"%1\" could not be opened.\n\n%2.").arg(shownName, reason));
        return false;
    default:
        ui::ShowMessage(this,
                        QStringLiteral("\"%1\" is not a saved game this program can open.\n\n%2.")
                            .arg(shownName, reason));
        return false;
    }
}
void frmBrightmooseConcentration::mnuHighScores_Click()
{
    OpenHighScores(false);
}
void frmBrightmooseConcentration::mnuContents_Click()
{
    shell::HtmlHelp(shell::HelpCommand::DisplayTopic, shell::kWelcomeTopic);
}

void frmBrightmooseConcentration::mnuIndex_Click()
{
    shell::HtmlHelp(shell::HelpCommand::DisplayIndex);
}

void frmBrightmooseConcentration::mnuBrightmoose_Click()
{
    shell::HyperJump(kMakerWebAddress);
}
void frmBrightmooseConcentration::mnuAbout_Click()
{
    frmAbout::ShowModal(this);
}

} // namespace bmd::ui
