// tessla-db codec pack [--method non|rle|lzh|lh5] [--raw]
// tessla-db codec unpack [--raw --method non|rle|lzh|lh5 [--size N]]
//
// Reads stdin, writes stdout. pack writes one packed block (default method lh5); with --raw it writes the
// method's bare payload instead, without header and without the output budget, so it never falls back to
// a raw block. unpack expands one packed block; with --raw it expands a bare payload of the given method,
// for which lzh and lh5 need the plain size.

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "commands.h"
#include "storage/codec.h"
#include "storage/codec_methods.h"
#include "storage/stream.h"

namespace tessla::tool {

namespace {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    bool pack = true;
    bool raw = false;
    std::optional<TCompMethod> method;
    std::optional<std::uint32_t> size;
};

TCompMethod parseMethod(const std::string& name) {
    if (name == "non") return TCompMethod::Non;
    if (name == "rle") return TCompMethod::Rle;
    if (name == "lzh") return TCompMethod::Lzh;
    if (name == "lh5") return TCompMethod::Lh5;
    throw UsageError("unknown method \"" + name + "\" (non, rle, lzh or lh5)");
}

std::uint32_t parseSize(const std::string& text) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw UsageError("bad size \"" + text + "\"");
    return value;
}

Options parseOptions(const Arguments& arguments) {
    if (arguments.empty() || (arguments[0] != "pack" && arguments[0] != "unpack")) {
        throw UsageError(
            "usage: tessla-db codec pack [--method non|rle|lzh|lh5] [--raw] | "
            "unpack [--raw --method non|rle|lzh|lh5 [--size N]]");
    }
    Options options;
    options.pack = arguments[0] == "pack";
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (argument == "--raw") {
            options.raw = true;
        } else if (argument == "--method" && hasValue) {
            options.method = parseMethod(arguments[++i]);
        } else if (argument == "--size" && hasValue && !options.pack) {
            options.size = parseSize(arguments[++i]);
        } else {
            throw UsageError("unexpected argument \"" + argument + "\"");
        }
    }
    if (!options.pack && !options.raw && (options.method || options.size)) {
        throw UsageError("--method and --size belong to unpack --raw");
    }
    if (!options.pack && options.raw) {
        if (!options.method) throw UsageError("unpack --raw needs --method");
        bool needsSize = *options.method == TCompMethod::Lzh || *options.method == TCompMethod::Lh5;
        if (needsSize && !options.size) throw UsageError("unpack --raw --method lzh|lh5 needs --size");
    }
    return options;
}

MemoryStream readStdin() {
    MemoryStream input;
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0) throw StreamError("cannot read stdin");
        if (n == 0) break;
        input.writeAll(buffer, static_cast<std::size_t>(n));
    }
    input.seek(0);
    return input;
}

void writeStdout(std::span<const std::uint8_t> bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        throw StreamError("cannot write stdout");
    }
}

codec::Bytes run(const Options& options, MemoryStream& input) {
    TCompMethod method = options.method.value_or(TCompMethod::Lh5);
    if (options.raw && options.pack) return codec::encodePayload(method, input.bytes(), SIZE_MAX);
    TCompress compressor;
    if (options.raw) {
        if (*options.size > compressor.maxPlainSize()) {
            throw ECorruptBlock("--size is above the limit of " + std::to_string(compressor.maxPlainSize()) +
                                " bytes");
        }
        return codec::decodePayload(method, input.bytes(), *options.size);
    }
    MemoryStream output;
    if (options.pack) {
        compressor.CompressStream(output, input, method);
    } else {
        compressor.ExpandStream(output, input);
    }
    auto bytes = output.bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace

int codecCommand(const Arguments& arguments) {
    try {
        Options options = parseOptions(arguments);
        MemoryStream input = readStdin();
        writeStdout(run(options, input));
        return kExitOk;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "tessla-db codec: %s\n", error.what());
        return kExitUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessla-db codec: %s\n", error.what());
        return kExitBadInput;
    }
}

}  // namespace tessla::tool
