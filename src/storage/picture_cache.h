#pragma once

// The bookkeeping shared by the desktop program's two picture caches (the tiler of background
// pictures and the figure set of small pictures): a list of loaded pictures sorted by name, each
// with a use rank, filled by name from a picture base and bounded by evicting the picture used
// longest ago. What a loaded picture is stays with the cache's user; this layer knows no images.
// Also here: where the figure set places a picture inside a rectangle.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/picture_base.h"

namespace tessla {

// Characters kept of a cached picture's name.
inline constexpr std::size_t kCachedNameMax = 20;

// Opens a closed picture base for one fetch and closes it again when the fetch ends, so that a base
// that was open stays open and one that was closed is closed again.
class PictureBaseFetch {
  public:
    explicit PictureBaseFetch(TSPbildbas& base) : base_(base), openedHere_(!base.isOpen() && base.oppna()) {}
    ~PictureBaseFetch() {
        if (openedHere_) base_.stang();
    }
    PictureBaseFetch(const PictureBaseFetch&) = delete;
    PictureBaseFetch& operator=(const PictureBaseFetch&) = delete;

  private:
    TSPbildbas& base_;
    bool openedHere_;
};

// The names and use ranks of a cache's entries. Among n entries the ranks are 1 ... n, each once:
// rank 1 is the entry used last, rank n the one used longest ago. Entries are kept sorted by name
// and an entry's index is its position in that order.
class CacheRanks {
  public:
    // A cache holds at least one picture, whatever capacity it is given.
    explicit CacheRanks(int capacity) : capacity_(std::max(capacity, 1)) {}

    // The index of the entry called `name` (already cut to kCachedNameMax), or nothing.
    std::optional<int> find(std::string_view name) const;
    // Makes the entry at `index` the one used last.
    void touch(int index);
    // When the cache is full, removes the entry used longest ago and returns its index. It has the
    // highest rank, so every other entry keeps its rank.
    std::optional<int> evictIfFull();
    // Adds `name` as the entry used last and returns its index; there must be room (see evictIfFull).
    int insert(std::string_view name);

    // Forgets every entry.
    void clear() {
        names_.clear();
        ranks_.clear();
    }

    int size() const { return static_cast<int>(names_.size()); }
    const std::string& name(int index) const { return names_[static_cast<std::size_t>(index)]; }
    int rank(int index) const { return ranks_[static_cast<std::size_t>(index)]; }

  private:
    int capacity_;
    std::vector<std::string> names_;  // sorted
    std::vector<int> ranks_;          // parallel to names_
};

// A cache of pictures of type `Picture`, loaded by name from a picture base on first use.
template <typename Picture>
class PictureCache {
  public:
    explicit PictureCache(int capacity) : ranks_(capacity) {}

    // The index of the picture called `name` (cut to kCachedNameMax, as the base keeps names). When
    // it is not cached, `load(base, name)` gives it as an std::optional<Picture>; the base is opened
    // for the load when it is closed and closed again afterwards. -1 when the base has no such
    // picture. An index stays valid until the next fetch.
    template <typename Load>
    int fetch(TSPbildbas& base, std::string_view name, Load&& load) {
        const std::string key(name.substr(0, kCachedNameMax));
        if (const std::optional<int> found = ranks_.find(key)) {
            ranks_.touch(*found);
            return *found;
        }
        std::optional<Picture> picture;
        {
            const PictureBaseFetch open(base);
            picture = load(base, std::string_view(key));
        }
        if (!picture) return -1;
        if (const std::optional<int> evicted = ranks_.evictIfFull()) {
            pictures_.erase(pictures_.begin() + *evicted);
        }
        const int index = ranks_.insert(key);
        pictures_.insert(pictures_.begin() + index, std::move(*picture));
        return index;
    }

    // The picture at `index`, or null for an index outside the list.
    const Picture* at(int index) const {
        return index >= 0 && index < size() ? &pictures_[static_cast<std::size_t>(index)] : nullptr;
    }
    int size() const { return ranks_.size(); }
    const CacheRanks& ranks() const { return ranks_; }
    // Drops every picture.
    void clear() {
        ranks_.clear();
        pictures_.clear();
    }

  private:
    CacheRanks ranks_;
    std::vector<Picture> pictures_;  // parallel to the ranks' names
};

// Where a picture of `pictureWidth` x `pictureHeight` goes inside the rectangle at (left, top) of
// `width` x `height` under `placement`: a code "C" followed by a number places it (2 top centre,
// 3 top right, 5 bottom right, 6 bottom centre, 7 bottom left); every other code puts it at the
// rectangle's top-left corner. Centring halves toward zero.
struct FigurePosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const FigurePosition&, const FigurePosition&) = default;
};
FigurePosition placeFigure(std::string_view placement, int left, int top, int width, int height,
                           int pictureWidth, int pictureHeight);

}  // namespace tessla
