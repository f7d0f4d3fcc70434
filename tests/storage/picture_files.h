#pragma once

// A skin picture base written to a fresh directory from a list of pictures, with a reader on it
// that starts closed.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "base/catalogue.h"
#include "storage/codec.h"
#include "storage/picture_base.h"
#include "storage/temp_dir.h"

namespace tessla::test {

struct PictureToWrite {
    TSPbildpost post;
    std::vector<std::uint8_t> image;
    std::optional<std::vector<std::uint8_t>> region;  // kinds 10 and 11
};

class PictureFiles {
  public:
    explicit PictureFiles(const std::vector<PictureToWrite>& pictures)
        : base_(skinPictureBase(), {dir_.path(), dir_.path()}, codec_, nullptr) {
        PictureBaseWriter writer(skinPictureBase(), {dir_.path(), dir_.path()}, codec_);
        EXPECT_TRUE(writer.create()) << writer.error();
        for (const PictureToWrite& p : pictures) {
            const std::optional<PictureRegion> region =
                p.region ? std::optional(PictureRegion{0, *p.region}) : std::nullopt;
            EXPECT_GT(writer.append(p.post, p.image, region ? &*region : nullptr), 0) << writer.error();
        }
        EXPECT_TRUE(writer.close()) << writer.error();
    }

    TSPbildbas& base() { return base_; }

  private:
    TempDir dir_;
    TCompress codec_;
    TSPbildbas base_;
};

}  // namespace tessla::test
