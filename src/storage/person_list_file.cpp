#include "storage/person_list_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>

namespace tessla {

using namespace blob_format;

namespace {

// Walks one person-number list in its file, number by number, reading its chunks into the decode
// buffer. The walk ends after m numbers or at the first damage; every step moves forward in the file
// or in the buffer, so it ends within the file's size whatever the bytes say.
class PersonListReader {
  public:
    PersonListReader(const File& file, std::uint64_t pos, std::int32_t m, std::span<std::uint8_t> buffer)
        : file_(file), next_(pos), m_(m), buffer_(buffer) {}

    // Calls visit with the person numbers of the list, in order, until m numbers have been given
    // or the list is damaged; returns how many were given. A number comes as visit(n), a run of
    // consecutive numbers (steps of 1, as the persons of one name are in the person list) as
    // visit(first, count) (count at least 1). The codes of a chunk are decoded in one loop,
    // since marking a search's persons runs through millions of them. The visitor is taken and
    // given back by value, with the count: a visitor that stays a local of the loop keeps its
    // fields in registers.
    template <typename Visit>
    Walked<Visit> forEach(Visit visit) {
        if (m_ < 1 || !readFirst()) return {visit, 0};
        visit(previous_);
        std::int32_t left = m_ - 1;  // numbers still to give; one register instead of two
        while (left > 0) {
            if (used_ == filled_ && !readChunk()) break;
            const std::uint8_t* p = buffer_.data() + used_;
            const std::uint8_t* const end = buffer_.data() + filled_;
            std::uint32_t number = previous_;  // a local, so that it stays in a register
            bool damaged = false;
            for (; p < end && left > 0; --left) {
                const std::uint8_t code = *p;
                // Numbers wrap as unsigned; a wrapped or negative number is refused by the visitor.
                if (code == kCodeAddLong) {
                    if (end - p < static_cast<std::ptrdiff_t>(kCodeAddLongSize)) {
                        damaged = true;
                        break;
                    }
                    number += getFixed16(p + 1);
                    p += kCodeAddLongSize;
                } else if (code == kCodeReplace) {
                    if (end - p < static_cast<std::ptrdiff_t>(kCodeReplaceSize)) {
                        damaged = true;
                        break;
                    }
                    number = getFixed32(p + 1);
                    p += kCodeReplaceSize;
                } else if (end - p >= kShortestRun && startsRun(p)) [[unlikely]] {
                    // Runs are worth taking as runs only when long: short ones are common among
                    // persons of one year, and marking them one by one costs less than a branch
                    // mispredicted. Only short steps are tested, eight codes at once.
                    const std::uint32_t run = stepsOfOne(p, end, left);
                    visit(number + 1, run);
                    number += run;
                    p += run;
                    left -= static_cast<std::int32_t>(run) - 1;
                    continue;
                } else {
                    number += code;
                    p += 1;
                }
                visit(number);
            }
            previous_ = number;
            used_ = static_cast<std::size_t>(p - buffer_.data());
            if (damaged) break;
        }
        return {visit, m_ - left};
    }

  private:
    static constexpr std::ptrdiff_t kShortestRun = 8;

    // The kShortestRun codes from p on are all steps of 1.
    static bool startsRun(const std::uint8_t* p) {
        std::uint64_t codes = 0;
        std::memcpy(&codes, p, sizeof codes);
        static_assert(sizeof codes == kShortestRun);
        return codes == 0x0101010101010101u;
    }

    // How many codes from p on, at most `most` and before end, are steps of 1 (p's is).
    static std::uint32_t stepsOfOne(const std::uint8_t* p, const std::uint8_t* end, std::int32_t most) {
        const std::uint8_t* const stop = p + std::min(end - p, static_cast<std::ptrdiff_t>(most));
        const std::uint8_t* q = p + 1;
        while (q < stop && *q == 1) ++q;
        return static_cast<std::uint32_t>(q - p);
    }

    // One read brings the first number and, as far as the list can need them and the buffer holds
    // them, the first chunk's length and codes: a short list costs one read instead of three.
    bool readFirst() {
        const std::size_t want =
            std::min(buffer_.size(), kFirstNumberSize + kChunkLengthSize +
                                         kCodeReplaceSize * static_cast<std::size_t>(m_ - 1));
        const std::optional<std::size_t> got = file_.readAt(next_, buffer_.data(), want);
        if (!got || *got < kFirstNumberSize) return false;
        previous_ = getFixed32(buffer_.data());
        next_ += kFirstNumberSize;
        takeFirstChunk(*got - kFirstNumberSize);
        return true;
    }

    // Keeps the first chunk when all of it came with the first number (`read` bytes after it);
    // otherwise forEach reads it from the file, which also judges a damaged length.
    void takeFirstChunk(std::size_t read) {
        if (m_ < 2 || read < kChunkLengthSize) return;
        const std::uint8_t* chunkStart = buffer_.data() + kFirstNumberSize;
        const std::size_t chunk = getFixed16(chunkStart);
        if (chunk < kChunkLengthSize || chunk > read) return;
        filled_ = chunk - kChunkLengthSize;
        used_ = 0;
        std::memmove(buffer_.data(), chunkStart + kChunkLengthSize, filled_);
        next_ += chunk;
    }

    // Reads the chunk at next_: its length counts its own two bytes, and its codes must fit the buffer
    // and the file.
    bool readChunk() {
        std::array<std::uint8_t, kChunkLengthSize> length{};
        if (!file_.readExactAt(next_, length.data(), length.size())) return false;
        const std::size_t chunk = getFixed16(length.data());
        if (chunk < kChunkLengthSize || chunk - kChunkLengthSize > buffer_.size()) return false;
        filled_ = chunk - kChunkLengthSize;
        used_ = 0;
        if (!file_.readExactAt(next_ + kChunkLengthSize, buffer_.data(), filled_)) return false;
        next_ += chunk;
        return true;
    }

    const File& file_;
    std::uint64_t next_;  // file offset of the first number or of the next chunk
    const std::int32_t m_;
    std::span<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    std::size_t filled_ = 0;
    std::uint32_t previous_ = 0;
};

}  // namespace

void encodePersonList(std::span<const std::int32_t> persons, std::vector<std::uint8_t>& out) {
    if (persons.empty()) return;
    auto put = [&out](std::size_t size, auto write) {
        out.resize(out.size() + size);
        write(out.data() + out.size() - size);
    };
    put(kFirstNumberSize, [&](std::uint8_t* p) { putFixed32(p, static_cast<std::uint32_t>(persons[0])); });
    std::size_t chunkStart = 0;
    auto closeChunk = [&] {
        putFixed16(out.data() + chunkStart, static_cast<std::uint16_t>(out.size() - chunkStart));
    };
    for (std::size_t k = 1; k < persons.size(); ++k) {
        const std::int64_t step = std::int64_t{persons[k]} - persons[k - 1];
        const std::size_t size = step >= 1 && step < kCodeReplace ? 1
                                 : step >= 0 && step <= 0xFFFF    ? kCodeAddLongSize
                                                                  : kCodeReplaceSize;
        if (k == 1 || out.size() - chunkStart + size > kChunkLimit) {
            if (k > 1) closeChunk();
            chunkStart = out.size();
            put(kChunkLengthSize, [](std::uint8_t*) {});
        }
        put(size, [&](std::uint8_t* p) {
            if (size == 1) {
                p[0] = static_cast<std::uint8_t>(step);
            } else if (size == kCodeAddLongSize) {
                p[0] = kCodeAddLong;
                putFixed16(p + 1, static_cast<std::uint16_t>(step));
            } else {
                p[0] = kCodeReplace;
                putFixed32(p + 1, static_cast<std::uint32_t>(persons[k]));
            }
        });
    }
    if (persons.size() > 1) closeChunk();
}

bool Tspenkelblobfil::oppna(bool ny) {
    stang();
    errorCode_ = kNoError;
    const Opening opening = openOrCreate(path(), ny, readOnly(), file_);
    const bool ready = opening == Opening::Opened    ? readHeader()
                       : opening == Opening::Created ? (listCount_ = 0, writeHeader())
                                                     : false;
    std::optional<std::uint64_t> size = file_.size();
    if (!ready || !size) {
        file_.close();
        errorCode_ = kOpenFailed;
        return false;
    }
    end_ = *size;
    open_ = true;
    changed_ = false;
    return true;
}

bool Tspenkelblobfil::readHeader() {
    std::array<std::uint8_t, kSimpleBlobHeaderSize> header{};
    if (!file_.readExactAt(0, header.data(), header.size())) return false;
    listCount_ = getFixed32(header.data() + kSimpleBlobListCountOffset);
    return true;
}

bool Tspenkelblobfil::writeHeader() {
    std::array<std::uint8_t, kSimpleBlobHeaderSize> header{};
    putFixed32(header.data() + kSimpleBlobListCountOffset, listCount_);
    putFixed16(header.data() + kSimpleBlobHeaderSizeOffset, kSimpleBlobHeaderSize);
    return file_.writeAt(0, header.data(), header.size());
}

bool Tspenkelblobfil::stang() {
    if (!open_) return true;
    const bool written = !changed_ || writeHeader();
    file_.close();
    open_ = false;
    changed_ = false;
    listCount_ = 0;
    end_ = 0;
    return written;
}

void Tspenkelblobfil::buffert(std::int32_t n) {
    writeBuffer_ = {};
    writeBuffer_.reserve(n < 0 ? 0 : static_cast<std::size_t>(n));
}

// Takes the numbers of a list one by one, also those of a run, for walks that have no faster way.
template <typename One>
struct OneByOne {
    One one;
    TESSLA_INLINE void operator()(std::int32_t n) { one(n); }
    void operator()(std::int32_t first, std::int32_t count) {
        for (std::int32_t k = 0; k < count; ++k) one(first + k);
    }
};

template <typename One>
OneByOne(One) -> OneByOne<One>;

template <typename Visit>
Walked<Visit> Tspenkelblobfil::walk(std::uint32_t pos, std::int32_t m, const Tspsmalurval& sel,
                                    Visit visit) const {
    if (!open_ || !sel.allocated()) return {visit, 0};
    // The first number outside the selection is reported after the walk, which keeps the loop free
    // of calls.
    struct Within {
        Visit visit;
        std::uint32_t usedSize;
        bool outside = false;
        std::uint32_t firstOutside = 0;

        TESSLA_INLINE void operator()(std::uint32_t number) {
            if (number - 1 < bound()) {  // 1 … bound; 0 wraps to the top
                visit(static_cast<std::int32_t>(number));
            } else if (!outside) {
                outside = true;
                firstOutside = number;
            }
        }
        TESSLA_INLINE void operator()(std::uint32_t first, std::uint32_t count) {
            if (first - 1 < bound() && count <= bound() - (first - 1)) {
                visit(static_cast<std::int32_t>(first), static_cast<std::int32_t>(count));
            } else {
                for (std::uint32_t k = 0; k < count; ++k) (*this)(first + k);
            }
        }
        // A visitor that knows how many rows it takes (a selection's marker, bounded by the used
        // size) gives the bound itself: the compiler then sees that the visitor's own check is
        // this one, and the walk keeps one bound in a register instead of two.
        TESSLA_INLINE std::uint32_t bound() const {
            if constexpr (requires { visit.limit; }) {
                return visit.limit;
            } else {
                return usedSize;
            }
        }
    };
    const Walked<Within> walked = PersonListReader(file_, pos, m, decodeBuffer_.bytes)
                                      .forEach(Within{visit, static_cast<std::uint32_t>(sel.usedSize())});
    if (walked.visit.outside)
        report(sink_, std::to_string(static_cast<std::int32_t>(walked.visit.firstOutside)));
    return {walked.visit.visit, walked.given};
}

void Tspenkelblobfil::lasurval(std::uint32_t pos, std::int32_t m, Tspsmalurval& sel, bool v) {
    if (v) {
        sel.markRows([&](auto marker) { return walk(pos, m, sel, marker).visit; });
    } else {
        walk(pos, m, sel, OneByOne{[&sel](std::int32_t person) { sel.satt(person, false); }});
    }
}

BlobCount Tspenkelblobfil::raknablob(std::uint32_t pos, std::int32_t m, const Tspsmalurval& sel,
                                     bool v) const {
    std::int32_t hits = 0;
    const std::int32_t persons =
        walk(pos, m, sel, OneByOne{[&](std::int32_t person) { hits += sel.testa(person) == v ? 1 : 0; }})
            .given;
    return {persons, hits};
}

std::optional<std::uint32_t> Tspenkelblobfil::appendList(std::span<const std::int32_t> persons) {
    if (persons.empty() || !open_) return std::nullopt;
    writeBuffer_.clear();
    encodePersonList(persons, writeBuffer_);
    if (end_ + writeBuffer_.size() > std::numeric_limits<std::uint32_t>::max() ||
        !file_.writeAt(end_, writeBuffer_.data(), writeBuffer_.size()))
        return std::nullopt;
    const auto position = static_cast<std::uint32_t>(end_);
    end_ += writeBuffer_.size();
    ++listCount_;
    changed_ = true;
    return position;
}

std::optional<PersonListPlace> Tspenkelblobfil::storeList(std::span<const std::int32_t> persons) {
    if (persons.size() == 1) return PersonListPlace{static_cast<std::uint32_t>(persons[0]), 0};
    std::optional<std::uint32_t> position = appendList(persons);
    if (!position) return std::nullopt;
    return PersonListPlace{*position, static_cast<std::int32_t>(persons.size())};
}

}  // namespace tessla
