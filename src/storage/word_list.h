#pragma once

// The word lists: `TSPindex`, a sorted file of fixed-length rows with prefix and exact search,
// and `TSPstruktlista`, which adds each row's persons (a person-number list), the `vald`
// selection of chosen rows, and the outline view of lists whose rows form a tree.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/catalogue.h"
#include "storage/codec.h"
#include "storage/message_sink.h"
#include "storage/outline_view.h"
#include "storage/person_list_file.h"
#include "storage/pointer_list.h"
#include "storage/row_file.h"
#include "storage/selection.h"

namespace tessla {

// The settings a list is opened with. Directories are kept whole; paths are plain
// concatenations of directory, name, "." and extension.
struct WordListProperties {
    std::string filkat, filnamn, filext = std::string(kWordListRowExt);
    std::string LZHfilkat, LZHfilnamn, LZHfilext = std::string(kWordListBlockDirExt);
    std::int32_t radmaxlen = 100;  // used when the file is created; the header's length wins
    std::int32_t maxrader = 200000;
    std::int32_t hash = 0;
    bool LZH = false;
    std::uint16_t LZHraderperblock = 100;
    bool RO = false;
    bool keepaccent = true;
    // `TSPstruktlista` only.
    std::string styrfilkat;  // empty: no parent table
    std::string rllfilkat;
    bool finnsBLOB = false;
    bool finnsstat = false;
    bool finnsurval = false;
};

// The properties of a catalogued list placed in the directories `cd` and `hd`, read-only.
WordListProperties wordListProperties(const WordListSettings& list, const std::string& cd,
                                      const std::string& hd);

class TSPindex {
  public:
    // The codec and the sink (null: silent) must outlive the list.
    TSPindex(TCompress& codec, MessageSink* sink, std::string name);
    virtual ~TSPindex() = default;
    TSPindex(const TSPindex&) = delete;
    TSPindex& operator=(const TSPindex&) = delete;

    const std::string& name() const { return name_; }
    WordListProperties& properties() { return properties_; }
    const WordListProperties& properties() const { return properties_; }

    // Opens the row file (and, for a packed list, its block directory), creating a missing file
    // empty. The list is open when its row file is.
    virtual bool oppna();
    virtual void stang();
    // Makes row n current; nothing when the list is closed, n is outside 1 … row count or the
    // row cannot be read.
    virtual void lasrad(std::int32_t n);

    // The first row whose text begins with (`sokprefix`) or equals (`sokexakt`) `key`, or -1;
    // 0 when the list is closed. The current row is then the last row the search read.
    std::int32_t sokprefix(std::string_view key) { return search(key, true); }
    std::int32_t sokexakt(std::string_view key) { return search(key, false); }

    bool isOpen() const { return open_; }
    std::int32_t rowCount() const { return rowCount_; }
    // The current row: its number (-1 before any), text and row words.
    std::int32_t currentRow() const { return currentRow_; }
    const std::string& text() const { return text_; }
    std::uint32_t ord1() const { return ord1_; }
    std::uint32_t ord2() const { return ord2_; }

  protected:
    // Takes the current row's fields from its bytes.
    virtual void takeRow(std::span<const std::uint8_t> row);

    TCompress& codec_;
    MessageSink* sink_;

  private:
    std::int32_t search(std::string_view key, bool prefix);

    std::string name_;
    WordListProperties properties_;
    Tsppeklista directory_;
    Tspindexblobfil rows_;
    bool open_ = false;
    std::int32_t rowCount_ = 0;
    std::int32_t currentRow_ = -1;
    std::string text_;
    std::uint32_t ord1_ = 0;
    std::uint32_t ord2_ = 0;
};

class TSPstruktlista : public TSPindex {
  public:
    // What `rakna` found: how many of the row's persons are set, of how many.
    struct Count {
        std::int32_t hits;
        std::int32_t total;
    };

    // `decodeBuffer` (shared by the database's lists) must outlive the list.
    TSPstruktlista(TCompress& codec, MessageSink* sink, PersonListDecodeBuffer& decodeBuffer,
                   std::string name);

    bool oppna() override;
    void stang() override;

    // Adds the persons of the current row to `sel`; nothing when the list is closed or has no
    // person lists.
    void markera(Tspsmalurval& sel);
    // How many of the current row's persons are set in `sel` (a row with count 0 holds one).
    Count rakna(const Tspsmalurval& sel) const;

    // Rebuilds the visible rows, recounts them and rebuilds the position index.
    void byggvy() { outline_.byggvy(); }
    void expandera(std::int32_t r) { outline_.expandera(r); }
    void komprimera(std::int32_t r) { outline_.komprimera(r); }
    // Makes the k-th visible row current and remembers it; nothing when there is none. A visible
    // row outside the list is reported as "k;row" and not read.
    void lassynlig(std::int32_t k);
    std::int32_t synligplats(std::int32_t r) const { return outline_.synligplats(r); }
    std::int32_t visibleCount() const { return outline_.visibleCount(); }
    std::int32_t currentVisible() const { return currentVisible_; }
    const OutlineView& outline() const { return outline_; }

    // The parent table opened; the outline is a tree when it also holds one entry per row.
    bool hasParentTable() const { return hasParentTable_; }
    // Row n's parent (0 for a first-level row or a list without parent table).
    std::int32_t parentOf(std::int32_t n) const;

    Tspsmalurval& vald() { return vald_; }
    Tspsmalurval& synl() { return outline_.synl(); }
    Tspsmalurval& expanderad() { return outline_.expanderad(); }
    Tspsmalurval& lov() { return outline_.lov(); }

    // The current row's person list: its position and count (count 0: the position is the one
    // person), and its statistics value.
    std::uint32_t personPosition() const { return personPosition_; }
    std::int32_t personCount() const { return personCount_; }
    std::uint32_t statValue() const { return statValue_; }

  protected:
    void takeRow(std::span<const std::uint8_t> row) override;

  private:
    void openParentTable();
    void sizeVald();

    Tspenkelblobfil persons_;
    std::vector<std::uint32_t> parents_;
    bool hasParentTable_ = false;
    Tspsmalurval vald_;
    OutlineView outline_;
    std::int32_t currentVisible_ = -1;
    std::uint32_t personPosition_ = 0;
    std::int32_t personCount_ = 0;
    std::uint32_t statValue_ = 0;
};

}  // namespace tessla
