#include "builder/skin_pictures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/cp1252.h"
#include "builder/database_builder.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPictureNameMax = 20;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

SkinPicture readPicture(const fs::path& path) {
    const std::string file = path.string();
    const auto name = utf8ToCp1252(path.stem().string());
    if (!name || name->empty() || name->size() > kPictureNameMax) {
        throw BuildError(file + ": a picture name must be 1 to 20 Windows-1252 characters");
    }
    std::ifstream in(path, std::ios::binary);
    SkinPicture picture{*name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
    if (!in.eof() && in.fail()) throw BuildError("cannot read " + file);
    if (picture.png.size() < std::size(kPngSignature) ||
        !std::equal(std::begin(kPngSignature), std::end(kPngSignature), picture.png.begin())) {
        throw BuildError(file + " is not a PNG picture");
    }
    return picture;
}

}  // namespace

std::vector<SkinPicture> readSkinPictures(const std::string& directory) {
    std::error_code error;
    std::vector<SkinPicture> pictures;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (entry.path().extension() == ".png") pictures.push_back(readPicture(entry.path()));
    }
    if (error) throw BuildError("cannot read the skin pictures in " + directory + ": " + error.message());
    std::sort(pictures.begin(), pictures.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return pictures;
}

}  // namespace tessla
