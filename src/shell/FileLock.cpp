#include "shell/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <sys/locking.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

namespace qv {

namespace {

#ifdef _WIN32
int Open_Lock(const std::filesystem::path& p) { return _wopen(p.c_str(), _O_RDWR | _O_CREAT | _O_BINARY, 0666); }
bool Try_Lock(int fd) { return _locking(fd, _LK_NBLCK, 1) == 0; }
void Unlock(int fd) { _locking(fd, _LK_UNLCK, 1); }
void Close_Lock(int fd) { _close(fd); }
#else
int Open_Lock(const std::filesystem::path& p) { return ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666); }
bool Try_Lock(int fd)
{
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
}
void Unlock(int fd) { ::flock(fd, LOCK_UN); }
void Close_Lock(int fd) { ::close(fd); }
#endif

} // namespace

File_Lock::File_Lock(const std::filesystem::path& lock_file, std::chrono::milliseconds wait)
{
    fd_ = Open_Lock(lock_file);
    if (fd_ < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!(held_ = Try_Lock(fd_)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

File_Lock::~File_Lock()
{
    if (fd_ < 0)
        return;
    // The lock file stays: removing it would let a waiting copy lock a file nobody else sees.
    if (held_)
        Unlock(fd_);
    Close_Lock(fd_);
}

} // namespace qv
