#include "view/caption_layout.h"

#include "base/string_utils.h"
#include "view/rounding.h"

namespace tessla {

namespace {

// The line being filled and the lines finished so far.
class CaptionWrapper {
  public:
    CaptionWrapper(int width, const TextMeasure& measure) : width_(width), measure_(measure) {}

    void add(char c) {
        if (c == '\r') {
            finish(line_);
            line_.clear();
            skipBlanks_ = false;
            return;
        }
        if (skipBlanks_ && c == ' ') return;
        skipBlanks_ = false;
        if (line_.empty() || fits(c)) {
            line_ += c;
            return;
        }
        // Cut after the last separator; without one, brytpunkt gives the whole line and the
        // character starts the next.
        const auto cut = static_cast<std::size_t>(brytpunkt(line_, 0));
        finish(std::string_view(line_).substr(0, cut));
        line_.erase(0, cut);
        skipBlanks_ = line_.empty();
        add(c);
    }

    std::vector<std::string> lines() && {
        if (!line_.empty()) finish(line_);
        return std::move(lines_);
    }

  private:
    bool fits(char c) const {
        std::string candidate = line_;
        candidate += c;
        return measure_(candidate) <= width_;
    }

    void finish(std::string_view line) { lines_.push_back(trimhoger(line)); }

    int width_;
    const TextMeasure& measure_;
    std::string line_;
    bool skipBlanks_ = false;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> wrapCaption(std::string_view caption, int width, const TextMeasure& measure) {
    CaptionWrapper wrapper(width, measure);
    for (const char c : caption) wrapper.add(c);
    return std::move(wrapper).lines();
}

int captionLineHeight(double fontSize) {
    return static_cast<int>(roundHalfEven(fontSize * 1.5));
}

}  // namespace tessla
