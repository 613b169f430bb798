#pragma once
#include <chrono>
#include <filesystem>

// An advisory lock on a lock file, held by one copy of Quarvex at a time while it
// rereads and rewrites a shared file. The system drops it when the process ends.
namespace qv {

class File_Lock {
public:
    // Locks `lock_file` (created when missing), retrying for up to `wait`; check Held().
    File_Lock(const std::filesystem::path& lock_file, std::chrono::milliseconds wait);
    ~File_Lock();
    File_Lock(const File_Lock&) = delete;
    File_Lock& operator=(const File_Lock&) = delete;

    // True when the lock was taken; false when the file cannot be made or another copy kept it.
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace qv
