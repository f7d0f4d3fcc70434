#include "database/database.h"

namespace tessla {
namespace {

std::unique_ptr<TSPbildbas> pictureBaseIn(const PictureBaseSettings& base, const std::string& hd,
                                          TCompress& codec, MessageSink* sink) {
    auto pictures = std::make_unique<TSPbildbas>(base, PictureBaseDirectories{hd, hd}, codec, sink);
    pictures->setReadOnly(true);
    return pictures;
}

}  // namespace

std::vector<DatabaseFile> databaseFiles(const std::string& cd, const std::string& hd) {
    std::vector<DatabaseFile> files;
    const auto add = [&](std::string_view component, std::string path, bool main) {
        files.push_back({std::string(component), std::move(path), main});
    };
    for (const WordListSettings& list : wordLists()) {
        const WordListProperties p = wordListProperties(list, cd, hd);
        add(list.name, filePath(p.filkat, p.filnamn, p.filext), true);
        if (p.LZH) add(list.name, filePath(p.LZHfilkat, p.LZHfilnamn, p.LZHfilext), false);
        if (p.finnsBLOB) add(list.name, filePath(p.rllfilkat, p.filnamn, kPersonListExt), false);
        if (!p.styrfilkat.empty()) add(list.name, filePath(p.styrfilkat, p.filnamn, kParentTableExt), false);
    }
    for (const TextBaseSettings* base : {&personTextBase(), &helpTextBase()}) {
        const TextBaseDirectories dirs = placeTextBase(*base, cd, hd);
        add(base->name, filePath(dirs.bfilkat, base->bfilnamn, base->bfilext), true);
        add(base->name, filePath(dirs.pfilkat, base->pfilnamn, base->pfilext), false);
        if (base->LZH == TblobfilLZHmode::LZHblockpacka) {
            add(base->name, filePath(dirs.LZHfilkat, base->LZHfilnamn, base->LZHfilext), false);
        }
    }
    return files;
}

Database::Database(MessageSink* sink) : sink_(sink) {
    const WordListSettings& master = masterList();
    master_ = std::make_unique<TSPstruktlista>(compressor_, sink_, decodeBuffer_, std::string(master.name));
    for (int k = 1; k <= 41; ++k) {
        lists_[static_cast<std::size_t>(k - 1)] = std::make_unique<TSPstruktlista>(
            compressor_, sink_, decodeBuffer_, std::string(wordList(k)->name));
    }
    persons_ = std::make_unique<TSPregtext>(personTextBase(), TextBaseDirectories{}, compressor_, sink_);
    help_ = std::make_unique<TSPregtext>(helpTextBase(), TextBaseDirectories{}, compressor_, sink_);
    skin_ = pictureBaseIn(skinPictureBase(), "", compressor_, sink_);
    pictures_ = pictureBaseIn(pictureBase(), "", compressor_, sink_);
}

TSPstruktlista* Database::listtabell(int slot) {
    const auto number = listNumberOfSlot(slot);
    return number ? &tessls(*number) : nullptr;
}

void Database::open(const Configuration& config) {
    close();
    const std::string& cd = config.cdbasen;
    const std::string& hd = config.hdbasen;
    skin_ = pictureBaseIn(skinPictureBase(), hd, compressor_, sink_);
    pictures_ = pictureBaseIn(pictureBase(), hd, compressor_, sink_);
    for (int k = 1; k <= 41; ++k) tessls(k).properties() = wordListProperties(*wordList(k), cd, hd);
    master_->properties() = wordListProperties(masterList(), cd, hd);
    master_->oppna();

    persons_ = std::make_unique<TSPregtext>(personTextBase(), placeTextBase(personTextBase(), cd, hd),
                                            compressor_, sink_);
    help_ = std::make_unique<TSPregtext>(helpTextBase(), placeTextBase(helpTextBase(), cd, hd), compressor_,
                                         sink_);
    persons_->oppna();
    help_->oppna();

    for (int slot = 1; slot <= kListSlots; ++slot) listtabell(slot)->oppna();
    tessls(39).oppna();
    // Tree lists start fully collapsed: their first level shows.
    for (const int k : kTreeLists) {
        tessls(k).expanderad().tomma();
        tessls(k).byggvy();
    }
    sizeSearchSelections();
    opened_ = true;
}

void Database::sizeSearchSelections() {
    for (Tspsmalurval& s : sokur_) {
        s.setCapacity(master_->rowCount());
        s.setUsedSize(master_->rowCount());
        s.allokera();
    }
}

void Database::close() {
    if (!opened_) return;
    skin_->stang();
    pictures_->stang();
    master_->stang();
    persons_->stang();
    for (int slot = 1; slot <= kListSlots; ++slot) listtabell(slot)->stang();
    tessls(39).stang();
    help_->stang();
    for (Tspsmalurval& s : sokur_) s.frigor();
    opened_ = false;
}

}  // namespace tessla
