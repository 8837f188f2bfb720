#pragma once

#include "scores/RegistryStore.h"
#include "scores/SqliteHandles.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace bmd {

// The registry operations on an SQLite file, where no Windows registry
// exists. The file layout is public (other tools read the scores):
//   registry_keys(root, path)                         one row per key
//   registry_values(root, path, name, type, data)     data holds the exact
//                                                     bytes of the value
// Paths and names compare without regard to ASCII case, as in the registry.
//
// Opening never fails outright: a file that is not a database or is damaged
// is renamed aside (<file>.damaged-<n>) and a fresh one is made; a folder that
// cannot be written or a database held by another program leaves a store
// whose operations fail, and the callers carry on with what they hold in
// memory. Several programs may share the file; one object belongs to one
// thread.
class SqliteRegistryStore final : public RegistryStore {
public:
    static constexpr std::chrono::milliseconds kDefaultBusyTimeout{5000};

    explicit SqliteRegistryStore(std::filesystem::path file,
                                 std::chrono::milliseconds busyTimeout = kDefaultBusyTimeout);
    ~SqliteRegistryStore() override;
    SqliteRegistryStore(const SqliteRegistryStore&) = delete;
    SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

    // False when the file could not be opened or made; every operation fails then.
    bool IsOpen() const { return db_ != nullptr; }

    RegistryResult OpenKey(std::uint32_t root, const std::string& path, RegistryKey& key) override;
    RegistryResult CreateKey(std::uint32_t root, const std::string& path, RegistryKey& key) override;
    RegistryResult QueryValueInfo(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  std::uint32_t& size) override;
    RegistryResult QueryValueData(RegistryKey key, const std::string& name, void* buffer, std::uint32_t& size) override;
    RegistryResult SetValue(RegistryKey key, const std::string& name, std::uint32_t type, const void* data,
                            std::uint32_t size) override;
    RegistryResult CloseKey(RegistryKey key) override;

    // One transaction per outermost batch. A write that fails inside it rolls
    // the whole batch back and makes the rest of its writes fail at once, so a
    // locked file costs one busy wait per batch, not one per value.
    void BeginBatch() override;
    void EndBatch() override;

private:
    enum class OpenOutcome { Ready, Damaged, Unavailable };
    struct OpenedKey {
        std::uint32_t root;
        std::string path;
    };

    OpenOutcome TryOpen();
    int CountTables(int& ours, int& others);
    int PrepareStatements();
    // Renames the file and its journals aside; where to, or empty on failure.
    std::optional<std::filesystem::path> SetDamagedFileAside();
    void Close();
    bool KeyExists(std::uint32_t root, const std::string& path, RegistryResult& result);
    RegistryKey AddOpenKey(std::uint32_t root, std::string path);
    const OpenedKey* FindKey(RegistryKey key) const;
    bool WritesBlocked() const { return batchDepth_ > 0 && batchBroken_; }
    RegistryResult NoteWriteResult(int sqliteResult);

    std::filesystem::path file_;
    std::chrono::milliseconds busyTimeout_;
    sqlite::Connection db_;
    sqlite::Statement selectKey_;
    sqlite::Statement insertKey_;
    sqlite::Statement selectValueInfo_;
    sqlite::Statement selectValueData_;
    sqlite::Statement upsertValue_;
    std::map<RegistryKey, OpenedKey> openKeys_;
    RegistryKey nextKey_ = 1;
    int batchDepth_ = 0;
    bool batchBroken_ = false;
    bool batchInTransaction_ = false;
};

} // namespace bmd
