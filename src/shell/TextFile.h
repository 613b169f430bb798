#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Text files of Quarvex: lines ending in CR LF, written atomically; read back
// with CR LF, LF or a lone CR, where text that is not valid UTF-8 is taken as Windows-1251.
namespace qv {

constexpr size_t MAX_LINE = 1000;

// Access checks of the file layer. The default asks the system; tests install their
// own to act out files the system refuses (permissions do not bite for root).
class File_Access {
public:
    virtual ~File_Access() = default;
    // False when the existing file may not be read.
    virtual bool May_Read(const std::filesystem::path& file) const;
    // False when the existing file is write-protected and must not be replaced.
    virtual bool May_Replace(const std::filesystem::path& file) const;
};
// Installs `access` for every later read and write; nullptr restores the system's checks.
void Set_File_Access(const File_Access* access);

// The file that `file` finally names once symbolic links are followed (it may not exist).
std::filesystem::path Resolve_Links(const std::filesystem::path& file);

// Reads the file's first maxLines lines (UTF-8); lines end in CR LF, LF or CR alone.
// False when the file is not a regular file or cannot be opened or read.
// NUL bytes are dropped and a line is cut to MAX_LINE characters.
bool Read_Text_Lines(const std::filesystem::path& file, std::vector<std::string>& lines,
                     size_t maxLines = SIZE_MAX);
// Writes each line followed by CR LF through a temporary file and a rename in the
// folder of the file a link points to, keeping the replaced file's mode and owner
// where the system allows. False when anything fails or the existing file is
// write-protected; the previous file is then left as it was.
bool Write_Text_Lines(const std::filesystem::path& file, const std::vector<std::string>& lines);

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
