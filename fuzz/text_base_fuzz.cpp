// Any bytes as a record text base's text file, pointer file and block directory, and as a picture
// base's record file, pointer file and name index: opening, reading and parsing every record, reading
// images and regions, and searching must never crash, hang, leak or read outside a buffer.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "storage/picture_base.h"
#include "storage/text_base.h"

namespace {

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
}

constexpr std::string_view kLabels[] = {"1KOD", "2TAL", "xOKAND", "3KORT", "4TAL", "5TEXT", "1SIST"};

}  // namespace

// Input: a flag byte (bit 0: block-packed, bit 1: pointer list loaded whole, bit 2: picture base
// with a name index), a byte of records per block, two 16-bit lengths giving the text file's and
// the pointer file's shares of the rest, then the text file, the pointer file and the block
// directory (which serves as the name index too).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessla;
    if (size < 6) return 0;
    static const std::string dir = std::filesystem::temp_directory_path().string() + "/tessla-text-fuzz-" +
                                   std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(dir);
    std::size_t rest = size - 6;
    const std::size_t textSize = std::min<std::size_t>(data[2] | data[3] << 8, rest);
    const std::size_t pointerSize = std::min<std::size_t>(data[4] | data[5] << 8, rest - textSize);
    writeFile(dir + "t.b", data + 6, textSize);
    writeFile(dir + "t.p", data + 6 + textSize, pointerSize);
    writeFile(dir + "t.pz", data + 6 + textSize + pointerSize, rest - textSize - pointerSize);
    writeFile(dir + "t.bi", data + 6 + textSize + pointerSize, rest - textSize - pointerSize);

    TextBaseSettings settings = helpTextBase();
    settings.bfilnamn = settings.pfilnamn = settings.LZHfilnamn = "t";
    settings.labels = kLabels;
    settings.LZH = data[0] & 1 ? TblobfilLZHmode::LZHblockpacka : TblobfilLZHmode::LZHpackainte;
    settings.LZHposterperblock = data[1];
    settings.pltyp = data[0] & 2 ? 1 : 2;
    settings.antpc = 1;
    settings.pcsiz = 40;
    settings.textmaxsiz = 300;
    settings.hash = 5;
    settings.RO = true;

    static TCompress codec;
    TSPregtext base(settings, {dir, dir, dir}, codec, nullptr);
    if (base.oppna()) {
        const std::int32_t count = std::min(base.count(), 2000);
        for (std::int32_t n = 0; n <= count + 1; ++n) {
            base.laspost(n);
            if (base.status() == 0) base.tolkapost();
        }
        base.sokpost("And", 1);
        base.sokpost("Berg", 0);
        base.stang();
    }

    PictureBaseSettings pictureSettings = skinPictureBase();
    pictureSettings.bfilnamn = pictureSettings.pfilnamn = "t";
    pictureSettings.finnsindex = data[0] & 4;
    TSPbildbas pictures(pictureSettings, {dir, dir}, codec, nullptr);
    pictures.setReadOnly(true);
    if (!pictures.oppna()) return 0;
    const std::int32_t count = std::min(pictures.count(), 2000);
    for (std::int32_t n = 0; n <= count + 1; ++n) {
        if (!pictures.lasbildpost(n)) continue;
        pictures.lasbild();
        pictures.lasregion();
    }
    pictures.hamtabild("knapp");
    pictures.sokbild("k", 1);
    return 0;
}
