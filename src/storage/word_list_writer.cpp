#include "storage/word_list_writer.h"

#include <cstring>

#include "storage/little_endian.h"
#include "storage/word_list_format.h"

namespace tessla {

namespace fmt = word_list_format;

WordListWriter::WordListWriter(TCompress& codec, PersonListDecodeBuffer& decodeBuffer)
    : rows_(codec, nullptr, "writer"), persons_(decodeBuffer) {}

bool WordListWriter::create(const WordListProperties& p) {
    close();
    ok_ = true;
    finnsBLOB_ = p.finnsBLOB;
    tree_ = !p.styrfilkat.empty();
    rows_.setFilkat(p.filkat);
    rows_.setFilnamn(p.filnamn + "." + p.filext);
    rows_.setNewShape(p.radmaxlen + static_cast<std::int32_t>(fmt::kRowOverhead), p.maxrader);
    rows_.setPacked(nullptr, 0);
    if (p.LZH) {
        directory_.setMode(Tsppeklista::Mode::PerEntry);
        directory_.setFilkat(p.LZHfilkat);
        directory_.setFilnamn(p.LZHfilnamn + "." + p.LZHfilext);
        directory_.dimensionera(INT32_MAX);
        ok_ = directory_.oppna(true);
        rows_.setPacked(&directory_, p.LZHraderperblock);
    }
    if (finnsBLOB_) {
        persons_.setFilkat(p.rllfilkat);
        persons_.setFilnamn(p.filnamn + "." + std::string(kPersonListExt));
        ok_ = persons_.oppna(true) && ok_;
    }
    if (tree_) {
        parents_.setMode(Tsppeklista::Mode::PerEntry);
        parents_.setFilkat(p.styrfilkat);
        parents_.setFilnamn(p.filnamn + "." + std::string(kParentTableExt));
        parents_.dimensionera(p.maxrader);
        ok_ = parents_.oppna(true) && ok_;
    }
    ok_ = rows_.oppna(true) && ok_;
    open_ = true;
    return ok_;
}

std::optional<std::vector<std::uint8_t>> WordListWriter::layoutRow(
    std::size_t rowLength, std::string_view text, std::uint32_t word1, std::uint32_t word2,
    const std::optional<PersonListPlace>& persons) {
    const std::size_t tail = persons ? 8 : 0;
    if (text.find('\0') != std::string_view::npos || fmt::kTextOffset + text.size() + 1 + tail > rowLength) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> row(rowLength, 0);
    putFixed32(row.data() + fmt::kWord1Offset, word1);
    putFixed32(row.data() + fmt::kWord2Offset, word2);
    std::memcpy(row.data() + fmt::kTextOffset, text.data(), text.size());
    if (persons) {
        std::uint8_t* at = row.data() + fmt::kTextOffset + text.size() + 1;
        putFixed32(at, persons->position);
        putFixed32(at + 4, static_cast<std::uint32_t>(persons->count));
    }
    return row;
}

bool WordListWriter::append(std::string_view text, std::uint32_t word1, std::uint32_t word2,
                            std::span<const std::int32_t> persons, std::uint32_t parent) {
    if (!open_ || !ok_) return false;
    std::optional<PersonListPlace> place;
    if (finnsBLOB_) {
        place = persons.empty() ? std::optional<PersonListPlace>(PersonListPlace{0, 0})
                                : persons_.storeList(persons);
        if (!place) return ok_ = false;
    }
    const auto row = layoutRow(static_cast<std::size_t>(rows_.rowLength()), text, word1, word2, place);
    if (!row || !rows_.laggtillrad(*row)) return ok_ = false;
    if (tree_ && parents_.laggtill(parent) < 0) return ok_ = false;
    return true;
}

bool WordListWriter::close() {
    if (!open_) return ok_;
    ok_ = rows_.stang() && ok_;
    ok_ = directory_.stang() && ok_;
    ok_ = persons_.stang() && ok_;
    ok_ = parents_.stang() && ok_;
    open_ = false;
    return ok_;
}

}  // namespace tessla
