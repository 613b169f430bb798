#include "shell/TextFile.h"

#include <charconv>
#include <cmath>
#include <limits>

// The character and number forms of Quarvex's text files.
namespace qv {

namespace {

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

// Byte offset where character number n (0-based) begins, or the size when there are fewer.
size_t Offset_Of_Char(const std::string& text, size_t n)
{
    size_t i = 0;
    for (; i < text.size(); ++i) {
        if (!Is_Utf8_Continuation(text[i])) {
            if (n == 0)
                return i;
            --n;
        }
    }
    return text.size();
}

} // namespace

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
            if (!Is_Utf8_Continuation(text[i + k]))
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
        if (!Is_Utf8_Continuation(c))
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
