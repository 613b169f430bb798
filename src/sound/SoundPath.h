#pragma once
#include <string>

// Paths of sound files as the settings store them: Windows separators and any
// letter case. On a case-sensitive file system they are matched to what exists.
namespace qv {

// `path` with "\" read as a separator and each component matched to an existing
// entry of its folder, ignoring letter case (an exact match wins). Components that
// match nothing are kept as written, so a missing file stays missing.
std::string Resolve_Path(const std::string& path);

} // namespace qv
