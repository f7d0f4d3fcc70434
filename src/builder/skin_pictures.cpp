#include "builder/skin_pictures.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "base/cp1252.h"
#include "builder/build_error.h"
#include "storage/picture_base_format.h"
#include "storage/picture_region.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPictureNameMax = 20;
constexpr std::size_t kPlacementMax = 5;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("cannot read " + path.string());
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) throw BuildError("cannot read " + path.string());
    return bytes;
}

SkinPicture readPicture(const fs::path& path) {
    const std::string file = path.string();
    const auto name = utf8ToCp1252(Utf8View(path.stem().string()));
    if (!name || name->empty() || name->size() > kPictureNameMax) {
        throw BuildError(file + ": a picture name must be 1 to 20 Windows-1252 characters");
    }
    SkinPicture picture;
    picture.name = *name;
    picture.png = readFile(path);
    if (picture.png.size() < std::size(kPngSignature) ||
        !std::equal(std::begin(kPngSignature), std::end(kPngSignature), picture.png.begin())) {
        throw BuildError(file + " is not a PNG picture");
    }
    return picture;
}

std::optional<std::int32_t> parseKind(const std::string& text) {
    std::int32_t kind = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), kind);
    if (error != std::errc() || end != text.data() + text.size() || kind < 0) return std::nullopt;
    return kind;
}

// Applies one manifest line (its blank-separated fields) to the picture it names.
void applyLine(const fs::path& directory, const std::vector<std::string>& fields,
               std::vector<SkinPicture>& pictures, std::set<std::string>& named, const std::string& where) {
    if (fields.size() < 2 || fields.size() > 3) {
        throw BuildError(where + ": a line holds a name, a kind and an optional placement code");
    }
    const auto name = utf8ToCp1252(Utf8View(fields[0]));
    const auto picture = std::find_if(pictures.begin(), pictures.end(),
                                      [&](const SkinPicture& p) { return name && p.name == *name; });
    if (picture == pictures.end()) throw BuildError(where + ": there is no picture " + fields[0] + ".png");
    if (!named.insert(picture->name).second) throw BuildError(where + ": " + fields[0] + " is named twice");
    const std::optional<std::int32_t> kind = parseKind(fields[1]);
    if (!kind) throw BuildError(where + ": the kind \"" + fields[1] + "\" is not a number");
    picture->kind = *kind;
    if (fields.size() == 3) {
        if (fields[2].size() > kPlacementMax) {
            throw BuildError(where + ": the placement code \"" + fields[2] +
                             "\" is longer than 5 characters");
        }
        picture->placement = fields[2];
    }
    if (!picture_base_format::hasRegion(*kind)) return;
    const fs::path regionFile = directory / (fields[0] + ".rgn");
    picture->region = PictureRegion{0, readFile(regionFile)};
    if (!parseRegion(picture->region->data)) throw BuildError(regionFile.string() + ": damaged region data");
}

void applyManifest(const fs::path& directory, std::vector<SkinPicture>& pictures) {
    const fs::path path = directory / kSkinManifestName;
    if (!fs::exists(path)) return;
    std::ifstream in(path);
    if (!in) throw BuildError("cannot read " + path.string());
    std::set<std::string> named;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        const std::vector<std::string> fields{std::istream_iterator<std::string>(words),
                                              std::istream_iterator<std::string>()};
        if (fields.empty() || fields[0].starts_with('#')) continue;
        applyLine(directory, fields, pictures, named, path.string() + ":" + std::to_string(number));
    }
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
    applyManifest(directory, pictures);
    return pictures;
}

}  // namespace tessla
