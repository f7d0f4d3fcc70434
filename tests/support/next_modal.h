#pragma once

// Answers the next modal window a test makes show: for as long as a `NextModal` lives, it looks
// for a shown modal window every time events are let through (also during work that lets them
// through before the window opens), runs `look` on the first and closes it with Escape.

#include <functional>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace tessla::test {

class NextModal {
  public:
    explicit NextModal(std::function<void(QWidget&)> look) : look_(std::move(look)) {
        QObject::connect(&probe_, &QTimer::timeout, &probe_, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) return;
            probe_.stop();
            seen_ = true;
            look_(*modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        probe_.start(0);
    }
    NextModal(const NextModal&) = delete;
    NextModal& operator=(const NextModal&) = delete;

    // Whether a modal window showed.
    bool seen() const { return seen_; }

  private:
    std::function<void(QWidget&)> look_;
    QTimer probe_;
    bool seen_ = false;
};

}  // namespace tessla::test
