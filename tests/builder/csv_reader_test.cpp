#include "builder/csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace tessla {
namespace {

// `size` bytes of `byte`, made as they are read, counting how many were served.
class EndlessBytes : public std::streambuf {
  public:
    EndlessBytes(char byte, std::size_t size) : left_(size) {
        std::fill(std::begin(piece_), std::end(piece_), byte);
    }
    std::size_t served() const { return served_; }

  private:
    int_type underflow() override {
        const std::size_t n = std::min(left_, sizeof piece_);
        if (n == 0) return traits_type::eof();
        left_ -= n;
        served_ += n;
        setg(piece_, piece_, piece_ + n);
        return traits_type::to_int_type(piece_[0]);
    }

    char piece_[4096];
    std::size_t left_;
    std::size_t served_ = 0;
};

// A line of nothing but commas, or a quote never closed, is read no further than the limit: the
// record comes back cut there with the error, and little more than the reader's buffer was read.
TEST(CsvReader, AHostileRecordIsCutAtTheLimitWithoutReadingOn) {
    for (const char byte : {',', '"'}) {
        EndlessBytes source(byte, 8 << 20);
        std::istream in(&source);
        CsvReader csv(in, 1000);
        std::vector<std::string> fields;
        ASSERT_TRUE(csv.next(fields));
        EXPECT_EQ(csv.error(), "the record is longer than 1 000 bytes") << byte;
        EXPECT_LE(fields.size(), 1001u) << byte;
        EXPECT_LT(source.served(), 1u << 20) << byte;
    }
}

}  // namespace
}  // namespace tessla
