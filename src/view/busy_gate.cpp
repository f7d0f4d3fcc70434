#include "view/busy_gate.h"

#include <algorithm>

namespace tessla {

void BusyGate::whenFree(std::string_view kind, std::function<void()> action) {
    if (!busy()) {
        action();
        return;
    }
    const auto same =
        std::find_if(waiting_.begin(), waiting_.end(), [&](const Waiting& w) { return w.kind == kind; });
    if (same != waiting_.end()) {
        same->action = std::move(action);
        return;
    }
    waiting_.push_back({std::string(kind), std::move(action)});
}

void BusyGate::runWaiting() {
    while (!busy() && !waiting_.empty()) {
        const std::function<void()> action = std::move(waiting_.front().action);
        waiting_.pop_front();
        action();
    }
}

}  // namespace tessla
