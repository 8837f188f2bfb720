// The ten-best table and the registry values it is kept in: placing a new
// score, saving and clearing on a real store file, what each
// value becomes in the file and what each stored form reads back as.

#include "ScoreTables.h"
#include "StoreFileProbe.h"

#include <QtTest>

using bmd::HighScoreTable;

class TestHighScoreTable : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;
    const std::string kPath = "Software\\Test Maker\\Test Game";

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
        QTest::newRow("best of all, by number, not text") << "100" << 99 << "new 1 2 3 4 5 6 7 8 9";
        QTest::newRow("below equal scores, above no number") << "40 50 50 abc" << 50 << "1 2 3 new 4 5 6 7 8 9";
        QTest::newRow("into tenth place") << nines + "75" << 74 << "1 2 3 4 5 6 7 8 9 new";
        QTest::newRow("equal to the tenth, with exponent") << nines + "1e2" << 100 << "1 2 3 4 5 6 7 8 9 10";
    }
    void placeNewScore()
    {
        QFETCH(QString, scores);
        QFETCH(int, tries);
        HighScoreTable table = tables::Make(scores.split(' '));
        const bool qualifies = bmd::Qualifies(table, std::int16_t(tries));
        const int position = bmd::PlaceNewScore(table, std::int16_t(tries));
        QStringList order;
        for (std::int16_t i = 1; i <= HighScoreTable::kPositions; ++i) {
            order << (table.At(i) == bmd::HighScoreEntry{"", std::to_string(tries)}
                          ? "new"
                          : QString::fromStdString(table.At(i).Name).mid(7));
        }
        QTEST(order.join(' '), "order");
        QCOMPARE(position, order.indexOf("new") + 1);
        QCOMPARE(qualifies, position != 0);
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
        QCOMPARE(scores->StoredTable().At(1).Name + "|" + scores->StoredTable().At(2).Name, "007| 7 ");
        // Another copy's score shows after a refresh, and stays when this run saves.
        tables::Open(file_)->SaveNewScore(45, "");
        scores->Refresh();
        QCOMPARE(scores->StoredTable().At(2).Name + "|" + scores->StoredTable().At(4).Name, " 7 |Anonymous");
        QCOMPARE(int(scores->SaveNewScore(67, "late").position), 0);
        QCOMPARE(tables::NextRun(file_).At(4).Name, "Anonymous");
        QCOMPARE(scores->ResetHighScores(), bmd::StoreResult::Stored);
        QCOMPARE(scores->StoredTable(), bmd::DefaultHighScoreTable());
        QCOMPARE(int(scores->SaveNewScore(30, "7").position), 1); // the names typed before are forgotten
        QCOMPARE(scores->StoredTable().At(1).Name, "7");
    }

    // What a value written becomes in the file, by type and bytes, and what
    // it reads back as under the path and name in other letter cases. Rows
    // without a value store the type and bytes as other programs, or damage,
    // can leave them. Whether a text reads as a number follows the locale's
    // decimal point: in a German one "1,5" is a number.
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
        const auto hex = &QByteArray::fromHex;
        const auto sz = [](const char* text) { return QByteArray(text) + '\0'; };
        row("negative, half to even", "-5.5", 4, hex("FAFFFFFF"), "number:-6");
        row("sign, fraction, exponent", "+.15e3", 4, hex("96000000"), "number:150");
        row("exponent with minus", "25E-1", 4, hex("02000000"), "number:2");
        row("smallest 32-bit", "-2147483648", 4, hex("00000080"), "number:-2147483648");
        row("rounds past 32 bits", "2147483647.5", 1, sz("2147483647.5"), "text:2147483647.5");
        row("beyond a double", "1e999", 1, sz("1e999"), "text:1e999");
        row("spaces only", "   ", 1, sz(""), "text:");
        row("text, spaces around", " Ünïcødé ✓ ", 1, sz("Ünïcødé ✓"), "text:Ünïcødé ✓");
        row("German 1,5", "1,5", 4, hex("02000000"), "number:2", ',');
        row("stored text without NUL reads whole", nullptr, 1, "abc", "text:abc");
        row("stored text stops at first NUL", nullptr, 1, QByteArray("ab\0cd\0", 6), "text:ab");
        row("stored text of no bytes", nullptr, 1, QByteArray(), "text:");
        row("stored DWORD of 2 bytes", nullptr, 4, hex("0100"), "text:");
        row("stored REG_EXPAND_SZ", nullptr, 2, sz("%PATH%"), "text:");
    }
    void registryValues()
    {
        QFETCH(QString, value);
        QFETCH(char, decimalPoint);
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        const auto store = tables::OpenStore(file_);
        bmd::RegistryKey key = 0;
        if (!value.isNull()) {
            bmd::BrightmooseConcentrationModule::WriteRegistryValue(*store, bmd::kHkeyLocalMachine, kPath, "Value",
                                                                    value.toStdString(), decimalPoint);
        } else {
            QCOMPARE(store->CreateKey(bmd::kHkeyLocalMachine, kPath, key), bmd::kRegistrySuccess);
            QCOMPARE(store->SetValue(key, "Value", type, bytes.constData(), std::uint32_t(bytes.size())),
                     bmd::kRegistrySuccess);
        }
        // Every key on the path is in the file, as the registry has them.
        QCOMPARE(probe::Database(file_).Text("SELECT (SELECT group_concat(path, '|') FROM registry_keys) || ' ' || type"
                                             " || ' ' || hex(data) FROM registry_values WHERE root = 2147483650"),
                 QStringLiteral("Software|Software\\Test Maker|Software\\Test Maker\\Test Game %1 ").arg(type)
                     + bytes.toHex().toUpper());
        const bmd::RegistryValue read = bmd::BrightmooseConcentrationModule::ReadRegistryValue(
            *store, bmd::kHkeyLocalMachine, "SOFTWARE\\test maker\\TEST GAME", "VALUE");
        QTEST((std::holds_alternative<std::int32_t>(read) ? "number:" : "text:")
                  + QString::fromStdString(bmd::ValueText(read)),
              "readsAs");
    }
};

QTEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
