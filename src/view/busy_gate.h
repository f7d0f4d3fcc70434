#pragma once

// The one gate of the desktop program for work that lets events through while it runs (a
// household being built; print jobs and searches next). While the gate is held, whatever would
// open a window, start a second piece of such work, show a message or end the program asks the
// gate and waits: it runs when the work is done, in the order it was asked for.

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace tessla {

class BusyGate {
  public:
    // Holds the gate for as long as it lives. Holds nest: the gate opens when the last one ends.
    class Hold {
      public:
        explicit Hold(BusyGate& gate) : gate_(gate) { ++gate_.holds_; }
        ~Hold() { --gate_.holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        BusyGate& gate_;
    };

    bool busy() const { return holds_ > 0; }

    // Runs `action` now when the gate is free; else keeps it for `runWaiting`. A waiting action
    // of the same `kind` is replaced, so that a key pressed twice during the work opens its
    // window once.
    void whenFree(std::string_view kind, std::function<void()> action);
    // Runs the waiting actions in the order they were asked for, as long as the gate stays free
    // (an action that holds the gate again leaves the rest waiting). The owner calls it once the
    // work is done and its results are shown.
    void runWaiting();
    // The number of actions waiting.
    std::size_t waiting() const { return waiting_.size(); }

  private:
    struct Waiting {
        std::string kind;
        std::function<void()> action;
    };

    int holds_ = 0;
    std::deque<Waiting> waiting_;
};

}  // namespace tessla
