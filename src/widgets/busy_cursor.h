#pragma once

// The wait cursor over the whole program while work runs in the user-interface thread, restored
// however the work ends.

#include <QApplication>

namespace tessla {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tessla
