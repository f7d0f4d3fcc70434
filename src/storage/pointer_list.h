#pragma once

// The pointer list `Tsppeklista`: a numbered list of 32-bit values (record pointers, block directories,
// parent tables, statistics columns) with the file layout of storage/blob_format.h. Entries are numbered
// 1 … count. Failures show in the error code and the open flag; nothing throws.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/file.h"

namespace tessla {

class Tsppeklista : public FileLocation {
  public:
    enum class Mode : std::uint16_t {
        Memory = 0,    // entries in memory only; the list has no file and oppna, stang do nothing
        Loaded = 1,    // the whole list is loaded from its file when opened and written back when closed
        PerEntry = 2,  // each entry is read from or written to the file when used
    };
    static constexpr int kNoError = 0;
    static constexpr int kCreateFailed = 1;
    // An existing file could not be opened, or its header is short or counts more entries than it holds.
    static constexpr int kOpenFailed = 2;

    Tsppeklista() = default;
    ~Tsppeklista() { stang(); }
    Tsppeklista(const Tsppeklista&) = delete;
    Tsppeklista& operator=(const Tsppeklista&) = delete;

    void setMode(Mode mode) { mode_ = mode; }
    Mode mode() const { return mode_; }

    // Opens the file (ny false and the file exists) or creates it empty. In mode Loaded an existing
    // file's entries are read into the array: read-only, the array becomes exactly count entries;
    // otherwise the array set with dimensionera is kept and grows when the file holds more entries.
    // A created list is marked changed and, in mode Loaded, gets capacity zeroed entries. Returns the
    // open flag; on failure the error code tells why.
    bool oppna(bool ny);
    // Writes back what changed (the header; in mode Loaded also every entry, cutting the file after
    // them), then closes. Count becomes 0 and the array of mode Loaded is freed. False when the
    // write-back failed.
    bool stang();

    // Entry i, or kNoEntry when i is outside 1 … count, when the entry is not in the array, or (mode
    // PerEntry) when the list is closed or the file does not hold it.
    std::uint32_t hamta(std::int32_t i) const;
    // Appends v as entry count + 1 and returns the new count; -1 and no change when the list is full
    // (count = capacity), the array has no room or the entry cannot be written.
    std::int32_t laggtill(std::uint32_t v);
    // Sets the capacity (n < 0 counts as 0); in modes Memory and Loaded the array becomes n zeroed
    // entries and the old ones are lost.
    void dimensionera(std::int32_t n);
    // Frees the array; count and capacity stay.
    void tom() { entries_ = {}; }

    std::int32_t count() const { return count_; }
    std::int32_t capacity() const { return capacity_; }
    bool isOpen() const { return open_; }
    bool changed() const { return changed_; }
    int errorCode() const { return errorCode_; }

  private:
    bool readHeader();
    bool loadEntries();
    bool writeBack();
    std::uint64_t entryOffset(std::int32_t i) const;

    Mode mode_ = Mode::Memory;
    bool open_ = false;
    bool changed_ = false;
    int errorCode_ = kNoError;
    std::int32_t count_ = 0;
    std::int32_t capacity_ = 0;
    std::vector<std::uint32_t> entries_;  // modes Memory and Loaded
    File file_;
};

}  // namespace tessla
