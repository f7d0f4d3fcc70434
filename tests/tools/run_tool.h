#pragma once

// Runs tessla-db with arguments and keeps its exit status, standard output and standard error.

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tessla::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline ToolRun runTool(const std::vector<std::string>& arguments) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("tessla-tool-run-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string command = shellQuoted(TESSLA_DB_PATH);
    for (const std::string& argument : arguments) command += " " + shellQuoted(argument);
    command += " > " + shellQuoted((dir / "out").string()) + " 2> " + shellQuoted((dir / "err").string());
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(dir / "out"), fileText(dir / "err")};
    std::filesystem::remove_all(dir);
    return run;
}

}  // namespace tessla::test
