// Any bytes as a configuration file (tessla.ini): the INI reader parses them, and the configuration
// is read from them as a file. Reading must end; every value comes out trimmed and on one line,
// directory values are cut to their limit and the print and export limits stay in their range.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "base/configuration.h"
#include "base/ini_file.h"

namespace {

using namespace tessla;

void check(bool condition) {
    if (!condition) std::abort();
}

void checkValue(const IniFile& ini, std::string_view section, std::string_view key) {
    const std::optional<std::string> value = ini.value(section, key);
    if (!value) return;
    check(value->find('\n') == std::string::npos);
    constexpr std::string_view kBlanks = " \t\r";
    check(value->empty() || (kBlanks.find(value->front()) == std::string_view::npos &&
                             kBlanks.find(value->back()) == std::string_view::npos));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile ini;
    ini.parse(text);
    for (const char* key : {"cdbasen", "hdbasen"}) checkValue(ini, "kataloger", key);
    for (const char* key : {"utskrift", "export"}) checkValue(ini, "Limits", key);

    static const std::string dir = std::filesystem::temp_directory_path().string() + "/tessla-ini-fuzz-" +
                                   std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "tessla.ini", std::ios::binary | std::ios::trunc).write(text.data(), text.size());
    const Configuration config = readConfiguration(dir);
    check(config.programDirectory == dir);
    check(config.cdbasen.size() <= kDirectoryValueMax && config.hdbasen.size() <= kDirectoryValueMax);
    check(config.printLimit >= 0 && config.printLimit <= kLimitMax);
    check(config.exportLimit >= 0 && config.exportLimit <= kLimitMax);
    return 0;
}
