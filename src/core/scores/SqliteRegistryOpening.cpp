// Opening the store: a file made, damaged ones set aside, read-only and
// busy ones told apart, and the SQLite connection with its statements.

#include "Log.h"
#include "SqliteHandles.h"

#include <cerrno>
#include <chrono>
#include <string_view>
#include <system_error>
#include <thread>

namespace bmd {

namespace {

// The layout other tools rely on: changing it would orphan their queries.
constexpr const char* kCreateSchema = R"sql(CREATE TABLE IF NOT EXISTS registry_keys (
  root INTEGER NOT NULL,              -- the root key handle as an unsigned 32-bit number: 2147483650 for HKEY_LOCAL_MACHINE
  path TEXT NOT NULL COLLATE NOCASE,  -- backslash-separated key path, e.g. Software\Brightmoose Software\Brightmoose Derudirodozir
  PRIMARY KEY (root, path));
CREATE TABLE IF NOT EXISTS registry_values (
  root INTEGER NOT NULL,
  path TEXT NOT NULL COLLATE NOCASE,
  name TEXT NOT NULL COLLATE NOCASE,
  type INTEGER NOT NULL,              -- 1 REG_SZ, 4 REG_DWORD; other codes may be present and read as ""
  data BLOB NOT NULL,                 -- the exact bytes: REG_SZ = the narrow (UTF-8 here) text plus one NUL; REG_DWORD = 4 bytes little-endian
  PRIMARY KEY (root, path, name));)sql";

bool IsBusy(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool IsDamage(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

RegistryResult FromSqlite(int code)
{
    switch (code & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return kRegistrySuccess;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return kRegistryBusy;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
        return kRegistryAccessDenied;
    case SQLITE_FULL:
        return kRegistryDiskFull;
    case SQLITE_IOERR:
        return kRegistryWriteFault;
    default:
        return kRegistryBadDatabase;
    }
}

// Runs a one-row PRAGMA or query and hands back its first column as text.
int QueryText(sqlite3* db, const char* sql, std::string& text)
{
    sqlite::Statement statement(db, sql);
    if (!statement) {
        return statement.PrepareResult();
    }
    const int result = statement.Step();
    if (result == SQLITE_ROW) {
        text = statement.ColumnText(0);
        return SQLITE_OK;
    }
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

// The file as an SQLite URI that reads it as unchanging; every byte of the
// name but letters, digits and "/-._~" is percent-encoded.
std::string ImmutableUri(const std::filesystem::path& file)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : file.native()) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
            || std::string_view("/-._~").find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4U];
            uri += kHex[byte & 0xFU];
        }
    }
    return uri + "?immutable=1";
}

std::filesystem::path WithSuffix(const std::filesystem::path& file, const std::string& suffix)
{
    std::filesystem::path result = file;
    result += suffix;
    return result;
}

constexpr const char* kJournals[] = {"-wal", "-shm", "-journal"};

bool HasJournal(const std::filesystem::path& file)
{
    std::error_code error;
    for (const char* journal : kJournals) {
        if (std::filesystem::exists(std::filesystem::symlink_status(WithSuffix(file, journal), error))) {
            return true;
        }
    }
    return false;
}

// A file that can be read but not written, with no journal beside it: the
// only way to read it without leaving files beside it is as unchanging.
bool IsReadOnlyFileAlone(const std::filesystem::path& file)
{
    std::error_code error;
    if (HasJournal(file)) {
        return false;
    }
    const auto opened = [&](const char* mode) {
        std::FILE* stream = std::fopen(file.c_str(), mode);
        if (stream != nullptr) {
            std::fclose(stream);
        }
        return stream != nullptr;
    };
    return std::filesystem::is_regular_file(file, error) && opened("rb") && !opened("r+b");
}

} // namespace

SqliteRegistryStore::SqliteRegistryStore(std::filesystem::path file, std::chrono::milliseconds busyTimeout)
    : file_(std::move(file)), busyTimeout_(busyTimeout), sql_(std::make_unique<Handles>())
{
    Open();
}

bool SqliteRegistryStore::IsOpen() const
{
    return sql_->db != nullptr;
}

bool SqliteRegistryStore::MayOpenLater() const
{
    return IsOpen() ? readOnly_ && refusal_ == kRegistryDiskFull
                    : openResult_ == kRegistryBusy || openResult_ == kRegistryDiskFull;
}

bool SqliteRegistryStore::Reopen()
{
    if (MayOpenLater()) {
        Open();
    }
    return sql_->db != nullptr;
}

void SqliteRegistryStore::Open()
{
    openResult_ = kRegistrySuccess;
    failure_ = kRegistryCannotOpen;
    refusal_ = kRegistryAccessDenied;
    readOnly_ = false;
    std::error_code ignored;
    const bool existed = std::filesystem::exists(std::filesystem::symlink_status(file_, ignored));
    const bool journalled = HasJournal(file_);
    // SQLite would make journals beside a file it may only read, and leave them.
    OpenOutcome outcome = IsReadOnlyFileAlone(file_) ? TryOpen(OpenMode::Immutable) : TryOpen(OpenMode::ReadWrite);
    if (outcome == OpenOutcome::Damaged) {
        const auto aside = SetDamagedFileAside();
        if (aside) {
            Warn("the score store " + file_.string() + " was damaged or not ours; kept as " + aside->string()
                 + ", a fresh one is started");
            damagedCopy_ = *aside;
        }
        outcome = aside ? TryOpen(OpenMode::ReadWrite) : OpenOutcome::Unavailable;
    }
    if (outcome == OpenOutcome::Unavailable && failure_ == kRegistryDiskFull && existed && !journalled) {
        // On a full disk, what the try made beside the file goes again, and
        // the scores are read without it; saving waits for room.
        Close();
        RemoveUnfinishedFile(false);
        outcome = TryOpen(OpenMode::Immutable);
        refusal_ = kRegistryDiskFull;
        failure_ = kRegistryDiskFull;
    } else if (outcome == OpenOutcome::Unavailable && std::filesystem::is_regular_file(file_, ignored) && existed) {
        // A store the player cannot write (a locked-down or shared folder)
        // still shows its scores.
        const RegistryResult why = failure_;
        outcome = TryOpen(OpenMode::ReadOnly);
        if (outcome != OpenOutcome::Ready) {
            outcome = TryOpen(OpenMode::Immutable);
        }
        failure_ = outcome == OpenOutcome::Ready ? failure_ : why;
        refusal_ = why == kRegistryDiskFull ? kRegistryDiskFull : kRegistryAccessDenied;
    }
    if (readOnly_ && outcome == OpenOutcome::Ready) {
        Warn("the score store " + file_.string() + " cannot be written; its scores are read only");
    }
    if (outcome == OpenOutcome::Busy) {
        openResult_ = kRegistryBusy;
        Close();
    } else if (outcome != OpenOutcome::Ready) {
        Warn("the score store " + file_.string() + " cannot be opened; scores are kept for this run only");
        openResult_ = failure_;
        Close();
        if (!existed) {
            RemoveUnfinishedFile(true);
        }
    }
}

void SqliteRegistryStore::RemoveUnfinishedFile(bool withFile)
{
    std::error_code ignored;
    if (withFile) {
        std::filesystem::remove(file_, ignored);
    }
    for (const char* journal : kJournals) {
        std::filesystem::remove(WithSuffix(file_, journal), ignored);
    }
}

RegistryResult SqliteRegistryStore::Result(int sqliteResult) const
{
    const int error = sql_->db ? sqlite3_system_errno(sql_->db.get()) : 0;
    switch (sqliteResult & 0xFF) {
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        if (error == ENOSPC || error == EDQUOT) {
            return kRegistryDiskFull;
        }
        if ((sqliteResult & 0xFF) == SQLITE_CANTOPEN) {
            return error == EACCES || error == EPERM || error == EROFS ? kRegistryAccessDenied : kRegistryCannotOpen;
        }
        return kRegistryWriteFault;
    default:
        return FromSqlite(sqliteResult);
    }
}

SqliteRegistryStore::~SqliteRegistryStore()
{
    Close();
}

int SqliteRegistryStore::OpenConnection(OpenMode mode)
{
    sqlite3* raw = nullptr;
    int result = SQLITE_OK;
    if (mode == OpenMode::Immutable) {
        // Nobody can change a file in a folder that cannot be written, so it
        // is read without the locks that would need files beside it.
        result = sqlite3_open_v2(ImmutableUri(file_).c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    } else {
        const int flags = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY
                                                     : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        result = sqlite3_open_v2(file_.c_str(), &raw, flags, nullptr);
    }
    sql_->db.reset(raw);
    if (result != SQLITE_OK) {
        failure_ = Result(result);
    } else {
        sqlite3_extended_result_codes(sql_->db.get(), 1);
        sqlite3_busy_timeout(sql_->db.get(), static_cast<int>(busyTimeout_.count()));
    }
    return result;
}

SqliteRegistryStore::OpenOutcome SqliteRegistryStore::TryOpen(OpenMode mode)
{
    Close();
    if (mode == OpenMode::ReadWrite && file_.has_parent_path()) {
        std::error_code ignored;
        std::filesystem::create_directories(file_.parent_path(), ignored);
    }
    if (OpenConnection(mode) != SQLITE_OK) {
        return OpenOutcome::Unavailable;
    }

    // Look before touching anything: a file that is no database, a damaged one
    // or another program's database goes aside exactly as it was found. The
    // first read waits at most one busy timeout for another program.
    std::string text;
    int result = QueryText(sql_->db.get(), "PRAGMA quick_check(1)", text);
    if (IsDamage(result) || (result == SQLITE_OK && text != "ok")) {
        return mode == OpenMode::ReadWrite ? OpenOutcome::Damaged : OpenOutcome::Unavailable;
    }
    if (IsBusy(result)) {
        return OpenOutcome::Busy;
    }
    if (result != SQLITE_OK) {
        failure_ = Result(result);
        return OpenOutcome::Unavailable;
    }
    int ourTables = 0;
    int otherTables = 0;
    result = CountTables(ourTables, otherTables);
    if (IsDamage(result)) {
        return OpenOutcome::Damaged;
    }
    if (result != SQLITE_OK) {
        return IsBusy(result) ? OpenOutcome::Busy : OpenOutcome::Unavailable;
    }
    if (ourTables == 1 || (ourTables == 0 && otherTables > 0)) {
        return mode == OpenMode::ReadWrite ? OpenOutcome::Damaged : OpenOutcome::Unavailable;
    }
    if (ourTables == 2) {
        result = PrepareStatements();
        if (result != SQLITE_OK) {
            // Our table names in another shape: not a file this game wrote.
            return IsDamage(result) || (result & 0xFF) == SQLITE_ERROR ? OpenOutcome::Damaged
                                                                       : OpenOutcome::Unavailable;
        }
    }
    // SQLite opens a file it may not write read only, whatever was asked.
    if (mode != OpenMode::ReadWrite || sqlite3_db_readonly(sql_->db.get(), "main") == 1) {
        readOnly_ = ourTables == 2;
        failure_ = readOnly_ ? failure_ : kRegistryAccessDenied;
        return readOnly_ ? OpenOutcome::Ready : OpenOutcome::Unavailable;
    }

    // WAL lets a second copy of the game read while this one writes; NORMAL
    // is safe with it (a power cut can lose the last commit, never the file).
    // Changing the journal takes the file for a moment without waiting for
    // others, so two copies making the store together may meet here: try
    // again for as long as a busy store is waited for.
    const auto deadline = std::chrono::steady_clock::now() + busyTimeout_;
    while (IsBusy(result = QueryText(sql_->db.get(), "PRAGMA journal_mode=WAL", text))
           && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (result != SQLITE_OK) {
        failure_ = Result(result);
        return IsBusy(result) ? OpenOutcome::Busy : OpenOutcome::Unavailable;
    }
    sqlite::Execute(sql_->db.get(), "PRAGMA synchronous=NORMAL");

    if (ourTables == 0) {
        // Both tables at once, so that a second copy starting now never sees half a store.
        result = sqlite::Execute(sql_->db.get(), "BEGIN IMMEDIATE");
        if (result == SQLITE_OK) {
            result = sqlite::Execute(sql_->db.get(), kCreateSchema);
            result = result == SQLITE_OK ? sqlite::Execute(sql_->db.get(), "COMMIT") : result;
            if (result != SQLITE_OK) {
                sqlite::Execute(sql_->db.get(), "ROLLBACK");
            }
        }
        if (IsBusy(result)) {
            return OpenOutcome::Busy;
        }
        if (result != SQLITE_OK || (result = PrepareStatements()) != SQLITE_OK) {
            failure_ = Result(result);
            return OpenOutcome::Unavailable;
        }
    }
    return OpenOutcome::Ready;
}

int SqliteRegistryStore::CountTables(int& ours, int& others)
{
    sqlite::Statement tables(sql_->db.get(),
                             "SELECT lower(name) FROM sqlite_master WHERE type = 'table'"
                             " AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    if (!tables) {
        return tables.PrepareResult();
    }
    int result = SQLITE_ROW;
    while ((result = tables.Step()) == SQLITE_ROW) {
        const std::string name = tables.ColumnText(0);
        ++(name == "registry_keys" || name == "registry_values" ? ours : others);
    }
    return result == SQLITE_DONE ? SQLITE_OK : result;
}

int SqliteRegistryStore::PrepareStatements()
{
    sql_->selectKey = sqlite::Statement(sql_->db.get(),
                                        "SELECT 1 FROM registry_keys WHERE root = ?1 AND path = ?2"
                                        " UNION ALL SELECT 1 FROM registry_values WHERE root = ?1 AND path = ?2"
                                        " LIMIT 1");
    sql_->insertKey = sqlite::Statement(sql_->db.get(),
                                        "INSERT OR IGNORE INTO registry_keys (root, path) VALUES (?1, ?2)");
    sql_->selectValueInfo = sqlite::Statement(sql_->db.get(),
                                              "SELECT type, length(CAST(data AS BLOB)) FROM registry_values"
                                              " WHERE root = ?1 AND path = ?2 AND name = ?3");
    sql_->selectValueData = sqlite::Statement(sql_->db.get(),
                                              "SELECT CAST(data AS BLOB) FROM registry_values"
                                              " WHERE root = ?1 AND path = ?2 AND name = ?3");
    sql_->upsertValue = sqlite::Statement(sql_->db.get(),
                                          "INSERT INTO registry_values (root, path, name, type, data)"
                                          " VALUES (?1, ?2, ?3, ?4, ?5)"
                                          " ON CONFLICT (root, path, name)"
                                          " DO UPDATE SET type = excluded.type, data = excluded.data");
    for (const sqlite::Statement* statement :
         {&sql_->selectKey, &sql_->insertKey, &sql_->selectValueInfo, &sql_->selectValueData, &sql_->upsertValue}) {
        if (!*statement) {
            return statement->PrepareResult();
        }
    }
    return SQLITE_OK;
}

std::optional<std::filesystem::path> SqliteRegistryStore::SetDamagedFileAside()
{
    Close();
    std::error_code error;
    for (int n = 1; n < 10000; ++n) {
        const auto aside = WithSuffix(file_, ".damaged-" + std::to_string(n));
        if (std::filesystem::exists(aside, error) || std::filesystem::exists(WithSuffix(aside, "-wal"), error)) {
            continue;
        }
        std::filesystem::rename(file_, aside, error);
        if (error) {
            return std::nullopt;
        }
        // A journal left beside the damaged file belongs to it, not to the fresh one.
        for (const char* companion : {"-wal", "-shm", "-journal"}) {
            if (std::filesystem::exists(WithSuffix(file_, companion), error)) {
                std::filesystem::rename(WithSuffix(file_, companion), WithSuffix(aside, companion), error);
            }
        }
        return aside;
    }
    return std::nullopt;
}

void SqliteRegistryStore::Close()
{
    sql_->selectKey = {};
    sql_->insertKey = {};
    sql_->selectValueInfo = {};
    sql_->selectValueData = {};
    sql_->upsertValue = {};
    sql_->db.reset();
    openKeys_.clear();
    reading_ = false;
}

} // namespace bmd
