// tessla-db codec pack and unpack: round trips through the tool, bare payloads, and exit statuses.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "storage/census_like_text.h"
#include "storage/codec_methods.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using codec::Bytes;

class CodecCommand : public ::testing::Test {
  protected:
    CodecCommand()
        : directory_(fs::temp_directory_path() / ("tessla_codec_tool_" + std::to_string(::getpid()))) {
        fs::create_directories(directory_);
    }
    ~CodecCommand() override { fs::remove_all(directory_); }

    fs::path file(const std::string& name) const { return directory_ / name; }

    void write(const std::string& name, std::span<const std::uint8_t> bytes) const {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    Bytes read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Runs tessla-db codec with arguments, stdin from the file in, stdout to the file out; returns the exit
    // status and keeps stderr in errors().
    int codec(const std::string& arguments, const std::string& in, const std::string& out) const {
        std::string command = std::string(TESSLA_DB_PATH) + " codec " + arguments + " < '" +
                              file(in).string() + "' > '" + file(out).string() + "' 2> '" +
                              file("stderr").string() + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() const {
        Bytes bytes = read("stderr");
        return {bytes.begin(), bytes.end()};
    }

  private:
    fs::path directory_;
};

TEST_F(CodecCommand, PackedBlocksUnpackToTheInput) {
    Bytes plain = testing::censusLikeText(100000);
    write("plain", plain);
    for (std::string method : {"", "--method non", "--method rle", "--method lzh", "--method lh5"}) {
        ASSERT_EQ(codec("pack " + method, "plain", "packed"), 0) << method << errors();
        ASSERT_EQ(codec("unpack", "packed", "unpacked"), 0) << method << errors();
        EXPECT_EQ(read("unpacked"), plain) << method;
    }
    codec("pack", "plain", "packed");
    EXPECT_LT(read("packed").size(), plain.size() / 3);
}

TEST_F(CodecCommand, RawPayloadsHaveNoHeaderAndNoBudget) {
    Bytes noise = testing::randomBytes(5000, 1);
    write("plain", noise);
    for (std::string method : {"lzh", "lh5"}) {
        ASSERT_EQ(codec("pack --raw --method " + method, "plain", "payload"), 0) << errors();
        Bytes payload = read("payload");
        EXPECT_GT(payload.size(), noise.size()) << method;  // random data grows, and is not stored instead
        ASSERT_EQ(codec("unpack --raw --method " + method + " --size 5000", "payload", "unpacked"), 0)
            << errors();
        EXPECT_EQ(read("unpacked"), noise) << method;
    }
}

TEST_F(CodecCommand, ExitStatusSaysWhatWentWrong) {
    write("plain", testing::censusLikeText(2000));
    codec("pack", "plain", "packed");
    Bytes damaged = read("packed");
    damaged[9] ^= 1;  // the plain size
    write("damaged", damaged);
    struct Case {
        std::string arguments, input;
        int status;
    };
    const Case cases[] = {
        {"", "plain", 1},
        {"squash", "plain", 1},
        {"pack --method zip", "plain", 1},
        {"pack --size 10", "plain", 1},
        {"unpack --raw --method lh5", "plain", 1},
        {"unpack --raw --method lh5 --size ten", "plain", 1},
        {"unpack --method lh5", "plain", 1},
        {"unpack", "damaged", 2},
        {"unpack --raw --method lh5 --size 4000000000", "plain", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codec(c.arguments, c.input, "out"), c.status) << c.arguments;
        std::string message = errors();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << c.arguments << ": " << message;
    }
}

}  // namespace
}  // namespace tessla
