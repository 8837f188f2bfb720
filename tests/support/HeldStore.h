#pragma once

// Another program holding the store file: Python's sqlite3 takes the lock in
// a process of its own and keeps it until released (a failed test where
// it cannot).

#include <QProcess>
#include <QString>
#include <QTest>

inline const char* const kHoldAgainstWriters = "BEGIN IMMEDIATE; UPDATE registry_values SET type = type;";
inline const char* const kHoldAgainstReaders =
    "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE registry_values SET type = type;";

class HeldStore {
public:
    HeldStore(const QString& file, const char* lock)
    {
        holder_.start(QStringLiteral("python3"),
                      {QStringLiteral("-c"), QString::fromLatin1(kHolder), file, QString::fromLatin1(lock)});
        QVERIFY(holder_.waitForReadyRead(10000) && holder_.readLine().trimmed() == "held");
    }
    ~HeldStore()
    {
        holder_.closeWriteChannel();
        holder_.waitForFinished(10000);
    }

private:
    static constexpr const char* kHolder =
        "import sqlite3, sys\n"
        "db = sqlite3.connect(sys.argv[1], isolation_level=None, timeout=5)\n"
        "db.executescript(sys.argv[2])\n"
        "print('held', flush=True)\n"
        "sys.stdin.read()\n"
        "db.execute('ROLLBACK')\n";
    QProcess holder_;
};
