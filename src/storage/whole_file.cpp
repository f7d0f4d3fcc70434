#include "storage/whole_file.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessla {

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

}  // namespace

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view content) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return systemReason(errno);
    int error = 0;
    for (std::size_t done = 0; done < content.size() && error == 0;) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno != EINTR) error = errno;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    // mkstemp makes the file for its owner alone; an export is an ordinary file.
    if (error == 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::chmod(temporary.c_str(), 0666 & ~mask) != 0) error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        std::remove(temporary.c_str());
        return systemReason(error);
    }
    return std::nullopt;
}

}  // namespace tessla
