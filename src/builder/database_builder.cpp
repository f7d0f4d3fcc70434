#include "builder/database_builder.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "base/catalogue.h"
#include "base/configuration.h"
#include "builder/help_texts.h"
#include "builder/list_accumulator.h"
#include "builder/list_values.h"
#include "builder/skin_pictures.h"
#include "search/spelling_key.h"
#include "search/spelling_key_file.h"
#include "search/word_matcher.h"
#include "storage/codec.h"
#include "storage/collation.h"
#include "storage/picture_base.h"
#include "storage/text_base.h"
#include "storage/word_list_format.h"
#include "storage/word_list_writer.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How often the build reports a step (and asks whether to stop).
constexpr std::size_t kPersonsPerStep = 1024;
constexpr std::uint64_t kComparisonsPerStep = 1 << 16;

// The directory a database is built in, beside its target; removed unless it is installed.
class BuildDirectory {
  public:
    BuildDirectory(const fs::path& target, bool force) : target_(target) {
        std::error_code error;
        if (fs::exists(target_, error) && !fs::is_empty(target_, error) && !force) {
            throw BuildError(target_.string() + " exists and is not empty; --force replaces it");
        }
        temporary_ = target_.parent_path() /
                     ("." + target_.filename().string() + ".building-" + std::to_string(::getpid()));
        fs::remove_all(temporary_, error);
        if (!fs::create_directories(temporary_ / "cd", error) ||
            !fs::create_directories(temporary_ / "hd", error)) {
            throw BuildError("cannot create " + temporary_.string() + ": " + error.message());
        }
    }
    ~BuildDirectory() {
        std::error_code ignored;
        if (!installed_) fs::remove_all(temporary_, ignored);
    }

    // Where the files go now, each ending in "/".
    std::string cd() const { return (temporary_ / "cd").string() + "/"; }
    std::string hd() const { return (temporary_ / "hd").string() + "/"; }
    const fs::path& target() const { return target_; }

    // Replaces the target by the finished database.
    void install() {
        std::error_code error;
        const fs::path old = target_.parent_path() /
                             ("." + target_.filename().string() + ".old-" + std::to_string(::getpid()));
        const bool replacing = fs::exists(target_, error);
        if (replacing) fs::rename(target_, old, error);
        if (!error) fs::rename(temporary_, target_, error);
        if (error) {
            if (replacing) fs::rename(old, target_, error);
            throw BuildError("cannot move the database to " + target_.string() + ": " + error.message());
        }
        installed_ = true;
        if (replacing) fs::remove_all(old, error);
    }

  private:
    fs::path target_;
    fs::path temporary_;
    bool installed_ = false;
};

// The parts of the whole work each stage of the build takes, for the steps' `done`.
constexpr double kReadingEnds = 0.55;
constexpr double kSortingEnds = 0.70;
constexpr double kMasterListEnds = 0.75;
constexpr double kWordListsEnd = 0.97;

// Reports progress: as lines to the messages at most once a second while reading and at each
// stage, and as steps to BuildOptions::steps; asks the stop token at each report.
class Progress {
  public:
    Progress(const BuildMessages& out, const BuildOptions& options) : out_(out), options_(options) {}

    void persons(std::size_t done, std::uint64_t bytesRead, std::uint64_t bytesTotal) {
        const double part =
            bytesTotal > 0 ? static_cast<double>(bytesRead) / static_cast<double>(bytesTotal) : 0;
        step(BuildStage::Reading, "reading the census", kReadingEnds * std::min(part, 1.0));
        const auto now = Clock::now();
        if (now - last_ < std::chrono::seconds(1)) return;
        last_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        say("read " + std::to_string(done) + " persons (" + std::to_string(static_cast<int>(part * 100)) +
            " % of the file, " + std::to_string(static_cast<long long>(done / std::max(seconds, 1e-3))) +
            " persons/s)");
    }
    // A stage's line and its first step.
    void stage(BuildStage stage, const std::string& what, double done) {
        say(what);
        step(stage, what, done);
    }
    void step(BuildStage stage, const std::string& what, double done) const {
        if (options_.steps) options_.steps(BuildStep{stage, what, done});
        if (options_.stop.stop_requested()) throw BuildCancelled();
    }
    void say(const std::string& line) const {
        if (out_) out_(line);
    }
    double seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

  private:
    const BuildMessages& out_;
    const BuildOptions& options_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_ = Clock::now();
};

// The master list's row texts of all persons, by record number, in one block of memory.
class MasterTexts {
  public:
    void add(const std::string& text) {
        offsets_.push_back(bytes_.size());
        bytes_ += text;
    }
    std::size_t size() const { return offsets_.size(); }
    // The text of record r (1-based).
    std::string_view text(std::uint32_t r) const {
        const std::size_t begin = offsets_[r - 1];
        const std::size_t end = r < offsets_.size() ? offsets_[r] : bytes_.size();
        return std::string_view(bytes_).substr(begin, end - begin);
    }

  private:
    std::string bytes_;
    std::vector<std::size_t> offsets_;
};

// The lists' accumulators, numbered as the lists (1 … 41) plus the one of all occupations.
class ListAccumulators final : public ListValueSink {
  public:
    void add(int list, std::string_view value, std::uint32_t record) override { at(list).add(value, record); }
    void addPlace(int list, std::string_view value, std::string_view place, std::uint32_t record) override {
        at(list).addPlace(value, place, record);
    }
    ListAccumulator& at(int list) { return lists_[static_cast<std::size_t>(list)]; }

  private:
    std::array<ListAccumulator, kAllOccupations + 1> lists_;
};

class Builder {
  public:
    Builder(const BuildOptions& options, const BuildMessages& progress, const BuildMessages& warn)
        : options_(options),
          progress_(progress, options),
          warn_(warn),
          directory_(targetOf(options), options.force) {}

    BuildReport run() {
        readCensus();
        const std::vector<std::int32_t> personOf = writeMasterList();
        writeWordLists(personOf);
        writeHelpTexts();
        writePictureBases();
        writeIni();
        progress_.step(BuildStage::Finishing, "finishing", 1.0);
        directory_.install();
        progress_.say("built " + std::to_string(report_.persons) + " persons in " +
                      std::to_string(static_cast<int>(progress_.seconds())) + " s");
        return report_;
    }

  private:
    static fs::path targetOf(const BuildOptions& options) {
        if (options.outDir.empty()) throw BuildError("no output directory given");
        const fs::path target = fs::absolute(options.outDir).lexically_normal();
        // "db/" is the folder "db": the build directory and the final rename go beside it.
        return target.has_filename() ? target : target.parent_path();
    }

    void readCensus() {
        std::ifstream in(options_.csvPath, std::ios::binary);
        if (!in) throw BuildError("cannot read " + options_.csvPath);
        std::error_code error;
        const std::uint64_t fileSize = fs::file_size(options_.csvPath, error);
        CensusReader reader(
            in,
            [this](const std::string& message) {
                ++report_.warnings;
                if (warn_) warn_(message);
            },
            options_.personsMax);
        TextBaseWriter records(personTextBase(),
                               placeTextBase(personTextBase(), directory_.cd(), directory_.hd()), codec_);
        if (!records.create()) throw BuildError(records.error());
        std::vector<CensusRow> household;
        CensusRow row;
        std::array<FieldValue, kPersonFieldCount> values;
        while (reader.next(row)) {
            if (!household.empty() && householdKey(row) != householdKey(household.front()))
                flushHousehold(household);
            if (household.empty() && lists_.at(5).contains(householdKey(row))) {
                throw CensusInputError(
                    "line " + std::to_string(row.line) + ", field " + personFieldName(HUSHNR) +
                    ": the household appeared before; rows of one household must be together");
            }
            for (int field = 0; field < kPersonFieldCount; ++field)
                values[static_cast<std::size_t>(field)] = row[field];
            if (records.append(values) < 0)
                throw BuildError("line " + std::to_string(row.line) + ": " + records.error());
            masterTexts_.add(masterRowText(row));
            household.push_back(row);
            if (masterTexts_.size() % kPersonsPerStep == 0) {
                progress_.persons(masterTexts_.size(),
                                  static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0)),
                                  fileSize);
            }
        }
        flushHousehold(household);
        if (!records.close()) throw BuildError("cannot write the person records: " + records.error());
        report_.persons = masterTexts_.size();
    }

    void flushHousehold(std::vector<CensusRow>& household) {
        if (household.empty()) return;
        const auto first = static_cast<std::uint32_t>(masterTexts_.size() - household.size() + 1);
        addHouseholdValues(household, first, lists_);
        household.clear();
    }

    // Sorts the persons into the master list; its row numbers are the person numbers.
    std::vector<std::int32_t> writeMasterList() {
        const std::string sorting = "sorting " + std::to_string(masterTexts_.size()) + " persons";
        progress_.stage(BuildStage::Sorting, sorting, kReadingEnds);
        std::vector<std::uint32_t> order(masterTexts_.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i + 1);
        // The comparisons a sort of n makes, about n log2 n, measure how far it has come; the
        // step also asks the stop token, whose exception leaves the sort (and `order`) unfinished.
        const double expected =
            static_cast<double>(order.size()) * std::log2(std::max<double>(order.size(), 2));
        std::uint64_t comparisons = 0;
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            if (++comparisons % kComparisonsPerStep == 0) {
                const double part = std::min(static_cast<double>(comparisons) / expected, 0.99);
                progress_.step(BuildStage::Sorting, sorting,
                               kReadingEnds + (kSortingEnds - kReadingEnds) * part);
            }
            return CollCompareTie(masterTexts_.text(a), masterTexts_.text(b), static_cast<std::int32_t>(a),
                                  static_cast<std::int32_t>(b), CollationOrder::AccentRankOrder) < 0;
        });
        progress_.stage(BuildStage::Writing, "writing the master list", kSortingEnds);
        std::size_t longest = 0;
        for (std::uint32_t r = 1; r <= masterTexts_.size(); ++r)
            longest = std::max(longest, masterTexts_.text(r).size());
        WordListWriter writer(codec_, decodeBuffer_);
        create(writer, masterList(), longest, order.size());
        std::vector<std::int32_t> personOf(order.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            personOf[order[i] - 1] = static_cast<std::int32_t>(i + 1);
            if (!writer.append(masterTexts_.text(order[i]), order[i], 0, {})) fail(masterList());
            if ((i + 1) % kPersonsPerStep == 0) {
                const double part = static_cast<double>(i + 1) / static_cast<double>(order.size());
                progress_.step(BuildStage::Writing, "writing the master list",
                               kSortingEnds + (kMasterListEnds - kSortingEnds) * part);
            }
        }
        if (!writer.close()) fail(masterList());
        masterTexts_ = MasterTexts();
        return personOf;
    }

    void writeWordLists(const std::vector<std::int32_t>& personOf) {
        const auto lists = wordLists().subspan(1);
        for (std::size_t i = 0; i < lists.size(); ++i) {
            const WordListSettings& list = lists[i];
            const double part = static_cast<double>(i) / static_cast<double>(lists.size());
            progress_.stage(BuildStage::Writing, "writing " + std::string(list.name),
                            kMasterListEnds + (kWordListsEnd - kMasterListEnds) * part);
            const int source = list.number == 41 ? kAllOccupations : list.number;
            std::vector<ListAccumulator::Row> rows = lists_.at(source).finish(personOf, list.hasParentTable);
            if (list.number == 41) {
                std::erase_if(rows,
                              [](const auto& row) { return row.persons.size() < kCommonOccupationMin; });
            }
            writeRows(list, rows);
        }
    }

    void writeRows(const WordListSettings& list, const std::vector<ListAccumulator::Row>& rows) {
        std::size_t longest = 0;
        for (const auto& row : rows) longest = std::max(longest, row.text.size());
        WordListWriter writer(codec_, decodeBuffer_);
        create(writer, list, longest, rows.size());
        for (const auto& row : rows) {
            const std::uint32_t word2 = row.firstLevel ? word_list_format::kBoldRow : 0;
            if (!writer.append(row.text, 0, word2, row.persons, row.parent)) fail(list);
        }
        if (!writer.close()) fail(list);
        if (nameVariantsOf(list.number) == NameVariants::Spelling) writeKeyList(list, rows);
    }

    // The key list beside a name list, for "~" searches.
    void writeKeyList(const WordListSettings& list, const std::vector<ListAccumulator::Row>& rows) {
        const WordListProperties p = wordListProperties(list, directory_.cd(), directory_.hd());
        std::vector<std::string_view> texts;
        texts.reserve(rows.size());
        for (const auto& row : rows) texts.push_back(row.text);
        if (!writeSpellingKeyFile(spellingKeyFilePath(p.filkat, p.filnamn), texts, kSpellingKeyVersion))
            fail(list);
    }

    // Creates a list's files, with rows long enough for its longest text and room for its rows.
    void create(WordListWriter& writer, const WordListSettings& list, std::size_t longestText,
                std::size_t rows) {
        WordListProperties p = wordListProperties(list, directory_.cd(), directory_.hd());
        p.radmaxlen = std::max<std::int32_t>(
            p.radmaxlen, static_cast<std::int32_t>(longestText + word_list_format::kTextRoom));
        p.maxrader = std::max<std::int32_t>(p.maxrader, static_cast<std::int32_t>(rows));
        if (!writer.create(p)) fail(list);
    }

    [[noreturn]] static void fail(const WordListSettings& list) {
        throw BuildError("cannot write the word list " + std::string(list.name));
    }

    void writeHelpTexts() {
        progress_.stage(BuildStage::Finishing, "writing the help texts", kWordListsEnd);
        const std::vector<HelpText> texts =
            options_.helpTextsDir.empty() ? builtInHelpTexts() : readHelpTexts(options_.helpTextsDir);
        TextBaseWriter writer(helpTextBase(), placeTextBase(helpTextBase(), directory_.cd(), directory_.hd()),
                              codec_);
        if (!writer.create()) throw BuildError(writer.error());
        for (const HelpText& text : texts) {
            const std::array<FieldValue, 3> values = {
                std::string_view(text.code), std::string_view(text.title), std::string_view(text.body)};
            if (writer.append(values) < 0) throw BuildError("help text " + text.code + ": " + writer.error());
        }
        if (!writer.close()) throw BuildError("cannot write the help texts: " + writer.error());
    }

    // The skin pictures of --skin go to the skin picture base, each named by its file name, with
    // the kind, placement code and region of the skin's manifest; the second picture collection is
    // written empty.
    void writePictureBases() {
        progress_.stage(BuildStage::Finishing, "writing the pictures", (kWordListsEnd + 1.0) / 2);
        writePictureBase(pictureBase(), {});
        writePictureBase(skinPictureBase(), options_.skinDir.empty() ? std::vector<SkinPicture>{}
                                                                     : readSkinPictures(options_.skinDir));
    }

    void writePictureBase(const PictureBaseSettings& base, const std::vector<SkinPicture>& pictures) {
        PictureBaseWriter writer(base, PictureBaseDirectories{directory_.hd(), directory_.hd()}, codec_);
        if (!writer.create()) throw BuildError(writer.error());
        for (const SkinPicture& picture : pictures) {
            TSPbildpost post;
            post.name = picture.name;
            post.kind = picture.kind;
            post.placement = picture.placement;
            if (writer.append(post, picture.png, picture.region ? &*picture.region : nullptr) < 0) {
                throw BuildError(picture.name + ": " + writer.error());
            }
        }
        if (!writer.close()) throw BuildError("cannot write the picture base " + std::string(base.name));
    }

    void writeIni() const {
        const fs::path target = directory_.target();
        std::ofstream ini(fs::path(directory_.hd()).parent_path().parent_path() / kConfigurationFileName,
                          std::ios::binary);
        ini << "[kataloger]\ncdbasen=" << cdDirectoryOf(target.string())
            << "\nhdbasen=" << hdDirectoryOf(target.string()) << "\n[limits]\nutskrift=" << kLimitMax
            << "\nexport=" << kLimitMax << "\n";
        if (!ini.flush()) throw BuildError("cannot write " + std::string(kConfigurationFileName));
    }

    const BuildOptions& options_;
    Progress progress_;
    const BuildMessages& warn_;
    BuildDirectory directory_;
    TCompress codec_;
    PersonListDecodeBuffer decodeBuffer_;
    MasterTexts masterTexts_;
    ListAccumulators lists_;
    BuildReport report_;
};

}  // namespace

BuildReport buildDatabase(const BuildOptions& options, const BuildMessages& progress,
                          const BuildMessages& warn) {
    return Builder(options, progress, warn).run();
}

}  // namespace tessla
