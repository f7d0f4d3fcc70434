#pragma once

// The program-wide configuration, read once from `tessla.ini` in the program directory and
// never written back.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessla {

inline constexpr std::string_view kConfigurationFileName = "tessla.ini";

// Directory values longer than this are cut to it.
inline constexpr std::size_t kDirectoryValueMax = 200;
// Print and export limits are clamped to 0 … kLimitMax; a print limit of 0 hides printing.
inline constexpr std::int32_t kLimitMax = 10000;

struct Configuration {
    std::string programDirectory;  // ends with "/"
    // Directories of the distribution medium and of the hard disk. File paths are formed by
    // plain concatenation (directory + name + "." + extension), so a directory that is meant
    // to be one must end with "/"; empty means the current directory.
    std::string cdbasen;
    std::string hdbasen;
    std::int32_t printLimit = kLimitMax;
    std::int32_t exportLimit = kLimitMax;
};

// The directory of the running executable with a trailing "/", or "" (the current directory)
// when it cannot be determined.
std::string programDirectory();

// The configuration file the desktop program reads: the one the environment variable TESSLA_INI
// names when it is set and not empty (`tesslaIni`, null when unset), else tessla.ini in the
// program directory.
std::string configurationFilePath(const char* tesslaIni);

// Reads `tessla.ini` from `directory` (which ends with "/" or is empty); a missing or
// unreadable file gives every default.
Configuration readConfiguration(const std::string& directory);
// Reads the configuration file at `path`; its directory counts as the program directory.
Configuration readConfigurationFile(const std::string& path);

}  // namespace tessla
