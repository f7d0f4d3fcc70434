#pragma once

// `Tspblobfil`, the text file of a record text base: records of variable length found through a
// pointer list, stored plain or in packed blocks of consecutive records (layout in
// storage/text_base_format.h). It reads a record into its record buffer, searches records by their
// first field, and lets the database builder append records. Failures show in the status and the
// open flag; nothing throws, codec failures included.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/codec.h"
#include "storage/file.h"
#include "storage/message_sink.h"
#include "storage/packed_blocks.h"
#include "storage/pointer_list.h"
#include "storage/search_memo.h"

namespace tessla {

class Tspblobfil {
  public:
    // The status of the last laspost.
    static constexpr int kRead = 0;
    // No record buffer, no pointer list, or the file could not be opened.
    static constexpr int kNoBuffer = 1;
    // n outside 1 … count, a pointer of 0xFFFFFFFF, or a record that cannot be read where its pointer
    // says (outside the file or its block, or a block that does not expand).
    static constexpr int kNoRecord = 2;
    // The record is longer than the record buffer.
    static constexpr int kTooLong = 3;

    // The codec and the sink (may be null) must outlive the file; `component` names the owner in
    // messages.
    Tspblobfil(TCompress& codec, MessageSink* sink, std::string component);
    ~Tspblobfil() { stang(); }
    Tspblobfil(const Tspblobfil&) = delete;
    Tspblobfil& operator=(const Tspblobfil&) = delete;

    // The settings below take effect at the next oppna.
    void setPath(std::string path) { path_ = std::move(path); }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The list that locates records; null means none, and every read gives kNoBuffer. The list is
    // opened and closed by the caller and must outlive its use here.
    void setPointerList(Tsppeklista* pointers) { pointers_ = pointers; }
    // Records stored plain, one area each.
    void setPlain() { directory_ = nullptr; }
    // Records stored in packed blocks of perBlock records, located through `directory` (opened by
    // the caller). A perBlock of 0 keeps the file from opening.
    void setBlockPacked(Tsppeklista& directory, std::uint16_t perBlock);
    // The capacity of the search memo; 0 or less means no memo.
    void setHash(std::int32_t capacity);
    // A record buffer of `size` bytes, allocated at oppna: the longest record read or appended; 0 or
    // less means none.
    void buffert(std::int32_t size);
    // The file kind written into the header of a file this object creates; an opened file keeps its own.
    void setFileKind(std::uint16_t kind) { kind_ = kind; }

    // Opens the file (ny false and the file exists) or creates it with a fresh header; returns the
    // open flag. An existing file's header must be whole and count no fewer than 0 records. Seeds an
    // empty memo from the records at count div 4, div 2 and ×3 when the file holds at least 101.
    bool oppna(bool ny);
    // Appends a partly filled block and rewrites the header when records were appended, then closes.
    void stang();

    // Reads record n into the record buffer and returns the status (also kept in status()). Does
    // nothing when closed. On any status but kRead the buffer keeps its previous record.
    int laspost(std::int32_t n);
    // The first record whose first field equals `key` (mode 0) or begins with it (mode 1) in
    // SwedishOrder, or -1. The records must be stored in that order of their first fields. The key
    // is cut to 255 characters. The buffer holds the record found only if the search read it last.
    std::int32_t sokpost(std::string_view key, int mode);

    // For writing tools: appends a record of the given data bytes and returns its number, or -1
    // (closed or read-only, longer than the record buffer, the pointer list or block directory full,
    // a write failed, or a packed file whose last block was not written by this object). In a plain
    // file `trailer` is written right after the data without being part of the record (a picture
    // base keeps a picture's image there); a packed file takes no trailer.
    std::int32_t append(std::span<const std::uint8_t> data, std::span<const std::uint8_t> trailer = {});

    // The data of the record last read.
    std::span<const std::uint8_t> record() const { return {buffer_.data(), length_}; }
    // The first field of the record last read: the string after its lead byte, up to its NUL or the
    // end of the data.
    std::string_view firstField() const;

    // Plain files: the offset just past the data of the record last read, where its trailer starts;
    // nothing in a packed file or before a record was read.
    std::optional<std::uint64_t> recordEnd() const { return recordEnd_; }
    const File& file() const { return file_; }

    bool isOpen() const { return file_.isOpen(); }
    int status() const { return status_; }
    std::int32_t count() const { return count_; }
    // False when a write made since opening failed.
    bool writesOk() const { return writesOk_; }
    // The expanded block held, -1 when none.
    std::int32_t cachedBlock() const { return blocks_.cachedBlock(); }
    const Tsphash* memo() const { return memo_ ? &*memo_ : nullptr; }

  private:
    bool readHeader();
    bool writeHeader();
    void seedMemo();
    int readPlain(std::uint32_t pointer);
    int readPacked(std::int32_t n, std::uint32_t pointer);
    bool appendPlain(std::span<const std::uint8_t> header, std::span<const std::uint8_t> data,
                     std::span<const std::uint8_t> trailer);
    bool appendPacked(std::span<const std::uint8_t> header, std::span<const std::uint8_t> data);
    bool flushBlock();
    bool packed() const { return directory_ != nullptr; }

    TCompress& codec_;
    std::string path_;
    bool readOnly_ = false;
    Tsppeklista* pointers_ = nullptr;
    Tsppeklista* directory_ = nullptr;
    std::uint16_t perBlock_ = 0;
    std::optional<Tsphash> memo_;
    std::uint16_t kind_ = 0;

    File file_;
    PackedBlockReader blocks_;
    std::int32_t count_ = 0;
    bool changed_ = false;
    bool writesOk_ = true;
    std::uint64_t end_ = 0;              // where the next area or block is appended
    std::vector<std::uint8_t> pending_;  // the areas of the block being filled
    std::int32_t pendingCount_ = 0;
    std::size_t bufferSize_ = 0;
    std::vector<std::uint8_t> buffer_;        // the record buffer
    std::vector<std::uint8_t> scratch_;       // as large; plain records are read here first
    std::size_t length_ = 0;                  // data bytes of the record in the buffer
    std::optional<std::uint64_t> recordEnd_;  // past the data of the record in the buffer (plain)
    int status_ = kNoBuffer;
};

}  // namespace tessla
