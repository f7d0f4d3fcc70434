#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "storage/file.h"

namespace tessla {

// A stream that cannot do what was asked (a file that will not open, a failed read or write).
class StreamError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class MemoryStream;

// A byte stream with a position, as the codec and the storage components see it. Every operation that
// cannot be carried out throws StreamError; reading at or past the end is not an error and reads nothing.
class Stream {
  public:
    virtual ~Stream() = default;

    virtual std::uint64_t size() const = 0;
    virtual std::uint64_t position() const = 0;
    // Positions from the start of the stream; a position past the end is allowed and a later write there
    // fills the gap with zero bytes.
    virtual void seek(std::uint64_t position) = 0;
    // Reads up to count bytes at the position and advances past them; returns the number read, which is
    // smaller than count only at the end of the stream.
    virtual std::size_t read(void* buffer, std::size_t count) = 0;
    // Writes all count bytes at the position, growing the stream as needed, and advances past them.
    virtual void writeAll(const void* buffer, std::size_t count) = 0;
    // Cuts or grows the stream (new bytes are zero); the position is left where it was.
    virtual void setSize(std::uint64_t size) = 0;

    // The memory stream behind this stream, or null for any other kind: lets the codec work in place.
    virtual MemoryStream* asMemory() { return nullptr; }

    // Copies count bytes from source's position to this stream's position; throws StreamError when
    // source ends first.
    void copyFrom(Stream& source, std::uint64_t count);

    void writeAll(std::span<const std::uint8_t> bytes) { writeAll(bytes.data(), bytes.size()); }
};

// A stream held in one contiguous block of memory.
class MemoryStream final : public Stream {
  public:
    MemoryStream() = default;
    explicit MemoryStream(std::span<const std::uint8_t> bytes);

    std::uint64_t size() const override { return size_; }
    std::uint64_t position() const override { return position_; }
    void seek(std::uint64_t position) override { position_ = position; }
    std::size_t read(void* buffer, std::size_t count) override;
    void writeAll(const void* buffer, std::size_t count) override;
    using Stream::writeAll;
    void setSize(std::uint64_t size) override;
    MemoryStream* asMemory() override { return this; }

    // The whole content. Valid until the stream next grows.
    std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }
    // The content from the position to the end. Valid until the stream next grows.
    std::span<const std::uint8_t> rest() const;

    // Room for count bytes after the end, not yet part of the stream, for writing in place; valid until
    // the stream next grows. commitTail(n) then makes the first n of them content (n at most count) and
    // moves the position to the new end.
    std::uint8_t* reserveTail(std::size_t count);
    void commitTail(std::size_t count);

  private:
    void reserve(std::uint64_t capacity);

    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::uint64_t position_ = 0;
};

// A file as a stream.
class FileStream final : public Stream {
  public:
    enum class Mode { Read, ReadWrite, Create };  // Create makes the file empty, creating it if missing.

    FileStream(const std::string& path, Mode mode);

    std::uint64_t size() const override;
    std::uint64_t position() const override { return position_; }
    void seek(std::uint64_t position) override { position_ = position; }
    std::size_t read(void* buffer, std::size_t count) override;
    void writeAll(const void* buffer, std::size_t count) override;
    using Stream::writeAll;
    void setSize(std::uint64_t size) override;

  private:
    [[noreturn]] void fail(const char* what) const;

    std::string path_;
    File file_;
    std::uint64_t position_ = 0;
};

}  // namespace tessla
