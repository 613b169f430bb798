#include "sound/SoundPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace qv {

namespace fs = std::filesystem;

namespace {

bool Same_Ignoring_Case(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of `folder` named `name` in any letter case; `name` itself when none is.
std::string Match_Entry(const fs::path& folder, const std::string& name)
{
    std::error_code ec;
    if (fs::exists(folder / name, ec))
        return name;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (Same_Ignoring_Case(entry, name))
            return entry;
    }
    return name;
}

} // namespace

std::string Resolve_Path(const std::string& path)
{
    std::string unified = path;
    std::replace(unified.begin(), unified.end(), '\\', '/');
    fs::path result;
    size_t start = 0;
    if (!unified.empty() && unified[0] == '/') {
        result = "/";
        start = 1;
    }
    while (start <= unified.size()) {
        size_t end = unified.find('/', start);
        if (end == std::string::npos)
            end = unified.size();
        const std::string part = unified.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            result /= part;
        else
            result /= Match_Entry(result, part);
        start = end + 1;
    }
    std::string out = result.lexically_normal().string();
    if (out.size() > 1 && out.back() == '/' && !unified.empty() && unified.back() != '/')
        out.pop_back();
    return out;
}

} // namespace qv
