#pragma once

// Writes the files of one word list for the database builder: the row file (plain or in packed
// blocks with their block directory), the person-number lists and, for a tree list, the
// parent table. Rows must come in the list's sorted (and outline) order.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "storage/codec.h"
#include "storage/person_list_file.h"
#include "storage/pointer_list.h"
#include "storage/row_file.h"
#include "storage/word_list.h"

namespace tessla {

class WordListWriter {
  public:
    // The codec and the decode buffer must outlive the writer.
    WordListWriter(TCompress& codec, PersonListDecodeBuffer& decodeBuffer);
    ~WordListWriter() { close(); }
    WordListWriter(const WordListWriter&) = delete;
    WordListWriter& operator=(const WordListWriter&) = delete;

    // Creates the list's files as `p` places and shapes them (the row length is p.radmaxlen + 8,
    // the capacity p.maxrader), replacing old ones. False when a file cannot be created.
    bool create(const WordListProperties& p);
    // Appends the next row: its text (at most radmaxlen − 9 bytes, no 0 byte), row words, its
    // persons (ascending person numbers; when the list has person lists) and, for a tree list,
    // its parent row (0 for a first-level row). False when the row does not fit or a write fails.
    bool append(std::string_view text, std::uint32_t word1, std::uint32_t word2,
                std::span<const std::int32_t> persons, std::uint32_t parent = 0);
    // Writes what is pending and closes the files; false when anything failed on the way.
    bool close();

    // The row bytes a list stores for these fields; nothing when the text does not fit.
    static std::optional<std::vector<std::uint8_t>> layoutRow(std::size_t rowLength, std::string_view text,
                                                              std::uint32_t word1, std::uint32_t word2,
                                                              const std::optional<PersonListPlace>& persons);

  private:
    bool open_ = false;
    bool ok_ = true;
    bool finnsBLOB_ = false;
    bool tree_ = false;
    Tsppeklista directory_;
    Tsppeklista parents_;
    Tspindexblobfil rows_;
    Tspenkelblobfil persons_;
};

}  // namespace tessla
