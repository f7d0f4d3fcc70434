#pragma once

// The subcommands of tessla-db. Each takes the arguments after its name and returns the exit status:
// 0 success, 1 bad usage, 2 bad input; it writes a one-line message on stderr when it fails.

#include <string>
#include <vector>

namespace tessla::tool {

using Arguments = std::vector<std::string>;

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitBadInput = 2;

int codecCommand(const Arguments& arguments);
int generateCommand(const Arguments& arguments);
int buildCommand(const Arguments& arguments);
int inspectCommand(const Arguments& arguments);
int personSearchCommand(const Arguments& arguments);
int childSearchCommand(const Arguments& arguments);
int statsCommand(const Arguments& arguments);
int showCommand(const Arguments& arguments);
int householdCommand(const Arguments& arguments);

}  // namespace tessla::tool
