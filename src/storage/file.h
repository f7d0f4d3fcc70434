#pragma once

// The storage engine's one door to the file system: an open file read and written at explicit offsets
// through the POSIX calls. No operation throws; each reports failure through its result, which the
// caller must look at. A default-constructed, moved-from or closed File fails every operation.
//
// A file opened read-only is also mapped into memory as it is when opened, and reads within the
// mapping are copied from it: a search reads dozens of small rows and person lists, and a system
// call for each would cost more than the search itself. Reads beyond the mapping (a file that has
// grown since) go to the system as before. A mapped file must not be cut shorter by another program
// while it is open (reading the part cut off would stop this one); the database's files are not
// written while the program reads them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace tessla {

class File {
  public:
    enum class Access { ReadOnly, ReadWrite };

    File() = default;
    ~File() { close(); }
    File(File&& other) noexcept { takeFrom(other); }
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens an existing file, others may read it too; nothing when it is missing or refuses the access.
    [[nodiscard]] static std::optional<File> open(const std::string& path, Access access);
    // Creates the file for reading and writing, emptying an old one; nothing when that fails.
    [[nodiscard]] static std::optional<File> create(const std::string& path);
    // Takes over an open descriptor (a memory file, for instance); a negative one gives a closed File.
    [[nodiscard]] static File adopt(int fd);
    // True when something exists at path, whether or not it can be opened.
    [[nodiscard]] static bool exists(const std::string& path);

    bool isOpen() const { return fd_ >= 0; }

    // Reads up to count bytes at offset. The count read is smaller than count only where the file
    // ends; nothing on a read error.
    [[nodiscard]] std::optional<std::size_t> readAt(std::uint64_t offset, void* buffer,
                                                    std::size_t count) const;
    // The count bytes at offset where the file is mapped and holds them all, to be read in place
    // until the file is closed; nothing otherwise (then read them with readAt).
    [[nodiscard]] std::optional<std::span<const std::uint8_t>> view(std::uint64_t offset,
                                                                    std::size_t count) const;
    // True when all count bytes at offset were read.
    [[nodiscard]] bool readExactAt(std::uint64_t offset, void* buffer, std::size_t count) const;
    // Writes all count bytes at offset, growing the file as needed; false unless all were written.
    [[nodiscard]] bool writeAt(std::uint64_t offset, const void* buffer, std::size_t count);
    [[nodiscard]] std::optional<std::uint64_t> size() const;
    // Cuts or grows the file (new bytes are zero).
    [[nodiscard]] bool truncate(std::uint64_t size);
    // Writes are handed to the system as they are made and nothing is held back here, so this only
    // reports whether the file is open; it marks the points where callers want their data out.
    [[nodiscard]] bool flush() const { return isOpen(); }
    // Closes the file; false when it was not open or the system reported an error on closing.
    bool close();

  private:
    explicit File(int fd) : fd_(fd) {}
    void takeFrom(File& other);
    // Maps the file read-only; a file that cannot be mapped (an empty one, say) is read by calls.
    void map();

    int fd_ = -1;
    const char* mapped_ = nullptr;
    std::size_t mappedSize_ = 0;
};

// Where a storage component's file lies and whether it is opened read-only. The path is the
// directory (filkat) and the name (filnamn) plainly concatenated; neither is cut to any length.
class FileLocation {
  public:
    void setFilkat(std::string filkat) { filkat_ = std::move(filkat); }
    void setFilnamn(std::string filnamn) { filnamn_ = std::move(filnamn); }
    std::string path() const { return filkat_ + filnamn_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool readOnly() const { return readOnly_; }

  private:
    std::string filkat_;
    std::string filnamn_;
    bool readOnly_ = false;
};

// How a storage component came to its file under the opening rule the file classes share: unless ny
// (a new file is wanted), an existing file is opened, read-only or for reading and writing; otherwise,
// or when the file is missing, it is created empty for reading and writing, whatever the read-only
// flag says.
enum class Opening { Opened, Created, OpenFailed, CreateFailed };
[[nodiscard]] Opening openOrCreate(const std::string& path, bool ny, bool readOnly, File& file);

}  // namespace tessla
