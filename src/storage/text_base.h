#pragma once

// The record text base `TSPregtext`: variable-length records of typed fields, read by record number
// or found by their first field, and `TextBaseWriter`, which writes one for the database builder.
// Files: the text file (storage/text_file.h), the pointer file and, block-packed, the block
// directory (both pointer lists). Failures show in the status and the open flag; nothing throws.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/catalogue.h"
#include "storage/codec.h"
#include "storage/message_sink.h"
#include "storage/pointer_list.h"
#include "storage/text_file.h"

namespace tessla {

// Where the three files of a text base lie. Each path is directory + name + "." + extension; a
// directory is used whole, whatever its length, and ends with its separator.
struct TextBaseDirectories {
    std::string bfilkat;
    std::string pfilkat;
    std::string LZHfilkat;
};

// The path of a component's file: directory + name + "." + extension, the directory kept whole.
std::string filePath(const std::string& directory, std::string_view name, std::string_view ext);

// The directories of `settings`' files when its CD medium is `cd` and its HD medium `hd`.
TextBaseDirectories placeTextBase(const TextBaseSettings& settings, const std::string& cd,
                                  const std::string& hd);

// What `tolkapost` takes out of a record.
struct ParsedRecord {
    static constexpr std::size_t kTextFieldMax = 6000;  // characters kept of a text field
    static constexpr std::size_t kIntegerSlots = 15;
    static constexpr std::size_t kShortSlots = 14;

    std::vector<std::string> texts;                      // one per "1" label, in label order
    std::array<std::int32_t, kIntegerSlots> integers{};  // "2" and "4" labels
    std::array<std::int16_t, kShortSlots> shorts{};      // "3" labels
    std::size_t integerCount = 0;
    std::size_t shortCount = 0;
    // The long-text buffers, numbered from 1 by the "5" labels; each keeps at most pcsiz − 1 bytes,
    // as a buffer of pcsiz bytes holds them with their NUL.
    std::vector<std::string> longTexts;
};

// The type of every label (its first character, 0 for an empty label), in label order.
std::string fieldTypes(std::span<const std::string_view> labels);

// Splits `data` into `out` by the label types `types`. Stops at the first field that does not fit in
// `data` (a string without its NUL, a number running past the end), keeping the fields before it.
// Fields beyond the slots or long-text buffers of `out` are passed over. `out.longTexts` must
// already hold the long-text buffers; `pcsiz` is their size.
void parseRecord(std::span<const std::uint8_t> data, std::string_view types, std::size_t pcsiz,
                 ParsedRecord& out);

// One field value of a record to write: a string for "1" and "5" labels, a 32-bit value for "2" and
// "4", a 16-bit value for "3".
using FieldValue = std::variant<std::string_view, std::int32_t, std::int16_t>;

// Lays out in `out` the record of `values`, one per label type 1 to 5 in `types`, each as the type
// digit and its payload. Returns why the values do not fit the types (a value missing, extra or of
// the wrong kind, a string holding a NUL), or an empty string.
std::string encodeRecord(std::string_view types, std::span<const FieldValue> values,
                         std::vector<std::uint8_t>& out);

class TSPregtext {
  public:
    static constexpr std::size_t kMaxLongTexts = 20;

    // Copies what it needs of `settings` (labels included). The codec and the sink (may be null)
    // must outlive the base; the sink hears once about blocks that cannot be read.
    TSPregtext(const TextBaseSettings& settings, TextBaseDirectories directories, TCompress& codec,
               MessageSink* sink);
    ~TSPregtext() { stang(); }
    TSPregtext(const TSPregtext&) = delete;
    TSPregtext& operator=(const TSPregtext&) = delete;

    // Opens the pointer file (or an in-memory list for pltyp 0), the block directory when
    // block-packed, and the text file; missing files are created empty where the medium allows.
    // The base stays closed when any file cannot be opened or created, or when a block-packed base
    // has LZHposterperblock 0. Returns the open flag.
    bool oppna();
    void stang();

    // Reads record n into the record buffer (nothing when closed); status() tells how it went.
    void laspost(std::int32_t n) { textFile_.laspost(n); }
    // Splits the buffered record into the parsed fields (nothing when closed).
    void tolkapost();
    // The first record whose first field equals `key` (mode 0) or begins with it (mode 1) in
    // SwedishOrder; -1 when none, 0 when the base is closed.
    std::int32_t sokpost(std::string_view key, int mode);

    bool isOpen() const { return open_; }
    std::int32_t count() const { return open_ ? textFile_.count() : 0; }
    // 0 read, 1 no buffer or pointer list, 2 no such record, 3 longer than textmaxsiz.
    int status() const { return textFile_.status(); }
    std::int32_t maxrader() const { return maxrader_; }
    std::span<const std::uint8_t> record() const { return textFile_.record(); }
    std::int32_t cachedBlock() const { return textFile_.cachedBlock(); }
    const Tsphash* memo() const { return textFile_.memo(); }

    const ParsedRecord& fields() const { return fields_; }
    // Long-text buffer k (1-based), empty when there is none.
    std::string_view longText(std::size_t k) const;

  private:
    bool openPointerFiles();

    std::string textPath_, pointerPath_, directoryPath_;
    std::int32_t pltyp_;
    std::size_t antpc_;
    std::size_t pcsiz_;
    std::int32_t textmaxsiz_;
    std::int32_t maxrader_;
    bool blockPacked_;
    std::uint16_t perBlock_;
    bool readOnly_;
    std::string types_;

    bool open_ = false;
    std::unique_ptr<Tsppeklista> pointers_;
    Tsppeklista directory_;
    Tspblobfil textFile_;
    ParsedRecord fields_;
};

// Writes a new text base in the layout the reader expects: the text file (kind 1), the pointer
// file and, block-packed, the block directory, as `settings` and `directories` name them. Blocks
// are packed with LH5. The codec must outlive the writer.
class TextBaseWriter {
  public:
    TextBaseWriter(const TextBaseSettings& settings, TextBaseDirectories directories, TCompress& codec);
    ~TextBaseWriter() { close(); }
    TextBaseWriter(const TextBaseWriter&) = delete;
    TextBaseWriter& operator=(const TextBaseWriter&) = delete;

    // Creates the files, replacing old ones. False when one cannot be created (error() says which).
    bool create();
    // Appends a record of `values` (as encodeRecord lays them out). Returns the record number, or -1
    // (and error() says why): values that do not fit the labels, a record longer than textmaxsiz,
    // more than maxrader records, or a failed write.
    std::int32_t append(std::span<const FieldValue> values);
    // Writes what is pending (the last block, the header, the pointer lists) and closes. False when
    // nothing was open or a write of the text file failed.
    bool close();

    // Why the last operation failed.
    const std::string& error() const { return error_; }

  private:
    // Builds the record of `values` in record_; false, with the reason, when it cannot be appended.
    bool encode(std::span<const FieldValue> values);
    // Keeps `why` as the error and returns false.
    bool refuse(std::string why);

    std::string textPath_, pointerPath_, directoryPath_;
    std::string types_;
    std::int32_t textmaxsiz_;
    std::int32_t maxrader_;
    bool blockPacked_;
    std::uint16_t perBlock_;
    Tsppeklista pointers_;
    Tsppeklista directory_;
    Tspblobfil textFile_;
    std::vector<std::uint8_t> record_;
    std::string error_;
};

}  // namespace tessla
