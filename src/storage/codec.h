#pragma once

// The block codec: turns a packed block back into its plain bytes and packs plain blocks.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "storage/stream.h"

namespace tessla {

// The methods, numbered as callers name them.
enum class TCompMethod : int {
    Non = 0,  // stored
    Rle = 1,  // run-length coding with the marker byte 0x94
    Lzh = 2,  // LZSS over a 4096-byte window with adaptive Huffman coding
    Cus = 3,  // a recognised id without a coder of its own; packs as Non
    Lh5 = 4,  // -lh5-: LZSS over an 8192-byte window with static Huffman codes sent per block
};

// Every failure of the codec is one of the classes below, each carrying only its message.
class ECodecError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ELZHBadDecodeTable : public ECodecError {
  public:
    ELZHBadDecodeTable() : ECodecError("Bad decode table in archive!") {}
};

class EUnableToCompress : public ECodecError {
  public:
    EUnableToCompress() : ECodecError("Could not compress data, will store instead") {}
};

class EUnrecognizedCompressionMethod : public ECodecError {
  public:
    explicit EUnrecognizedCompressionMethod(const std::string& id)
        : ECodecError("Unrecognized compression method: \"" + id + "\" in header") {}
};

class EInvalidHeaderArchiveType : public ECodecError {
  public:
    EInvalidHeaderArchiveType()
        : ECodecError("Expand can't handle caMulti archive type in compressed header") {}
};

class EBadChecksum : public ECodecError {
  public:
    EBadChecksum() : ECodecError("Bad checksum during expansion -- data may be invalid") {}
};

class EInvalidKey : public ECodecError {
  public:
    EInvalidKey() : ECodecError("File locked -- valid key required") {}
};

// A block that cannot be expanded safely: its header claims more plain bytes than the caller allows, or
// its payload ends before the plain size is reached. Both mean a damaged (or foreign) block.
class ECorruptBlock : public ECodecError {
  public:
    using ECodecError::ECodecError;
};

// One codec object serves the whole program. It keeps no state between operations other than the last
// ratio and elapsed time, so blocks can be expanded in any order; it must not run two operations at once.
class TCompress {
  public:
    // The default bound on the plain size a header may claim; callers that know their largest block set a
    // tighter one.
    static constexpr std::uint32_t kDefaultMaxPlainSize = 256u << 20;

    // Expands the block that fills source from its position to its end, appending the plain bytes at
    // dest's position. A raw block (at most 21 bytes, or not starting with the magic) is copied unchanged.
    // Throws one of the codec exceptions on a damaged block, and StreamError from the streams. A header
    // claiming more than maxPlainSize() plain bytes is refused before anything is allocated or written.
    void ExpandStream(Stream& dest, Stream& source);

    // Packs source (from position 0; its size is the plain size) into dest at dest's position with method,
    // leaving dest just after the block. The block is never larger than the plain data, except when the
    // plain data itself starts with the magic: it would be misread if stored raw, so it gets a headed "NON"
    // block. Blocks of fewer than 21 bytes and blocks that do not shrink are stored raw.
    void CompressStream(Stream& dest, Stream& source, TCompMethod method);

    // The last packing's packed size (header included) as a percentage of the plain size; 100 when stored.
    int lastRatio() const { return lastRatio_; }
    // Milliseconds spent in the coder by the last operation.
    std::int64_t lastElapsedMs() const { return lastElapsedMs_; }

    std::uint32_t maxPlainSize() const { return maxPlainSize_; }
    void setMaxPlainSize(std::uint32_t bytes) { maxPlainSize_ = bytes; }

  private:
    int lastRatio_ = 100;
    std::int64_t lastElapsedMs_ = 0;
    std::uint32_t maxPlainSize_ = kDefaultMaxPlainSize;
};

}  // namespace tessla
