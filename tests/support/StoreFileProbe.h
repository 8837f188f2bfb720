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

    int Execute(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }

    // The first column of the last row as text; "" when there is none.
    QString Text(const std::string& sql)
    {
        QString text;
        const auto keep = [](void* out, int, char** values, char**) {
            *static_cast<QString*>(out) = QString::fromUtf8(values[0]);
            return 0;
        };
        sqlite3_exec(db_, sql.c_str(), keep, &text, nullptr);
        return text;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace probe
