// Any bytes as a picture base's record file, pointer file and name index, as a base of pictures or
// of maps, with each kind of pointer list: opening, reading every record with its image and region,
// and finding pictures by name must never crash, hang, leak or read outside a buffer; what is read
// keeps to the record's limits and to the file.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "storage/picture_base.h"
#include "storage/picture_base_format.h"
#include "storage/picture_region.h"

namespace {

using namespace tessla;

void check(bool condition) {
    if (!condition) std::abort();
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
}

// Reads record `number` with its image and region; the name of a picture read, or nothing.
std::optional<std::string> readPicture(TSPbildbas& base, std::int32_t number, std::size_t fileSize) {
    if (!base.lasbildpost(number)) return std::nullopt;
    const TSPbildpost& post = base.bildpost();
    check(post.name.size() <= picture_base_format::kNameMax);
    check(post.placement.size() <= picture_base_format::kPlacementMax);
    const auto image = base.lasbild();
    check(!image || image->size() <= fileSize);
    if (const auto region = base.lasregion()) {
        check(image && region->data.size() <= fileSize - image->size());
        parseRegion(region->data);
    }
    return post.name;
}

}  // namespace

// Input: a flag byte (bits 0-1: pointer list in memory, loaded whole or read per entry; bit 2: a
// name index; bit 3: a base of maps), two 16-bit lengths giving the record file's and the pointer
// file's shares of the rest, then the record file, the pointer file and the name index.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    static const std::string dir = std::filesystem::temp_directory_path().string() + "/tessla-picture-fuzz-" +
                                   std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(dir);
    const std::size_t rest = size - 5;
    const std::size_t recordSize = std::min<std::size_t>(data[1] | data[2] << 8, rest);
    const std::size_t pointerSize = std::min<std::size_t>(data[3] | data[4] << 8, rest - recordSize);
    const std::uint8_t* at = data + 5;
    writeFile(dir + "p.b", at, recordSize);
    writeFile(dir + "p.p", at + recordSize, pointerSize);
    writeFile(dir + "p.bi", at + recordSize + pointerSize, rest - recordSize - pointerSize);

    PictureBaseSettings settings = skinPictureBase();
    settings.bfilnamn = settings.pfilnamn = "p";
    settings.pltyp = data[0] & 3;
    settings.finnsindex = data[0] & 4;
    settings.bildbastyp = data[0] & 8 ? TSPbildbastyp::bbtKartor : TSPbildbastyp::bbtBilder;

    static TCompress codec;
    TSPbildbas base(settings, {dir, dir}, codec, nullptr);
    base.setReadOnly(true);
    if (!base.oppna()) return 0;
    std::vector<std::string> names;
    const std::int32_t count = std::min(base.count(), 2000);
    for (std::int32_t n = -1; n <= count + 1; ++n)
        if (auto name = readPicture(base, n, recordSize)) names.push_back(std::move(*name));
    names.resize(std::min<std::size_t>(names.size(), 20));
    for (const std::string& name : names) {
        const std::int32_t found = base.sokbild(name, 0);
        check(found >= 0 && found <= base.count());
        if (const auto picture = readStoredPicture(base, name)) check(picture->image.size() <= recordSize);
    }
    base.sokbild("k", 1);
    base.hamtabild("knapp");
    return 0;
}
