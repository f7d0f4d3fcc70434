#include "base/configuration.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/ini_file.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

std::string withTrailingSlash(std::string directory) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
}

// An XDG base directory with "/": the variable's value when it is absolute, else `fallback` in
// the home directory; empty when neither is absolute.
std::string xdgDirectory(const std::string& value, const std::string& home, std::string_view fallback) {
    if (!value.empty() && value.front() == '/') return withTrailingSlash(value);
    if (!home.empty() && home.front() == '/') return withTrailingSlash(home) + std::string(fallback) + "/";
    return {};
}

std::string directoryValue(const IniFile& ini, std::string_view key) {
    std::string value = ini.readString("kataloger", key, "");
    if (value.size() > kDirectoryValueMax) value.resize(kDirectoryValueMax);
    return value;
}

std::int32_t limitValue(const IniFile& ini, std::string_view key) {
    return std::clamp(ini.readInteger("limits", key, kLimitMax), 0, kLimitMax);
}

}  // namespace

std::string programDirectory() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return withTrailingSlash(executable.parent_path().string());
}

ConfigurationPlaces configurationPlacesFromEnvironment() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr ? std::string() : std::string(value);
    };
    ConfigurationPlaces places;
    places.tesslaIni = variable("TESSLA_INI");
    places.programDirectory = programDirectory();
    places.xdgConfigHome = variable("XDG_CONFIG_HOME");
    places.home = variable("HOME");
    return places;
}

std::string userConfigurationPath(const ConfigurationPlaces& places) {
    const std::string base = xdgDirectory(places.xdgConfigHome, places.home, ".config");
    return base.empty() ? base : base + "tessla/" + std::string(kConfigurationFileName);
}

std::string configurationFilePath(const ConfigurationPlaces& places) {
    if (!places.tesslaIni.empty()) return places.tesslaIni;
    const std::string user = userConfigurationPath(places);
    for (const std::string& candidate :
         {places.programDirectory + std::string(kConfigurationFileName), user, places.systemFile}) {
        std::error_code error;
        if (!candidate.empty() && fs::is_regular_file(candidate, error)) return candidate;
    }
    return user;
}

std::string sampleDatabaseDirectory(const char* xdgDataHome, const char* home) {
    const std::string base =
        xdgDirectory(xdgDataHome == nullptr ? "" : xdgDataHome, home == nullptr ? "" : home, ".local/share");
    return base.empty() ? base : base + "tessla/sample/";
}

std::string cdDirectoryOf(const std::string& databaseDirectory) {
    return withTrailingSlash(databaseDirectory) + "cd/";
}

std::string hdDirectoryOf(const std::string& databaseDirectory) {
    return withTrailingSlash(databaseDirectory) + "hd/";
}

bool databaseDirectoryFits(const std::string& databaseDirectory) {
    return cdDirectoryOf(databaseDirectory).size() <= kComponentDirectoryMax &&
           hdDirectoryOf(databaseDirectory).size() <= kComponentDirectoryMax;
}

std::string writeUserConfiguration(const std::string& path, const std::string& databaseDirectory) {
    const fs::path file(path);
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error) return "cannot create " + file.parent_path().string() + ": " + error.message();
    const fs::path temporary = file.parent_path() / ("." + file.filename().string() + ".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "[kataloger]\ncdbasen=" << cdDirectoryOf(databaseDirectory)
            << "\nhdbasen=" << hdDirectoryOf(databaseDirectory) << "\n";
        if (!out.flush()) {
            fs::remove(temporary, error);
            return "cannot write " + temporary.string();
        }
    }
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "cannot write " + path + ": " + error.message();
    }
    return {};
}

Configuration readConfiguration(const std::string& directory) {
    return readConfigurationFile(directory + std::string(kConfigurationFileName));
}

Configuration readConfigurationFile(const std::string& path) {
    IniFile ini;
    ini.load(path);
    Configuration config;
    const auto slash = path.rfind('/');
    config.programDirectory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    config.cdbasen = directoryValue(ini, "cdbasen");
    config.hdbasen = directoryValue(ini, "hdbasen");
    config.printLimit = limitValue(ini, "utskrift");
    config.exportLimit = limitValue(ini, "export");
    return config;
}

}  // namespace tessla
