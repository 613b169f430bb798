#pragma once
#include <chrono>
#include <filesystem>

// An advisory lock on a file, held by one copy of Quarvex at a time while it
// rereads and rewrites a shared file, or writes a file's one temporary. The
// system drops it when the process ends.
namespace qv {

class File_Lock {
public:
    // Locks `lock_file` (created when missing, never through a link), retrying for up to
    // `wait`; check Held(). A file renamed or removed by the copy that held it before is
    // not kept: the lock is then taken on what the name now holds.
    File_Lock(const std::filesystem::path& lock_file, std::chrono::milliseconds wait);
    ~File_Lock();
    File_Lock(const File_Lock&) = delete;
    File_Lock& operator=(const File_Lock&) = delete;

    // True when the lock was taken; false when the file cannot be made or another copy kept it.
    bool Held() const { return held_; }
    // The locked file, open for reading and writing; -1 when not held.
    int Fd() const { return held_ ? fd_ : -1; }
    // Unlocks and closes the file before the end of the scope.
    void Release();

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace qv
