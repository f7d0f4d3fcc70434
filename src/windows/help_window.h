#pragma once

// The text window `Ttextform`: one help or about text of the help text base, its title above its
// coded body, and the links between texts followed in the same window. The about texts carry the
// program version and the database date in their title.

#include <string>
#include <string_view>

#include <QDialog>

#include "census/person.h"

namespace tessla {

class BackgroundPanel;
class ElidedLabel;
class Program;
class SunkenFrame;
class TSPdyntex;
class TSPknapp;
class Tspecscr;

class Ttextform : public QDialog {
    Q_OBJECT

  public:
    explicit Ttextform(Program& program, QWidget* parent = nullptr);
    ~Ttextform() override;

    // Sets the program's help topic key to `key` and shows the topic modally over `owner`: centred
    // over it when it fits inside, else on the screen. In English the key gets an "e". Returns 1
    // when the user followed a link that is not a help link, else 2.
    int showTopic(std::string_view key, QWidget& owner);

  private:
    // Shows the topic of the program's help topic key, exactly as it stands, from its top.
    void showCurrentTopic();
    void followLink();
    void applyTexts(Language language);

    Program& program_;
    BackgroundPanel* panel_;
    ElidedLabel* rubriklabel_;
    SunkenFrame* frame_;
    TSPdyntex* texten_;
    Tspecscr* vistextscr_;
    TSPknapp* slutknapp_;
};

}  // namespace tessla
