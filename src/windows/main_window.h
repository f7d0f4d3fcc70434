#pragma once

// The main window `Tmain_form`: the result list (the persons chosen in the person list), the
// selected person's record as formatted text, and that person's household grouped into families,
// with the buttons that open the other windows, the language switch and the exit. It is made of
// four parts (result list, household, record, button bar) over a background panel; what it shows
// and decides is the record browser's, and the window forwards events to it and draws.

#include <memory>

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "view/main_buttons.h"
#include "view/main_layout.h"
#include "view/record_browser.h"

class QDialog;
class QTimer;

namespace tessla {

class BackgroundPanel;
class ButtonBar;
class ExportActions;
class HouseholdPanel;
class Program;
class RecordPanel;
class ResultPanel;
class SearchWindow;
class Tskriv_form;
class Tstatform;
class Ttextform;

class Tmain_form : public QWidget {
    Q_OBJECT

  public:
    // The program must outlive the window; its database may be open or not, and may be opened
    // again while the window lives.
    explicit Tmain_form(Program& program, QWidget* parent = nullptr);
    ~Tmain_form() override;

    // The windows the buttons open, once they exist (not owned; they must outlive this window or
    // be set again). Each enables its buttons.
    void setPersonSearch(SearchWindow& window);
    void setChildSearch(SearchWindow& window);
    void setStatistics(Tstatform& window);
    // The print window also prints the shown record alone (the record panel's print button).
    void setPrint(Tskriv_form& window);
    void setHelp(Ttextform& window);

    // `dosoek`, `sokbarnknappTryckt`: show a search window modally over this one; when it changed
    // the result, rebuild the result list, keeping the person selected before when the new result
    // holds it.
    void dosoek();
    void sokbarnknappTryckt();
    // `doskriv`: show the print window modally over this one.
    void doskriv();

    const RecordBrowser& browser() const { return browser_; }
    // The export buttons' actions (saving the household and the list, copying a citation).
    ExportActions& exports() { return *exports_; }
    // How long the selection must rest before its record and household are built: a little longer
    // than the keyboard's repeat interval, so that a held arrow key builds nothing on its way.
    int idleDelay() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectControls();
    // Does what a large button or its key asks for, when its button's rule allows it; what opens a
    // window or ends the program waits for the busy gate.
    void act(MainAction action);
    void runSearch(SearchWindow* window);
    // Shows the help topic of `action` over this window.
    void showHelp(MainAction action);
    // Prints the record this window shows, without the print window.
    void printShownRecord();
    // Empties the result list and clears the person search for its next showing.
    void clearResults();
    // Draws what an event changed, and lets a changed selection rest.
    void draw(const BrowserChanges& changes);
    // The selection rested: its household is built (events go on meanwhile) and shown.
    void tesslaidle();
    // Before a window opens, a job starts or a copy is made: a selection that has not rested yet
    // gets its household built and shown at once.
    void settle();
    // Builds the selection's household, letting the events `between` through, and shows it.
    void buildHousehold(QEventLoop::ProcessEventsFlags between);
    // Places every part from the client size.
    void LayoutMainWindow();
    // Captions every part in `language`.
    void applyTexts(Language language);

    Program& program_;
    RecordBrowser browser_;
    MainLayout layout_;
    bool shownBefore_ = false;

    BackgroundPanel* huvudpanel_;
    std::unique_ptr<ResultPanel> results_;
    std::unique_ptr<HouseholdPanel> household_;
    std::unique_ptr<RecordPanel> record_;
    std::unique_ptr<ButtonBar> buttons_;
    std::unique_ptr<ExportActions> exports_;
    QTimer* idleTimer_;
    QPointer<SearchWindow> personSearch_, childSearch_;
    QPointer<Tstatform> statistics_;
    QPointer<Tskriv_form> print_;
    QPointer<Ttextform> help_;
};

}  // namespace tessla
