#include "storage/file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

namespace tessla {

namespace {

bool offsetFits(std::uint64_t offset, std::size_t count) {
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    return offset <= kMax && count <= kMax - offset;
}

std::optional<File> openWith(const std::string& path, int flags) {
    File file = File::adopt(::open(path.c_str(), flags | O_CLOEXEC, 0644));
    if (!file.isOpen()) return std::nullopt;
    return file;
}

}  // namespace

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        takeFrom(other);
    }
    return *this;
}

void File::takeFrom(File& other) {
    fd_ = std::exchange(other.fd_, -1);
    mapped_ = std::exchange(other.mapped_, nullptr);
    mappedSize_ = std::exchange(other.mappedSize_, 0);
}

std::optional<File> File::open(const std::string& path, Access access) {
    std::optional<File> file = openWith(path, access == Access::ReadOnly ? O_RDONLY : O_RDWR);
    if (file && access == Access::ReadOnly) file->map();
    return file;
}

void File::map() {
    const std::optional<std::uint64_t> bytes = size();
    if (!bytes || *bytes == 0 || *bytes > std::numeric_limits<std::size_t>::max()) return;
    void* at = ::mmap(nullptr, static_cast<std::size_t>(*bytes), PROT_READ, MAP_SHARED, fd_, 0);
    if (at == MAP_FAILED) return;
    mapped_ = static_cast<const char*>(at);
    mappedSize_ = static_cast<std::size_t>(*bytes);
}

std::optional<File> File::create(const std::string& path) {
    return openWith(path, O_RDWR | O_CREAT | O_TRUNC);
}

File File::adopt(int fd) {
    return File(fd < 0 ? -1 : fd);
}

bool File::exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<std::span<const std::uint8_t>> File::view(std::uint64_t offset, std::size_t count) const {
    if (mapped_ == nullptr || offset > mappedSize_ || count > mappedSize_ - offset) return std::nullopt;
    return std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(mapped_) + offset, count);
}

std::optional<std::size_t> File::readAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (!isOpen() || !offsetFits(offset, count)) return std::nullopt;
    if (const auto bytes = view(offset, count)) {
        if (count > 0) std::memcpy(buffer, bytes->data(), count);
        return count;
    }
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool File::readExactAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    std::optional<std::size_t> n = readAt(offset, buffer, count);
    return n && *n == count;
}

bool File::writeAt(std::uint64_t offset, const void* buffer, std::size_t count) {
    if (!isOpen() || !offsetFits(offset, count)) return false;
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pwrite(fd_, in + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::uint64_t> File::size() const {
    struct stat st {};
    if (!isOpen() || ::fstat(fd_, &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

bool File::truncate(std::uint64_t size) {
    if (!isOpen() || !offsetFits(size, 0)) return false;
    return ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
}

bool File::close() {
    if (!isOpen()) return false;
    if (mapped_ != nullptr) ::munmap(const_cast<char*>(mapped_), mappedSize_);
    mapped_ = nullptr;
    mappedSize_ = 0;
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

Opening openOrCreate(const std::string& path, bool ny, bool readOnly, File& file) {
    file.close();
    if (!ny && File::exists(path)) {
        std::optional<File> opened =
            File::open(path, readOnly ? File::Access::ReadOnly : File::Access::ReadWrite);
        if (!opened) return Opening::OpenFailed;
        file = std::move(*opened);
        return Opening::Opened;
    }
    std::optional<File> created = File::create(path);
    if (!created) return Opening::CreateFailed;
    file = std::move(*created);
    return Opening::Created;
}

}  // namespace tessla
