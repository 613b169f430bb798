#include "shell/TextFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

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

// Windows-1251 code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr char16_t CP1251_HIGH[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

void Append_Utf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

bool Is_Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset where character number n (0-based) begins, or the size when there are fewer.
size_t Offset_Of_Char(const std::string& text, size_t n)
{
    size_t i = 0;
    for (; i < text.size(); ++i) {
        if (!Is_Continuation(text[i])) {
            if (n == 0)
                return i;
            --n;
        }
    }
    return text.size();
}

// One line as stored: NUL bytes dropped, decoded, cut to MAX_LINE characters.
std::string Clean_Line(std::string raw)
{
    std::erase(raw, '\0');
    if (!Is_Valid_Utf8(raw))
        raw = Cp1251_To_Utf8(raw);
    return Utf8_Left(raw, MAX_LINE);
}

bool Read_All(const fs::path& file, std::string& data)
{
    std::error_code ec;
    // Only a regular file: a folder cannot be read, and a pipe or a device could block or never end.
    if (fs::exists(file, ec) && (!fs::is_regular_file(file, ec) || !g_access->May_Read(file)))
        return false;
    const int fd = Open_File(file, O_RDONLY, 0);
    if (fd < 0)
        return false;
    char buf[65536];
    for (;;) {
        const long n = Read_Some(fd, buf, sizeof buf);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Close_File(fd);
            return false;
        }
        data.append(buf, size_t(n));
    }
    Close_File(fd);
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

// Creates a new file beside `file` with a name no other file has; -1 when none can be made.
int Create_Temp(const fs::path& file, fs::path& temp)
{
    static std::mt19937_64 gen{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = file;
        temp += ".tmp" + std::to_string(gen() % 1000000000u);
        const int fd = Open_File(temp, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
    return ::access(file.c_str(), W_OK) == 0;
#endif
}

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

bool Read_Text_Lines(const fs::path& file, std::vector<std::string>& lines, size_t maxLines)
{
    lines.clear();
    std::string data;
    if (!Read_All(file, data))
        return false;
    size_t start = data.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < data.size() && lines.size() < maxLines) {
        size_t end = data.find_first_of("\r\n", start);
        size_t next = data.size();
        if (end == std::string::npos)
            end = data.size();
        else
            next = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        lines.push_back(Clean_Line(data.substr(start, end - start)));
        start = next;
    }
    return true;
}

bool Write_Text_Lines(const fs::path& file, const std::vector<std::string>& lines)
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
    fs::path temp;
    const int fd = Create_Temp(target, temp);
    if (fd < 0)
        return false;
    Keep_Mode_And_Owner(fd, target);
    bool ok = Write_All(fd, data) && Sync_File(fd) == 0;
    ok = (Close_File(fd) == 0) && ok;
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

bool Is_Valid_Utf8(const std::string& text)
{
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if (!Is_Continuation(text[i + k]))
                return false;
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const char32_t least = (len == 3) ? 0x800 : (len == 4) ? 0x10000 : 0x80;
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

std::string Cp1251_To_Utf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xC0)
            Append_Utf8(out, CP1251_HIGH[c - 0x80]);
        else
            Append_Utf8(out, char32_t(0x0410 + (c - 0xC0)));
    }
    return out;
}

size_t Utf8_Length(const std::string& text)
{
    size_t count = 0;
    for (const char c : text)
        if (!Is_Continuation(c))
            ++count;
    return count;
}

std::string Utf8_Left(const std::string& text, size_t n)
{
    return text.substr(0, Offset_Of_Char(text, n));
}

std::string Utf8_Right(const std::string& text, size_t n)
{
    const size_t length = Utf8_Length(text);
    if (n >= length)
        return text;
    return text.substr(Offset_Of_Char(text, length - n));
}

std::string Plain_Number(double value)
{
    if (std::isnan(value) || value == 0)
        return "0";
    const double limit = std::numeric_limits<double>::max();
    const double magnitude = std::fmin(std::fabs(value), limit);
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
    std::string digits(buf, res.ptr);
    return value < 0 ? "-" + digits : digits;
}

std::string Print_Number(double value)
{
    std::string text = Plain_Number(value);
    if (text.front() != '-')
        text.insert(text.begin(), ' ');
    return text + ' ';
}

double Leading_Number(const std::string& line)
{
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    const size_t start = i;
    bool point = false;
    bool nonzero_whole = false;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '.' && !point)
            point = true;
        else if (c >= '0' && c <= '9')
            nonzero_whole = nonzero_whole || (!point && c != '0');
        else
            break;
    }
    double value = 0;
    const auto res = std::from_chars(line.data() + start, line.data() + i, value, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range)
        value = nonzero_whole ? std::numeric_limits<double>::max() : 0.0;
    else if (res.ec != std::errc())
        value = 0;
    if (value == 0)
        return 0.0;
    return negative ? -value : value;
}

std::string One_Line(std::string text)
{
    std::erase(text, '\0');
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

} // namespace qv
