// The registry value routines on a real store file: what each value becomes
// in the file, and what each stored form reads back as.

#include "ScoreTables.h"
#include "StoreFileProbe.h"
#include "scores/BrightmooseConcentrationModule.h"
#include "scores/SqliteRegistryStore.h"

#include <QTemporaryDir>
#include <QtTest>

using bmd::RegistryValue;

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

class TestRegistryValues : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;
    std::unique_ptr<bmd::SqliteRegistryStore> store_;

    // "number:<digits>" or "text:<text>", read under the path and name in other letter cases.
    QString Read() const
    {
        const RegistryValue value = bmd::BrightmooseConcentrationModule::ReadRegistryValue(
            *store_, bmd::kHkeyLocalMachine, "SOFTWARE\\test maker\\TEST GAME", "VALUE");
        return (std::holds_alternative<std::int32_t>(value) ? QStringLiteral("number:") : QStringLiteral("text:"))
               + QString::fromStdString(bmd::ValueText(value));
    }

private slots:
    void init()
    {
        file_ = dir_.filePath(QStringLiteral("registry.sqlite"));
        QFile::remove(file_);
        store_ = tables::OpenStore(file_);
        QVERIFY(store_->IsOpen());
        QCOMPARE(Read(), QStringLiteral("text:")); // a missing value
    }
    void cleanup() { store_.reset(); }

    void writeDecidesTypeAndBytes_data()
    {
        QTest::addColumn<QVariant>("value"); // QString or int
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readsAs");
        QTest::newRow("default name: 10 bytes") << QVariant("Anonymous") << 1 << Sz("Anonymous") << "text:Anonymous";
        QTest::newRow("number") << QVariant(99999) << 4 << Dword(99999) << "number:99999";
        QTest::newRow("leading zeros") << QVariant("007") << 4 << Dword(7) << "number:7";
        QTest::newRow("half to even, down") << QVariant("4.5") << 4 << Dword(4) << "number:4";
        QTest::newRow("half to even, up") << QVariant("-5.5") << 4 << Dword(std::uint32_t(-6)) << "number:-6";
        QTest::newRow("spaces around a number") << QVariant("  12  ") << 4 << Dword(12) << "number:12";
        QTest::newRow("sign, fraction, exponent") << QVariant("+.15e3") << 4 << Dword(150) << "number:150";
        QTest::newRow("exponent with plus") << QVariant("1e+2") << 4 << Dword(100) << "number:100";
        QTest::newRow("exponent with minus") << QVariant("25E-1") << 4 << Dword(2) << "number:2";
        QTest::newRow("inf is no number") << QVariant("inf") << 1 << Sz("inf") << "text:inf";
        QTest::newRow("nan is no number") << QVariant("nan") << 1 << Sz("nan") << "text:nan";
        QTest::newRow("smallest 32-bit") << QVariant("-2147483648") << 4 << Dword(0x80000000) << "number:-2147483648";
        QTest::newRow("rounds past 32 bits")
            << QVariant("2147483647.5") << 1 << Sz("2147483647.5") << "text:2147483647.5";
        QTest::newRow("beyond a double") << QVariant("1e999") << 1 << Sz("1e999") << "text:1e999";
        QTest::newRow("comma is no decimal point") << QVariant("4,5") << 1 << Sz("4,5") << "text:4,5";
        QTest::newRow("exponent without digits") << QVariant("1e") << 1 << Sz("1e") << "text:1e";
        QTest::newRow("spaces only") << QVariant("   ") << 1 << Sz("") << "text:";
        QTest::newRow("text trimmed") << QVariant("  Player One  ") << 1 << Sz("Player One") << "text:Player One";
        QTest::newRow("non-ASCII") << QVariant("Ünïcødé ✓") << 1 << Sz("Ünïcødé ✓") << "text:Ünïcødé ✓";
    }
    void writeDecidesTypeAndBytes()
    {
        QFETCH(QVariant, value);
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        bmd::BrightmooseConcentrationModule::WriteRegistryValue(*store_, bmd::kHkeyLocalMachine, kPath, "Value",
                                                                value.typeId() == QMetaType::Int
                                                                    ? RegistryValue(std::int32_t(value.toInt()))
                                                                    : RegistryValue(value.toString().toStdString()));
        QCOMPARE(probe::Database(file_).Text("SELECT type || ' ' || hex(data) FROM registry_values"
                                             " WHERE root = 2147483650 AND path = '"
                                             + kPath + "' AND name = 'Value'"),
                 QStringLiteral("%1 %2").arg(type).arg(QString::fromLatin1(bytes.toHex().toUpper())));
        QTEST(Read(), "readsAs");
    }

    // Whether a name reads as a number follows the locale: in a German one
    // "1,5" is a number and "1.5" is not.
    void localeDecimalPoint()
    {
        const auto write = [&](const char* text) {
            bmd::BrightmooseConcentrationModule::WriteRegistryValue(*store_, bmd::kHkeyLocalMachine, kPath, "Value",
                                                                    std::string(text), ',');
            return Read();
        };
        QCOMPARE(write("1,5"), QStringLiteral("number:2"));
        QCOMPARE(write("-2,5e1"), QStringLiteral("number:-25"));
        QCOMPARE(write("1.5"), QStringLiteral("text:1.5"));
    }

    // Values that other programs, or damage, can leave in the file.
    void readsStoredForms_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readsAs");
        QTest::newRow("text without NUL reads whole") << 1U << QByteArray("abc") << "text:abc";
        QTest::newRow("text stops at first NUL") << 1U << QByteArray("ab\0cd\0", 6) << "text:ab";
        QTest::newRow("text of no bytes") << 1U << QByteArray() << "text:";
        QTest::newRow("DWORD 0xFFFFFFFF") << 4U << Dword(0xFFFFFFFF) << "number:-1";
        QTest::newRow("DWORD of 2 bytes") << 4U << QByteArray("\1\0", 2) << "text:";
        QTest::newRow("REG_BINARY") << 3U << QByteArray("abc\0", 4) << "text:";
        QTest::newRow("REG_EXPAND_SZ") << 2U << Sz("%PATH%") << "text:";
    }
    void readsStoredForms()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        bmd::RegistryKey key = 0;
        QCOMPARE(store_->CreateKey(bmd::kHkeyLocalMachine, kPath, key), bmd::kRegistrySuccess);
        QCOMPARE(store_->SetValue(key, "Value", type, bytes.constData(), std::uint32_t(bytes.size())),
                 bmd::kRegistrySuccess);
        QCOMPARE(store_->CloseKey(key), bmd::kRegistrySuccess);
        QTEST(Read(), "readsAs");
    }
};

QTEST_GUILESS_MAIN(TestRegistryValues)
#include "tst_registryvalues.moc"
