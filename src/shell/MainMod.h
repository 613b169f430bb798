#pragma once
#include <string>

// Shared procedures of the start-up module that need no window.
namespace qv {

// Text of at most n characters: unchanged when short enough, otherwise the first
// and last (n - 3) / 2 characters around "...". Counts UTF-8 characters.
std::string Shorten_Path(const std::string& text, int n);
// Trims blanks at both ends and cuts at the first NUL that remains.
std::string Cut_At_Null(const std::string& text);
// Hook called by the sound code when the sound system fails; does nothing.
void Report_Error(const std::string& tag);

} // namespace qv
