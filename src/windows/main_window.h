#pragma once

// The main window `Tmain_form`: the result list (the persons chosen in the person list), the
// selected person's record as formatted text, and that person's household grouped into families,
// with the buttons that open the other windows, the language switch and the exit. The database is
// opened when the window is first shown and closed when it closes.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

#include "view/main_layout.h"
#include "view/result_list.h"

class QDialog;
class QLabel;
class QTimer;

namespace tessla {

class Program;
class TSPdyntex;
class TSPknapp;
class TSPtab;
class Tspecscr;

class Tmain_form : public QWidget {
    Q_OBJECT

  public:
    // The program must outlive the window.
    explicit Tmain_form(Program& program, QWidget* parent = nullptr);
    ~Tmain_form() override;

    // The windows the buttons open, once they exist (not owned). Each enables its buttons and key.
    void setPersonSearch(QDialog* window);
    void setChildSearch(QDialog* window);
    void setPrintWindow(QDialog* window);

    // `dosoek`, `sokbarnknappTryckt`: show a search window modally over this one; when it accepts,
    // rebuild the result list, keeping the person selected before when the new result holds it.
    // Asked for while a household is being built, the window opens when the build is done.
    void dosoek();
    void sokbarnknappTryckt();
    // `doskriv`: show the print window modally over this one.
    void doskriv();

    // Rebuilds the result list from the person list's selection, selects the remembered entry (or
    // the first row) and shows its record.
    void RefreshResultList();
    // The count text, and the buttons that need persons in the list enabled or disabled.
    void UpdateCountLabel();
    // Shows record `record` and its POSTID; 0 or less, or a record beyond the person records,
    // clears the view. Nothing while the household is being rebuilt.
    void ShowRecord(std::int32_t record);
    // Refills the household grid and shows the current person's row and record.
    void RefreshHouseholdList();
    // Re-caption every window in the language and set the language flag.
    void ApplySwedishTexts();
    void ApplyEnglishTexts();
    // Places every control from the client size.
    void LayoutMainWindow();
    // Sizes the record's scroll bar to the height of the text as last laid out.
    void FitTextScrollBar();

    // The record of the selected result row (0: none), the record the view shows (-1: none yet),
    // and the number of households built so far.
    std::int32_t currentRecord() const { return currentRecord_; }
    std::int32_t shownRecord() const { return shownRecord_; }
    int householdBuilds() const { return householdBuilds_; }
    // Whether a household is being built now (it lets events through meanwhile).
    bool buildingHousehold() const { return building_; }
    // How long the selection must rest before its record and household are built: a little longer
    // than the keyboard's repeat interval, so that a held arrow key builds nothing on its way.
    int idleDelay() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Panel;
    class Frame;

    void createControls();
    TSPknapp* makeButton(const char* name, QWidget* parent);
    void setButtonPictures();
    void connectControls();
    void startUp();
    void attachPictures();

    // Layout pieces.
    void placeLargeButtons(bool english);
    void placeListButtons();
    void placeRecordFrame();
    void placeGrid(TSPtab& grid, const LayoutRect& area, const std::array<int, 3>& columns, int columnCount);

    // Result list.
    void selectResultRow(std::int32_t row);
    void showResultRow(std::int32_t row);
    void deselectPerson();
    void clearList();
    // Household list.
    void selectHouseholdRow(std::int32_t row);
    void tesslaidle();
    void buildHousehold(std::int32_t record);
    // The scroll bar of a grid for `rows` rows: hidden when they all fit.
    static void fitGridScrollBar(Tspecscr& bar, std::int32_t rows, std::int32_t visible);
    // Rows of the result list that `delta` of the wheel moves.
    void wheel(int delta);

    void applyLanguage(bool english);
    // A flag button was pressed: the texts, and the grids, the record and the household header
    // again in the new language.
    void switchLanguage(bool english);
    void setHouseholdCaption();
    void setLabelText(QLabel& label, const std::string& cp1252);
    // Places `window` over this one when it fits inside, else centres it on the screen, and shows
    // it modally; its result (1 OK, 2 Cancel).
    int showModal(QDialog& window);
    void runSearch(QDialog* window);

    Program& program_;
    std::unique_ptr<ResultList> resultList_;
    MainLayout layout_;

    // Controls, named as the program names them.
    Panel* huvudpanel_ = nullptr;
    Frame* tabellpanel_ = nullptr;
    Frame* htabellpanel_ = nullptr;
    Frame* huvpost_ = nullptr;
    TSPtab* persontab_ = nullptr;
    TSPtab* htab_ = nullptr;
    Tspecscr* personscr_ = nullptr;
    Tspecscr* hscr_ = nullptr;
    Tspecscr* textscr_ = nullptr;
    TSPdyntex* texten_ = nullptr;
    QLabel* antallabel_ = nullptr;
    QLabel* plabel_ = nullptr;
    QLabel* postnrlabel_ = nullptr;
    TSPknapp *postejknapp_ = nullptr, *kopipostknapp_ = nullptr, *postskrivknapp_ = nullptr;
    TSPknapp *kopilistaknapp_ = nullptr, *rensaknapp_ = nullptr, *rensaknapp_e_ = nullptr;
    TSPknapp* kopihushknapp_ = nullptr;
    TSPknapp *sokknapp_ = nullptr, *sokknapp_e_ = nullptr, *sokbarnknapp_ = nullptr,
             *sokbarnknapp_e_ = nullptr;
    TSPknapp *statknapp_ = nullptr, *skrivknapp_ = nullptr, *skrivknapp_e_ = nullptr;
    TSPknapp *omknapp_ = nullptr, *omknapp_e_ = nullptr, *avslutaknapp_ = nullptr, *avslutaknapp_e_ = nullptr;
    TSPknapp *fragaknapp_ = nullptr, *sveknapp_ = nullptr, *usknapp_ = nullptr;
    TSPknapp *stmknapp_ = nullptr, *arkivoknapp_ = nullptr;
    QTimer* idleTimer_ = nullptr;

    QPointer<QDialog> personSearch_, childSearch_, printWindow_;
    QPointer<QDialog> pendingSearch_;  // asked for during a household build

    // The running program's state.
    std::int32_t currentRecord_ = 0;
    std::int32_t shownRecord_ = -1;
    std::int32_t householdRecord_ = -1;
    std::int32_t rememberedEntry_ = -1;
    std::string currentRowText_;
    std::string householdRowText_;  // the row text of the person the household was built for
    bool busy_ = false;             // the household grid is being refilled
    bool building_ = false;         // a household is being built
    bool closeRequested_ = false;   // closing waits for the build
    bool layoutReady_ = false;
    WheelRows wheelRows_;
    int householdBuilds_ = 0;
};

}  // namespace tessla
