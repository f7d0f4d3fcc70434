#pragma once

// Where the storage components send the system's few messages to the user: "4" when a row file exists
// but cannot be opened, and the decimal digits of a person number that lies beyond a selection. The
// desktop program shows each as a message box, the command-line tool writes it to stderr. Components
// hold a MessageSink* that may be null, which silences them; the sink must outlive them.

#include <string>
#include <string_view>
#include <vector>

namespace tessla {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void message(std::string_view text) = 0;
};

// Sends text to sink unless the sink is null.
inline void report(MessageSink* sink, std::string_view text) {
    if (sink != nullptr) sink->message(text);
}

// Keeps every message, in order, for tests to look at.
class RecordingMessageSink final : public MessageSink {
  public:
    void message(std::string_view text) override { messages.emplace_back(text); }

    std::vector<std::string> messages;
};

}  // namespace tessla
