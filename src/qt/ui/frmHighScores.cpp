#include "frmHighScores.h"

#include "Accessibility.h"
#include "Announcer.h"
#include "HelpFiles.h"
#include "HelpMenu.h"
#include "MessageBoxes.h"
#include "ScoreKeeper.h"
#include "WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace bmd::ui {

namespace {

// Colours of the layout, written as 0x00BBGGRR values.
QColor WindowsColour(unsigned bgr)
{
    return {static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
            static_cast<int>((bgr >> 16U) & 0xFFU)};
}

const QColor kHeaderGreen = WindowsColour(0x00C000);
const QColor kBandGreen = WindowsColour(0x00FF00);
const QColor kBeyondCellsGreen = WindowsColour(0x008000);
const QColor kNameBoxGreen = WindowsColour(0x00C000);

constexpr int kClientWidthTwips = 5205;
constexpr int kClientHeightTwips = 4845;
constexpr int kRows = 11; // the header and positions 1 to 10
constexpr int kRowHeightTwips = 240;

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

// The grid, with the lines around its fixed (header) row in black; the
// others are light grey.
class ScoreGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    // A screen reader hears the grid and then the place it is at, as when
    // moving in it.
    void focusInEvent(QFocusEvent* event) override
    {
        QTableWidget::focusInEvent(event);
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus()) {
                    currentChanged(currentIndex(), currentIndex());
                }
            },
            Qt::QueuedConnection);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QTableWidget::paintEvent(event);
        QPainter painter(viewport());
        painter.setPen(Qt::black);
        for (int column = 0; column < columnCount(); ++column) {
            // Each cell's grid lines lie just right of it and just below it.
            const QRect cell = visualRect(model()->index(0, column));
            painter.drawLine(cell.right() + 1, cell.top(), cell.right() + 1, cell.bottom() + 1);
            painter.drawLine(cell.left(), cell.bottom() + 1, cell.right() + 1, cell.bottom() + 1);
        }
    }
};

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    // Enter always presses the default button, wherever the focus is.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmHighScores::frmHighScores(QWidget* owner, ScoreKeeper& scores, bool newScorePending, std::int16_t tries)
    : QDialog(owner), NewScorePending(newScorePending), scores_(scores), tries_(tries)
{
    setObjectName(QStringLiteral("frmHighScores"));
    setWindowTitle(tr("Brightmoose Derudirodozir High Scores"));
    // Modal to its owner only, so that the help it opens stays usable.
    setWindowModality(Qt::WindowModal);
    ApplyWindowStyle(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    layout->addWidget(client);
    BuildMenus();
    BuildControls(client);

    // A sizable window whose controls stay where they are.
    resize(Px(kClientWidthTwips), layout->menuBar()->sizeHint().height() + Px(kClientHeightTwips));
    CentreOnScreen(this);

    Form_Load();
}

void frmHighScores::BuildMenus()
{
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    ApplyMenuBarLook(menuBar);

    QMenu* mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuClear = AddMenuItem(mnuFile, "mnuClear", tr("&Clear"), {}, this, &frmHighScores::btnClear_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSpacer1"));
    AddMenuItem(mnuFile, "mnuExit", tr("E&xit"), Qt::Key_F3, this, &frmHighScores::mnuExit_Click);

    AddHelpMenu(menuBar, this, shell::kHighScoresTopic);
}

void frmHighScores::BuildControls(QWidget* client)
{
    // Made in tab order.
    //: A label 41 pixels wide.
    lblPlayer = new QLabel(tr("&Name:"), client);
    lblPlayer->setObjectName(QStringLiteral("lblPlayer"));
    UseFixedText(lblPlayer);
    PlaceTwips(lblPlayer, 960, 3600, 615, 255);

    txtPlayer = new QLineEdit(client);
    txtPlayer->setObjectName(QStringLiteral("txtPlayer"));
    PlaceTwips(txtPlayer, 1560, 3600, 2655, 285);
    txtPlayer->setToolTip(tr("Enter your name here."));
    txtPlayer->setAccessibleName(tr("Name"));
    QPalette namePalette = txtPlayer->palette();
    namePalette.setColor(QPalette::Base, kNameBoxGreen);
    namePalette.setColor(QPalette::Text, kFixedText);
    txtPlayer->setPalette(namePalette);
    txtPlayer->setMaxLength(std::numeric_limits<int>::max()); // no limit of its own
    lblPlayer->setBuddy(txtPlayer);

    //: A button 73 pixels wide.
    btnClear = AddButton(client, "btnClear", tr("&Clear"), tr("Clear High Scores"));
    PlaceTwips(btnClear, 960, 4080, 1095, 495);
    //: A button 57 pixels wide.
    btnSave = AddButton(client, "btnSave", tr("&Save"), tr("Click to save your name."));
    PlaceTwips(btnSave, 2160, 4080, 855, 495);
    btnSave->hide();
    //: A button 73 pixels wide.
    btnOK = AddButton(client, "btnOK", tr("&OK"), tr("Click when finished."));
    PlaceTwips(btnOK, 3120, 4080, 1095, 495);
    connect(btnClear, &QPushButton::clicked, this, &frmHighScores::btnClear_Click);
    connect(btnSave, &QPushButton::clicked, this, &frmHighScores::btnSave_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmHighScores::btnOK_Click);

    InstallAccessibility();
    fgHighScores = new ScoreGrid(kRows, 2, client);
    fgHighScores->setObjectName(QStringLiteral("fgHighScores"));
    fgHighScores->setAccessibleName(tr("High Scores"));
    PlaceTwips(fgHighScores, 960, 360, 3255, 3015);
    fgHighScores->setToolTip(tr("High Scores"));
    fgHighScores->horizontalHeader()->hide();
    fgHighScores->verticalHeader()->hide();
    fgHighScores->verticalHeader()->setMinimumSectionSize(1);
    fgHighScores->verticalHeader()->setDefaultSectionSize(Px(kRowHeightTwips));
    fgHighScores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the name box and the buttons; the arrows move in it.
    fgHighScores->setTabKeyNavigation(false);
    fgHighScores->setSelectionMode(QAbstractItemView::SingleSelection);
    fgHighScores->setWordWrap(false);
    fgHighScores->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #C0C0C0; }"));
    // Cells carry their own colours, so the grid's base shows only beyond them.
    QPalette gridPalette = fgHighScores->palette();
    gridPalette.setColor(QPalette::Base, kBeyondCellsGreen);
    fgHighScores->setPalette(gridPalette);
    const QPalette system = QApplication::palette();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto* cell = new QTableWidgetItem;
            // Plain cells take the system's colours as a pair, banded ones
            // (below) the fixed green with black text.
            cell->setBackground(system.color(QPalette::Base));
            cell->setForeground(system.color(QPalette::Text));
            cell->setFlags(row == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            fgHighScores->setItem(row, column, cell);
        }
    }

    // Over the rows while the table cannot be read.
    lblWaiting = new QLabel(tr("The high scores are in use by another program; trying again…"), client);
    lblWaiting->setObjectName(QStringLiteral("lblWaiting"));
    lblWaiting->setWordWrap(true);
    lblWaiting->setAlignment(Qt::AlignCenter);
    lblWaiting->setAutoFillBackground(true);
    QPalette waitingPalette = lblWaiting->palette();
    waitingPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
    waitingPalette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::Text));
    lblWaiting->setPalette(waitingPalette);
    lblWaiting->setGeometry(fgHighScores->geometry().adjusted(1, 1 + Px(kRowHeightTwips), -1, -1));
    lblWaiting->hide();
    readAgain_ = new QTimer(this);
    readAgain_->setInterval(ScoreKeeper::kRetryMs);
    connect(readAgain_, &QTimer::timeout, this, &frmHighScores::ShowStoredTable);

    setTabOrder(txtPlayer, btnClear);
    setTabOrder(btnClear, btnSave);
    setTabOrder(btnSave, btnOK);
    setTabOrder(btnOK, fgHighScores);
    // In the menu bar, where a screen reader's look for the context of a
    // notification stops: it would say the window's title before each.
    announcer_ = new Announcer(layout()->menuBar());
}

void frmHighScores::Form_Load()
{
    fgHighScores->setColumnWidth(0, Px(700));
    fgHighScores->setColumnWidth(1, Px(2500));

    //: The grid's headers: the score (the tries a game took) in a column 47 pixels wide, then the player.
    const QStringList header{tr("Score"), tr("Player")};
    for (int column = 0; column < 2; ++column) {
        QTableWidgetItem* cell = fgHighScores->item(0, column);
        cell->setText(header[column]);
        cell->setFont(GameFont(8.25, true));
        cell->setBackground(kHeaderGreen);
        cell->setForeground(kFixedText);
    }
    for (int row = 2; row <= HighScoreTable::kPositions; row += 2) {
        for (int column = 0; column < 2; ++column) {
            fgHighScores->item(row, column)->setBackground(kBandGreen);
            fgHighScores->item(row, column)->setForeground(kFixedText);
        }
    }
    ShowStoredTable();
}

void frmHighScores::ShowStoredTable()
{
    const HighScoreTable& stored = scores_.Table();
    if (!scores_.TableIsRead()) {
        // Nothing made up in the meantime: no rows, no place offered.
        ShowTable(HighScoreTable{});
        lblWaiting->show();
        btnSave->hide();
        SetClearEnabled(false);
        lblPlayer->hide();
        txtPlayer->hide();
        btnOK->setDefault(true);
        btnOK->setFocus();
        readAgain_->start();
        return;
    }
    const bool waited = readAgain_->isActive();
    readAgain_->stop();
    lblWaiting->hide();
    // A score that finds no place opens the table as it is, in view mode:
    // the openers decide on the same table, unless it could not be read then.
    PlacedScore placed{stored};
    if (NewScorePending) {
        placed = scores_.WithNewScore(tries_);
        NewPosition = placed.position;
    }
    if (NewPosition != 0) {
        lblPlayer->show();
        txtPlayer->show();
        btnSave->show();
        btnSave->setDefault(true);
        SetClearEnabled(false);
        btnOK->setEnabled(false);
        txtPlayer->setFocus();
    } else {
        SetClearEnabled(true);
        btnOK->setDefault(true);
        lblPlayer->hide();
        txtPlayer->hide();
        btnOK->setFocus();
    }
    ShowTable(placed.table);
    // The grid starts at the first place (the new one in entry mode), not at
    // its header, without marking a row.
    fgHighScores->selectionModel()->setCurrentIndex(fgHighScores->model()->index(std::max<int>(NewPosition, 1), 0),
                                                    QItemSelectionModel::NoUpdate);
    if (waited && NewScorePending) {
        SayWhereTheScoreStands();
    }
}

bool frmHighScores::WaitingForTable() const
{
    return readAgain_->isActive();
}

void frmHighScores::SayWhereTheScoreStands()
{
    if (NewPosition != 0) {
        //: %n the tries the game took, %1 its place (1 to 10).
        announcer_->Say(tr("%n tries: place %1 of the ten best. Type your name and press Enter.", nullptr, tries_)
                            .arg(NewPosition));
    } else if (WaitingForTable()) {
        announcer_->Say(lblWaiting->text());
    } else if (NewScorePending) {
        //: Said when the table, read at last, has no place for the game's %n tries.
        announcer_->Say(tr("%n tries: not among the ten best.", nullptr, tries_));
    }
}

void frmHighScores::ShowTable(const HighScoreTable& table)
{
    for (std::int16_t position = 1; position <= HighScoreTable::kPositions; ++position) {
        fgHighScores->item(position, 0)->setText(QString::fromStdString(table.At(position).Score));
        // The store keeps the unnamed player's English name; the table says it
        // in the player's language.
        const std::string& name = table.At(position).Name;
        fgHighScores->item(position, 1)
            ->setText(name == kDefaultPlayerName ? tr("Anonymous") : QString::fromStdString(name));
    }
}

void frmHighScores::SetClearEnabled(bool enabled)
{
    btnClear->setEnabled(enabled);
    mnuClear->setEnabled(enabled);
}

void frmHighScores::btnSave_Click()
{
    if (NewPosition == 0 || !btnSave->isEnabled()) {
        return;
    }
    // Shown as typed for the rest of the run; the store keeps it without
    // surrounding spaces.
    const std::int16_t position = scores_.SaveNewScore(tries_, txtPlayer->text(), this);
    NewPosition = 0;
    ShowTable(scores_.Table());

    SetClearEnabled(true);
    btnOK->setEnabled(true);
    btnSave->setEnabled(false);
    txtPlayer->clear();
    txtPlayer->setReadOnly(true);
    btnSave->setDefault(false);
    //: %1 the place (1 to 10) the name was saved at.
    announcer_->Say(tr("Name saved: place %1.").arg(position));
    btnOK->setFocus();
    btnOK->setDefault(true);
}

void frmHighScores::btnClear_Click()
{
    if (!btnClear->isEnabled()) {
        return;
    }
    if (ShowMessage(this, tr("Are you sure you want to clear the High Scores?"), MessageButtons::YesNo)
        != MessageAnswer::Yes) {
        return;
    }
    scores_.ResetHighScores(this);
    ShowTable(scores_.Table());
}

void frmHighScores::btnOK_Click()
{
    accept();
}

void frmHighScores::mnuExit_Click()
{
    close();
}

void frmHighScores::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The end of the game, said once the window is there (a screen reader
    // may take the name box for known before the window comes up, and then
    // say nothing of it).
    if (NewScorePending && !event->spontaneous()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (NewPosition != 0 || WaitingForTable()) {
                    SayWhereTheScoreStands();
                }
            },
            Qt::QueuedConnection);
    }
}

void frmHighScores::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the table, but never throws a new entry away: it says
    // why the window stays.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (NewPosition != 0) {
            announcer_->Say(tr("Your score is not saved yet: type your name and press Enter."));
        } else if (NewScorePending && WaitingForTable()) {
            SayWhereTheScoreStands();
        } else {
            reject();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace bmd::ui
