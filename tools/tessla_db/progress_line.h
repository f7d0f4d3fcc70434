#pragma once

// The progress of a long command on stderr. On a terminal: one line rewritten in place with the
// part done, what is being done and the time left. Otherwise: a plain line whenever the step
// changes or another tenth of the work is done.

#include <chrono>
#include <string>
#include <string_view>

namespace tessla::tool {

class ProgressLine {
  public:
    // `command` starts every line ("build: ..."); `terminal` says how to show it.
    ProgressLine(std::string command, bool terminal);
    // The line for stderr as it is now.
    static ProgressLine forStderr(std::string command);

    // `done` is the part of the whole work done, 0 … 1; `what` names the step, `detail` (counts
    // that change with every update) follows it on the line.
    void update(std::string_view what, double done, std::string_view detail = {});
    // A line of its own (a warning, the closing line), clear of the progress line.
    void note(std::string_view text);

  private:
    using Clock = std::chrono::steady_clock;
    void clear();

    std::string command_;
    bool terminal_;
    bool shown_ = false;  // a terminal line is on the screen
    std::string lastWhat_;
    int lastTenth_ = -1;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDrawn_{};
};

// "about 2 min 5 s left", "about 40 s left", or "" while too little is done to tell.
std::string timeLeftText(double done, double elapsedSeconds);

}  // namespace tessla::tool
