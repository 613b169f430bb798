#include "shell/MainMod.h"

#include "shell/TextFile.h"

namespace qv {

std::string Shorten_Path(const std::string& text, int n)
{
    if (Utf8_Length(text) <= size_t(n < 0 ? 0 : n))
        return text;
    const int k = n > 3 ? (n - 3) / 2 : 0;
    return Utf8_Left(text, size_t(k)) + "..." + Utf8_Right(text, size_t(k));
}

std::string Cut_At_Null(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    const std::string trimmed = text.substr(first, last - first + 1);
    return trimmed.substr(0, trimmed.find('\0'));
}

void Report_Error(const std::string& tag)
{
    (void)tag;
}

} // namespace qv
