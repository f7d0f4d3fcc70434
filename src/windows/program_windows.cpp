#include "windows/program_windows.h"

#include "windows/help_window.h"
#include "windows/list_picker_window.h"
#include "windows/main_window.h"
#include "windows/print_window.h"
#include "windows/search_window.h"
#include "windows/statistics_window.h"

namespace tessla {

void makeOwnedWindows(Program& program, Tmain_form& mainForm) {
    auto* help = new Ttextform(program, &mainForm);
    auto* picker = new Tsoktabform(program, *help, &mainForm);
    mainForm.setHelp(*help);
    mainForm.setPersonSearch(*new Tsok_form(program, *picker, *help, &mainForm));
    mainForm.setChildSearch(*new Tsokbarn_form(program, *picker, *help, &mainForm));
    mainForm.setStatistics(*new Tstatform(program, *help, &mainForm));
    mainForm.setPrint(*new Tskriv_form(program, *help, &mainForm));
}

}  // namespace tessla
