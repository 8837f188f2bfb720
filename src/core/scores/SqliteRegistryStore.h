#pragma once

#include "RegistryStore.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
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
// is renamed aside (<file>.damaged-<n>) and a fresh one is made; a store that
// cannot be written is opened read only, without making files beside it; a
// file that cannot be opened at all or a database held by another program
// leaves a store whose operations fail, and the callers carry on with what
// they hold in memory. A file this store made and could not make whole is
// removed again. Several
// programs may share the file: each batch is one write transaction. One
// object belongs to one thread.
class SqliteRegistryStore final : public RegistryStore {
public:
    static constexpr std::chrono::milliseconds kDefaultBusyTimeout{5000};

    explicit SqliteRegistryStore(std::filesystem::path file,
                                 std::chrono::milliseconds busyTimeout = kDefaultBusyTimeout);
    ~SqliteRegistryStore() override;
    SqliteRegistryStore(const SqliteRegistryStore&) = delete;
    SqliteRegistryStore& operator=(const SqliteRegistryStore&) = delete;

    // False when the file could not be opened or made; every operation fails then.
    bool IsOpen() const;
    // Why the store is not open: kRegistryBusy while another program holds
    // it, kRegistryDiskFull, kRegistryAccessDenied, else kRegistryCannotOpen.
    RegistryResult OpenResult() const { return openResult_; }
    // Where a damaged file found at opening was kept; empty when none was.
    const std::filesystem::path& DamagedCopy() const { return damagedCopy_; }
    bool IsReadOnly() const { return readOnly_; }
    // Whether the store could not be opened, or only read, for a while:
    // another program held it, or the disk was full.
    bool MayOpenLater() const;
    // Opens such a store again; whether it is open now.
    bool Reopen();

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
    RegistryResult BeginBatch() override;
    RegistryResult EndBatch() override;
    void BeginReading() override;
    void EndReading() override;

private:
    // The SQLite connection and its statements, known only to the store's
    // own files, so that its users need not see SQLite.
    struct Handles;
    enum class OpenOutcome { Ready, Damaged, Busy, Unavailable };
    enum class OpenMode { ReadWrite, ReadOnly, Immutable };
    struct OpenedKey {
        std::uint32_t root;
        std::string path;
    };

    void Open();
    int OpenConnection(OpenMode mode);
    OpenOutcome TryOpen(OpenMode mode);
    int CountTables(int& ours, int& others);
    int PrepareStatements();
    // Renames the file and its journals aside; where to, or empty on failure.
    std::optional<std::filesystem::path> SetDamagedFileAside();
    void Close();
    bool KeyExists(std::uint32_t root, const std::string& path, RegistryResult& result);
    RegistryKey AddOpenKey(std::uint32_t root, std::string path);
    const OpenedKey* FindKey(RegistryKey key) const;
    // Why a write cannot be made now (success when it can).
    RegistryResult WriteRefusal() const;
    RegistryResult NoteWriteResult(int sqliteResult);
    // The registry's code for an SQLite result, a full disk told apart by the system's error.
    RegistryResult Result(int sqliteResult) const;
    // Removes the journals, and the file, that a failed opening made.
    void RemoveUnfinishedFile(bool withFile);

    std::filesystem::path file_;
    std::chrono::milliseconds busyTimeout_;
    std::unique_ptr<Handles> sql_;
    std::map<RegistryKey, OpenedKey> openKeys_;
    RegistryKey nextKey_ = 1;
    int batchDepth_ = 0;
    RegistryResult batchFailure_ = kRegistrySuccess; // the first failure in the open batch
    bool batchInTransaction_ = false;
    bool reading_ = false; // a read transaction of BeginReading is open
    bool readOnly_ = false;
    RegistryResult openResult_ = kRegistrySuccess;
    RegistryResult failure_ = kRegistryCannotOpen;   // why the last try to open failed
    RegistryResult refusal_ = kRegistryAccessDenied; // why a store open read only refuses writes
    std::filesystem::path damagedCopy_;
};

} // namespace bmd
