#include "SqliteHandles.h"

namespace bmd::sqlite {

Statement::Statement(sqlite3* db, const char* sql)
{
    sqlite3_stmt* raw = nullptr;
    prepareResult_ = sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    handle_.reset(raw);
    if (prepareResult_ != SQLITE_OK) {
        handle_.reset();
    }
}

void Statement::BindInt(int index, std::int64_t value)
{
    sqlite3_bind_int64(handle_.get(), index, value);
}

void Statement::BindText(int index, const std::string& text)
{
    sqlite3_bind_text64(handle_.get(), index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void Statement::BindBlob(int index, const void* data, std::size_t size)
{
    if (size == 0) {
        sqlite3_bind_zeroblob(handle_.get(), index, 0);
    } else {
        sqlite3_bind_blob64(handle_.get(), index, data, size, SQLITE_TRANSIENT);
    }
}

int Statement::Step()
{
    return handle_ ? sqlite3_step(handle_.get()) : SQLITE_MISUSE;
}

std::int64_t Statement::ColumnInt(int column) const
{
    return sqlite3_column_int64(handle_.get(), column);
}

std::string Statement::ColumnText(int column) const
{
    const auto* text = sqlite3_column_text(handle_.get(), column);
    const int size = sqlite3_column_bytes(handle_.get(), column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                           : std::string();
}

const void* Statement::ColumnBlob(int column) const
{
    return sqlite3_column_blob(handle_.get(), column);
}

std::size_t Statement::ColumnBytes(int column) const
{
    return static_cast<std::size_t>(sqlite3_column_bytes(handle_.get(), column));
}

void Statement::Reset()
{
    if (handle_) {
        sqlite3_reset(handle_.get());
        sqlite3_clear_bindings(handle_.get());
    }
}

int Execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

} // namespace bmd::sqlite
