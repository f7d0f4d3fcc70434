#pragma once

// Writing a file whole: through a temporary file in the same folder, so that a failed write
// leaves no half file behind.

#include <optional>
#include <string>
#include <string_view>

namespace tessla {

// Writes `content` to `path` through a temporary file in the same folder, renamed over `path`
// when it is whole. Nothing is left behind when it fails. Returns the reason it failed
// (the system's words), or nothing when the file is written.
std::optional<std::string> writeFileWhole(const std::string& path, std::string_view content);

}  // namespace tessla
