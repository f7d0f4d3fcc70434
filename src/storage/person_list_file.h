#pragma once

// The file of person-number lists `Tspenkelblobfil` (`.b1`): the lists that word-list rows point to,
// in the layout of storage/blob_format.h. Reading decodes a list into a selection or counts it against
// one; writing (the database builder) appends encoded lists. Failures show in the error code and the
// open flag; nothing throws.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "storage/blob_format.h"
#include "storage/file.h"
#include "storage/message_sink.h"
#include "storage/selection.h"

namespace tessla {

// The buffer into which chunks of codes are read. One database owns one and lends it to every person
// list file it opens; decoding is therefore not re-entrant across those files.
struct PersonListDecodeBuffer {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(blob_format::kChunkLimit);
};

// A visitor after a walk through a person-number list, and how many numbers the list gave.
template <typename Visit>
struct Walked {
    Visit visit;
    std::int32_t given;
};

// Appends to out the encoding of persons (at least one): the first number, then chunks of codes, each
// number taking the shortest code that reaches it from the one before.
void encodePersonList(std::span<const std::int32_t> persons, std::vector<std::uint8_t>& out);

// Where a word-list row finds its persons: the position of the list and its person count m, or, for a
// single person, the person number itself with count 0.
struct PersonListPlace {
    std::uint32_t position;
    std::int32_t count;
};

// What raknablob found: the persons the list gave (m unless it is damaged) and those whose row equals v.
struct BlobCount {
    std::int32_t persons;
    std::int32_t hits;
};

class Tspenkelblobfil : public FileLocation {
  public:
    static constexpr int kNoError = 0;
    static constexpr int kOpenFailed = 1;  // the file could not be opened or created, or has no header

    // decodeBuffer and sink (which may be null: silent) must outlive this object.
    explicit Tspenkelblobfil(PersonListDecodeBuffer& decodeBuffer, MessageSink* sink = nullptr)
        : decodeBuffer_(decodeBuffer), sink_(sink) {}
    ~Tspenkelblobfil() { stang(); }
    Tspenkelblobfil(const Tspenkelblobfil&) = delete;
    Tspenkelblobfil& operator=(const Tspenkelblobfil&) = delete;

    // Opens the file (ny false and the file exists) or creates it with a fresh header. Returns the
    // open flag.
    bool oppna(bool ny);
    // Rewrites the header when lists were appended, then closes; false when that write failed.
    bool stang();
    // Makes room for n bytes of encoded list before appending; lists that need more still fit.
    void buffert(std::int32_t n);

    // Sets to v the row of each of the m persons of the list at pos in sel. Nothing when the file is
    // closed, sel has no bits or m < 1. A damaged list is decoded up to the damage: a chunk length
    // below 2 or above the limit, a code or chunk running past its chunk or the file. A person number
    // that is 0, negative or beyond sel's used size is skipped; the first one of each list is reported
    // to the message sink as its decimal digits. The count of sel is kept.
    void lasurval(std::uint32_t pos, std::int32_t m, Tspsmalurval& sel, bool v = true);
    // The same walk, counting instead of setting: the numbers the list gave, and among those that sel
    // can hold the rows equal to v.
    BlobCount raknablob(std::uint32_t pos, std::int32_t m, const Tspsmalurval& sel, bool v) const;
    // How many of the m persons of the list at pos are set in sel.
    std::int32_t raknaurval(std::uint32_t pos, std::int32_t m, const Tspsmalurval& sel) const {
        return raknablob(pos, m, sel, true).hits;
    }

    // Appends the list of persons (at least one) at the end of the file and returns its position;
    // nothing when the list is empty, the file is closed or read-only, or the position would not fit
    // a word-list row.
    std::optional<std::uint32_t> appendList(std::span<const std::int32_t> persons);
    // The place a word-list row stores for persons: one person in place, more appended as a list.
    std::optional<PersonListPlace> storeList(std::span<const std::int32_t> persons);

    // The number of lists stored, as the header says or as appended since.
    std::uint32_t listCount() const { return listCount_; }
    bool isOpen() const { return open_; }
    bool changed() const { return changed_; }
    int errorCode() const { return errorCode_; }

  private:
    // Calls visit with the person numbers of the list that sel can hold, one as visit(n) or a run of
    // consecutive ones as visit(first, count); gives back the visitor and how many numbers the list
    // gave.
    template <typename Visit>
    Walked<Visit> walk(std::uint32_t pos, std::int32_t m, const Tspsmalurval& sel, Visit visit) const;
    bool readHeader();
    bool writeHeader();

    PersonListDecodeBuffer& decodeBuffer_;
    MessageSink* sink_;
    bool open_ = false;
    bool changed_ = false;
    int errorCode_ = kNoError;
    std::uint32_t listCount_ = 0;
    std::uint64_t end_ = 0;                  // where the next list goes
    std::vector<std::uint8_t> writeBuffer_;  // the list being appended
    File file_;
};

}  // namespace tessla
