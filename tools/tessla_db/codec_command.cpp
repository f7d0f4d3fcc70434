// tessla-db codec pack [--method non|rle|lzh|lh5] [--raw]
// tessla-db codec unpack [--raw --method non|rle|lzh|lh5 [--size N]]
//
// Reads stdin, writes stdout. pack writes one packed block (default method lh5); with --raw it writes the
// method's bare payload instead, without header and without the output budget, so it never falls back to
// a raw block. unpack expands one packed block; with --raw it expands a bare payload of the given method,
// for which lzh and lh5 need the plain size.

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <stdexcept>

#include "commands.h"
#include "options.h"
#include "storage/codec.h"
#include "storage/codec_methods.h"
#include "storage/stream.h"

namespace tessla::tool {

namespace {

constexpr std::string_view kUsage =
    "codec pack [--method non|rle|lzh|lh5] [--raw] | unpack [--raw --method non|rle|lzh|lh5 [--size N]]";

struct CodecOptions {
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

CodecOptions parseOptions(const Arguments& arguments) {
    if (arguments.empty() || (arguments[0] != "pack" && arguments[0] != "unpack")) {
        throw UsageError("pack or unpack?");
    }
    CodecOptions codec;
    codec.pack = arguments[0] == "pack";
    const Options options(Arguments(arguments.begin() + 1, arguments.end()),
                          codec.pack ? std::set<std::string_view>{"--method"}
                                     : std::set<std::string_view>{"--method", "--size"},
                          {"--raw"});
    codec.raw = options.flag("--raw");
    if (const auto method = options.value("--method")) codec.method = parseMethod(*method);
    if (options.has("--size"))
        codec.size = static_cast<std::uint32_t>(options.number("--size", 0, UINT32_MAX, 0));
    if (!codec.pack && !codec.raw && (codec.method || codec.size)) {
        throw UsageError("--method and --size belong to unpack --raw");
    }
    if (!codec.pack && codec.raw) {
        if (!codec.method) throw UsageError("unpack --raw needs --method");
        const bool needsSize = *codec.method == TCompMethod::Lzh || *codec.method == TCompMethod::Lh5;
        if (needsSize && !codec.size) throw UsageError("unpack --raw --method lzh|lh5 needs --size");
    }
    return codec;
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

codec::Bytes run(const CodecOptions& options, MemoryStream& input) {
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
    return runCommand("codec", kUsage, [&] {
        const CodecOptions options = parseOptions(arguments);
        MemoryStream input = readStdin();
        writeStdout(run(options, input));
        return kExitOk;
    });
}

}  // namespace tessla::tool
