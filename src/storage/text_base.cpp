#include "storage/text_base.h"

#include <algorithm>

#include "storage/little_endian.h"
#include "storage/text_base_format.h"

namespace tessla {

using namespace text_base_format;

namespace {

// The NUL-terminated string whose lead byte is at `cursor`: its bytes, or nothing when the data
// ends before its NUL.
std::optional<std::string_view> stringField(std::span<const std::uint8_t> data, std::size_t cursor) {
    if (cursor + kLeadByteSize > data.size()) return std::nullopt;
    const auto* begin = reinterpret_cast<const char*>(data.data()) + cursor + kLeadByteSize;
    const auto* end = reinterpret_cast<const char*>(data.data()) + data.size();
    const auto* nul = std::find(begin, end, '\0');
    if (nul == end) return std::nullopt;
    return std::string_view(begin, static_cast<std::size_t>(nul - begin));
}

}  // namespace

std::string filePath(const std::string& directory, std::string_view name, std::string_view ext) {
    return directory + std::string(name) + "." + std::string(ext);
}

TextBaseDirectories placeTextBase(const TextBaseSettings& settings, const std::string& cd,
                                  const std::string& hd) {
    auto on = [&](Medium medium) { return medium == Medium::CD ? cd : hd; };
    return {on(settings.bfilkat), on(settings.pfilkat), on(settings.LZHfilkat)};
}

std::string fieldTypes(std::span<const std::string_view> labels) {
    std::string types;
    for (const std::string_view label : labels) types.push_back(label.empty() ? '\0' : label[0]);
    return types;
}

void parseRecord(std::span<const std::uint8_t> data, std::string_view types, std::size_t pcsiz,
                 ParsedRecord& out) {
    out.texts.clear();
    out.integerCount = 0;
    out.shortCount = 0;
    // A record that ends early must not show the long texts of the record parsed before it.
    for (std::string& text : out.longTexts) text.clear();
    std::size_t longIndex = 0;
    std::size_t cursor = 0;
    for (const char type : types) {
        if (type == kTextLabel || type == kLongTextLabel) {
            const std::optional<std::string_view> text = stringField(data, cursor);
            if (!text) return;
            cursor += kLeadByteSize + text->size() + 1;
            if (type == kTextLabel) {
                out.texts.emplace_back(text->substr(0, ParsedRecord::kTextFieldMax));
            } else if (longIndex < out.longTexts.size()) {
                out.longTexts[longIndex++] = text->substr(0, pcsiz == 0 ? 0 : pcsiz - 1);
            }
        } else if (type == kIntegerLabel || type == kIntegerLabel4) {
            if (data.size() - cursor < kLeadByteSize + 4) return;
            const std::uint32_t value = getFixed32(data.data() + cursor + kLeadByteSize);
            if (out.integerCount < out.integers.size())
                out.integers[out.integerCount++] = static_cast<std::int32_t>(value);
            cursor += kLeadByteSize + 4;
        } else if (type == kShortLabel) {
            if (data.size() - cursor < kLeadByteSize + 2) return;
            const std::uint16_t value = getFixed16(data.data() + cursor + kLeadByteSize);
            if (out.shortCount < out.shorts.size())
                out.shorts[out.shortCount++] = static_cast<std::int16_t>(value);
            cursor += kLeadByteSize + 2;
        }
    }
}

std::string encodeRecord(std::string_view types, std::span<const FieldValue> values,
                         std::vector<std::uint8_t>& out) {
    out.clear();
    std::size_t next = 0;
    for (const char type : types) {
        if (type < kTextLabel || type > kLongTextLabel) continue;
        const std::string field = "field " + std::to_string(next + 1);
        if (next == values.size()) return "no value for " + field;
        const FieldValue& value = values[next++];
        out.push_back(static_cast<std::uint8_t>(type));
        if ((type == kTextLabel || type == kLongTextLabel) &&
            std::holds_alternative<std::string_view>(value)) {
            const std::string_view text = std::get<std::string_view>(value);
            if (text.find('\0') != std::string_view::npos) return field + " holds a NUL";
            out.insert(out.end(), text.begin(), text.end());
            out.push_back(0);
        } else if ((type == kIntegerLabel || type == kIntegerLabel4) &&
                   std::holds_alternative<std::int32_t>(value)) {
            appendFixed32(out, static_cast<std::uint32_t>(std::get<std::int32_t>(value)));
        } else if (type == kShortLabel && std::holds_alternative<std::int16_t>(value)) {
            appendFixed16(out, static_cast<std::uint16_t>(std::get<std::int16_t>(value)));
        } else {
            return field + " has a value of the wrong kind";
        }
    }
    if (next != values.size()) return std::to_string(values.size() - next) + " values more than fields";
    return {};
}

// --- TSPregtext ------------------------------------------------------------------------------------

TSPregtext::TSPregtext(const TextBaseSettings& settings, TextBaseDirectories directories, TCompress& codec,
                       MessageSink* sink)
    : textPath_(filePath(directories.bfilkat, settings.bfilnamn, settings.bfilext)),
      pointerPath_(filePath(directories.pfilkat, settings.pfilnamn, settings.pfilext)),
      directoryPath_(filePath(directories.LZHfilkat, settings.LZHfilnamn, settings.LZHfilext)),
      pltyp_(settings.pltyp),
      antpc_(
          std::clamp<std::size_t>(static_cast<std::size_t>(std::max(settings.antpc, 0)), 0, kMaxLongTexts)),
      pcsiz_(static_cast<std::size_t>(std::max(settings.pcsiz, 0))),
      textmaxsiz_(settings.textmaxsiz),
      maxrader_(settings.maxrader),
      blockPacked_(settings.LZH == TblobfilLZHmode::LZHblockpacka),
      perBlock_(settings.LZHposterperblock),
      readOnly_(settings.RO),
      types_(fieldTypes(settings.labels)),
      textFile_(codec, sink, std::string(settings.name)) {
    textFile_.setHash(settings.hash);
    directory_.setMode(Tsppeklista::Mode::PerEntry);
    directory_.setFilnamn(directoryPath_);
    directory_.setReadOnly(readOnly_);
}

bool TSPregtext::oppna() {
    stang();
    textFile_.setPath(textPath_);
    textFile_.setReadOnly(readOnly_);
    textFile_.setPointerList(pointers_.get());
    if (blockPacked_) {
        textFile_.setBlockPacked(directory_, perBlock_);
    } else {
        textFile_.setPlain();
    }
    textFile_.buffert(textmaxsiz_);
    if (!openPointerFiles() || !textFile_.oppna(false)) {
        stang();
        return false;
    }
    open_ = true;
    maxrader_ = 10000000;
    fields_ = {};
    fields_.longTexts.assign(antpc_, {});
    return true;
}

bool TSPregtext::openPointerFiles() {
    if (pltyp_ >= 0 && !pointers_) {
        pointers_ = std::make_unique<Tsppeklista>();
        pointers_->setMode(pltyp_ == 0   ? Tsppeklista::Mode::Memory
                           : pltyp_ == 1 ? Tsppeklista::Mode::Loaded
                                         : Tsppeklista::Mode::PerEntry);
        pointers_->setFilnamn(pointerPath_);
        pointers_->setReadOnly(readOnly_);
        textFile_.setPointerList(pointers_.get());
    }
    if (pltyp_ == 0) {
        pointers_->dimensionera(maxrader_);
    } else if (pointers_ && !pointers_->oppna(false)) {
        return false;
    }
    // Records are found by block (n − 1) div LZHposterperblock, which needs at least one per block.
    return !blockPacked_ || (perBlock_ >= 1 && directory_.oppna(false));
}

void TSPregtext::stang() {
    textFile_.stang();
    if (pointers_) {
        if (pointers_->mode() == Tsppeklista::Mode::Memory) {
            pointers_->tom();
        } else {
            pointers_->stang();
        }
    }
    directory_.stang();
    open_ = false;
    fields_ = {};
}

void TSPregtext::tolkapost() {
    if (open_) parseRecord(textFile_.record(), types_, pcsiz_, fields_);
}

std::int32_t TSPregtext::sokpost(std::string_view key, int mode) {
    return open_ ? textFile_.sokpost(key, mode) : 0;
}

std::string_view TSPregtext::longText(std::size_t k) const {
    return k >= 1 && k <= fields_.longTexts.size() ? std::string_view(fields_.longTexts[k - 1])
                                                   : std::string_view();
}

// --- TextBaseWriter --------------------------------------------------------------------------------

TextBaseWriter::TextBaseWriter(const TextBaseSettings& settings, TextBaseDirectories directories,
                               TCompress& codec)
    : textPath_(filePath(directories.bfilkat, settings.bfilnamn, settings.bfilext)),
      pointerPath_(filePath(directories.pfilkat, settings.pfilnamn, settings.pfilext)),
      directoryPath_(filePath(directories.LZHfilkat, settings.LZHfilnamn, settings.LZHfilext)),
      types_(fieldTypes(settings.labels)),
      textmaxsiz_(settings.textmaxsiz),
      maxrader_(std::max(settings.maxrader, 0)),
      blockPacked_(settings.LZH == TblobfilLZHmode::LZHblockpacka),
      perBlock_(settings.LZHposterperblock),
      textFile_(codec, nullptr, std::string(settings.name)) {}

bool TextBaseWriter::create() {
    close();
    error_.clear();
    // The lists are held in memory while writing and written whole when closed.
    pointers_.setMode(Tsppeklista::Mode::Loaded);
    pointers_.setFilnamn(pointerPath_);
    pointers_.dimensionera(maxrader_);
    if (!pointers_.oppna(true)) return refuse("cannot create " + pointerPath_);
    textFile_.setPointerList(&pointers_);
    textFile_.setPath(textPath_);
    textFile_.buffert(textmaxsiz_);
    textFile_.setFileKind(kBuilderFileKind);
    if (blockPacked_) {
        if (perBlock_ == 0) return refuse("a block-packed base needs at least one record per block");
        directory_.setMode(Tsppeklista::Mode::Loaded);
        directory_.setFilnamn(directoryPath_);
        directory_.dimensionera(maxrader_ / perBlock_ + 1);
        if (!directory_.oppna(true)) return refuse("cannot create " + directoryPath_);
        textFile_.setBlockPacked(directory_, perBlock_);
    } else {
        textFile_.setPlain();
    }
    if (!textFile_.oppna(true)) return refuse("cannot create " + textPath_);
    return true;
}

std::int32_t TextBaseWriter::append(std::span<const FieldValue> values) {
    if (!encode(values)) return -1;
    const std::int32_t number = textFile_.append(record_);
    if (number < 1) refuse("cannot write to " + textPath_);
    return number < 1 ? -1 : number;
}

bool TextBaseWriter::encode(std::span<const FieldValue> values) {
    if (!textFile_.isOpen()) return refuse("the text base is not created");
    if (textFile_.count() >= maxrader_) return refuse("more than " + std::to_string(maxrader_) + " records");
    if (std::string why = encodeRecord(types_, values, record_); !why.empty()) return refuse(std::move(why));
    if (record_.size() > static_cast<std::size_t>(std::max(textmaxsiz_, 0))) {
        return refuse("a record of " + std::to_string(record_.size()) + " bytes, longer than " +
                      std::to_string(textmaxsiz_));
    }
    return true;
}

bool TextBaseWriter::close() {
    if (!textFile_.isOpen()) return false;
    textFile_.stang();
    const bool pointersWritten = pointers_.stang();
    const bool directoryWritten = directory_.stang();
    if (!textFile_.writesOk()) return refuse("cannot write to " + textPath_);
    if (!pointersWritten || !directoryWritten)
        return refuse("cannot write the pointer files of " + textPath_);
    return true;
}

bool TextBaseWriter::refuse(std::string why) {
    error_ = std::move(why);
    return false;
}

}  // namespace tessla
