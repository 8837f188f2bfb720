#pragma once

// Looks into a store file with plain SQLite, the way another tool would, so
// that the tests check the file itself and not only what the store says.

#include <QString>
#include <sqlite3.h>

#include <string>

namespace probe {

class Database {
public:
    explicit Database(const QString& file)
    {
        sqlite3_open_v2(file.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_busy_timeout(db_, 5000);
    }
    ~Database() { sqlite3_close_v2(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    int Execute(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }

    // The first column of the first row as text, or "<error N>".
    QString Text(const std::string& sql)
    {
        sqlite3_stmt* statement = nullptr;
        int result = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
        result = result == SQLITE_OK ? sqlite3_step(statement) : result;
        const QString text = result == SQLITE_ROW
                                 ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)))
                             : result == SQLITE_DONE ? QString()
                                                     : QStringLiteral("<error %1>").arg(result);
        sqlite3_finalize(statement);
        return text;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace probe
