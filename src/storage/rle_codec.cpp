// Method "RLE": a run of 3 to 255 equal bytes is its first byte, the marker 0x94 and the run length; a run
// of 2 is the byte twice; the marker itself is sent as 0x94 0x00 and is never run-coded.

#include "storage/codec.h"
#include "storage/codec_methods.h"

namespace tessla::codec {

namespace {

constexpr std::uint8_t kMarker = 0x94;
constexpr unsigned kMaxRun = 255;

class RleWriter {
  public:
    explicit RleWriter(std::size_t budget) : budget_(budget) {}

    void put(std::uint8_t byte) {
        if (bytes_.size() >= budget_) throw EUnableToCompress();
        bytes_.push_back(byte);
    }
    void putLiteral(std::uint8_t byte) {
        put(byte);
        if (byte == kMarker) put(0);
    }
    // The run's first byte is already out.
    void endRun(std::uint8_t byte, unsigned count) {
        if (count == 2) {
            put(byte);
        } else {
            put(kMarker);
            put(static_cast<std::uint8_t>(count));
        }
    }
    Bytes take() { return std::move(bytes_); }

  private:
    std::size_t budget_;
    Bytes bytes_;
};

}  // namespace

Bytes encodeRle(std::span<const std::uint8_t> plain, std::size_t budget) {
    RleWriter writer(budget);
    unsigned run = 0;  // 0: not in a run
    for (std::size_t i = 0; i < plain.size(); ++i) {
        std::uint8_t byte = plain[i];
        bool repeats = i > 0 && byte == plain[i - 1];
        if (run > 0 && repeats && run < kMaxRun) {
            ++run;
            continue;
        }
        if (run > 0) {
            writer.endRun(plain[i - 1], run);
            run = 0;
        } else if (repeats && byte != kMarker) {
            run = 2;
            continue;
        }
        writer.putLiteral(byte);
    }
    if (run > 0) writer.endRun(plain.back(), run);
    return writer.take();
}

void decodeRle(std::span<const std::uint8_t> payload, Bytes& out) {
    std::uint8_t previous = 0;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        std::uint8_t byte = payload[i];
        if (byte != kMarker) {
            out.push_back(byte);
        } else {
            // A marker at the very end has no count byte; it reads as 0, the marker itself.
            std::uint8_t count = ++i < payload.size() ? payload[i] : 0;
            if (count == 0) {
                out.push_back(kMarker);
            } else {
                out.insert(out.end(), count - 1u, previous);
            }
        }
        previous = byte;
    }
}

}  // namespace tessla::codec
