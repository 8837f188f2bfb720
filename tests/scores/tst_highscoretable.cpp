// The ten-best table and the registry values it is kept in: placing a new
// score, saving and clearing on a real store file, what each
// value becomes in the file and what each stored form reads back as.

#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QTemporaryDir>
#include <QtTest>

using bmd::HighScoreEntry;
using bmd::HighScoreTable;
using bmd::RegistryValue;
namespace module = bmd::BrightmooseConcentrationModule;

namespace {

const std::string kPath = "Software\\Test Maker\\Test Game";

QByteArray Dword(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Sz(const QString& text)
{
    return text.toUtf8() + QByteArray(1, '\0');
}

} // namespace

class TestHighScoreTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;

    // "number:<digits>" or "text:<text>", read under the path and name in other letter cases.
    QString Read() const
    {
        const RegistryValue value = module::ReadRegistryValue(*tables::OpenStore(file_), bmd::kHkeyLocalMachine,
                                                              "SOFTWARE\\test maker\\TEST GAME", "VALUE");
        return (std::holds_alternative<std::int32_t>(value) ? QStringLiteral("number:") : QStringLiteral("text:"))
               + QString::fromStdString(bmd::ValueText(value));
    }

private Q_SLOTS:
    void init()
    {
        QDir(dir_.filePath(QStringLiteral("Brightmoose"))).removeRecursively(); // the store makes its folder
        file_ = dir_.filePath(QStringLiteral("Brightmoose/registry.sqlite"));
    }

    // The place a game of so many tries takes, if any: the players of the
    // table in their new order, the new score shown as "new".
    void placeNewScore_data()
    {
        QTest::addColumn<QString>("scores"); // the first places; the others hold 99999
        QTest::addColumn<int>("tries");
        QTest::addColumn<QString>("order");
        const QString nines = QStringLiteral("74 ").repeated(9);
        QTest::newRow("best of all") << "40" << 39 << "new 1 2 3 4 5 6 7 8 9";
        QTest::newRow("equal scores: new one below them") << "40 50 50 60" << 50 << "1 2 3 new 4 5 6 7 8 9";
        QTest::newRow("into tenth place") << nines + "75" << 74 << "1 2 3 4 5 6 7 8 9 new";
        QTest::newRow("equal to the tenth: no place") << nines + "75" << 75 << "1 2 3 4 5 6 7 8 9 10";
        QTest::newRow("numbers, not text") << "99 100" << 99 << "1 new 2 3 4 5 6 7 8 9";
        QTest::newRow("tenth stored with exponent") << nines + "1e2" << 100 << "1 2 3 4 5 6 7 8 9 10";
        QTest::newRow("no number counts as worst") << "40 abc 50" << 45 << "1 new 2 3 4 5 6 7 8 9";
    }
    void placeNewScore()
    {
        QFETCH(QString, scores);
        QFETCH(int, tries);
        HighScoreTable table = tables::Make(scores.split(' '));
        const bool qualifies = bmd::Qualifies(table, std::int16_t(tries));
        const int position = bmd::PlaceNewScore(table, std::int16_t(tries));
        bmd::AdjustArray(table, 0); // no such place: nothing moves
        QStringList order;
        for (std::int16_t i = 1; i <= HighScoreTable::kPositions; ++i) {
            const HighScoreEntry& entry = table.At(i);
            order << (entry == HighScoreEntry{"", std::to_string(tries)} ? "new"
                                                                         : QString::fromStdString(entry.Name).mid(7));
        }
        QTEST(order.join(' '), "order");
        QCOMPARE(position, order.indexOf("new") + 1);
        QCOMPARE(qualifies, position != 0);
        bmd::AdjustArray(table, HighScoreTable::kPositions); // the gap it leaves is empty, at the last place too
        QCOMPARE(table.At(HighScoreTable::kPositions), HighScoreEntry{});
    }

    // A finished game's score with the player's name: placed below equal
    // scores, the whole table written, the name shown as typed for this run
    // and stored as the store keeps it. Two names stored alike each show as
    // typed. Then Clear writes every default, the tenth entry's too.
    void saveNewScore()
    {
        const HighScoreTable stored = tables::Make({"40", "50", "50", "60", "61", "62", "63", "64", "65", "66"});
        tables::Store(file_, stored);
        auto scores = tables::Open(file_);
        QVERIFY(scores->SeedHighScores() == bmd::StoreResult::Stored && scores->TableIsRead());
        const bmd::PlacedScore preview = scores->WithNewScore(30);
        QCOMPARE(int(preview.position), 1);
        QCOMPARE(tables::NextRun(file_), stored); // nothing stored by looking

        QCOMPARE(int(scores->SaveNewScore(30, "007").position), 1);
        QCOMPARE(int(scores->SaveNewScore(30, " 7 ").position), 2);
        HighScoreTable expected = preview.table;
        bmd::PlaceNewScore(expected, 30);
        expected.At(1).Name = expected.At(2).Name = "7";
        QCOMPARE(tables::NextRun(file_), expected);
        expected.At(1).Name = "007";
        expected.At(2).Name = " 7 ";
        QCOMPARE(scores->StoredTable(), expected);
        // Another copy's score shows after a refresh, and stays when this run saves.
        tables::Open(file_)->SaveNewScore(45, "");
        scores->Refresh();
        QCOMPARE(scores->StoredTable().At(2).Name + "|" + scores->StoredTable().At(4).Name, " 7 |Anonymous");
        QCOMPARE(int(scores->SaveNewScore(67, "late").position), 0);
        QCOMPARE(tables::NextRun(file_).At(4).Name, "Anonymous");
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Stored);
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
        QCOMPARE(int(scores->SaveNewScore(30, "7").position), 1); // the names typed before are forgotten
        QCOMPARE(scores->StoredTable().At(1).Name, "7");
    }

    // What a value written becomes in the file, by type and bytes, and what
    // it reads back as under the path and name in other letter cases. Rows
    // without a value store the type and bytes as other programs, or damage,
    // can leave them. Whether a text reads as a number follows the locale's
    // decimal point: in a German one "1,5" is a number and "1.5" is not.
    void registryValues_data()
    {
        QTest::addColumn<QString>("value"); // null: the type and bytes stored as they are
        QTest::addColumn<char>("decimalPoint");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readsAs");
        const auto row = [](const char* tag, const char* value, uint type, const QByteArray& bytes, const char* readsAs,
                            char decimalPoint = '.') {
            QTest::newRow(tag) << QString::fromUtf8(value) << decimalPoint << type << bytes
                               << QString::fromUtf8(readsAs);
        };
        row("leading zeros", "007", 4, Dword(7), "number:7");
        row("half to even, down", "4.5", 4, Dword(4), "number:4");
        row("half to even, up", "-5.5", 4, Dword(std::uint32_t(-6)), "number:-6");
        row("spaces around a number", "  12  ", 4, Dword(12), "number:12");
        row("sign, fraction, exponent", "+.15e3", 4, Dword(150), "number:150");
        row("exponent with minus", "25E-1", 4, Dword(2), "number:2");
        row("inf is no number", "inf", 1, Sz("inf"), "text:inf");
        row("smallest 32-bit", "-2147483648", 4, Dword(0x80000000), "number:-2147483648");
        row("rounds past 32 bits", "2147483647.5", 1, Sz("2147483647.5"), "text:2147483647.5");
        row("beyond a double", "1e999", 1, Sz("1e999"), "text:1e999");
        row("exponent without digits", "1e", 1, Sz("1e"), "text:1e");
        row("spaces only", "   ", 1, Sz(""), "text:");
        row("non-ASCII", "Ünïcødé ✓", 1, Sz("Ünïcødé ✓"), "text:Ünïcødé ✓");
        row("German 1,5", "1,5", 4, Dword(2), "number:2", ',');
        row("German 1.5", "1.5", 1, Sz("1.5"), "text:1.5", ',');
        row("stored text without NUL reads whole", nullptr, 1, "abc", "text:abc");
        row("stored text stops at first NUL", nullptr, 1, QByteArray("ab\0cd\0", 6), "text:ab");
        row("stored text of no bytes", nullptr, 1, QByteArray(), "text:");
        row("stored DWORD 0xFFFFFFFF", nullptr, 4, Dword(0xFFFFFFFF), "number:-1");
        row("stored DWORD of 2 bytes", nullptr, 4, QByteArray("\1\0", 2), "text:");
        row("stored REG_EXPAND_SZ", nullptr, 2, Sz("%PATH%"), "text:");
    }
    void registryValues()
    {
        QFETCH(QString, value);
        QFETCH(char, decimalPoint);
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Read(), QStringLiteral("text:")); // a missing value
        const auto store = tables::OpenStore(file_);
        if (!value.isNull()) {
            module::WriteRegistryValue(*store, bmd::kHkeyLocalMachine, kPath, "Value", value.toStdString(),
                                       decimalPoint);
        } else {
            bmd::RegistryKey key = 0;
            QCOMPARE(store->CreateKey(bmd::kHkeyLocalMachine, kPath, key), bmd::kRegistrySuccess);
            QCOMPARE(store->SetValue(key, "Value", type, bytes.constData(), std::uint32_t(bytes.size())),
                     bmd::kRegistrySuccess);
            std::uint32_t size = 64;
            char buffer[64];
            QCOMPARE(store->QueryValueInfo(key, "Missing", type, size), bmd::kRegistryNotFound);
            QCOMPARE(store->QueryValueData(key, "Value", buffer, size), bmd::kRegistrySuccess); // a larger buffer
            QCOMPARE(size, std::uint32_t(bytes.size()));
            QCOMPARE(store->CloseKey(key), bmd::kRegistrySuccess);
        }
        QCOMPARE(probe::Database(file_).Text("SELECT type || ' ' || hex(data) FROM registry_values WHERE root ="
                                             " 2147483650 AND path = '"
                                             + kPath + "' AND name = 'Value'"),
                 QStringLiteral("%1 %2").arg(type).arg(QString::fromLatin1(bytes.toHex().toUpper())));
        QTEST(Read(), "readsAs");
    }
};

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
