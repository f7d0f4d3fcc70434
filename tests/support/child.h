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
T& child(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) throw std::logic_error("no control " + name.toStdString());
    return *found;
}

template <class T>
T& child(const QObject& window, const char* name) {
    return child<T>(window, QString::fromUtf8(name));
}

}  // namespace tessla::test
