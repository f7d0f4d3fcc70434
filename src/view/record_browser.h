#pragma once

// What the main window shows of the result list, the selected person's household and a record,
// and the rules between them: a result row is selected; once the selection rests, the household
// of its person is built and the person's row in it chosen; the record of that row (or of a
// household member clicked) is shown. The window forwards its events here and draws what the
// browser reports as changed.
//
// Rows count from 0 here, as the grids count them. The person-list window and the household list
// count from 1, as the grids ask their providers; `listRow` and `gridRow` are the one crossing.

#include <cstdint>
#include <functional>
#include <string>

#include "census/household.h"
#include "census/person.h"
#include "database/database.h"
#include "view/result_list.h"

namespace tessla {

constexpr std::int32_t listRow(std::int32_t gridRow) {
    return gridRow < 0 ? -1 : gridRow + 1;
}
constexpr std::int32_t gridRow(std::int32_t listRow) {
    return listRow < 1 ? -1 : listRow - 1;
}

// What an event changed, for the window to draw again.
struct BrowserChanges {
    bool results = false;    // the result list's rows, its count and its selected row
    bool household = false;  // the household's rows, its caption and its chosen row
    bool record = false;     // the record shown
    BrowserChanges& operator|=(const BrowserChanges& other);
};

class RecordBrowser {
  public:
    // The database, the household list and the current person are the program's; they must
    // outlive the browser, which keeps the household list and the current person up to date.
    RecordBrowser(Database& db, HouseholdList& household, Tenperson& currentPerson);

    ResultList& results() { return results_; }
    std::int32_t resultCount() const { return results_.size(); }

    // ---- the result list
    // Rebuilds the result rows from the person list's selection and selects the remembered
    // person's row, or the first row, and shows its record at once; the household follows when
    // the selection rests. After opening the database, a search or a change of the selection.
    BrowserChanges refresh();
    // Before a search window opens: the selected person is remembered, so that a new result that
    // still holds the person keeps it selected.
    void searchStarting();
    // The search window accepted its new result.
    BrowserChanges searchAccepted() { return refresh(); }
    // The user selected result row `row`; out of the list it is ignored. Nothing shows until the
    // selection rests.
    void selectRow(std::int32_t row);
    std::int32_t selectedRow() const { return selectedRow_; }
    // Takes the selected person out of the result list; the next row stays selected, or at the
    // end the previous one.
    BrowserChanges deselect();
    // Empties the result list.
    BrowserChanges clear();

    // ---- resting
    // Whether the household is not the selected person's (the selection changed since it was
    // built, or it was never built).
    bool restPending() const { return selectedRecord_ != householdRecord_; }
    // The selection rested: builds the selected person's household (empties it without a
    // selection), chooses the person's row in it and shows its record. `between` runs between
    // two members read, so that the window stays responsive; the selection may change meanwhile,
    // and is taken up at the next rest.
    BrowserChanges rest(const std::function<void()>& between = {});

    // ---- the household
    // The chosen row of the household, -1 when the person has none there.
    std::int32_t householdRow() const { return householdRow_; }
    // The user chose household row `row`: its member's record shows; a separator or a row
    // outside the list changes nothing.
    BrowserChanges selectHouseholdRow(std::int32_t row);
    // The caption above the household: empty while no household is built.
    std::string householdCaption(Language language) const;

    // ---- the record
    // Shows record `record` and makes its person the current person; 0 or less, or a record
    // beyond the person records, shows nothing.
    BrowserChanges showRecord(std::int32_t record);
    // The record shown, 0 when none, -1 before the first.
    std::int32_t shownRecord() const { return shownRecord_; }
    // The record of the selected result row, 0 when none.
    std::int32_t selectedRecord() const { return selectedRecord_; }
    // The shown person's text in `language`, and its POSTID; empty when no record shows.
    std::string recordText(Language language) const;
    std::string recordLabel() const;

    // Households built so far.
    int householdBuilds() const { return householdBuilds_; }

  private:
    Database& db_;
    HouseholdList& household_;
    Tenperson& currentPerson_;
    ResultList results_;

    std::int32_t selectedRow_ = -1;
    std::int32_t selectedRecord_ = 0;
    std::string selectedRowText_;
    std::int32_t rememberedEntry_ = -1;
    std::int32_t householdRecord_ = -1;
    std::string householdRowText_;  // the row text of the person the household was built for
    std::int32_t householdRow_ = -1;
    std::int32_t shownRecord_ = -1;
    int householdBuilds_ = 0;
};

}  // namespace tessla
