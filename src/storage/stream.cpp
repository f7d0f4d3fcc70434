#include "storage/stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace tessla {

void Stream::copyFrom(Stream& source, std::uint64_t count) {
    if (MemoryStream* memory = source.asMemory()) {
        std::span<const std::uint8_t> rest = memory->rest();
        if (rest.size() < count) throw StreamError("copy: source stream ends early");
        writeAll(rest.data(), count);
        memory->seek(memory->position() + count);
        return;
    }
    std::vector<std::uint8_t> chunk(std::min<std::uint64_t>(count, 1 << 16));
    while (count > 0) {
        std::size_t want = std::min<std::uint64_t>(count, chunk.size());
        if (source.read(chunk.data(), want) != want) throw StreamError("copy: source stream ends early");
        writeAll(chunk.data(), want);
        count -= want;
    }
}

MemoryStream::MemoryStream(std::span<const std::uint8_t> bytes) {
    writeAll(bytes.data(), bytes.size());
    position_ = 0;
}

std::size_t MemoryStream::read(void* buffer, std::size_t count) {
    if (position_ >= size_) return 0;
    std::size_t n = std::min<std::uint64_t>(count, size_ - position_);
    std::memcpy(buffer, data_.get() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::writeAll(const void* buffer, std::size_t count) {
    if (count == 0) return;
    std::uint64_t end = position_ + count;
    if (end > size_) setSize(end);
    std::memcpy(data_.get() + position_, buffer, count);
    position_ = end;
}

void MemoryStream::setSize(std::uint64_t size) {
    reserve(size);
    if (size > size_) std::memset(data_.get() + size_, 0, size - size_);
    size_ = size;
}

std::span<const std::uint8_t> MemoryStream::rest() const {
    if (position_ >= size_) return {};
    return {data_.get() + position_, size_ - position_};
}

std::uint8_t* MemoryStream::reserveTail(std::size_t count) {
    reserve(std::uint64_t{size_} + count);
    return data_.get() + size_;
}

void MemoryStream::commitTail(std::size_t count) {
    if (count > capacity_ - size_) throw StreamError("memory stream: commit beyond the reserved room");
    size_ += count;
    position_ = size_;
}

void MemoryStream::reserve(std::uint64_t capacity) {
    if (capacity <= capacity_) return;
    if (capacity > SIZE_MAX / 2) throw StreamError("memory stream: size out of range");
    std::size_t grown = std::max<std::size_t>(capacity, capacity_ + capacity_ / 2);
    auto data = std::make_unique_for_overwrite<std::uint8_t[]>(grown);
    if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = grown;
}

FileStream::FileStream(const std::string& path, Mode mode) : path_(path) {
    std::optional<File> file =
        mode == Mode::Create
            ? File::create(path)
            : File::open(path, mode == Mode::Read ? File::Access::ReadOnly : File::Access::ReadWrite);
    if (!file) fail("cannot open");
    file_ = std::move(*file);
}

std::uint64_t FileStream::size() const {
    const auto size = file_.size();
    if (!size) fail("cannot get the size of");
    return *size;
}

std::size_t FileStream::read(void* buffer, std::size_t count) {
    const auto done = file_.readAt(position_, buffer, count);
    if (!done) fail("cannot read");
    position_ += *done;
    return *done;
}

void FileStream::writeAll(const void* buffer, std::size_t count) {
    if (!file_.writeAt(position_, buffer, count)) fail("cannot write");
    position_ += count;
}

void FileStream::setSize(std::uint64_t size) {
    if (!file_.truncate(size)) fail("cannot resize");
}

void FileStream::fail(const char* what) const {
    throw StreamError(std::string(what) + " " + path_ + ": " + std::strerror(errno));
}

}  // namespace tessla
