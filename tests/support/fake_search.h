#pragma once

// A search window for the tests of the windows that open one: it shows nothing, changes the
// result as the test says and ends as a search, an empty search or Escape ends.

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "storage/word_list.h"
#include "test_text.h"
#include "windows/search_window.h"

namespace tessla::test {

class FakeSearch : public SearchWindow {
  public:
    // How the showing ends: a search (OK), a search with every field empty (Cancel, having
    // emptied the result) or Escape (Cancel, nothing changed).
    enum class Ending { searched, emptySearch, escaped };

    // Run at each showing, before it ends; changes the result (the person list's `vald`).
    std::function<void()> action;
    Ending ending = Ending::searched;
    // How often `rensa` was asked for.
    int cleared = 0;

    int exec() override {
        changedResult_ = ending != Ending::escaped;
        if (action) action();
        return ending == Ending::searched ? QDialog::Accepted : QDialog::Rejected;
    }
    void rensa() override { ++cleared; }
    bool focusAsked() const { return focusAsked_; }
};

// Makes the result of `master` (the person list) every person whose display name begins with one
// of `names` (UTF-8), or every person when none are given, as a search would leave it.
inline void choosePersons(TSPstruktlista& master, const std::vector<std::string>& names) {
    Tspsmalurval& chosen = master.vald();
    chosen.tomma();
    if (names.empty()) chosen.fyllalla();
    for (const std::string& name : names) {
        const std::string key = w(name);
        for (std::int32_t row = master.sokprefix(key); row > 0 && row <= master.rowCount(); ++row) {
            master.lasrad(row);
            if (master.text().rfind(key, 0) != 0) break;
            chosen.satt(row, true);
        }
    }
    master.byggvy();
}

}  // namespace tessla::test
