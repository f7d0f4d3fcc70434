#pragma once

// The row file of a word list `Tspindexblobfil` (`.i`): fixed-length rows sorted by their text,
// stored plain or in packed blocks found through a block directory. The header is checked when
// the file opens; a row that lies outside the file or in a block that cannot be read reads as
// nothing.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/collation.h"
#include "storage/file.h"
#include "storage/message_sink.h"
#include "storage/packed_blocks.h"
#include "storage/pointer_list.h"
#include "storage/search_memo.h"

namespace tessla {

// The text of a row: the bytes after the two row words up to the 0 byte (or the row's end).
std::string_view rowText(std::span<const std::uint8_t> row);

class Tspindexblobfil : public FileLocation {
  public:
    static constexpr int kNoError = 0;
    static constexpr int kOpenFailed = 1;   // cannot be opened or created, or a damaged header
    static constexpr int kTooManyRows = 6;  // the row count exceeds the capacity

    // The codec and the sink (null: silent) must outlive this object; `component` names the
    // list in messages.
    Tspindexblobfil(TCompress& codec, MessageSink* sink, std::string component);
    ~Tspindexblobfil() { stang(); }
    Tspindexblobfil(const Tspindexblobfil&) = delete;
    Tspindexblobfil& operator=(const Tspindexblobfil&) = delete;

    // The order the rows are sorted in.
    void setOrder(CollationOrder order) { order_ = order; }
    // A search memo of `capacity` entries; 0 = none.
    void setHash(std::int32_t capacity);
    // Row length and capacity written into a created file.
    void setNewShape(std::int32_t rowLength, std::int32_t capacity);
    // Rows in packed blocks of `rowsPerBlock` rows located through `directory` (which must
    // outlive the file); null switches back to plain rows.
    void setPacked(Tsppeklista* directory, std::uint16_t rowsPerBlock);

    // Opens the file (ny false and it exists) or creates it with a fresh header. Returns the
    // open flag; the error code tells why not. An existing file that cannot be opened, or whose
    // header is damaged, is reported to the sink as "4".
    bool oppna(bool ny);
    // Writes a pending packed block and the header when rows were added, then closes. False when
    // one of those writes failed.
    bool stang();

    // The bytes of row n (rowLength() of them), valid until the next read; nothing when the file
    // is closed, n is outside 1 … rowCount(), or the row cannot be read.
    std::optional<std::span<const std::uint8_t>> lasrad(std::int32_t n);
    // The first row whose text equals `key` (prefix false) or begins with it (prefix true) in
    // the file's order, or -1. The key is cut to 255 characters.
    std::int32_t sok(std::string_view key, bool prefix);

    // Appends a row of exactly rowLength() bytes; false when it does not fit or a write fails.
    bool laggtillrad(std::span<const std::uint8_t> row);

    bool isOpen() const { return file_.isOpen(); }
    int errorCode() const { return errorCode_; }
    std::int32_t rowCount() const { return rowCount_; }
    std::int32_t capacity() const { return capacity_; }
    std::int32_t rowLength() const { return rowLength_; }
    // Row n (1 … rowCount) holds the last row read by `lasrad` or `sok`.
    std::int32_t lastRowRead() const { return lastRow_; }

  private:
    bool readHeader();
    bool rowsFit(std::uint64_t rows, std::uint64_t headerSize, std::uint64_t rowLength) const;
    bool writeHeader();
    bool flushBlock();
    // Row n of a plain file: in place where the file is mapped, otherwise read into a window of rows
    // ahead when reading goes forward.
    std::optional<std::span<const std::uint8_t>> readPlainRow(std::int32_t n);
    void seedMemo();

    TCompress& codec_;
    MessageSink* sink_;
    CollationOrder order_ = CollationOrder::AccentRankOrder;
    std::unique_ptr<Tsphash> memo_;
    Tsppeklista* directory_ = nullptr;
    std::uint16_t rowsPerBlock_ = 0;
    PackedBlockReader blocks_;
    File file_;
    int errorCode_ = kNoError;
    bool changed_ = false;
    std::int32_t rowCount_ = 0;
    std::int32_t capacity_ = 0;
    std::int32_t headerSize_ = 0;
    std::int32_t rowLength_ = 0;
    std::int32_t newRowLength_ = 108;
    std::int32_t newCapacity_ = 200000;
    std::uint64_t end_ = 0;  // where the next packed block goes
    // Plain rows last read: `plainRows_` rows from row `plainFirst_` on. A read of the row after the
    // last one read fetches the rows that follow too, so a walk through a list costs one file read
    // per run of rows rather than one per row, while a search reads single rows.
    std::vector<std::uint8_t> plain_;
    std::int32_t plainFirst_ = 0;
    std::int32_t plainRows_ = 0;
    std::vector<std::uint8_t> pending_;  // rows of the packed block being written
    std::int32_t lastRow_ = -1;
};

}  // namespace tessla
