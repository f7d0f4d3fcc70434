#include "progress_line.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "view/build_progress.h"

namespace tessla::tool {

namespace {

// A terminal line is drawn at most this often.
constexpr auto kRedraw = std::chrono::milliseconds(200);

}  // namespace

ProgressLine::ProgressLine(std::string command, bool terminal)
    : command_(std::move(command)), terminal_(terminal) {}

ProgressLine ProgressLine::forStderr(std::string command) {
    return ProgressLine(std::move(command), isatty(STDERR_FILENO) != 0);
}

void ProgressLine::update(std::string_view what, double done, std::string_view detail) {
    done = std::clamp(done, 0.0, 1.0);
    std::string text(what);
    if (!text.empty() && !detail.empty()) text += ' ';
    text += detail;
    const int percent = static_cast<int>(done * 100);
    const auto now = Clock::now();
    if (terminal_) {
        if (now - lastDrawn_ < kRedraw && done < 1.0) return;
        lastDrawn_ = now;
        const std::string left = timeLeftText(done, std::chrono::duration<double>(now - start_).count());
        std::fprintf(stderr, "\r\033[K%s: %3d %% %s%s%s", command_.c_str(), percent, text.c_str(),
                     left.empty() ? "" : ", ", left.c_str());
        // The finished line stays on the screen.
        shown_ = done < 1.0;
        if (!shown_) std::fputc('\n', stderr);
        std::fflush(stderr);
        return;
    }
    const int tenth = percent / 10;
    if (what == lastWhat_ && tenth == lastTenth_) return;
    lastWhat_ = what;
    lastTenth_ = tenth;
    std::fprintf(stderr, "%s: %d %% %s\n", command_.c_str(), percent, text.c_str());
}

void ProgressLine::note(std::string_view text) {
    clear();
    std::fprintf(stderr, "%s: %.*s\n", command_.c_str(), static_cast<int>(text.size()), text.data());
}

void ProgressLine::clear() {
    if (!shown_) return;
    std::fputs("\r\033[K", stderr);
    shown_ = false;
    lastDrawn_ = {};
}

std::string timeLeftText(double done, double elapsedSeconds) {
    const auto seconds = secondsLeft(done, elapsedSeconds);
    if (!seconds) return {};
    const long long left = *seconds;
    if (left >= 60)
        return "about " + std::to_string(left / 60) + " min " + std::to_string(left % 60) + " s left";
    return "about " + std::to_string(left) + " s left";
}

}  // namespace tessla::tool
