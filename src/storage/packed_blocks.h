#pragma once

// Blocks of consecutive records or rows stored packed in a data file: block b (from 0) is a
// 32-bit length N and N bytes of one packed block, and entry b + 1 of a block directory (a
// pointer list) holds the data-file offset of that length word. The record text base and the
// packed word lists read and write their data this way.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "storage/codec.h"
#include "storage/file.h"
#include "storage/message_sink.h"
#include "storage/pointer_list.h"
#include "storage/stream.h"

namespace tessla {

// Reads packed blocks and keeps the last one expanded, so consecutive records or rows cost one
// expansion per block. Everything read from the files is checked: a directory entry, length or
// plain size that does not fit, and a block that fails to expand, read as no block; the cached
// block is then dropped and the message sink hears of it once per reader.
class PackedBlockReader {
  public:
    // `component` names the owner in messages. The codec and the sink must outlive the reader.
    PackedBlockReader(TCompress& codec, MessageSink* sink, std::string component);

    // Reads from `data` through `directory` (both must outlive their use here); no expanded block
    // may be larger than `maxPlainSize`.
    void attach(const File& data, const Tsppeklista& directory, std::uint32_t maxPlainSize);
    void detach();

    // The plain bytes of block b, valid until the next call; nothing when it cannot be read.
    std::optional<std::span<const std::uint8_t>> block(std::int32_t b);
    std::int32_t cachedBlock() const { return cached_; }
    // Forgets the cached block.
    void drop() { cached_ = -1; }

  private:
    bool load(std::int32_t b);
    void reportOnce(const std::string& what);

    TCompress& codec_;
    MessageSink* sink_;
    std::string component_;
    const File* data_ = nullptr;
    const Tsppeklista* directory_ = nullptr;
    std::uint32_t maxPlainSize_ = 0;
    MemoryStream packed_;
    MemoryStream plain_;
    std::int32_t cached_ = -1;
    bool reported_ = false;
};

// Packs `plain` with LH5 and appends it to `data` at offset `end` as a length word and the packed
// bytes, then appends that offset to `directory`. `end` moves past the block. False when a write
// fails or the directory is full.
bool appendPackedBlock(TCompress& codec, File& data, std::uint64_t& end, Tsppeklista& directory,
                       std::span<const std::uint8_t> plain);

}  // namespace tessla
