#pragma once

// Known only to the score store's own files: SQLite stays out of its users.
#include "SqliteRegistryStore.h"

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>

namespace bmd::sqlite {

// Owners for the two handles of the SQLite C API, so that every exit path
// finalises its statements and closes its database.
struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

class Statement {
public:
    Statement() = default;
    // Prepares `sql` on `db`; PrepareResult() tells whether that worked.
    Statement(sqlite3* db, const char* sql);

    explicit operator bool() const { return handle_ != nullptr; }
    int PrepareResult() const { return prepareResult_; }

    void BindInt(int index, std::int64_t value);
    void BindText(int index, const std::string& text);
    // An empty blob is bound as a zero-length blob, never as NULL.
    void BindBlob(int index, const void* data, std::size_t size);

    // One step: SQLITE_ROW, SQLITE_DONE or an error code.
    int Step();
    std::int64_t ColumnInt(int column) const;
    std::string ColumnText(int column) const;
    const void* ColumnBlob(int column) const;
    std::size_t ColumnBytes(int column) const;

    // Ready for the next use; also ends the read that a SELECT keeps open.
    void Reset();

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> handle_;
    int prepareResult_ = SQLITE_MISUSE;
};

// Resets a kept statement when the scope that used it ends.
class StatementScope {
public:
    explicit StatementScope(Statement& statement) : statement_(statement) {}
    ~StatementScope() { statement_.Reset(); }
    StatementScope(const StatementScope&) = delete;
    StatementScope& operator=(const StatementScope&) = delete;

private:
    Statement& statement_;
};

// Runs SQL without results; returns the SQLite result code.
int Execute(sqlite3* db, const char* sql);

} // namespace bmd::sqlite

namespace bmd {

struct SqliteRegistryStore::Handles {
    sqlite::Connection db;
    sqlite::Statement selectKey;
    sqlite::Statement insertKey;
    sqlite::Statement selectValueInfo;
    sqlite::Statement selectValueData;
    sqlite::Statement upsertValue;
};

} // namespace bmd
