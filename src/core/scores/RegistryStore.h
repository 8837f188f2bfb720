#pragma once

#include <cstdint>
#include <string>

namespace bmd {

// The registry's predefined handle of the one root key the game uses.
constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;

// Value type codes, as the registry numbers them.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// Result codes: 0 is success, the others carry the registry's numbers so that
// a Windows registry store can hand its own codes through unchanged.
using RegistryResult = std::int32_t;
constexpr RegistryResult kRegistrySuccess = 0;
constexpr RegistryResult kRegistryNotFound = 2;
constexpr RegistryResult kRegistryAccessDenied = 5;
constexpr RegistryResult kRegistryInvalidHandle = 6;
constexpr RegistryResult kRegistryWriteFault = 29;
constexpr RegistryResult kRegistryDiskFull = 112;
constexpr RegistryResult kRegistryBusy = 170;
constexpr RegistryResult kRegistryMoreData = 234;
constexpr RegistryResult kRegistryBadDatabase = 1009;
constexpr RegistryResult kRegistryCannotOpen = 1011;

// An open key; 0 is "no key".
using RegistryKey = std::uint32_t;

// The six operations the value routines need of a registry. Every operation
// is synchronous and reports a result code; none throws.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Opens an existing key; `key` stays 0 when the path does not exist.
    virtual RegistryResult OpenKey(std::uint32_t root, const std::string& path, RegistryKey& key) = 0;
    // Opens a key, creating it and every missing key above it first.
    virtual RegistryResult CreateKey(std::uint32_t root, const std::string& path, RegistryKey& key) = 0;
    // Type and size in bytes of a value, without its data. A missing value
    // leaves both untouched.
    virtual RegistryResult QueryValueInfo(RegistryKey key, const std::string& name, std::uint32_t& type,
                                          std::uint32_t& size) = 0;
    // Copies a value's bytes into `buffer` of `size` bytes; `size` comes back as
    // the number of bytes written (or needed, with kRegistryMoreData).
    virtual RegistryResult QueryValueData(RegistryKey key, const std::string& name, void* buffer,
                                          std::uint32_t& size) = 0;
    // Creates or replaces a value.
    virtual RegistryResult SetValue(RegistryKey key, const std::string& name, std::uint32_t type, const void* data,
                                    std::uint32_t size) = 0;
    virtual RegistryResult CloseKey(RegistryKey key) = 0;

    // Writes between BeginBatch and EndBatch reach the store together or not
    // at all, and the values read inside a batch stay as read until its end.
    // Batches nest. Begin tells whether the batch could start; End whether
    // it reached the store. A store without transactions may ignore them.
    virtual RegistryResult BeginBatch() { return kRegistrySuccess; }
    virtual RegistryResult EndBatch() { return kRegistrySuccess; }

    // The reads between BeginReading and EndReading see the store as it was
    // at the first of them, whatever other programs write meanwhile; unlike
    // a batch, this needs no right to write.
    virtual void BeginReading() {}
    virtual void EndReading() {}
};

// Where there is no place to keep values: every operation fails.
class NoRegistryStore final : public RegistryStore {
public:
    RegistryResult OpenKey(std::uint32_t, const std::string&, RegistryKey& key) override { return Refuse(key); }
    RegistryResult CreateKey(std::uint32_t, const std::string&, RegistryKey& key) override { return Refuse(key); }
    RegistryResult QueryValueInfo(RegistryKey, const std::string&, std::uint32_t&, std::uint32_t&) override
    {
        return kRegistryCannotOpen;
    }
    RegistryResult QueryValueData(RegistryKey, const std::string&, void*, std::uint32_t&) override
    {
        return kRegistryCannotOpen;
    }
    RegistryResult SetValue(RegistryKey, const std::string&, std::uint32_t, const void*, std::uint32_t) override
    {
        return kRegistryCannotOpen;
    }
    RegistryResult CloseKey(RegistryKey) override { return kRegistryInvalidHandle; }
    RegistryResult BeginBatch() override { return kRegistryCannotOpen; }
    RegistryResult EndBatch() override { return kRegistryCannotOpen; }

private:
    static RegistryResult Refuse(RegistryKey& key)
    {
        key = 0;
        return kRegistryCannotOpen;
    }
};

// The reads of one scope, from one state of the store.
class RegistryReading {
public:
    explicit RegistryReading(RegistryStore& store) : store_(store) { store_.BeginReading(); }
    ~RegistryReading() { store_.EndReading(); }
    RegistryReading(const RegistryReading&) = delete;
    RegistryReading& operator=(const RegistryReading&) = delete;

private:
    RegistryStore& store_;
};

// Groups the reads and writes of one scope into one batch of the store.
class RegistryBatch {
public:
    explicit RegistryBatch(RegistryStore& store) : store_(store), began_(store_.BeginBatch()) {}
    ~RegistryBatch()
    {
        if (!ended_) {
            store_.EndBatch();
        }
    }
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;

    RegistryResult Began() const { return began_; }
    // Ends the batch now; whether its writes reached the store.
    RegistryResult End()
    {
        ended_ = true;
        return store_.EndBatch();
    }

private:
    RegistryStore& store_;
    RegistryResult began_;
    bool ended_ = false;
};

} // namespace bmd
