#pragma once

// The statistics window `Tstatform` (Swedish only): for one property of the persons of the
// result, every value with its number of persons, sorted by value or by count, and a summary line.

#include <QDialog>

namespace tessla {

class Program;
class Ttextform;

class Tstatform : public QDialog {
    Q_OBJECT

  public:
    // The program and the help window must outlive the window.
    Tstatform(Program& program, Ttextform& help, QWidget* parent = nullptr);
    ~Tstatform() override;

    // The result changed: the rows are counted again when the window next shows.
    void markOutOfDate();
};

}  // namespace tessla
