#pragma once

// The pixel arithmetic of the scroll bar `Tspecscr`, measured along its track (y of a vertical
// bar, x of a horizontal one): an arrow of kArrowLength pixels at each end, the track between
// them, and the thumb's place on the track for a position.

#include <cstdint>

namespace tessla {

// Pixels each arrow takes at its end of the bar.
inline constexpr int kArrowLength = 20;
// Half the thumb's hit length along the track and half its hit width across it.
inline constexpr int kThumbHitAlong = 4;
inline constexpr int kThumbHitAcross = 11;

class ScrollGeometry {
  public:
    // A bar `length` pixels long over the positions min … max (min <= max).
    ScrollGeometry(int length, std::int32_t min, std::int32_t max);

    // The track's pixels between the arrows; at least 1, so a bar shorter than its two arrows
    // still has a positive step size.
    int trackLength() const;
    // The first coordinate past the track (where the second arrow begins).
    int trackEnd() const { return kArrowLength + trackLength(); }
    // Pixels per position step; 1 when min = max.
    double pixelsPerStep() const;
    // The thumb's centre coordinate for `position`.
    int thumbCoordinate(std::int32_t position) const;
    // The position a pointer at `coordinate` points to: before the track's end measured from the
    // track's start (nothing before it), at or past the end `max`; always within min … max.
    std::int32_t positionAt(int coordinate) const;

  private:
    int length_;
    std::int32_t min_;
    std::int32_t max_;
};

}  // namespace tessla
