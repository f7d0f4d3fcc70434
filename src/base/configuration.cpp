#include "base/configuration.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/ini_file.h"

namespace tessla {
namespace {

std::string withTrailingSlash(std::string directory) {
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory;
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

std::string configurationFilePath(const char* tesslaIni) {
    if (tesslaIni != nullptr && *tesslaIni != '\0') return tesslaIni;
    return programDirectory() + std::string(kConfigurationFileName);
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
