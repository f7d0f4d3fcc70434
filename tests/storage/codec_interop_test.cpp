// Interoperability of method "LH5" with independent LHA tools called by name: archives made by `jlha` are
// unpacked from their payload by our decoder, and our payloads, wrapped in an LHA header written here,
// are extracted by `lhasa`.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage/census_like_text.h"
#include "storage/codec_methods.h"
#include "storage/little_endian.h"

namespace tessla {
namespace {

using codec::Bytes;
using testing::censusLikeText;
using testing::randomBytes;
namespace fs = std::filesystem;

class TempDirectory {
  public:
    TempDirectory() : path_(fs::temp_directory_path() / ("tessla_lha_" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~TempDirectory() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

void writeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs command and returns its standard output; fails the test if it does not exit with 0.
Bytes run(const std::string& command) {
    Bytes output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    std::array<char, 1 << 16> chunk;
    while (std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe))
        output.insert(output.end(), chunk.data(), chunk.data() + n);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return output;
}

// The CRC-16 of LHA archives (polynomial 0x8005, bits reflected, starting from 0).
std::uint16_t crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

// A one-member archive holding payload as an -lh5- member with a header of the given level (0, 1 or 2).
Bytes lhaArchive(int level, const std::string& name, std::span<const std::uint8_t> plain,
                 std::span<const std::uint8_t> payload) {
    const std::uint32_t dosTime = 0x5A8C6B20, unixTime = 1700000000;
    Bytes header;
    appendFixed16(header, 0);  // the header size (and, for levels 0 and 1, its checksum), filled in below
    for (char c : std::string("-lh5-")) header.push_back(static_cast<std::uint8_t>(c));
    appendFixed32(header, static_cast<std::uint32_t>(payload.size()));
    appendFixed32(header, static_cast<std::uint32_t>(plain.size()));
    appendFixed32(header, level == 2 ? unixTime : dosTime);
    header.push_back(0x20);
    header.push_back(static_cast<std::uint8_t>(level));
    if (level < 2) {
        header.push_back(static_cast<std::uint8_t>(name.size()));
        header.insert(header.end(), name.begin(), name.end());
    }
    appendFixed16(header, crc16(plain));
    if (level > 0) {
        header.push_back('U');
        if (level == 2) {
            appendFixed16(header, static_cast<std::uint16_t>(3 + name.size()));  // the file name extension
            header.push_back(0x01);
            header.insert(header.end(), name.begin(), name.end());
        }
        appendFixed16(header, 0);  // no further extension
    }
    if (level == 2) {
        header[0] = static_cast<std::uint8_t>(header.size());
        header[1] = static_cast<std::uint8_t>(header.size() >> 8);
    } else {
        header[0] = static_cast<std::uint8_t>(header.size() - 2);
        unsigned sum = 0;
        for (std::size_t i = 2; i < header.size(); ++i) sum += header[i];
        header[1] = static_cast<std::uint8_t>(sum);
    }
    Bytes archive = header;
    archive.insert(archive.end(), payload.begin(), payload.end());
    archive.push_back(0);  // end of archive
    return archive;
}

struct Input {
    const char* name;
    Bytes plain;
};

std::vector<Input> inputs() {
    Bytes mixed = censusLikeText(40000, 5);
    Bytes noise = randomBytes(20000, 5);
    mixed.insert(mixed.begin() + 10000, noise.begin(), noise.end());
    return {
        {"one byte", {'x'}},
        {"census 8193", censusLikeText(8193)},
        {"census 3 MB", censusLikeText(3 << 20)},
        {"zeros", Bytes(100000, 0)},
        {"random", randomBytes(30000, 3)},
        {"text with noise", mixed},
    };
}

TEST(CodecInterop, LhasaExtractsOurPayloads) {
    TempDirectory directory;
    for (const Input& input : inputs()) {
        Bytes payload = codec::encodePayload(TCompMethod::Lh5, input.plain, SIZE_MAX);
        for (int level : {0, 1, 2}) {
            writeFile(directory.path() / "ours.lzh", lhaArchive(level, "member.txt", input.plain, payload));
            // Extraction checks the member's CRC and fails otherwise.
            run("cd '" + directory.path().string() + "' && rm -f member.txt && lhasa xq ours.lzh");
            EXPECT_EQ(readFile(directory.path() / "member.txt"), input.plain)
                << input.name << ", level " << level;
        }
    }
}

TEST(CodecInterop, WeDecodeJlhaArchives) {
    TempDirectory directory;
    for (const Input& input : inputs()) {
        if (input.plain.size() < 1000 || input.name == std::string("random")) continue;  // jlha stores those
        writeFile(directory.path() / "member", input.plain);
        run("cd '" + directory.path().string() +
            "' && rm -f theirs.lzh && jlha c theirs.lzh member >/dev/null 2>&1");
        Bytes archive = readFile(directory.path() / "theirs.lzh");
        // jlha writes level-2 headers: size (16 bits), method, packed size, plain size, ..., level at
        // byte 20.
        ASSERT_GT(archive.size(), 26u) << input.name;
        ASSERT_EQ(archive[20], 2) << input.name;
        ASSERT_EQ(std::string(archive.begin() + 2, archive.begin() + 7), "-lh5-") << input.name;
        std::size_t headerSize = archive[0] | archive[1] << 8;
        std::uint32_t packedSize = getFixed32(archive.data() + 7);
        ASSERT_EQ(getFixed32(archive.data() + 11), input.plain.size());
        ASSERT_LE(headerSize + packedSize, archive.size());
        std::span<const std::uint8_t> payload(archive.data() + headerSize, packedSize);
        EXPECT_EQ(
            codec::decodePayload(TCompMethod::Lh5, payload, static_cast<std::uint32_t>(input.plain.size())),
            input.plain)
            << input.name;
    }
}

}  // namespace
}  // namespace tessla
