#pragma once
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Text files of Quarvex: lines ending in CR LF, written atomically; read back
// with CR LF, LF or a lone CR, where text that is not valid UTF-8 is taken as Windows-1251.
namespace qv {

constexpr size_t MAX_LINE = 1000;
// The bytes of a line that can hold MAX_LINE characters (four bytes at most each, and a byte-order mark).
constexpr size_t MAX_LINE_BYTES = 4 * (MAX_LINE + 1);

// Access checks of the file layer. The default asks the system; tests install their
// own to act out files the system refuses (permissions do not bite for root).
class File_Access {
public:
    virtual ~File_Access() = default;
    // False when the existing file may not be read.
    virtual bool May_Read(const std::filesystem::path& file) const;
    // False when the existing file is write-protected and must not be replaced.
    virtual bool May_Replace(const std::filesystem::path& file) const;
    // Called when `temp` holds the new content, right before it replaces the file; nothing by
    // default (a test may end the write here, as a kill would).
    virtual void Before_Replace(const std::filesystem::path& temp) const;
};
// Installs `access` for every later read and write; nullptr restores the system's checks.
void Set_File_Access(const File_Access* access);

// The file that `file` finally names once symbolic links are followed (it may not exist).
std::filesystem::path Resolve_Links(const std::filesystem::path& file);

// Reads the file's first maxLines lines (UTF-8) from its first maxBytes bytes; lines end in
// CR LF, LF or CR alone. False when the file is not a regular file or cannot be opened or read.
// NUL bytes are dropped and a line is cut to MAX_LINE characters; only the lines kept are held.
bool Read_Text_Lines(const std::filesystem::path& file, std::vector<std::string>& lines,
                     size_t maxLines = SIZE_MAX, size_t maxBytes = SIZE_MAX);
// Writes each line followed by CR LF through the file's one temporary, file + ".tmp", and a
// rename in the folder of the file a link points to, keeping the replaced file's mode and
// owner where the system allows. The temporary is locked while written (another copy writing
// the same file is waited for, up to `wait`), and one left by a killed write is taken over.
// False when anything fails or the existing file is write-protected (no write bit in its
// mode, or not writable by this user); the previous file is then left as it was.
bool Write_Text_Lines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                      std::chrono::milliseconds wait = std::chrono::seconds(3));
// The same through the temporary `temp` in the file's folder, which files of many names may
// share: a folder of such files then keeps at most that one temporary after a killed write.
bool Write_Text_Lines_Via(const std::filesystem::path& file, const std::filesystem::path& temp,
                          const std::vector<std::string>& lines, std::chrono::milliseconds wait);

// True for the bytes that continue a UTF-8 character.
inline bool Is_Utf8_Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool Is_Valid_Utf8(const std::string& text);
std::string Cp1251_To_Utf8(const std::string& text);
// Text as one file line: NUL bytes dropped, line breaks turned into blanks, so that a stored
// name or path never shifts the lines that follow it.
std::string One_Line(std::string text);
// Number of characters (code points) of UTF-8 text.
size_t Utf8_Length(const std::string& text);
// The first / last n characters of UTF-8 text (the whole text when it is shorter).
std::string Utf8_Left(const std::string& text, size_t n);
std::string Utf8_Right(const std::string& text, size_t n);

// Plain decimal text: a minus sign when negative, the digits, a fraction only when
// the value has one (shortest form that reads back to the same value), never an exponent.
std::string Plain_Number(double value);
// Numeric print form: a blank or a minus sign, the digits (and fraction), a trailing blank.
std::string Print_Number(double value);
// Leading-number rule: blanks skipped, optional sign, digits and one "." taken up
// to the first character that cannot continue the number; no number gives 0.
// The result is always finite: too many digits give the largest double.
double Leading_Number(const std::string& line);

} // namespace qv
