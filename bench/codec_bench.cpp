// The block codec against independent LHA implementations, on the same census-like text (64 MiB):
// our "LH5" expansion in-process against liblhasa's -lh5- decoder on the same payload, and our packing
// against jlha (run as a process on the same file). Prints speeds, compressed sizes and ratios, then a
// summary. bench/codec_compare builds and runs it.

#include <benchmark/benchmark.h>
#include <lhasa.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage/census_like_text.h"
#include "storage/codec.h"
#include "storage/codec_methods.h"
#include "storage/little_endian.h"
#include "storage/stream.h"

namespace {

using tessla::codec::Bytes;
namespace fs = std::filesystem;

constexpr std::size_t kPlainSize = 64u << 20;

const Bytes& plain() {
    static const Bytes bytes = tessla::testing::censusLikeText(kPlainSize);
    return bytes;
}

// Our packed block of the whole text: a 21-byte header and one -lh5- payload.
const Bytes& ourBlock() {
    static const Bytes block = [] {
        tessla::TCompress compressor;
        tessla::MemoryStream source(plain()), dest;
        compressor.CompressStream(dest, source, tessla::TCompMethod::Lh5);
        return Bytes(dest.bytes().begin(), dest.bytes().end());
    }();
    return block;
}

std::span<const std::uint8_t> ourPayload() {
    return std::span(ourBlock()).subspan(21);
}

struct Summary {
    double oursExpandMBs = 0, lhasaExpandMBs = 0, oursPackMBs = 0, jlhaPackMBs = 0;
    std::size_t oursPacked = 0, jlhaPacked = 0;
} summary;

double megabytesPerSecond(std::size_t bytes, double seconds) {
    return bytes / 1e6 / seconds;
}

void BM_ExpandLh5_Tessla(benchmark::State& state) {
    tessla::TCompress compressor;
    compressor.setMaxPlainSize(kPlainSize);
    double seconds = 0;
    for (auto _ : state) {
        tessla::MemoryStream source(ourBlock()), dest;
        auto start = std::chrono::steady_clock::now();
        compressor.ExpandStream(dest, source);
        double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        if (dest.size() != kPlainSize || std::memcmp(dest.bytes().data(), plain().data(), kPlainSize) != 0) {
            state.SkipWithError("expansion differs from the plain text");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPlainSize));
    summary.oursExpandMBs = megabytesPerSecond(state.iterations() * kPlainSize, seconds);
}

struct MemorySource {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

std::size_t readMemory(void* buffer, std::size_t length, void* data) {
    auto* source = static_cast<MemorySource*>(data);
    std::size_t n = std::min(length, source->bytes.size() - source->position);
    std::memcpy(buffer, source->bytes.data() + source->position, n);
    source->position += n;
    return n;
}

void BM_ExpandLh5_Liblhasa(benchmark::State& state) {
    Bytes out(kPlainSize);
    double seconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        MemorySource source{ourPayload()};
        char type[] = "-lh5-";
        LHADecoder* decoder = lha_decoder_new(lha_decoder_for_name(type), readMemory, &source, kPlainSize);
        std::size_t done = 0;
        while (done < kPlainSize) {
            std::size_t n = lha_decoder_read(decoder, out.data() + done, kPlainSize - done);
            if (n == 0) break;
            done += n;
        }
        lha_decoder_free(decoder);
        double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        if (done != kPlainSize || out != plain()) state.SkipWithError("liblhasa's expansion differs");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPlainSize));
    summary.lhasaExpandMBs = megabytesPerSecond(state.iterations() * kPlainSize, seconds);
}

void BM_PackLh5_Tessla(benchmark::State& state) {
    std::size_t packed = 0;
    double seconds = 0;
    for (auto _ : state) {
        tessla::TCompress compressor;
        tessla::MemoryStream source(plain()), dest;
        auto start = std::chrono::steady_clock::now();
        compressor.CompressStream(dest, source, tessla::TCompMethod::Lh5);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        packed = dest.size() - 21;
    }
    summary.oursPackMBs = megabytesPerSecond(state.iterations() * kPlainSize, seconds);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPlainSize));
    state.counters["payload_bytes"] = static_cast<double>(packed);
    state.counters["ratio_%"] = 100.0 * packed / kPlainSize;
    summary.oursPacked = packed;
}

// jlha packs the same text from a file; the payload is the archive less its header (read from the
// archive's level-2 header) and the end mark.
void BM_PackLh5_Jlha(benchmark::State& state) {
    fs::path directory = fs::temp_directory_path() / ("tessla_codec_bench_" + std::to_string(::getpid()));
    fs::create_directories(directory);
    std::ofstream(directory / "census.txt", std::ios::binary)
        .write(reinterpret_cast<const char*>(plain().data()), kPlainSize);
    std::size_t packed = 0;
    for (auto _ : state) {
        fs::remove(directory / "census.lzh");
        std::string command =
            "cd '" + directory.string() + "' && jlha c census.lzh census.txt >/dev/null 2>&1";
        auto start = std::chrono::steady_clock::now();
        int status = std::system(command.c_str());
        double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        summary.jlhaPackMBs = megabytesPerSecond(kPlainSize, elapsed);
        std::ifstream in(directory / "census.lzh", std::ios::binary);
        Bytes archive{std::istreambuf_iterator<char>(in), {}};
        if (status != 0 || archive.size() < 26 || std::memcmp(archive.data() + 2, "-lh5-", 5) != 0) {
            state.SkipWithError("jlha did not make an -lh5- archive");
            break;
        }
        packed = tessla::getFixed32(archive.data() + 7);
    }
    fs::remove_all(directory);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPlainSize));
    state.counters["payload_bytes"] = static_cast<double>(packed);
    state.counters["ratio_%"] = 100.0 * packed / kPlainSize;
    summary.jlhaPacked = packed;
}

BENCHMARK(BM_ExpandLh5_Tessla)->Unit(benchmark::kMillisecond)->MinTime(2)->UseManualTime();
BENCHMARK(BM_ExpandLh5_Liblhasa)->Unit(benchmark::kMillisecond)->MinTime(2)->UseManualTime();
BENCHMARK(BM_PackLh5_Tessla)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PackLh5_Jlha)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ourBlock();  // packed before any timing
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\n%.0f MiB of census-like text, one -lh5- stream\n", kPlainSize / 1048576.0);
    if (summary.oursExpandMBs > 0 && summary.lhasaExpandMBs > 0) {
        std::printf("expansion: Tessla %.0f MB/s, liblhasa %.0f MB/s: %.2f times as fast\n",
                    summary.oursExpandMBs, summary.lhasaExpandMBs,
                    summary.oursExpandMBs / summary.lhasaExpandMBs);
    }
    if (summary.oursPackMBs > 0 && summary.jlhaPackMBs > 0) {
        std::printf("packing: Tessla %.1f MB/s, jlha %.1f MB/s (a process, on a file)\n", summary.oursPackMBs,
                    summary.jlhaPackMBs);
    }
    if (summary.oursPacked > 0 && summary.jlhaPacked > 0) {
        std::printf("payload: Tessla %zu bytes (%.2f%%), jlha %zu bytes (%.2f%%): Tessla/jlha = %.4f\n",
                    summary.oursPacked, 100.0 * summary.oursPacked / kPlainSize, summary.jlhaPacked,
                    100.0 * summary.jlhaPacked / kPlainSize,
                    static_cast<double>(summary.oursPacked) / summary.jlhaPacked);
    }
    return 0;
}
