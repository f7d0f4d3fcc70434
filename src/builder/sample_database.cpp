#include "builder/sample_database.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace tessla {
namespace {

namespace fs = std::filesystem;

// The part of the whole work generating takes.
constexpr double kGeneratingEnds = 0.3;
constexpr std::uint64_t kHouseholdsPerStep = 256;

// The folders made on the way to `target`, removed again (when empty) unless kept.
class MadeFolders {
  public:
    explicit MadeFolders(const fs::path& target) {
        for (fs::path folder = target; !folder.empty() && !exists(folder); folder = folder.parent_path()) {
            made_.push_back(folder);
            if (folder == folder.parent_path()) break;
        }
        std::error_code error;
        fs::create_directories(target, error);
        if (error) throw BuildError("cannot create " + target.string() + ": " + error.message());
    }
    ~MadeFolders() {
        if (kept_) return;
        std::error_code ignored;
        for (const fs::path& folder : made_) fs::remove(folder, ignored);  // only when empty
    }
    void keep() { kept_ = true; }

  private:
    static bool exists(const fs::path& path) {
        std::error_code ignored;
        return fs::exists(path, ignored);
    }
    std::vector<fs::path> made_;  // deepest first
    bool kept_ = false;
};

// A file removed when it goes out of scope.
struct TemporaryFile {
    fs::path path;
    ~TemporaryFile() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
};

void generateSample(const SampleOptions& options, const fs::path& csv) {
    std::ofstream out(csv, std::ios::binary | std::ios::trunc);
    if (!out) throw BuildError("cannot create " + csv.string());
    CensusGenerator generator(options.persons, options.seed);
    CensusGenerator::writeHeader(out);
    for (std::uint64_t households = 1; generator.writeNextHousehold(out); ++households) {
        if (households % kHouseholdsPerStep != 0) continue;
        const double part =
            static_cast<double>(generator.personsWritten()) / static_cast<double>(options.persons);
        if (options.steps)
            options.steps(BuildStep{BuildStage::Generating, "generating the census", kGeneratingEnds * part});
        if (options.stop.stop_requested()) throw BuildCancelled();
    }
    if (!out.flush()) throw BuildError("cannot write " + csv.string());
}

}  // namespace

void buildSampleDatabase(const SampleOptions& options) {
    if (options.directory.empty()) throw BuildError("no folder for the sample database");
    fs::path target = fs::absolute(options.directory).lexically_normal();
    if (!target.has_filename()) target = target.parent_path();  // the trailing "/"
    const fs::path parent = target.parent_path();
    MadeFolders folders(parent);
    const TemporaryFile csv{parent / (".sample-census-" + std::to_string(::getpid()) + ".csv")};
    generateSample(options, csv.path);

    BuildOptions build;
    build.csvPath = csv.path.string();
    build.outDir = target.string();
    build.skinDir = options.skinDir;
    build.force = true;  // the sample's own folder: an older sample there is replaced once this one is done
    build.stop = options.stop;
    if (options.steps) {
        build.steps = [&options](const BuildStep& step) {
            options.steps(
                BuildStep{step.stage, step.what, kGeneratingEnds + (1 - kGeneratingEnds) * step.done});
        };
    }
    buildDatabase(build, nullptr, nullptr);
    folders.keep();
}

std::string skinDirectoryFor(const std::string& programDirectory) {
    for (const char* relative : {"../share/tessla/skin/", "../skin/"}) {
        const fs::path folder = fs::path(programDirectory + relative).lexically_normal();
        std::error_code error;
        if (fs::is_regular_file(folder / "manifest.txt", error)) return folder.string();
    }
    return {};
}

}  // namespace tessla
