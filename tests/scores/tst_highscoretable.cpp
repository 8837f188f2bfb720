// The ten-best table and the registry values it is kept in: placing a new
// score, the qualification rule, the seeding, saving and clearing on a real
// store file, what each value becomes in the file and what each stored form
// reads back as.

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
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF),
                           char(value >> 24)};
    return {bytes, 4};
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
        file_ = dir_.filePath(QStringLiteral("registry.sqlite"));
        QFile::remove(file_);
    }

    // The place a game of so many tries takes (0: none, the game does not
    // qualify); every entry from there on moves down one, the tenth is gone.
    void placeNewScore_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("position");
        const QStringList nines(9, QStringLiteral("74"));
        QTest::newRow("equal scores: new one below them") << QStringList{"40", "50", "50", "60"} << 50 << 4;
        QTest::newRow("into tenth place") << (nines + QStringList{"75"}) << 74 << 10;
        QTest::newRow("equal to the tenth: no place") << (nines + QStringList{"75"}) << 75 << 0;
        QTest::newRow("default admits any game") << QStringList{} << 32767 << 1;
        QTest::newRow("numbers, not text") << QStringList{"99", "100"} << 99 << 2;
        QTest::newRow("tenth stored with exponent") << (nines + QStringList{"1e2"}) << 100 << 0;
        QTest::newRow("no number counts as worst") << QStringList{"40", "abc", "50"} << 45 << 2;
    }
    void placeNewScore()
    {
        QFETCH(QStringList, scores);
        QFETCH(int, tries);
        QFETCH(int, position);
        const HighScoreTable before = tables::Make(scores);
        QCOMPARE(bmd::Qualifies(before, std::int16_t(tries)), position != 0);
        HighScoreTable table = before;
        QCOMPARE(int(bmd::PlaceNewScore(table, std::int16_t(tries))), position);
        for (std::int16_t i = 1; i <= HighScoreTable::kPositions; ++i) {
            const HighScoreEntry expected = (position == 0 || i < position) ? before.At(i)
                                            : i == position                 ? HighScoreEntry{"", std::to_string(tries)}
                                                                            : before.At(std::int16_t(i - 1));
            QCOMPARE(table.At(i), expected);
        }
        // The gap itself is left empty, at the last place too.
        bmd::AdjustArray(table, HighScoreTable::kPositions);
        QCOMPARE(table.At(HighScoreTable::kPositions), HighScoreEntry{});
    }

    void seedingAnEmptyStoreWritesTheDefaults()
    {
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
        probe::Database raw(file_);
        QCOMPARE(raw.Text("SELECT count(*) FROM registry_values"), QStringLiteral("20"));
        QCOMPARE(raw.Text("SELECT group_concat(path, '|') FROM"
                          " (SELECT path FROM registry_keys WHERE root = 2147483650 ORDER BY path)"),
                 QStringLiteral("Software|Software\\Brightmoose Software|"
                                "Software\\Brightmoose Software\\Brightmoose Derudirodozir"));
        // Every name "Anonymous" and its NUL (10 bytes), every score the DWORD 99999.
        QCOMPARE(raw.Text("SELECT group_concat(forms) FROM (SELECT DISTINCT substr(name, 1, 5) || type || hex(data)"
                          " AS forms FROM registry_values ORDER BY forms)"),
                 QStringLiteral("Playe1416E6F6E796D6F757300,Score49F860100"));
    }

    // Only a value that reads as "" gets its default; the others stay as they are.
    void seedingWritesOnlyWhatIsMissing_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("damage"); // "DELETE" or what an UPDATE sets
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("readsAs");
        const auto row = [](const char* name, const char* value, const char* damage, bool written, const char* reads) {
            QTest::newRow(name) << value << damage << (written ? value : "") << reads;
        };
        row("nothing missing", "Score1", "type = type", false, "11");
        row("Score7 missing", "Score7", "DELETE", true, "99999");
        row("Player3 empty", "Player3", "data = x'00'", true, "Anonymous");
        row("Score2 of another type", "Score2", "type = 3", true, "99999");
        row("score that is no number is kept", "Score5", "type = 1, data = x'61626300'", false, "abc");
    }
    void seedingWritesOnlyWhatIsMissing()
    {
        QFETCH(QString, value);
        QFETCH(QString, damage);
        QFETCH(QString, readsAs);
        const HighScoreTable stored = tables::Make({"11", "12", "13", "14", "15", "16", "17", "18", "19", "20"});
        tables::Store(file_, stored);
        probe::Database raw(file_);
        const QString sql = damage == "DELETE" ? "DELETE FROM registry_values" : "UPDATE registry_values SET " + damage;
        QCOMPARE(raw.Execute((sql + " WHERE name = '" + value + "'").toStdString()), SQLITE_OK);
        raw.LogWrites();

        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        QTEST(raw.Written(), "written");
        HighScoreTable expected = stored;
        HighScoreEntry& entry = expected.At(std::int16_t(value.right(1).toInt()));
        (value.startsWith("Score") ? entry.Score : entry.Name) = readsAs.toStdString();
        QCOMPARE(scores->StoredTable(), expected);
    }

    // A finished game's score with the player's name: placed below equal
    // scores, the whole table written, the name shown as typed for this run
    // and stored without its spaces; "" stands for "Anonymous". Then Clear.
    void saveNewScore_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("thisRun");
        QTest::addColumn<QString>("nextRun");
        const auto row = [](const char* name, const char* typed, const char* thisRun, const char* nextRun) {
            QTest::newRow(name) << typed << thisRun << nextRun;
        };
        row("name", "Player One", "Player One", "Player One");
        row("empty", "", "Anonymous", "Anonymous");
        row("spaces around", "  Player One  ", "  Player One  ", "Player One");
        row("spaces only", "   ", "   ", "Anonymous");
        row("007", "007", "007", "7");
    }
    void saveNewScore()
    {
        QFETCH(QString, typed);
        QFETCH(QString, thisRun);
        QFETCH(QString, nextRun);
        const HighScoreTable stored = tables::Make({"40", "50", "50", "60", "61", "62", "63", "64", "65", "66"});
        tables::Store(file_, stored);
        auto scores = tables::Open(file_);
        scores->SeedHighScores();
        const bmd::PlacedScore preview = scores->WithNewScore(50);
        QCOMPARE(int(preview.position), 4);
        QCOMPARE(tables::NextRun(file_), stored); // nothing stored by looking

        QCOMPARE(int(scores->SaveNewScore(50, typed.toStdString()).position), 4);
        HighScoreTable expected = preview.table;
        expected.At(4).Name = thisRun.toStdString();
        QCOMPARE(scores->StoredTable(), expected);
        QCOMPARE(expected.At(10), stored.At(9)); // 66 dropped
        expected.At(4).Name = nextRun.toStdString();
        QCOMPARE(tables::NextRun(file_), expected);
        QCOMPARE(int(scores->SaveNewScore(67, "late").position), 0);
        QCOMPARE(tables::NextRun(file_), expected);
        // Another copy's score shows after a refresh; this run's name still as typed.
        tables::Open(file_)->SaveNewScore(45, "Other");
        scores->Refresh();
        QCOMPARE(scores->StoredTable().At(2).Name + "|" + scores->StoredTable().At(5).Name,
                 "Other|" + thisRun.toStdString());
        // Clear writes every default, the tenth entry's too.
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Stored);
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(tables::NextRun(file_), bmd::DefaultHighScoreTable());
    }

    // What a value written becomes in the file, by type and bytes, and what
    // it reads back as under the path and name in other letter cases. Rows
    // without a value store the type and bytes as other programs, or damage,
    // can leave them. Whether a text reads as a number follows the locale's
    // decimal point: in a German one "1,5" is a number and "1.5" is not.
    void registryValues_data()
    {
        QTest::addColumn<QVariant>("value"); // QString, int, or none
        QTest::addColumn<char>("decimalPoint");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readsAs");
        const auto row = [](const char* tag, const QVariant& value, uint type, const QByteArray& bytes,
                            const char* readsAs, char decimalPoint = '.') {
            QTest::newRow(tag) << value << decimalPoint << type << bytes << QString::fromUtf8(readsAs);
        };
        row("default name: 10 bytes", "Anonymous", 1, Sz("Anonymous"), "text:Anonymous");
        row("number", 99999, 4, Dword(99999), "number:99999");
        row("leading zeros", "007", 4, Dword(7), "number:7");
        row("half to even, down", "4.5", 4, Dword(4), "number:4");
        row("half to even, up", "-5.5", 4, Dword(std::uint32_t(-6)), "number:-6");
        row("spaces around a number", "  12  ", 4, Dword(12), "number:12");
        row("sign, fraction, exponent", "+.15e3", 4, Dword(150), "number:150");
        row("exponent with plus", "1e+2", 4, Dword(100), "number:100");
        row("exponent with minus", "25E-1", 4, Dword(2), "number:2");
        row("inf is no number", "inf", 1, Sz("inf"), "text:inf");
        row("smallest 32-bit", "-2147483648", 4, Dword(0x80000000), "number:-2147483648");
        row("rounds past 32 bits", "2147483647.5", 1, Sz("2147483647.5"), "text:2147483647.5");
        row("beyond a double", "1e999", 1, Sz("1e999"), "text:1e999");
        row("comma is no decimal point", "4,5", 1, Sz("4,5"), "text:4,5");
        row("exponent without digits", "1e", 1, Sz("1e"), "text:1e");
        row("spaces only", "   ", 1, Sz(""), "text:");
        row("text trimmed", "  Player One  ", 1, Sz("Player One"), "text:Player One");
        row("non-ASCII", "Ünïcødé ✓", 1, Sz("Ünïcødé ✓"), "text:Ünïcødé ✓");
        row("German 1,5", "1,5", 4, Dword(2), "number:2", ',');
        row("German -2,5e1", "-2,5e1", 4, Dword(std::uint32_t(-25)), "number:-25", ',');
        row("German 1.5", "1.5", 1, Sz("1.5"), "text:1.5", ',');
        row("stored text without NUL reads whole", {}, 1, "abc", "text:abc");
        row("stored text stops at first NUL", {}, 1, QByteArray("ab\0cd\0", 6), "text:ab");
        row("stored text of no bytes", {}, 1, QByteArray(), "text:");
        row("stored DWORD 0xFFFFFFFF", {}, 4, Dword(0xFFFFFFFF), "number:-1");
        row("stored DWORD of 2 bytes", {}, 4, QByteArray("\1\0", 2), "text:");
        row("stored REG_EXPAND_SZ", {}, 2, Sz("%PATH%"), "text:");
    }
    void registryValues()
    {
        QFETCH(QVariant, value);
        QFETCH(char, decimalPoint);
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Read(), QStringLiteral("text:")); // a missing value
        if (value.isValid()) {
            module::WriteRegistryValue(*tables::OpenStore(file_), bmd::kHkeyLocalMachine, kPath, "Value",
                                       value.typeId() == QMetaType::Int ? RegistryValue(std::int32_t(value.toInt()))
                                                                        : RegistryValue(value.toString().toStdString()),
                                       decimalPoint);
            QCOMPARE(probe::Database(file_).Text("SELECT type || ' ' || hex(data) FROM registry_values"
                                                 " WHERE root = 2147483650 AND path = '"
                                                 + kPath + "' AND name = 'Value'"),
                     QStringLiteral("%1 %2").arg(type).arg(QString::fromLatin1(bytes.toHex().toUpper())));
        } else {
            const auto store = tables::OpenStore(file_);
            bmd::RegistryKey key = 0;
            QCOMPARE(store->CreateKey(bmd::kHkeyLocalMachine, kPath, key), bmd::kRegistrySuccess);
            QCOMPARE(store->SetValue(key, "Value", type, bytes.constData(), std::uint32_t(bytes.size())),
                     bmd::kRegistrySuccess);
            QCOMPARE(store->CloseKey(key), bmd::kRegistrySuccess);
        }
        QTEST(Read(), "readsAs");
    }
};

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
