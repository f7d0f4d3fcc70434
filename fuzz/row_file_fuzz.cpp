// Any bytes as a word list's row file and block directory: opening, reading every row and
// searching must never crash, hang, leak or read outside a buffer.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "storage/word_list.h"

namespace {

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
}

}  // namespace

// Input: one flag byte (bit 0: packed rows), two bytes giving the row file's share of the rest,
// then the row file, then the block directory.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessla;
    if (size < 3) return 0;
    static const std::string dir = std::filesystem::temp_directory_path().string() + "/tessla-row-fuzz-" +
                                   std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(dir);
    const bool packed = data[0] & 1;
    const std::size_t split =
        std::min<std::size_t>(static_cast<std::size_t>(data[1] | data[2] << 8), size - 3);
    writeFile(dir + "list.i", data + 3, split);
    writeFile(dir + "list.iz", data + 3 + split, size - 3 - split);

    static TCompress codec;
    static PersonListDecodeBuffer buffer;
    TSPstruktlista list(codec, nullptr, buffer, "list");
    WordListProperties& p = list.properties();
    p.filkat = p.LZHfilkat = p.rllfilkat = dir;
    p.filnamn = p.LZHfilnamn = "list";
    p.LZH = packed;
    p.LZHraderperblock = static_cast<std::uint16_t>(data[0] >> 1 | 1);
    p.RO = true;
    p.finnsurval = true;
    if (!list.oppna()) return 0;
    const std::int32_t rows = std::min(list.rowCount(), 2000);
    for (std::int32_t n = 1; n <= rows; ++n) list.lasrad(n);
    list.sokprefix("And");
    list.sokexakt("Berg");
    list.vald().fyllalla();
    list.byggvy();
    list.lassynlig(list.visibleCount());
    return 0;
}
