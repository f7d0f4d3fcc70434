#pragma once

// The program-wide configuration, read once from the first `tessla.ini` found (see
// `configurationFilePath`). The program writes only the user's own file, and that only when the
// user chooses a database on the first run.

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

// Where the desktop program looks for its configuration file.
struct ConfigurationPlaces {
    std::string tesslaIni;         // TESSLA_INI; empty when unset
    std::string programDirectory;  // ends with "/", or empty for the current directory
    std::string xdgConfigHome;     // XDG_CONFIG_HOME; empty when unset
    std::string home;              // HOME; empty when unset
    std::string systemFile = "/etc/tessla/tessla.ini";
};

// The places as the environment gives them.
ConfigurationPlaces configurationPlacesFromEnvironment();

// The user's own configuration file: $XDG_CONFIG_HOME/tessla/tessla.ini, with
// $HOME/.config standing in when XDG_CONFIG_HOME is unset or not absolute; empty when neither
// gives an absolute directory.
std::string userConfigurationPath(const ConfigurationPlaces& places);

// The configuration file the desktop program reads: the file TESSLA_INI names when it is set
// (whether or not it exists); else the first that exists of tessla.ini beside the executable,
// the user's own file and the system file; when none exists, the user's own file (where the
// first run writes its choice).
std::string configurationFilePath(const ConfigurationPlaces& places);

// The directory the first run builds the sample database in: $XDG_DATA_HOME/tessla/sample/, with
// $HOME/.local/share standing in for XDG_DATA_HOME; empty when neither gives an absolute
// directory. `xdgDataHome` and `home` are the variables' values, null when unset.
std::string sampleDatabaseDirectory(const char* xdgDataHome, const char* home);

// The most characters the directory of a database component may have.
inline constexpr std::size_t kComponentDirectoryMax = 128;

// The two directories of the database in `databaseDirectory` as the configuration names them:
// "<directory>/cd/" and "<directory>/hd/".
std::string cdDirectoryOf(const std::string& databaseDirectory);
std::string hdDirectoryOf(const std::string& databaseDirectory);
// Whether both fit in kComponentDirectoryMax characters (a longer one would be cut, and the
// components would then look in another directory).
bool databaseDirectoryFits(const std::string& databaseDirectory);

// Writes the user's own configuration file at `path` naming the database in `databaseDirectory`,
// creating its folder; the file is replaced whole or not at all. Returns an empty string, or what
// went wrong.
std::string writeUserConfiguration(const std::string& path, const std::string& databaseDirectory);

// Reads `tessla.ini` from `directory` (which ends with "/" or is empty); a missing or
// unreadable file gives every default.
Configuration readConfiguration(const std::string& directory);
// Reads the configuration file at `path`; its directory counts as the program directory.
Configuration readConfigurationFile(const std::string& path);

}  // namespace tessla
