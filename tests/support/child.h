#pragma once

// The named control of a window under test. A missing control fails the test it is asked for in,
// by an exception the test runner reports, instead of handing back a reference through null that
// would end the whole test program.

#include <stdexcept>
#include <string>

#include <QObject>
#include <QString>

namespace tessla::test {

template <class T>
T& child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *found;
}

}  // namespace tessla::test
