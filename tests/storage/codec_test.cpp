// Tests of the block codec: round trips of every method, the packed block's exact bytes, the raw-block
// rules, and damaged blocks.

#include "storage/codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "storage/bit_io.h"
#include "storage/census_like_text.h"
#include "storage/codec_methods.h"
#include "storage/packed_block_format.h"
#include "storage/stream.h"

namespace tessla {
namespace {

using codec::Bytes;
using testing::censusLikeText;
using testing::randomBytes;

Bytes pack(std::span<const std::uint8_t> plain, TCompMethod method, TCompress& compressor) {
    MemoryStream source(plain), dest;
    compressor.CompressStream(dest, source, method);
    EXPECT_EQ(dest.position(), dest.size());
    return {dest.bytes().begin(), dest.bytes().end()};
}

Bytes pack(std::span<const std::uint8_t> plain, TCompMethod method) {
    TCompress compressor;
    return pack(plain, method, compressor);
}

Bytes expand(std::span<const std::uint8_t> block, TCompress& compressor) {
    MemoryStream source(block), dest;
    compressor.ExpandStream(dest, source);
    return {dest.bytes().begin(), dest.bytes().end()};
}

Bytes expand(std::span<const std::uint8_t> block) {
    TCompress compressor;
    return expand(block, compressor);
}

std::string methodId(TCompMethod method) {
    const auto& id = packed_block::kMethodIds[static_cast<int>(method)];
    return {id.begin(), id.end()};
}

Bytes bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

// A headed block with the given fields and payload.
Bytes headedBlock(const std::string& id, std::uint32_t plainSize, std::uint32_t checksum,
                  std::span<const std::uint8_t> payload, std::uint8_t archiveType = 0,
                  std::int32_t lock = 0) {
    namespace fmt = packed_block;
    std::array<std::uint8_t, fmt::kHeaderSize> header{};
    std::copy(fmt::kMagic.begin(), fmt::kMagic.end(), header.begin());
    std::copy_n(id.begin(), fmt::kMethodIdSize, header.begin() + fmt::kMethodOffset);
    fmt::putFixed32(header, fmt::kPlainSizeOffset, plainSize);
    header[fmt::kArchiveTypeOffset] = archiveType;
    fmt::putFixed32(header, fmt::kChecksumOffset, checksum);
    fmt::putFixed32(header, fmt::kLockOffset, static_cast<std::uint32_t>(lock));
    Bytes block(header.size() + payload.size());
    std::copy(payload.begin(), payload.end(), std::copy(header.begin(), header.end(), block.begin()));
    return block;
}

std::uint32_t sumOf(std::span<const std::uint8_t> bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0});
}

Bytes headedBlockFor(const std::string& id, std::span<const std::uint8_t> plain,
                     std::span<const std::uint8_t> payload) {
    return headedBlock(id, static_cast<std::uint32_t>(plain.size()), sumOf(plain), payload);
}

// Packs bit fields, most significant bit first, for hand-made "LH5" payloads.
Bytes bitFields(std::initializer_list<std::pair<std::uint32_t, int>> fields) {
    codec::BitWriter writer(SIZE_MAX);
    for (auto [value, width] : fields) writer.put(value, width);
    return writer.finish();
}

// ------------------------------------------------------------------------------------------ round trips

enum class Kind { Zeros, Markers, Random, Census };

Bytes makePlain(Kind kind, std::size_t size) {
    switch (kind) {
        case Kind::Zeros:
            return Bytes(size, 0);
        case Kind::Markers:
            return Bytes(size, 0x94);
        case Kind::Random:
            return randomBytes(size, size);
        case Kind::Census:
            return censusLikeText(size, size);
    }
    return {};
}

using RoundTripCase = std::tuple<TCompMethod, Kind, std::size_t>;

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, BlockAndBarePayloadGiveBackThePlainBytes) {
    auto [method, kind, size] = GetParam();
    Bytes plain = makePlain(kind, size);
    Bytes block = pack(plain, method);
    EXPECT_LE(block.size(), plain.size());
    if (size < packed_block::kHeaderSize) {
        EXPECT_EQ(block, plain);
    }
    EXPECT_EQ(expand(block), plain);
    Bytes payload = codec::encodePayload(method, plain, SIZE_MAX);
    EXPECT_EQ(codec::decodePayload(method, payload, static_cast<std::uint32_t>(size)), plain);
}

const std::size_t kSizes[] = {0, 1, 20, 21, 22, 8191, 8192, 8193, 70000};

INSTANTIATE_TEST_SUITE_P(EveryMethod, RoundTrip,
                         ::testing::Combine(::testing::Values(TCompMethod::Non, TCompMethod::Rle,
                                                              TCompMethod::Lzh, TCompMethod::Lh5),
                                            ::testing::Values(Kind::Zeros, Kind::Markers, Kind::Random,
                                                              Kind::Census),
                                            ::testing::ValuesIn(kSizes)));

TEST(Codec, CompressibleDataGetsAHeadedBlockWithItsRatio) {
    Bytes plain = censusLikeText(50000);
    for (TCompMethod method : {TCompMethod::Rle, TCompMethod::Lzh, TCompMethod::Lh5}) {
        TCompress compressor;
        Bytes block = pack(plain, method, compressor);
        if (method == TCompMethod::Rle) {  // text has few runs: RLE does not pay and stores it raw
            EXPECT_EQ(block, plain);
            EXPECT_EQ(compressor.lastRatio(), 100);
            continue;
        }
        ASSERT_GT(block.size(), packed_block::kHeaderSize);
        EXPECT_TRUE(std::equal(packed_block::kMagic.begin(), packed_block::kMagic.end(), block.begin()));
        EXPECT_EQ(compressor.lastRatio(), static_cast<int>(block.size() / (plain.size() / 100)));
        EXPECT_LT(compressor.lastRatio(), 40);
    }
}

TEST(Codec, CustomMethodPacksAsStored) {
    Bytes plain = censusLikeText(1000);
    EXPECT_EQ(pack(plain, TCompMethod::Cus), plain);
}

TEST(Codec, StreamsOtherThanMemoryWork) {
    auto directory = std::filesystem::temp_directory_path() / ("tessla_codec_" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    Bytes plain = censusLikeText(30000);
    {
        FileStream source((directory / "plain").string(), FileStream::Mode::Create);
        source.writeAll(plain);
        FileStream packed((directory / "packed").string(), FileStream::Mode::Create);
        TCompress compressor;
        compressor.CompressStream(packed, source, TCompMethod::Lh5);
        packed.seek(0);
        FileStream expanded((directory / "expanded").string(), FileStream::Mode::Create);
        compressor.ExpandStream(expanded, packed);
        EXPECT_EQ(expanded.size(), plain.size());
        Bytes back(plain.size());
        expanded.seek(0);
        EXPECT_EQ(expanded.read(back.data(), back.size()), plain.size());
        EXPECT_EQ(back, plain);
    }
    std::filesystem::remove_all(directory);
}

TEST(Codec, ExpandingAppendsAtTheDestinationsPosition) {
    Bytes first = censusLikeText(5000, 1), second = censusLikeText(7000, 2);
    MemoryStream dest;
    TCompress compressor;
    for (const Bytes& plain : {first, second}) {
        Bytes block = pack(plain, TCompMethod::Lh5);
        MemoryStream source(block);
        compressor.ExpandStream(dest, source);
    }
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(Bytes(dest.bytes().begin(), dest.bytes().end()), both);
}

// ------------------------------------------------------------------------------------------ exact bytes

TEST(Codec, RleCodesRunsAndTheMarker) {
    struct Case {
        Bytes plain, payload;
    };
    const Case cases[] = {
        {Bytes(300, 'A'), {'A', 0x94, 255, 'A', 0x94, 45}}, {{0x94}, {0x94, 0}},
        {{0x94, 0x94, 0x94}, {0x94, 0, 0x94, 0, 0x94, 0}},  {bytesOf("AAB"), bytesOf("AAB")},
        {bytesOf("xAAAAy"), {'x', 'A', 0x94, 4, 'y'}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codec::encodePayload(TCompMethod::Rle, c.plain, SIZE_MAX), c.payload);
        EXPECT_EQ(codec::decodePayload(TCompMethod::Rle, c.payload, 0), c.plain);
    }
}

TEST(Codec, HeadedBlockHasTheHeaderFields) {
    Bytes plain(300, 'A');
    EXPECT_EQ(pack(plain, TCompMethod::Rle),
              headedBlock("RLE", 300, 300 * 'A', Bytes{'A', 0x94, 255, 'A', 0x94, 45}));
}

// ------------------------------------------------------------------------------------------ raw blocks

TEST(Codec, ShortBlocksAreCopiedUnchanged) {
    Bytes magic(packed_block::kMagic.begin(), packed_block::kMagic.end());
    for (std::size_t size : {0, 4, 5, 20, 21}) {
        Bytes plain = magic;
        plain.resize(size, 'x');
        EXPECT_EQ(expand(plain), plain) << size;
        EXPECT_EQ(pack(plain, TCompMethod::Lh5), plain) << size;
    }
}

TEST(Codec, OutputBudgetIsThePlainSizeLessTheHeader) {
    // A run of k equal bytes then distinct bytes: the "RLE" payload is 3 bytes for the run plus one per
    // distinct byte, so with a run of 24 the block is exactly as large as the plain data.
    for (std::size_t run : {23, 24}) {
        Bytes plain(run, 'z');
        for (int i = 0; i < 40; ++i) plain.push_back(static_cast<std::uint8_t>(i));
        Bytes block = pack(plain, TCompMethod::Rle);
        EXPECT_EQ(block.size(), plain.size());
        EXPECT_EQ(block == plain, run == 23) << run;
        EXPECT_EQ(expand(block), plain);
    }
}

TEST(Codec, PlainDataStartingWithTheMagicGetsAHeadedStoredBlock) {
    for (TCompMethod method : {TCompMethod::Non, TCompMethod::Lh5}) {
        Bytes plain(packed_block::kMagic.begin(), packed_block::kMagic.end());
        Bytes noise = randomBytes(40, 7);
        plain.insert(plain.end(), noise.begin(), noise.end());
        Bytes block = pack(plain, method);
        EXPECT_EQ(block, headedBlockFor("NON", plain, plain));
        EXPECT_EQ(expand(block), plain);
    }
}

TEST(Codec, StoredBlockWithChecksumZeroIsNotChecked) {
    Bytes plain = bytesOf("a headed stored block without checksum");
    EXPECT_EQ(expand(headedBlock("NON", 0, 0, plain)), plain);
    EXPECT_EQ(expand(headedBlock("NON", 0, sumOf(plain), plain)), plain);
    EXPECT_THROW(expand(headedBlock("NON", 0, 1, plain)), EBadChecksum);
}

TEST(Codec, Lh5BlockWithChecksumZeroMustSumToZero) {
    Bytes zeros(1000, 0);
    EXPECT_EQ(expand(headedBlock("LH5", 1000, 0, codec::encodePayload(TCompMethod::Lh5, zeros, SIZE_MAX))),
              zeros);
    Bytes text = censusLikeText(1000);
    EXPECT_THROW(expand(headedBlock("LH5", 1000, 0, codec::encodePayload(TCompMethod::Lh5, text, SIZE_MAX))),
                 EBadChecksum);
}

// ------------------------------------------------------------------------------------------ LH5 streams

// Block head fields of a hand-made "LH5" payload: code count, code-length code, literal/length code,
// distance code, each table as a count of 0 and a single code unless given otherwise.
Bytes singleCodeBlock(std::uint32_t codes, std::uint32_t literal, std::uint32_t distanceClass) {
    return bitFields({{codes, 16}, {0, 5}, {0, 5}, {0, 9}, {literal, 9}, {0, 4}, {distanceClass, 4}});
}

TEST(Codec, Lh5SingleCodeTablesTakeNoBits) {
    Bytes letters(1000, 'Z');
    EXPECT_EQ(codec::decodePayload(TCompMethod::Lh5, singleCodeBlock(1000, 'Z', 0), 1000), letters);
    // Four copies of 256 bytes from one back: before the first byte the window holds spaces.
    Bytes spaces(1024, ' ');
    EXPECT_EQ(codec::decodePayload(TCompMethod::Lh5, singleCodeBlock(4, 509, 0), 1024), spaces);
    // A block count of 0 stands for 65536 codes.
    EXPECT_EQ(codec::decodePayload(TCompMethod::Lh5, singleCodeBlock(0, 'Z', 0), 65536), Bytes(65536, 'Z'));
}

TEST(Codec, Lh5RefusesCodeLengthsThatAreNoPrefixCode) {
    struct Case {
        const char* what;
        Bytes payload;
    };
    const Case cases[] = {
        {"oversubscribed code-length code", bitFields({{1, 16}, {3, 5}, {1, 3}, {1, 3}, {1, 3}, {0, 2}})},
        {"incomplete code-length code", bitFields({{1, 16}, {3, 5}, {2, 3}, {2, 3}, {2, 3}, {0, 2}})},
        {"single literal code out of range", singleCodeBlock(1, 510, 0)},
        {"single distance class out of range", singleCodeBlock(1, 'a', 14)},
        {"single code-length code out of range", bitFields({{1, 16}, {0, 5}, {19, 5}})},
        {"too many literal lengths", bitFields({{1, 16}, {0, 5}, {3, 5}, {511, 9}})},
        {"code length above 16", bitFields({{1, 16}, {1, 5}, {0xFFFF, 16}})},
    };
    for (const Case& c : cases) {
        try {
            codec::decodePayload(TCompMethod::Lh5, c.payload, 100);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const ELZHBadDecodeTable& error) {
            EXPECT_STREQ(error.what(), "Bad decode table in archive!") << c.what;
        }
    }
}

// ------------------------------------------------------------------------------------------ damaged blocks

template <class E>
bool is(const ECodecError& error) {
    return dynamic_cast<const E*>(&error) != nullptr;
}

TEST(Codec, DamagedHeadersAreRefusedWithTheirMessages) {
    Bytes plain = censusLikeText(3000);
    Bytes payload = codec::encodePayload(TCompMethod::Lh5, plain, SIZE_MAX);
    std::uint32_t sum = sumOf(plain);
    struct Case {
        Bytes block;
        bool (*isExpected)(const ECodecError&);
        std::string message;
        bool destUntouched;
    };
    const Case cases[] = {
        {headedBlock("LH5", 3000, sum, payload, 1), is<EInvalidHeaderArchiveType>,
         "Expand can't handle caMulti archive type in compressed header", true},
        {headedBlock("XYZ", 3000, sum, payload), is<EUnrecognizedCompressionMethod>,
         "Unrecognized compression method: \"XYZ\" in header", true},
        {headedBlock("lh5", 3000, sum, payload), is<EUnrecognizedCompressionMethod>,
         "Unrecognized compression method: \"lh5\" in header", true},
        {headedBlock("LH5", 3000, sum, payload, 0, 1), is<EInvalidKey>, "File locked -- valid key required",
         true},
        {headedBlock("LH5", 3000, sum + 1, payload), is<EBadChecksum>,
         "Bad checksum during expansion -- data may be invalid", false},
        {headedBlock("CUS", 3000, sum, payload), is<EBadChecksum>,
         "Bad checksum during expansion -- data may be invalid", true},
        {headedBlock("LH5", 0xFFFFFFFF, sum, payload), is<ECorruptBlock>,
         "Plain size 4294967295 in compressed header exceeds the limit of 268435456 bytes", true},
    };
    for (const Case& c : cases) {
        MemoryStream source(c.block), dest;
        TCompress compressor;
        try {
            compressor.ExpandStream(dest, source);
            ADD_FAILURE() << c.message << ": no exception";
        } catch (const ECodecError& error) {
            EXPECT_TRUE(c.isExpected(error)) << c.message;
            EXPECT_EQ(error.what(), c.message);
            EXPECT_EQ(dest.size() == 0, c.destUntouched) << c.message;
        }
    }
    // A negative lock field is not a lock.
    EXPECT_EQ(expand(headedBlock("LH5", 3000, sum, payload, 0, -1)), plain);
    EXPECT_STREQ(EUnableToCompress().what(), "Could not compress data, will store instead");
}

TEST(Codec, CallerBoundsThePlainSize) {
    Bytes plain = censusLikeText(5000);
    Bytes block = pack(plain, TCompMethod::Lh5);
    TCompress compressor;
    compressor.setMaxPlainSize(4999);
    EXPECT_THROW(expand(block, compressor), ECorruptBlock);
    compressor.setMaxPlainSize(5000);
    EXPECT_EQ(expand(block, compressor), plain);
}

TEST(Codec, PayloadThatRunsOutStopsDecoding) {
    // Zero bits decode as blocks of 65536 zero bytes; a header claiming far more must not be served by
    // supplying zero bits past the end of the payload.
    for (const char* id : {"LH5", "LZH"}) {
        Bytes block = headedBlock(id, 200u << 20, 0, Bytes(10, 0));
        EXPECT_THROW(expand(block), ECorruptBlock) << id;
    }
    Bytes plain = censusLikeText(20000);
    for (TCompMethod method : {TCompMethod::Lzh, TCompMethod::Lh5}) {
        Bytes payload = codec::encodePayload(method, plain, SIZE_MAX);
        for (std::size_t cut : {std::size_t{1}, std::size_t{10}, payload.size() / 2}) {
            std::span<const std::uint8_t> truncated(payload.data(), payload.size() - cut);
            EXPECT_THROW(codec::decodePayload(method, truncated, 20000), ECorruptBlock) << cut;
        }
    }
}

TEST(Codec, CorruptPayloadsThrow) {
    Bytes plain = censusLikeText(20000);
    for (TCompMethod method : {TCompMethod::Rle, TCompMethod::Lzh, TCompMethod::Lh5}) {
        Bytes payload = codec::encodePayload(method, plain, SIZE_MAX);
        // From byte 2 on: a larger "LH5" block count than needed is harmless, as decoding ends at the plain
        // size.
        for (std::size_t at = 2; at < payload.size(); at += payload.size() / 16 + 1) {
            Bytes damaged = payload;
            damaged[at] ^= 0x5A;
            EXPECT_THROW(expand(headedBlockFor(methodId(method), plain, damaged)), ECodecError)
                << methodId(method) << " at " << at;
        }
    }
}

}  // namespace
}  // namespace tessla
