#include "options.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <functional>

namespace tessla::tool {

Options::Options(const Arguments& arguments, std::set<std::string_view> valued,
                 std::set<std::string_view> flags) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (has(name)) throw UsageError(name + " is given twice");
        if (flags.contains(name)) {
            flags_.insert(name);
        } else if (valued.contains(name)) {
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            values_[name] = arguments[++i];
        } else {
            throw UsageError("unknown option " + name);
        }
    }
}

std::optional<std::string> Options::value(std::string_view name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::string Options::required(std::string_view name) const {
    if (auto v = value(name)) return *v;
    throw UsageError(std::string(name) + " is required");
}

std::int64_t Options::number(std::string_view name, std::int64_t min, std::int64_t max,
                             std::int64_t fallback) const {
    const auto text = value(name);
    if (!text) return fallback;
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size() || number < min || number > max) {
        throw UsageError(std::string(name) + " needs a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + *text + "\"");
    }
    return number;
}

int runCommand(std::string_view command, std::string_view usage, const std::function<int()>& body) {
    try {
        return body();
    } catch (const UsageError& error) {
        std::fprintf(stderr, "tessla-db %.*s: %s (usage: tessla-db %.*s)\n", static_cast<int>(command.size()),
                     command.data(), error.what(), static_cast<int>(usage.size()), usage.data());
        return kExitUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessla-db %.*s: %s\n", static_cast<int>(command.size()), command.data(),
                     error.what());
        return kExitBadInput;
    }
}

}  // namespace tessla::tool
