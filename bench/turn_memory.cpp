// The game's memory over a long game: the real main window, offscreen, has
// two cards that are no pair clicked again and again, as a player would, and
// the resident size is printed as the turns go by. A measurement, not a test.
//
//   turn_memory [turns]     (1000 by default; offscreen unless QT_QPA_PLATFORM says otherwise)

#include "CardFaces.h"
#include "CardImage.h"
#include "CardTable.h"
#include "RandomSource.h"
#include "frmBrightmooseConcentration.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace {

// The resident set size in KiB, from /proc.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int turns = argc > 1 ? std::atoi(argv[1]) : 1000;
    bmd::ClockSeededRandom random;
    bmd::ui::frmBrightmooseConcentration window(&random);
    window.show();
    QCoreApplication::processEvents();
    bmd::Game& game = window.GameLogic();
    const auto faces = game.RecordToSave().CardFace;
    // Card 0 and the first card that is not its partner: never a pair.
    int other = 1;
    while (bmd::PairKey(faces[other]) == bmd::PairKey(faces[0])) {
        ++other;
    }
    std::printf("turns  VmRSS KiB\n%5d  %ld\n", 0, ResidentKiB());
    for (int turn = 1; turn <= turns; ++turn) {
        QTest::mouseClick(window.Table()->Card(0), Qt::LeftButton);
        QTest::mouseClick(window.Table()->Card(other), Qt::LeftButton);
        QCoreApplication::processEvents();
        window.Timer1_Timer(); // the turn's pause, without waiting for it
        QCoreApplication::processEvents();
        if (turn == 20 || turn % 100 == 0 || turn == turns) {
            std::printf("%5d  %ld\n", turn, ResidentKiB());
        }
    }
    const long after = ResidentKiB();
    std::fflush(stdout);
    return after < 0 ? 1 : 0;
}
