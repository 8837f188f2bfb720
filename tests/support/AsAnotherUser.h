#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// Root writes into read-only folders and files, so for root the read-only
// cases run as the unprivileged user "nobody": this test program runs the
// one test function again as that user, from a copy it may execute. Returns
// "" when that run passed, else what it printed. Another user number may be
// given, one the password database need not know.
inline QString RunAsNobody(const char* testFunction, int user = 65534)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("test"));
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                      | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(dir.path(), open) || !QFile::copy(QCoreApplication::applicationFilePath(), copy)
        || !QFile::setPermissions(copy, open)) {
        return QStringLiteral("could not copy the test program");
    }
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral("setpriv"),
              {QStringLiteral("--reuid=%1").arg(user), QStringLiteral("--regid=%1").arg(user),
               QStringLiteral("--clear-groups"), copy, QString::fromLatin1(testFunction)});
    const bool passed = run.waitForFinished(120000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
    return passed ? QString() : QString::fromLocal8Bit(run.readAll());
}

inline bool IsRoot()
{
    return ::geteuid() == 0;
}
