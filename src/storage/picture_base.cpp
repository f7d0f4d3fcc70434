#include "storage/picture_base.h"

#include <algorithm>

#include "storage/collation.h"
#include "storage/little_endian.h"
#include "storage/picture_base_format.h"
#include "storage/text_base.h"
#include "storage/text_base_format.h"
#include "storage/word_list_format.h"
#include "storage/word_list_writer.h"

namespace tessla {

using namespace picture_base_format;

namespace {

const std::string& pictureTypes() {
    static const std::string types = fieldTypes(kPictureLabels);
    return types;
}

const std::string& mapTypes() {
    static const std::string types = fieldTypes(kMapLabels);
    return types;
}

std::string textAt(const ParsedRecord& parsed, std::size_t i, std::size_t max = std::string::npos) {
    return i < parsed.texts.size() ? parsed.texts[i].substr(0, max) : std::string();
}

std::int32_t integerAt(const ParsedRecord& parsed, std::size_t i) {
    return i < parsed.integerCount ? parsed.integers[i] : 0;
}

Tsppeklista::Mode pointerMode(std::int32_t pltyp) {
    if (pltyp == 0) return Tsppeklista::Mode::Memory;
    return pltyp == 1 ? Tsppeklista::Mode::Loaded : Tsppeklista::Mode::PerEntry;
}

}  // namespace

// --- TSPbildbas ------------------------------------------------------------------------------------

TSPbildbas::TSPbildbas(const PictureBaseSettings& settings, PictureBaseDirectories directories,
                       TCompress& codec, MessageSink* sink)
    : recordPath_(filePath(directories.bfilkat, settings.bfilnamn, settings.bfilext)),
      pointerPath_(filePath(directories.pfilkat, settings.pfilnamn, settings.pfilext)),
      indexPath_(filePath(directories.pfilkat, settings.pfilnamn, kPictureIndexExt)),
      pltyp_(settings.pltyp),
      maxrader_(settings.maxrader),
      finnsindex_(settings.finnsindex),
      bildbastyp_(settings.bildbastyp),
      records_(codec, sink, std::string(settings.name)),
      index_(codec, sink, std::string(settings.name)) {
    records_.setHash(settings.hash);
    records_.setPlain();
    records_.buffert(kRecordBufferSize);
    index_.setFilnamn(indexPath_);
    index_.setOrder(kIndexOrder);
    index_.setHash(kIndexHash);
    index_.setNewShape(kIndexRadmaxlen + static_cast<std::int32_t>(word_list_format::kRowOverhead),
                       maxrader_);
}

bool TSPbildbas::oppna() {
    stang();
    if (!pointers_) pointers_ = std::make_unique<Tsppeklista>();
    pointers_->setMode(pointerMode(pltyp_));
    pointers_->setFilnamn(pointerPath_);
    pointers_->setReadOnly(readOnly_);
    pointers_->dimensionera(maxrader_);
    if (pltyp_ != 0) pointers_->oppna(false);
    records_.setPath(recordPath_);
    records_.setReadOnly(readOnly_);
    records_.setPointerList(pointers_.get());
    if (!records_.oppna(false)) {
        stang();
        return false;
    }
    index_.setReadOnly(readOnly_);
    if (finnsindex_) index_.oppna(false);
    return true;
}

void TSPbildbas::stang() {
    records_.stang();
    index_.stang();
    if (pointers_) pointers_->stang();
    recordRead_ = false;
}

std::int32_t TSPbildbas::sokbild(std::string_view name, int mode) {
    if (!isOpen()) return 0;
    if (!finnsindex_) return std::max(records_.sokpost(name, mode), 0);
    const std::int32_t row = index_.sok(name, mode == 1);
    const auto bytes = row > 0 ? index_.lasrad(row) : std::nullopt;
    if (!bytes) return 0;
    const std::uint32_t number = getFixed32(bytes->data() + word_list_format::kWord1Offset);
    // A damaged index may name a record the base does not hold.
    return number >= 1 && number <= static_cast<std::uint32_t>(count()) ? static_cast<std::int32_t>(number)
                                                                        : 0;
}

bool TSPbildbas::lasbildpost(std::int32_t number) {
    recordRead_ = false;
    if (!isOpen() || records_.laspost(number) != Tspblobfil::kRead) return false;
    ParsedRecord parsed;
    if (bildbastyp_ == TSPbildbastyp::bbtKartor) {
        parseRecord(records_.record(), mapTypes(), 0, parsed);
        bildpost_ = {};
        bildpost_.kind = integerAt(parsed, 0);
        for (std::size_t i = 0; i < kartpost_.texts.size(); ++i) kartpost_.texts[i] = textAt(parsed, i);
        for (std::size_t i = 0; i < kartpost_.values.size(); ++i)
            kartpost_.values[i] = integerAt(parsed, i + 1);
    } else {
        parseRecord(records_.record(), pictureTypes(), 0, parsed);
        bildpost_ = {textAt(parsed, 0, kNameMax), textAt(parsed, 1),
                     integerAt(parsed, 0),        textAt(parsed, 2, kPlacementMax),
                     textAt(parsed, 3),           integerAt(parsed, 1),
                     integerAt(parsed, 2)};
    }
    recordRead_ = true;
    return true;
}

bool TSPbildbas::holds(std::uint64_t offset, std::uint64_t count) const {
    const std::optional<std::uint64_t> size = records_.file().size();
    return size && offset <= *size && count <= *size - offset;
}

std::optional<std::vector<std::uint8_t>> TSPbildbas::bytesAt(std::uint64_t offset,
                                                             std::uint64_t count) const {
    if (!holds(offset, count)) return std::nullopt;
    std::vector<std::uint8_t> bytes(count);
    if (!records_.file().readExactAt(offset, bytes.data(), bytes.size())) return std::nullopt;
    return bytes;
}

std::optional<std::pair<std::uint64_t, std::uint32_t>> TSPbildbas::image() const {
    const std::optional<std::uint64_t> at = recordRead_ ? records_.recordEnd() : std::nullopt;
    const auto lengthWord = at ? bytesAt(*at, kImageLengthSize) : std::nullopt;
    if (!lengthWord) return std::nullopt;
    const std::uint32_t length = getFixed32(lengthWord->data());
    const std::uint64_t start = *at + kImageLengthSize;
    if (!holds(start, length)) return std::nullopt;
    return std::pair{start, length};
}

std::optional<std::vector<std::uint8_t>> TSPbildbas::lasbild() const {
    const auto located = image();
    return located ? bytesAt(located->first, located->second) : std::nullopt;
}

std::optional<PictureRegion> TSPbildbas::lasregion() {
    const auto located = hasRegion(bildpost_.kind) ? image() : std::nullopt;
    if (!located) return std::nullopt;
    const std::uint64_t at = located->first + located->second;
    const auto head = bytesAt(at, kRegionValueSize + kRegionLengthSize);
    if (!head) return std::nullopt;
    PictureRegion region{static_cast<std::int32_t>(getFixed32(head->data())), {}};
    auto data = bytesAt(at + head->size(), getFixed32(head->data() + kRegionValueSize));
    if (!data) return std::nullopt;
    region.data = std::move(*data);
    bildpost_.regionValue = region.value;
    return region;
}

std::optional<std::vector<std::uint8_t>> TSPbildbas::hamtabild(std::string_view name) {
    const std::int32_t number = sokbild(name, 0);
    if (number < 1 || !lasbildpost(number)) return std::nullopt;
    return lasbild();
}

// --- PictureBaseWriter -----------------------------------------------------------------------------

PictureBaseWriter::PictureBaseWriter(const PictureBaseSettings& settings, PictureBaseDirectories directories,
                                     TCompress& codec)
    : recordPath_(filePath(directories.bfilkat, settings.bfilnamn, settings.bfilext)),
      pointerPath_(filePath(directories.pfilkat, settings.pfilnamn, settings.pfilext)),
      indexPath_(filePath(directories.pfilkat, settings.pfilnamn, kPictureIndexExt)),
      maxrader_(std::max(settings.maxrader, 0)),
      finnsindex_(settings.finnsindex),
      records_(codec, nullptr, std::string(settings.name)),
      index_(codec, nullptr, std::string(settings.name)) {}

bool PictureBaseWriter::create() {
    close();
    error_.clear();
    names_.clear();
    // The pointer list is held in memory while writing and written whole when closed.
    pointers_.setMode(Tsppeklista::Mode::Loaded);
    pointers_.setFilnamn(pointerPath_);
    pointers_.dimensionera(maxrader_);
    if (!pointers_.oppna(true)) return refuse("cannot create " + pointerPath_);
    records_.setPath(recordPath_);
    records_.setPointerList(&pointers_);
    records_.setPlain();
    records_.buffert(kRecordBufferSize);
    records_.setFileKind(text_base_format::kBuilderFileKind);
    if (!records_.oppna(true)) return refuse("cannot create " + recordPath_);
    if (!finnsindex_) return true;
    index_.setFilnamn(indexPath_);
    index_.setOrder(kIndexOrder);
    index_.setNewShape(kIndexRadmaxlen + static_cast<std::int32_t>(word_list_format::kRowOverhead),
                       maxrader_);
    return index_.oppna(true) || refuse("cannot create " + indexPath_);
}

std::int32_t PictureBaseWriter::append(const TSPbildpost& post, std::span<const std::uint8_t> image,
                                       const PictureRegion* region) {
    std::vector<std::uint8_t> record;
    if (!encode(post, image, region, record)) return -1;
    std::vector<std::uint8_t> trailer;
    appendFixed32(trailer, static_cast<std::uint32_t>(image.size()));
    trailer.insert(trailer.end(), image.begin(), image.end());
    if (region != nullptr) {
        appendFixed32(trailer, static_cast<std::uint32_t>(region->value));
        appendFixed32(trailer, static_cast<std::uint32_t>(region->data.size()));
        trailer.insert(trailer.end(), region->data.begin(), region->data.end());
    }
    const std::int32_t number = records_.append(record, trailer);
    if (number < 1) {
        refuse("cannot write picture \"" + post.name + "\" to " + recordPath_);
        return -1;
    }
    names_.emplace_back(post.name, number);
    return number;
}

bool PictureBaseWriter::encode(const TSPbildpost& post, std::span<const std::uint8_t> image,
                               const PictureRegion* region, std::vector<std::uint8_t>& record) {
    const std::string picture = "picture \"" + post.name + "\": ";
    if (!records_.isOpen()) return refuse("the picture base is not created");
    if (records_.count() >= maxrader_)
        return refuse(picture + "more than " + std::to_string(maxrader_) + " pictures");
    if (post.name.size() > kNameMax || post.placement.size() > kPlacementMax) {
        return refuse(picture + "name or placement code too long");
    }
    if (hasRegion(post.kind) != (region != nullptr)) {
        return refuse(picture + "a region goes with the kinds 10 and 11 only");
    }
    if (image.size() > UINT32_MAX || (region != nullptr && region->data.size() > UINT32_MAX)) {
        return refuse(picture + "image or region too large");
    }
    const FieldValue values[] = {std::string_view(post.name),
                                 std::string_view(post.text2),
                                 post.kind,
                                 std::string_view(post.placement),
                                 std::string_view(post.text5),
                                 post.value1,
                                 post.value2};
    const std::string why = encodeRecord(pictureTypes(), values, record);
    return why.empty() || refuse(picture + why);
}

bool PictureBaseWriter::writeIndex() {
    std::sort(names_.begin(), names_.end(), [](const auto& a, const auto& b) {
        return CollCompareTie(a.first, b.first, a.second, b.second, kIndexOrder) < 0;
    });
    for (const auto& [name, number] : names_) {
        const auto row = WordListWriter::layoutRow(static_cast<std::size_t>(index_.rowLength()), name,
                                                   static_cast<std::uint32_t>(number), 0, std::nullopt);
        if (!row || !index_.laggtillrad(*row)) return refuse("cannot write the name index " + indexPath_);
    }
    return true;
}

bool PictureBaseWriter::close() {
    if (!records_.isOpen()) return false;
    const bool indexed = !finnsindex_ || writeIndex();
    const bool indexClosed = !finnsindex_ || index_.stang();
    records_.stang();
    const bool pointersWritten = pointers_.stang();
    if (!records_.writesOk()) return refuse("cannot write to " + recordPath_);
    if (!pointersWritten) return refuse("cannot write the pointer file " + pointerPath_);
    return indexed && (indexClosed || refuse("cannot write the name index " + indexPath_));
}

bool PictureBaseWriter::refuse(std::string why) {
    error_ = std::move(why);
    return false;
}

}  // namespace tessla
