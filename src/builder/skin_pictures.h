#pragma once

// The skin pictures a database is built with: the PNG files of a directory, named by their file
// names without extension.

#include <cstdint>
#include <string>
#include <vector>

namespace tessla {

struct SkinPicture {
    std::string name;  // Windows-1252, at most 20 characters
    std::vector<std::uint8_t> png;
};

// The "*.png" files of `directory`, sorted by name; throws BuildError when the directory cannot
// be read, a name is too long or not Windows-1252, or a file is not a PNG picture.
std::vector<SkinPicture> readSkinPictures(const std::string& directory);

}  // namespace tessla
