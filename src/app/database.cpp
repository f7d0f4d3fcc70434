#include "app/database.h"

namespace tessla {

Database::Database(MessageSink* sink) : sink_(sink) {
    const WordListSettings& master = masterList();
    master_ = std::make_unique<TSPstruktlista>(compressor_, sink_, decodeBuffer_, std::string(master.name));
    for (int k = 1; k <= 41; ++k) {
        lists_[static_cast<std::size_t>(k - 1)] = std::make_unique<TSPstruktlista>(
            compressor_, sink_, decodeBuffer_, std::string(wordList(k)->name));
    }
    persons_ = std::make_unique<TSPregtext>(personTextBase(), TextBaseDirectories{}, compressor_, sink_);
    help_ = std::make_unique<TSPregtext>(helpTextBase(), TextBaseDirectories{}, compressor_, sink_);
}

TSPstruktlista* Database::listtabell(int slot) {
    const auto number = listNumberOfSlot(slot);
    return number ? &tessls(*number) : nullptr;
}

void Database::open(const Configuration& config) {
    close();
    const std::string& cd = config.cdbasen;
    const std::string& hd = config.hdbasen;
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
    // Tree lists start fully collapsed.
    for (const int k : kTreeLists) tessls(k).expanderad().tomma();
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
    master_->stang();
    persons_->stang();
    for (int slot = 1; slot <= kListSlots; ++slot) listtabell(slot)->stang();
    tessls(39).stang();
    help_->stang();
    for (Tspsmalurval& s : sokur_) s.frigor();
    opened_ = false;
}

}  // namespace tessla
