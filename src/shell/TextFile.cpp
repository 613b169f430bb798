#include "shell/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "shell/FileLock.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int Open_File(const fs::path& p, int flags, int mode) { return _wopen(p.c_str(), flags | _O_BINARY, mode); }
long Read_Some(int fd, char* buf, size_t n) { return _read(fd, buf, unsigned(n)); }
long Write_Some(int fd, const char* buf, size_t n) { return _write(fd, buf, unsigned(n)); }
int Sync_File(int fd) { return _commit(fd); }
int Close_File(int fd) { return _close(fd); }
#else
int Open_File(const fs::path& p, int flags, int mode) { return ::open(p.c_str(), flags | O_CLOEXEC, mode); }
long Read_Some(int fd, char* buf, size_t n) { return long(::read(fd, buf, n)); }
long Write_Some(int fd, const char* buf, size_t n) { return long(::write(fd, buf, n)); }
int Sync_File(int fd) { return ::fsync(fd); }
int Close_File(int fd) { return ::close(fd); }
#endif

// The replaced file's mode and owner carried over to its successor; a refusal of the
// system (another user's file, a file system without owners) is not an error.
void Keep_Mode_And_Owner(int fd, const fs::path& old)
{
#ifdef _WIN32
    (void)fd;
    (void)old;
#else
    struct stat st {};
    if (::stat(old.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), st.st_gid);
    (void)::fchmod(fd, st.st_mode & 07777);
#endif
}

const File_Access SYSTEM_ACCESS{};
const File_Access* g_access = &SYSTEM_ACCESS;

// One line as stored: NUL bytes dropped, decoded, cut to MAX_LINE characters.
std::string Clean_Line(std::string raw)
{
    std::erase(raw, '\0');
    if (!Is_Valid_Utf8(raw))
        raw = Cp1251_To_Utf8(raw);
    return Utf8_Left(raw, MAX_LINE);
}

// Splits bytes into lines as they arrive, so that only the lines kept are held in memory.
class Line_Splitter {
public:
    Line_Splitter(std::vector<std::string>& lines, size_t maxLines) : lines_(lines), maxLines_(maxLines) {}

    // Takes the next bytes; false once maxLines lines are complete.
    bool Take(const char* bytes, size_t n)
    {
        for (size_t i = 0; i < n; ++i) {
            const char c = bytes[i];
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\r' || c == '\n') {
                Finish();
                afterCr_ = c == '\r';
                if (lines_.size() >= maxLines_)
                    return false;
                continue;
            }
            open_ = true;
            if (c == '\0')
                continue;
            if (raw_.size() < MAX_LINE_BYTES)
                raw_ += c;
            else
                cut_ = true;
        }
        return true;
    }

    // The end of the file, or of the bytes read: an unterminated last line counts.
    void End()
    {
        if (open_ && lines_.size() < maxLines_)
            Finish();
    }

private:
    void Finish()
    {
        if (lines_.empty() && raw_.starts_with("\xEF\xBB\xBF"))
            raw_.erase(0, 3);
        if (cut_)
            Drop_Partial_Character(raw_);
        lines_.push_back(Clean_Line(std::move(raw_)));
        raw_.clear();
        open_ = cut_ = false;
    }

    // A line cut by the byte limit may end inside a UTF-8 character: that character goes.
    static void Drop_Partial_Character(std::string& text)
    {
        size_t i = text.size(), tail = 0;
        while (i > 0 && tail < 3 && Is_Utf8_Continuation(text[i - 1]))
            --i, ++tail;
        if (i == 0)
            return;
        const auto lead = static_cast<unsigned char>(text[i - 1]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (length > tail + 1)
            text.resize(i - 1);
    }

    std::vector<std::string>& lines_;
    size_t maxLines_;
    std::string raw_;
    bool afterCr_ = false, open_ = false, cut_ = false;
};

bool Read_Lines(const fs::path& file, Line_Splitter& splitter, size_t maxBytes)
{
    std::error_code ec;
    // Only a regular file: a folder cannot be read, and a pipe or a device could block or never end.
    if (fs::exists(file, ec) && (!fs::is_regular_file(file, ec) || !g_access->May_Read(file)))
        return false;
    const int fd = Open_File(file, O_RDONLY, 0);
    if (fd < 0)
        return false;
    char buf[65536];
    size_t total = 0;
    while (total < maxBytes) {
        const long n = Read_Some(fd, buf, std::min(sizeof buf, maxBytes - total));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Close_File(fd);
            return false;
        }
        total += size_t(n);
        if (!splitter.Take(buf, size_t(n))) {
            Close_File(fd);
            return true;
        }
    }
    Close_File(fd);
    splitter.End();
    return true;
}

bool Write_All(int fd, const std::string& data)
{
    size_t done = 0;
    while (done < data.size()) {
        const long n = Write_Some(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// The one temporary file of `target`: a write cut short (the program killed) leaves at most
// this file behind, and the next write of the same target takes it over.
fs::path Temp_Of(const fs::path& target)
{
    fs::path temp = target;
    temp += ".tmp";
    return temp;
}

// A temporary that is not a plain file of its own (a folder, a device, a second name of
// another file) is never written through.
bool Plain_File(int fd)
{
#ifdef _WIN32
    (void)fd;
    return true;
#else
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1;
#endif
}

int Truncate(int fd)
{
#ifdef _WIN32
    return _chsize_s(fd, 0);
#else
    return ::ftruncate(fd, 0);
#endif
}

void Sync_Folder(const fs::path& file)
{
#ifndef _WIN32
    fs::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = Open_File(folder, O_RDONLY | O_DIRECTORY, 0);
    if (fd >= 0) {
        ::fsync(fd);
        Close_File(fd);
    }
#else
    (void)file;
#endif
}

} // namespace

bool File_Access::May_Read(const fs::path&) const { return true; }

bool File_Access::May_Replace(const fs::path& file) const
{
#ifdef _WIN32
    return ::_waccess(file.c_str(), 2) == 0;
#else
    // The mode bits protect a file from every user: the system lets root write any file.
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::access(file.c_str(), W_OK) == 0;
#endif
}

void File_Access::Before_Replace(const fs::path&) const {}

void Set_File_Access(const File_Access* access) { g_access = access ? access : &SYSTEM_ACCESS; }

fs::path Resolve_Links(const fs::path& file)
{
    fs::path p = file;
    std::error_code ec;
    // 40 links deep is where the system itself gives up on a path.
    for (int depth = 0; depth < 40 && fs::is_symlink(p, ec); ++depth) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec)
            break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

bool Read_Text_Lines(const fs::path& file, std::vector<std::string>& lines, size_t maxLines, size_t maxBytes)
{
    lines.clear();
    Line_Splitter splitter(lines, maxLines);
    if (Read_Lines(file, splitter, maxBytes))
        return true;
    lines.clear();
    return false;
}

bool Write_Text_Lines(const fs::path& file, const std::vector<std::string>& lines, std::chrono::milliseconds wait)
{
    return Write_Text_Lines_Via(file, Temp_Of(Resolve_Links(file)), lines, wait);
}

bool Write_Text_Lines_Via(const fs::path& file, const fs::path& temp, const std::vector<std::string>& lines,
                          std::chrono::milliseconds wait)
{
    std::string data;
    for (const std::string& line : lines) {
        data += line;
        data += "\r\n";
    }
    // A link stays a link: the file it names is replaced, in that file's own folder.
    const fs::path target = Resolve_Links(file);
    std::error_code ec;
    if (fs::exists(target, ec) && !g_access->May_Replace(target))
        return false;
    // Two copies writing the same file take turns on its one temporary.
    File_Lock lock(temp, wait);
    if (!lock.Held() || !Plain_File(lock.Fd()))
        return false;
    const int fd = lock.Fd();
    bool ok = Truncate(fd) == 0;
    if (ok) {
        Keep_Mode_And_Owner(fd, target);
        ok = Write_All(fd, data) && Sync_File(fd) == 0;
    }
    g_access->Before_Replace(temp);
#ifdef _WIN32
    // Windows renames no open file.
    lock.Release();
#endif
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temp, ec);
        return false;
    }
    Sync_Folder(target);
    return true;
}

} // namespace qv
