#include "shell/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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
// A file open here cannot be renamed or removed on Windows: the name always holds it.
bool Still_Named(int, const std::filesystem::path&) { return true; }
#else
int Open_Lock(const std::filesystem::path& p)
{
    return ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
}
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
// True when `p` still names the open file `fd`; a copy that held it may have renamed it away.
bool Still_Named(int fd, const std::filesystem::path& p)
{
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::lstat(p.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}
#endif

} // namespace

File_Lock::File_Lock(const std::filesystem::path& lock_file, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        fd_ = Open_Lock(lock_file);
        if (fd_ < 0)
            return;
        if (Try_Lock(fd_)) {
            if (Still_Named(fd_, lock_file)) {
                held_ = true;
                return;
            }
            Unlock(fd_);
        }
        Close_Lock(fd_);
        fd_ = -1;
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

File_Lock::~File_Lock() { Release(); }

void File_Lock::Release()
{
    if (fd_ < 0)
        return;
    // The lock file stays: removing it would let a waiting copy lock a file nobody else sees.
    if (held_)
        Unlock(fd_);
    Close_Lock(fd_);
    fd_ = -1;
    held_ = false;
}

} // namespace qv
