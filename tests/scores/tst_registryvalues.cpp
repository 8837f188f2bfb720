// The registry value routines on a real store file: what each value becomes
// in the file, and what each stored form reads back as.

#include "StoreFileProbe.h"

#include "scores/BrightmooseConcentrationModule.h"
#include "scores/SqliteRegistryStore.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using bmd::RegistryValue;
using bmd::BrightmooseConcentrationModule::ReadRegistryValue;
using bmd::BrightmooseConcentrationModule::WriteRegistryValue;

namespace {

const std::string kPath = "Software\\Test Maker\\Test Game";

QByteArray Dword(std::uint32_t value)
{
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF), char(value >> 24)};
    return {bytes, 4};
}

QByteArray Sz(const QString& text)
{
    return text.toUtf8() + QByteArray(1, '\0');
}

} // namespace

class TestRegistryValues : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        store_ = std::make_unique<bmd::SqliteRegistryStore>(File().toStdString());
        QVERIFY(store_->IsOpen());
        QCOMPARE(Read(kPath, "Value"), QStringLiteral("text:"));
    }
    void cleanup()
    {
        store_.reset();
        dir_.reset();
    }

    void writeDecidesTypeAndBytes_data()
    {
        QTest::addColumn<QVariant>("value"); // QString or int
        QTest::addColumn<qint64>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readsAs");

        QTest::newRow("default name: 10 bytes") << QVariant("Anonymous") << 1LL << Sz("Anonymous") << "text:Anonymous";
        QTest::newRow("number") << QVariant(99999) << 4LL << Dword(99999) << "number:99999";
        QTest::newRow("leading zeros") << QVariant("007") << 4LL << Dword(7) << "number:7";
        QTest::newRow("half to even, down") << QVariant("4.5") << 4LL << Dword(4) << "number:4";
        QTest::newRow("half to even, up") << QVariant("-5.5") << 4LL << Dword(std::uint32_t(-6)) << "number:-6";
        QTest::newRow("spaces around a number") << QVariant("  12  ") << 4LL << Dword(12) << "number:12";
        QTest::newRow("sign, fraction, exponent") << QVariant("+.15e3") << 4LL << Dword(150) << "number:150";
        QTest::newRow("smallest 32-bit") << QVariant("-2147483648") << 4LL << Dword(0x80000000) << "number:-2147483648";
        QTest::newRow("rounds past 32 bits") << QVariant("2147483647.5") << 1LL << Sz("2147483647.5")
                                             << "text:2147483647.5";
        QTest::newRow("eleven digits") << QVariant(" 12345678901 ") << 1LL << Sz("12345678901") << "text:12345678901";
        QTest::newRow("beyond a double") << QVariant("1e999") << 1LL << Sz("1e999") << "text:1e999";
        QTest::newRow("comma is no decimal point") << QVariant("4,5") << 1LL << Sz("4,5") << "text:4,5";
        QTest::newRow("exponent without digits") << QVariant("1e") << 1LL << Sz("1e") << "text:1e";
        QTest::newRow("empty") << QVariant("") << 1LL << Sz("") << "text:";
        QTest::newRow("spaces only") << QVariant("   ") << 1LL << Sz("") << "text:";
        QTest::newRow("text trimmed") << QVariant("  Player One  ") << 1LL << Sz("Player One") << "text:Player One";
        QTest::newRow("non-ASCII") << QVariant("Ünïcødé ✓") << 1LL << Sz("Ünïcødé ✓") << "text:Ünïcødé ✓";
        const QString longText(10000, QLatin1Char('x'));
        QTest::newRow("10,000 characters") << QVariant(longText) << 1LL << Sz(longText) << "text:" + longText;
    }

    void writeDecidesTypeAndBytes()
    {
        QFETCH(QVariant, value);
        QFETCH(qint64, type);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readsAs);

        const RegistryValue written = value.typeId() == QMetaType::Int ? RegistryValue(std::int32_t(value.toInt()))
                                                                        : RegistryValue(value.toString().toStdString());
        WriteRegistryValue(*store_, bmd::kHkeyLocalMachine, kPath, "Value", written);
        const probe::RawValue stored = probe::Database(File()).Value(kPath, "Value");
        QCOMPARE(stored.type, type);
        QCOMPARE(stored.data, bytes);
        QCOMPARE(Read(kPath, "Value"), readsAs);
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
        QFETCH(QString, readsAs);

        bmd::RegistryKey key = 0;
        QCOMPARE(store_->CreateKey(bmd::kHkeyLocalMachine, kPath, key), bmd::kRegistrySuccess);
        QCOMPARE(store_->SetValue(key, "Value", type, bytes.constData(), std::uint32_t(bytes.size())),
                 bmd::kRegistrySuccess);
        QCOMPARE(store_->CloseKey(key), bmd::kRegistrySuccess);
        QCOMPARE(Read(kPath, "Value"), readsAs);
    }

    void firstWriteCreatesTheWholePath()
    {
        bmd::RegistryKey key = 0;
        QCOMPARE(store_->OpenKey(bmd::kHkeyLocalMachine, "Software", key), bmd::kRegistryNotFound);
        QCOMPARE(key, 0U);
        WriteRegistryValue(*store_, bmd::kHkeyLocalMachine, kPath, "Value", std::string("x"));
        for (const char* path : {"Software", "Software\\Test Maker", "SOFTWARE\\test maker\\TEST GAME"}) {
            QCOMPARE(store_->OpenKey(bmd::kHkeyLocalMachine, path, key), bmd::kRegistrySuccess);
            store_->CloseKey(key);
        }
        QCOMPARE(store_->OpenKey(bmd::kHkeyCurrentUser, "Software", key), bmd::kRegistryNotFound);
        QCOMPARE(Read("software\\test maker\\test game", "VALUE"), QStringLiteral("text:x"));
    }

private:
    QString File() const { return dir_->filePath(QStringLiteral("registry.sqlite")); }

    // "number:<digits>" or "text:<text>".
    QString Read(const std::string& path, const std::string& name) const
    {
        const RegistryValue value = ReadRegistryValue(*store_, bmd::kHkeyLocalMachine, path, name);
        return (std::holds_alternative<std::int32_t>(value) ? QStringLiteral("number:") : QStringLiteral("text:"))
               + QString::fromStdString(bmd::ValueText(value));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<bmd::SqliteRegistryStore> store_;
};

QTEST_GUILESS_MAIN(TestRegistryValues)
#include "tst_registryvalues.moc"
