// Replays fuzz inputs without libFuzzer, so that the ordinary and the sanitizer builds run every
// input a fuzzer once kept: calls the target's LLVMFuzzerTestOneInput on each file of the folders
// given, in name order, naming each file before it runs (the last name shown is the one that
// failed). The targets write their scratch files under the temporary folder; the replay gives them
// one of their own, in memory where it can, and removes it at the end. A folder that is missing or holds no
// input fails.
//   <target>_replay FOLDER...

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsIn(const fs::path& folder) {
    std::vector<fs::path> inputs;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

void replay(const fs::path& input) {
    std::fprintf(stderr, "%s\n", input.c_str());
    std::ifstream in(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// The targets that read files write them for every input: in memory (/dev/shm) when the machine
// has it, several times faster than on disk.
fs::path scratchParent() {
    return ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
}

}  // namespace

int main(int argc, char** argv) {
    std::string scratch = (scratchParent() / "tessla-replay-XXXXXX").string();
    if (::mkdtemp(scratch.data()) == nullptr || ::setenv("TMPDIR", scratch.c_str(), 1) != 0) {
        std::perror("replay: scratch folder");
        return 2;
    }
    std::size_t replayed = 0;
    int status = argc > 1 ? 0 : 2;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> inputs = inputsIn(argv[i]);
        if (inputs.empty()) {
            std::fprintf(stderr, "replay: no inputs in %s\n", argv[i]);
            status = 2;
        }
        for (const fs::path& input : inputs) replay(input);
        replayed += inputs.size();
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    std::fprintf(stderr, "replay: %zu inputs\n", replayed);
    return status;
}
