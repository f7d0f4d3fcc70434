#include "view/record_browser.h"

#include <algorithm>

namespace tessla {

BrowserChanges& BrowserChanges::operator|=(const BrowserChanges& other) {
    results = results || other.results;
    household = household || other.household;
    record = record || other.record;
    return *this;
}

RecordBrowser::RecordBrowser(Database& db, HouseholdList& household, Tenperson& currentPerson)
    : db_(db), household_(household), currentPerson_(currentPerson), results_(db.tessllista()) {}

BrowserChanges RecordBrowser::refresh() {
    results_.refresh();
    selectedRow_ = -1;
    selectedRecord_ = 0;
    selectedRowText_.clear();
    if (results_.size() > 0) {
        const std::int32_t kept = rememberedEntry_ >= 0 ? results_.rowOf(rememberedEntry_) : -1;
        selectRow(std::max(0, kept));
    }
    BrowserChanges changes{.results = true};
    changes |= showRecord(selectedRecord_);
    return changes;
}

void RecordBrowser::searchStarting() {
    rememberedEntry_ = results_.size() > 0 ? results_.entryAt(selectedRow_) : -1;
}

void RecordBrowser::selectRow(std::int32_t row) {
    if (row < 0 || row >= results_.size()) return;
    PersonListWindow& window = results_.window();
    selectedRow_ = row;
    selectedRecord_ = std::max(0, window.recordNumber(listRow(row)));
    selectedRowText_ = window.rowText(listRow(row));
}

BrowserChanges RecordBrowser::deselect() {
    const std::int32_t rows = results_.size();
    if (selectedRow_ < 0 || selectedRow_ >= rows) return {};
    const std::int32_t kept = rowKeptAfterDeselect(selectedRow_, rows);
    rememberedEntry_ = kept >= 0 ? results_.entryAt(kept) : -1;
    results_.remove(results_.entryAt(selectedRow_));
    return refresh();
}

BrowserChanges RecordBrowser::clear() {
    results_.clear();
    rememberedEntry_ = -1;
    return refresh();
}

BrowserChanges RecordBrowser::rest(const std::function<void()>& between) {
    if (!restPending()) return {};
    const std::int32_t record = selectedRecord_;
    const std::string rowText = selectedRowText_;
    if (record < 1) {
        household_.clearHousehold();
    } else {
        household_.buildHousehold(db_, householdKey(loadPerson(db_.tessl(), record)), between);
        ++householdBuilds_;
    }
    householdRecord_ = record;
    householdRowText_ = rowText;
    const std::int32_t row = household_.size() > 0 ? household_.findHouseholdRow(record) : -1;
    household_.setCurrentRow(row);
    householdRow_ = gridRow(row);
    BrowserChanges changes{.household = true};
    // Without the person's row in the household the person's own record shows.
    changes |= showRecord(row > 0 ? household_.householdRecordNumber(row) : record);
    return changes;
}

BrowserChanges RecordBrowser::selectHouseholdRow(std::int32_t row) {
    const std::int32_t record = household_.householdRecordNumber(listRow(row));
    if (record < 1) return {};
    return showRecord(record);
}

std::string RecordBrowser::householdCaption(Language language) const {
    return householdRecord_ < 1 ? std::string() : tessla::householdCaption(householdRowText_, language);
}

BrowserChanges RecordBrowser::showRecord(std::int32_t record) {
    // A record beyond the person records belongs to nobody in the list: nothing shows.
    if (record < 1 || record > db_.tessl().count()) record = 0;
    if (record == shownRecord_) return {};
    shownRecord_ = record;
    currentPerson_ = record > 0 ? loadPerson(db_.tessl(), record) : Tenperson{};
    return {.record = true};
}

std::string RecordBrowser::recordText(Language language) const {
    return shownRecord_ > 0 ? buildPersonText(currentPerson_, language) : std::string();
}

std::string RecordBrowser::recordLabel() const {
    return shownRecord_ > 0 ? currentPerson_.POSTID : std::string();
}

}  // namespace tessla
