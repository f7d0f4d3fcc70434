#include "storage/word_list.h"

#include <cstring>

#include "storage/little_endian.h"
#include "storage/word_list_format.h"

namespace tessla {

namespace fmt = word_list_format;

WordListProperties wordListProperties(const WordListSettings& list, const std::string& cd,
                                      const std::string& hd) {
    const auto directory = [&](Medium medium) { return medium == Medium::CD ? cd : hd; };
    WordListProperties p;
    p.filkat = directory(list.filkat);
    p.filnamn = std::string(list.filnamn);
    p.LZHfilkat = directory(kWordListLZHfilkat);
    p.LZHfilnamn = p.filnamn;
    p.radmaxlen = list.radmaxlen;
    p.maxrader = list.maxrader;
    p.LZH = list.LZH;
    p.LZHraderperblock = list.LZHraderperblock;
    p.RO = true;
    p.styrfilkat = list.hasParentTable ? directory(kWordListStyrfilkat) : std::string();
    p.rllfilkat = directory(list.rllfilkat);
    p.finnsBLOB = list.finnsBLOB;
    p.finnsurval = list.finnsurval;
    return p;
}

TSPindex::TSPindex(TCompress& codec, MessageSink* sink, std::string name)
    : codec_(codec), sink_(sink), name_(std::move(name)), rows_(codec, sink, name_) {}

bool TSPindex::oppna() {
    stang();
    const WordListProperties& p = properties_;
    rows_.setFilkat(p.filkat);
    rows_.setFilnamn(p.filnamn + "." + p.filext);
    rows_.setReadOnly(p.RO);
    rows_.setOrder(p.keepaccent ? CollationOrder::AccentRankOrder : CollationOrder::SwedishOrder);
    rows_.setHash(p.hash);
    rows_.setNewShape(p.radmaxlen + static_cast<std::int32_t>(fmt::kRowOverhead), p.maxrader);
    rows_.setPacked(nullptr, 0);
    if (p.LZH && p.LZHraderperblock > 0) {
        directory_.setMode(Tsppeklista::Mode::PerEntry);
        directory_.setFilkat(p.LZHfilkat);
        directory_.setFilnamn(p.LZHfilnamn + "." + p.LZHfilext);
        directory_.setReadOnly(p.RO);
        directory_.oppna(false);
        rows_.setPacked(&directory_, p.LZHraderperblock);
    }
    open_ = rows_.oppna(false);
    if (!open_) {
        directory_.stang();
        return false;
    }
    rowCount_ = rows_.rowCount();
    properties_.radmaxlen = rows_.rowLength() - static_cast<std::int32_t>(fmt::kRowOverhead);
    properties_.maxrader = rows_.capacity();
    return true;
}

void TSPindex::stang() {
    rows_.stang();
    directory_.stang();
    open_ = false;
    rowCount_ = 0;
    currentRow_ = -1;
}

void TSPindex::lasrad(std::int32_t n) {
    if (!open_) return;
    if (const auto row = rows_.lasrad(n)) {
        currentRow_ = n;
        takeRow(*row);
    }
}

void TSPindex::takeRow(std::span<const std::uint8_t> row) {
    ord1_ = getFixed32(row.data() + fmt::kWord1Offset);
    ord2_ = getFixed32(row.data() + fmt::kWord2Offset);
    text_ = rowText(row);
}

std::int32_t TSPindex::search(std::string_view key, bool prefix) {
    if (!open_) return 0;
    const std::int32_t found = rows_.sok(key, prefix);
    lasrad(rows_.lastRowRead());
    return found;
}

TSPstruktlista::TSPstruktlista(TCompress& codec, MessageSink* sink, PersonListDecodeBuffer& decodeBuffer,
                               std::string name)
    : TSPindex(codec, sink, std::move(name)), persons_(decodeBuffer, sink) {}

bool TSPstruktlista::oppna() {
    if (!TSPindex::oppna()) return false;
    const WordListProperties& p = properties();
    if (!p.styrfilkat.empty()) openParentTable();
    if (p.finnsBLOB) {
        persons_.setFilkat(p.rllfilkat);
        persons_.setFilnamn(p.filnamn + "." + std::string(kPersonListExt));
        persons_.setReadOnly(p.RO);
        persons_.oppna(false);
        persons_.buffert(100);
    }
    if (p.finnsurval) sizeVald();
    if (p.finnsurval || !parents_.empty()) {
        outline_.reset(rowCount(), parents_);
        outline_.setChosen(p.finnsurval ? &vald_ : nullptr);
        outline_.byggvy();
    }
    return true;
}

void TSPstruktlista::openParentTable() {
    Tsppeklista table;
    table.setMode(Tsppeklista::Mode::Loaded);
    table.setFilkat(properties().styrfilkat);
    table.setFilnamn(properties().filnamn + "." + std::string(kParentTableExt));
    table.setReadOnly(properties().RO);
    if (!table.oppna(false)) return;
    parents_.resize(static_cast<std::size_t>(table.count()));
    for (std::int32_t n = 1; n <= table.count(); ++n)
        parents_[static_cast<std::size_t>(n - 1)] = table.hamta(n);
    table.stang();
    hasParentTable_ = true;
}

// A `vald` of the same size keeps its rows across a re-open; otherwise it starts empty.
void TSPstruktlista::sizeVald() {
    if (vald_.allocated() && vald_.capacity() == rowCount()) return;
    vald_.setCapacity(rowCount());
    vald_.setUsedSize(rowCount());
    vald_.allokera();
}

void TSPstruktlista::stang() {
    TSPindex::stang();
    persons_.stang();
    parents_.clear();
    hasParentTable_ = false;
    outline_.release();
    currentVisible_ = -1;
}

void TSPstruktlista::takeRow(std::span<const std::uint8_t> row) {
    TSPindex::takeRow(row);
    personPosition_ = 0;
    personCount_ = 0;
    statValue_ = 0;
    // The fields after the text's 0 byte are read only where the row holds them.
    std::size_t at = fmt::kTextOffset + text().size() + 1;
    if (properties().finnsBLOB && at + 8 <= row.size()) {
        personPosition_ = getFixed32(row.data() + at);
        const std::uint32_t count = getFixed32(row.data() + at + 4);
        personCount_ = count <= INT32_MAX ? static_cast<std::int32_t>(count) : 0;
        at += 8;
    }
    if (properties().finnsstat && at + 4 <= row.size()) statValue_ = getFixed32(row.data() + at);
}

void TSPstruktlista::markera(Tspsmalurval& sel) {
    if (!isOpen() || !properties().finnsBLOB || currentRow() < 1) return;
    if (personCount_ == 0) {
        if (personPosition_ <= INT32_MAX) sel.satt(static_cast<std::int32_t>(personPosition_), true);
        return;
    }
    persons_.lasurval(personPosition_, personCount_, sel);
}

TSPstruktlista::Count TSPstruktlista::rakna(const Tspsmalurval& sel) const {
    if (!isOpen() || !properties().finnsBLOB || currentRow() < 1) return {0, 0};
    if (personCount_ == 0) {
        const bool set =
            personPosition_ <= INT32_MAX && sel.testa(static_cast<std::int32_t>(personPosition_));
        return {set ? 1 : 0, 1};
    }
    return {persons_.raknaurval(personPosition_, personCount_, sel), personCount_};
}

void TSPstruktlista::lassynlig(std::int32_t k) {
    const auto row = outline_.visibleRow(k);
    if (!row) return;
    if (*row < 1 || *row > rowCount()) {
        report(sink_, std::to_string(k) + ";" + std::to_string(*row));
        return;
    }
    lasrad(*row);
    currentVisible_ = *row;
}

std::int32_t TSPstruktlista::parentOf(std::int32_t n) const {
    if (n < 1 || n > static_cast<std::int32_t>(parents_.size())) return 0;
    return static_cast<std::int32_t>(parents_[static_cast<std::size_t>(n - 1)]);
}

}  // namespace tessla
