#pragma once

// The skin pictures a database is built with: the PNG files of a directory, named by their file
// names without extension, and what its manifest says of them.
//
// The manifest "manifest.txt" (optional, UTF-8) has one line per picture: its name, its kind and,
// optionally, its placement code, separated by blanks; blank lines and lines that begin with "#"
// are skipped. A picture of kind 10 or 11 takes its outline region from the file NAME.rgn beside
// it (region data as the picture base keeps it). A picture the manifest does not name is of kind 1
// without placement or region.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/picture_base.h"

namespace tessla {

struct SkinPicture {
    std::string name;  // Windows-1252, at most 20 characters
    std::vector<std::uint8_t> png;
    std::int32_t kind = 1;
    std::string placement;                // at most 5 characters
    std::optional<PictureRegion> region;  // kinds 10 and 11 only
};

// The file of a skin directory that gives the pictures' kinds and placement codes.
inline constexpr const char* kSkinManifestName = "manifest.txt";

// The "*.png" files of `directory`, sorted by name, with what the manifest says of them; throws
// BuildError when the directory cannot be read, a name is too long or not Windows-1252, a file is
// not a PNG picture, or a manifest line is wrong (an unknown picture, a picture named twice, a kind
// that is no number, a placement code longer than 5 characters, a missing or damaged region).
std::vector<SkinPicture> readSkinPictures(const std::string& directory);

}  // namespace tessla
