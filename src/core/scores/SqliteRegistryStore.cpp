// The registry operations on an open store: keys, values and batches.

#include "SqliteHandles.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace bmd {

namespace {

// "\Software\\Maker\" and "Software\Maker" name the same key.
std::vector<std::string> PathSegments(const std::string& path)
{
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            segments.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return segments;
}

std::string JoinSegments(const std::vector<std::string>& segments, std::size_t count)
{
    std::string path;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            path += '\\';
        }
        path += segments[i];
    }
    return path;
}

std::string NormalisedPath(const std::string& path)
{
    const auto segments = PathSegments(path);
    return JoinSegments(segments, segments.size());
}
} // namespace

bool SqliteRegistryStore::KeyExists(std::uint32_t root, const std::string& path, RegistryResult& result)
{
    result = kRegistrySuccess;
    if (path.empty()) {
        return true; // the root key itself
    }
    sqlite::StatementScope scope(sql_->selectKey);
    sql_->selectKey.BindInt(1, root);
    sql_->selectKey.BindText(2, path);
    const int step = sql_->selectKey.Step();
    if (step == SQLITE_ROW) {
        return true;
    }
    result = Result(step);
    return false;
}

RegistryKey SqliteRegistryStore::AddOpenKey(std::uint32_t root, std::string path)
{
    while (nextKey_ == 0 || openKeys_.contains(nextKey_)) {
        ++nextKey_;
    }
    const RegistryKey key = nextKey_++;
    openKeys_.emplace(key, OpenedKey{root, std::move(path)});
    return key;
}

const SqliteRegistryStore::OpenedKey* SqliteRegistryStore::FindKey(RegistryKey key) const
{
    const auto found = openKeys_.find(key);
    return found == openKeys_.end() ? nullptr : &found->second;
}

RegistryResult SqliteRegistryStore::NoteWriteResult(int sqliteResult)
{
    if (sqliteResult == SQLITE_DONE || sqliteResult == SQLITE_OK) {
        return kRegistrySuccess;
    }
    const RegistryResult result = Result(sqliteResult);
    if (batchDepth_ > 0 && batchFailure_ == kRegistrySuccess) {
        batchFailure_ = result;
    }
    return result;
}

RegistryResult SqliteRegistryStore::WriteRefusal() const
{
    if (!sql_->db) {
        return openResult_;
    }
    if (readOnly_) {
        return refusal_;
    }
    return batchDepth_ > 0 ? batchFailure_ : kRegistrySuccess;
}

RegistryResult SqliteRegistryStore::OpenKey(std::uint32_t root, const std::string& path, RegistryKey& key)
{
    key = 0;
    if (!sql_->db) {
        return openResult_;
    }
    std::string normal = NormalisedPath(path);
    RegistryResult result = kRegistrySuccess;
    if (!KeyExists(root, normal, result)) {
        return result == kRegistrySuccess ? kRegistryNotFound : result;
    }
    key = AddOpenKey(root, std::move(normal));
    return kRegistrySuccess;
}

RegistryResult SqliteRegistryStore::CreateKey(std::uint32_t root, const std::string& path, RegistryKey& key)
{
    key = 0;
    if (!sql_->db) {
        return openResult_;
    }
    const auto segments = PathSegments(path);
    std::string normal = JoinSegments(segments, segments.size());
    RegistryResult result = kRegistrySuccess;
    if (!KeyExists(root, normal, result)) {
        if (result != kRegistrySuccess) {
            return result;
        }
        if (const RegistryResult refused = WriteRefusal(); refused != kRegistrySuccess) {
            return refused;
        }
        for (std::size_t count = 1; count <= segments.size(); ++count) {
            sqlite::StatementScope scope(sql_->insertKey);
            sql_->insertKey.BindInt(1, root);
            sql_->insertKey.BindText(2, JoinSegments(segments, count));
            result = NoteWriteResult(sql_->insertKey.Step());
            if (result != kRegistrySuccess) {
                return result;
            }
        }
    }
    key = AddOpenKey(root, std::move(normal));
    return kRegistrySuccess;
}

RegistryResult SqliteRegistryStore::QueryValueInfo(RegistryKey key, const std::string& name, std::uint32_t& type,
                                                   std::uint32_t& size)
{
    const OpenedKey* opened = FindKey(key);
    if (opened == nullptr || !sql_->db) {
        return kRegistryInvalidHandle;
    }
    sqlite::StatementScope scope(sql_->selectValueInfo);
    sql_->selectValueInfo.BindInt(1, opened->root);
    sql_->selectValueInfo.BindText(2, opened->path);
    sql_->selectValueInfo.BindText(3, name);
    const int step = sql_->selectValueInfo.Step();
    if (step != SQLITE_ROW) {
        return step == SQLITE_DONE ? kRegistryNotFound : Result(step);
    }
    type = static_cast<std::uint32_t>(sql_->selectValueInfo.ColumnInt(0));
    size = static_cast<std::uint32_t>(sql_->selectValueInfo.ColumnInt(1));
    return kRegistrySuccess;
}

RegistryResult SqliteRegistryStore::QueryValueData(RegistryKey key, const std::string& name, void* buffer,
                                                   std::uint32_t& size)
{
    const OpenedKey* opened = FindKey(key);
    if (opened == nullptr || !sql_->db) {
        return kRegistryInvalidHandle;
    }
    sqlite::StatementScope scope(sql_->selectValueData);
    sql_->selectValueData.BindInt(1, opened->root);
    sql_->selectValueData.BindText(2, opened->path);
    sql_->selectValueData.BindText(3, name);
    const int step = sql_->selectValueData.Step();
    if (step != SQLITE_ROW) {
        return step == SQLITE_DONE ? kRegistryNotFound : Result(step);
    }
    const void* data = sql_->selectValueData.ColumnBlob(0); // before ColumnBytes, as SQLite asks
    const std::size_t bytes = sql_->selectValueData.ColumnBytes(0);
    if (bytes > size) {
        size = static_cast<std::uint32_t>(bytes);
        return kRegistryMoreData;
    }
    if (bytes > 0) {
        std::memcpy(buffer, data, bytes);
    }
    size = static_cast<std::uint32_t>(bytes);
    return kRegistrySuccess;
}

RegistryResult SqliteRegistryStore::SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                                             const void* data, std::uint32_t size)
{
    const OpenedKey* opened = FindKey(key);
    if (opened == nullptr || !sql_->db) {
        return kRegistryInvalidHandle;
    }
    if (const RegistryResult refused = WriteRefusal(); refused != kRegistrySuccess) {
        return refused;
    }
    sqlite::StatementScope scope(sql_->upsertValue);
    sql_->upsertValue.BindInt(1, opened->root);
    sql_->upsertValue.BindText(2, opened->path);
    sql_->upsertValue.BindText(3, name);
    sql_->upsertValue.BindInt(4, type);
    sql_->upsertValue.BindBlob(5, data, size);
    return NoteWriteResult(sql_->upsertValue.Step());
}

RegistryResult SqliteRegistryStore::CloseKey(RegistryKey key)
{
    return openKeys_.erase(key) == 1 ? kRegistrySuccess : kRegistryInvalidHandle;
}

RegistryResult SqliteRegistryStore::BeginBatch()
{
    if (batchDepth_++ > 0) {
        return batchFailure_;
    }
    batchInTransaction_ = false;
    batchFailure_ = WriteRefusal();
    if (batchFailure_ != kRegistrySuccess) {
        return batchFailure_;
    }
    // IMMEDIATE takes the write lock now (waiting up to the busy timeout), so
    // the reads inside the batch cannot go stale before its writes.
    const int result = sqlite::Execute(sql_->db.get(), "BEGIN IMMEDIATE");
    batchInTransaction_ = result == SQLITE_OK;
    batchFailure_ = Result(result);
    return batchFailure_;
}

RegistryResult SqliteRegistryStore::EndBatch()
{
    if (batchDepth_ == 0) {
        return kRegistryInvalidHandle;
    }
    if (--batchDepth_ > 0) {
        return batchFailure_;
    }
    RegistryResult result = batchFailure_;
    if (batchInTransaction_ && sql_->db) {
        if (result == kRegistrySuccess) {
            result = Result(sqlite::Execute(sql_->db.get(), "COMMIT"));
        }
        if (result != kRegistrySuccess) {
            sqlite::Execute(sql_->db.get(), "ROLLBACK");
        }
    }
    batchInTransaction_ = false;
    batchFailure_ = kRegistrySuccess;
    return result;
}

void SqliteRegistryStore::BeginReading()
{
    // A deferred transaction takes its snapshot at the first read; inside a
    // batch the batch's own transaction holds already.
    reading_ = sql_->db && batchDepth_ == 0 && !reading_ && sqlite::Execute(sql_->db.get(), "BEGIN") == SQLITE_OK;
}

void SqliteRegistryStore::EndReading()
{
    if (reading_ && sql_->db) {
        sqlite::Execute(sql_->db.get(), "COMMIT");
    }
    reading_ = false;
}

} // namespace bmd
