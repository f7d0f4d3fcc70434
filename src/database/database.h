#pragma once

// The data module: every component of the census database, the one shared compressor and the
// shared person-list decode buffer, with the opening and closing of the whole database in its
// fixed order. One object per open database, so tests can hold several.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "base/configuration.h"
#include "storage/codec.h"
#include "storage/message_sink.h"
#include "storage/person_list_file.h"
#include "storage/picture_base.h"
#include "storage/selection.h"
#include "storage/text_base.h"
#include "storage/word_list.h"

namespace tessla {

// A file the database reads, with the component it belongs to.
struct DatabaseFile {
    std::string component;
    std::string path;
    bool main;  // the component's row or record file
};

// Every file that opening the database reads, placed in the directories `cd` and `hd`. Opening
// creates the ones that are missing, so callers that must not create files check them first.
std::vector<DatabaseFile> databaseFiles(const std::string& cd, const std::string& hd);

class Database {
  public:
    // The sink (null: silent) hears the components' messages and must outlive the database.
    explicit Database(MessageSink* sink);
    ~Database() { close(); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the master list, the person records, the help texts and the 41 word lists from the
    // directories of `config`, read-only, in that order; fills `listtabell` and sizes the three
    // search selections to the number of persons. A component that cannot be opened stays
    // closed and reads as empty. Directories are used whole, whatever their length.
    void open(const Configuration& config);
    // Closes every component in the fixed order and frees the search selections.
    void close();

    TSPstruktlista& tessllista() { return *master_; }
    TSPregtext& tessl() { return *persons_; }
    TSPregtext& textbas() { return *help_; }
    // The picture bases are placed in HD, read-only, but opened by whoever first needs a picture.
    TSPbildbas& sysbild() { return *skin_; }
    TSPbildbas& bildbas() { return *pictures_; }
    // `tessls<k>`, k in 1 … 41.
    TSPstruktlista& tessls(int k) { return *lists_.at(static_cast<std::size_t>(k - 1)); }
    // `listtabell[slot]`, slot in 1 … 40; null outside.
    TSPstruktlista* listtabell(int slot);

    Tspsmalurval& sokur1() { return sokur_[0]; }
    Tspsmalurval& sokur2() { return sokur_[1]; }
    Tspsmalurval& sokur3() { return sokur_[2]; }

    TCompress& compressor() { return compressor_; }
    PersonListDecodeBuffer& decodeBuffer() { return decodeBuffer_; }
    bool isOpen() const { return opened_; }

  private:
    void sizeSearchSelections();

    MessageSink* sink_;
    TCompress compressor_;
    PersonListDecodeBuffer decodeBuffer_;
    std::unique_ptr<TSPstruktlista> master_;
    std::unique_ptr<TSPregtext> persons_;
    std::unique_ptr<TSPregtext> help_;
    std::unique_ptr<TSPbildbas> skin_;
    std::unique_ptr<TSPbildbas> pictures_;
    std::array<std::unique_ptr<TSPstruktlista>, 41> lists_;
    std::array<Tspsmalurval, 3> sokur_;
    bool opened_ = false;
};

}  // namespace tessla
