#pragma once

namespace tessla {

class Program;
class Tmain_form;

// Makes the windows the main window opens (help, search list picker, person and child search,
// statistics, print), once, owned by the main window so that a window manager keeps them above
// it; they keep their state between showings.
void makeOwnedWindows(Program& program, Tmain_form& mainForm);

}  // namespace tessla
