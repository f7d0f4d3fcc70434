#pragma once

// The picture base `TSPbildbas`: named pictures (the skin pictures of the desktop program and a
// second picture collection), each a record, its image bytes and, for kinds 10 and 11, an outline
// region; and `PictureBaseWriter`, which writes one for the database builder. Layout in
// storage/picture_base_format.h. This layer hands out bytes; turning them into pictures is the
// desktop program's work. Failures give "not found" or nothing; nothing throws.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/catalogue.h"
#include "storage/codec.h"
#include "storage/message_sink.h"
#include "storage/pointer_list.h"
#include "storage/row_file.h"
#include "storage/text_file.h"

namespace tessla {

// Where a picture base's files lie: the record file in bfilkat, the pointer file and the name
// index in pfilkat. Directories are used whole and end with their separator.
struct PictureBaseDirectories {
    std::string bfilkat;
    std::string pfilkat;
};

// A picture record (`bbtBilder`).
struct TSPbildpost {
    std::string name;  // at most 20 characters
    std::string text2;
    std::int32_t kind = 0;  // 10 and 11 carry a region
    std::string placement;  // at most 10 characters
    std::string text5;
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;
    std::int32_t regionValue = 0;  // kinds 10 and 11, set by lasregion
};

// A map record (`bbtKartor`); its kind is also kept in the picture record's kind.
struct TSPkartpost {
    std::array<std::string, 7> texts;
    std::array<std::int32_t, 4> values{};
};

// The outline region of a picture of kind 10 or 11.
struct PictureRegion {
    std::int32_t value = 0;
    std::vector<std::uint8_t> data;
};

class TSPbildbas {
  public:
    // The codec and the sink (may be null) must outlive the base.
    TSPbildbas(const PictureBaseSettings& settings, PictureBaseDirectories directories, TCompress& codec,
               MessageSink* sink);
    ~TSPbildbas() { stang(); }
    TSPbildbas(const TSPbildbas&) = delete;
    TSPbildbas& operator=(const TSPbildbas&) = delete;

    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // Opens the pointer file (or an in-memory list for pltyp 0), the record file and, with
    // finnsindex, the name index; missing files are created empty where the medium allows. The
    // base is open when the record file opened. Returns the open flag.
    bool oppna();
    void stang();

    // The record number of the picture called `name` (mode 0) or of the first whose name begins
    // with it (mode 1), through the name index when the base has one, else by the sorted records;
    // 0 when not found or closed.
    std::int32_t sokbild(std::string_view name, int mode);
    // Reads record `number` into bildpost() (or kartpost() for a map base); false when it cannot be
    // read. The image and region readers below then work on this record.
    bool lasbildpost(std::int32_t number);
    // The image bytes of the record last read; nothing when its length does not fit the file.
    std::optional<std::vector<std::uint8_t>> lasbild() const;
    // The region of the record last read when it is of kind 10 or 11 and its region fits the file;
    // its value is also kept in bildpost().regionValue.
    std::optional<PictureRegion> lasregion();
    // The image bytes of the picture called `name`; nothing when not found.
    std::optional<std::vector<std::uint8_t>> hamtabild(std::string_view name);

    bool isOpen() const { return records_.isOpen(); }
    std::int32_t count() const { return records_.count(); }
    const TSPbildpost& bildpost() const { return bildpost_; }
    const TSPkartpost& kartpost() const { return kartpost_; }

  private:
    // Where the image block of the record last read starts and the image's length; nothing when
    // the length word does not fit the file or the image runs past its end.
    std::optional<std::pair<std::uint64_t, std::uint32_t>> image() const;
    // True when the record file holds `count` bytes at `offset`.
    bool holds(std::uint64_t offset, std::uint64_t count) const;
    // `count` bytes at `offset` of the record file, or nothing when the file does not hold them.
    std::optional<std::vector<std::uint8_t>> bytesAt(std::uint64_t offset, std::uint64_t count) const;

    std::string recordPath_, pointerPath_, indexPath_;
    std::int32_t pltyp_;
    std::int32_t maxrader_;
    bool finnsindex_;
    TSPbildbastyp bildbastyp_;
    bool readOnly_ = false;

    std::unique_ptr<Tsppeklista> pointers_;
    Tspblobfil records_;
    Tspindexblobfil index_;
    bool recordRead_ = false;
    TSPbildpost bildpost_;
    TSPkartpost kartpost_;
};

// Writes a new picture base of pictures (`bbtBilder`) in the layout TSPbildbas reads: the record
// file, the pointer file and, with finnsindex, the name index. Without a name index, pictures must
// come sorted by name in SwedishOrder, as sokbild then searches the records themselves.
class PictureBaseWriter {
  public:
    // The codec must outlive the writer.
    PictureBaseWriter(const PictureBaseSettings& settings, PictureBaseDirectories directories,
                      TCompress& codec);
    ~PictureBaseWriter() { close(); }
    PictureBaseWriter(const PictureBaseWriter&) = delete;
    PictureBaseWriter& operator=(const PictureBaseWriter&) = delete;

    // Creates the files, replacing old ones; false when one cannot be created (error() says which).
    bool create();
    // Appends a picture: its record (regionValue unused), its image bytes and, for kinds 10 and 11,
    // its region (required for them, refused for other kinds). Returns the record number, or -1 when
    // the picture is refused (error() says why) or a write fails.
    std::int32_t append(const TSPbildpost& post, std::span<const std::uint8_t> image,
                        const PictureRegion* region = nullptr);
    // Writes the name index (sorted by name), the pointer file and the header, then closes; false
    // when nothing was open or a write failed.
    bool close();

    const std::string& error() const { return error_; }

  private:
    // Lays out the record of `post` after checking the picture; false, with the reason, when refused.
    bool encode(const TSPbildpost& post, std::span<const std::uint8_t> image, const PictureRegion* region,
                std::vector<std::uint8_t>& record);
    // Keeps `why` as the error and returns false.
    bool refuse(std::string why);
    bool writeIndex();

    std::string recordPath_, pointerPath_, indexPath_;
    std::int32_t maxrader_;
    bool finnsindex_;
    Tsppeklista pointers_;
    Tspblobfil records_;
    Tspindexblobfil index_;
    std::vector<std::pair<std::string, std::int32_t>> names_;  // name and record number, for the index
    std::string error_;
};

}  // namespace tessla
