#pragma once

// Coded text: the program's light markup for the texts of its text views and prints, and
// `TSPkodtxt`, which lays such a text out into positioned runs for a canvas and a width, draws
// them and tells which link or character lies under a point.
//
// A code runs from "[" to the next "]" (or to the end of the text). Inside it, characters below
// 32 are dropped and a backslash anywhere makes it a closing code; the first remaining character,
// upper-cased, is the command and the rest its argument:
//   [1]…[6] style n (not inside a table)   [Bn] colour n (1…6)     [F] [K] [U] bold, italic, underline
//   [C] [H] centre or right-align the rest of the line              [Ln] rule n (1…3) to the right end
//   [Mtarget] link, [\M] its end           [N] style 2             [Tw1 w2 …] table, [\T] its end
//   [X] highlighted passage, [\X] its end
// Unknown commands and numbers out of range have no effect. Outside codes, characters from 32
// up are text, tab moves to the next tab position or table column, carriage return ends the line,
// and other control characters are ignored. Malformed text never fails: an unterminated "["
// swallows the rest as one code.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "storage/text_canvas.h"

namespace tessla {

// One entry of the style table.
struct Tkodtextsize {
    int style = 0;  // kFont* bits
    Rgb color;
    std::string_view name;
    int size = 0;  // points
};

// Styles 1 … 6 at index 0 … 5; style 2 is the body style.
inline constexpr std::array<Tkodtextsize, 6> kKodtextStyles = {{
    {0, {}, "Times New Roman", 9},
    {0, {}, "Times New Roman", 11},
    {0, {}, "Times New Roman", 13},
    {0, {}, "Times New Roman", 20},
    {0, {}, "Times New Roman", 10},
    {0, {}, "Times New Roman", 12},
}};

inline constexpr Rgb kLinkColor{224, 0, 0};        // a link with a target
inline constexpr Rgb kEmptyLinkColor{0, 64, 128};  // a link without one
inline constexpr Rgb kHighlightColor{162, 198, 155};
inline constexpr Rgb kSelectionColor{0, 0, 128};
inline constexpr Rgb kSelectionTextColor{255, 255, 255};

// A box with exclusive right and bottom edges.
struct TextRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const TextRect&, const TextRect&) = default;
};

// A laid-out run: a piece of text in one format, or a rule.
struct Tkodtextp {
    std::string text;  // empty for a rule
    int rule = 0;      // 0 for text, else the rule's pen (kRule*)
    TextFont font;
    Rgb color;
    TextRect rect;  // x from the left edge of the layout area, y from the top of the text
    bool link = false;
    int linkIndex = -1;
    bool highlight = false;
    int sourcePos = 0;  // index of the run's first character (of its code, for a rule) in the text
};

struct KodtextLink {
    std::string target;
    bool visible = false;  // a run of the link was drawn by the last draw
};

// An [X] code: the 1-based line it stands on and that line's y.
struct KodtextMark {
    int line = 0;
    int y = 0;
    friend bool operator==(const KodtextMark&, const KodtextMark&) = default;
};

// The answer of TSPkodtxt::charAt.
struct KodtextChar {
    bool found = false;  // a run's box holds the point
    int run = -1;
    int source = -1;     // position in the text
    int lineStart = -1;  // position of the first run of the run's line
    friend bool operator==(const KodtextChar&, const KodtextChar&) = default;
};

class TSPkodtxt {
  public:
    // Keeps a copy of `text`. A non-empty text that does not end with a line feed gets a carriage
    // return and a line feed, so that its last line is ended; source positions count in this
    // copy. Takes effect at the next layout.
    void setText(std::string_view text);
    const std::string& text() const { return text_; }

    // The layout area in view coordinates: the text is laid out to its width (right − left) and
    // drawn inside it, its bottom row included.
    void setRect(const TextRect& rect) { rect_ = rect; }
    const TextRect& rect() const { return rect_; }
    // 0: top-aligned, drawn from verticalOffset(); 1: centred vertically; 2: aligned to the bottom.
    void setVertmode(int mode) { vertmode_ = mode; }
    // The y of the laid-out text drawn at the top of the area in mode 0; layout sets it to 0.
    void setVerticalOffset(int pixels) { verticalOffset_ = pixels; }
    int verticalOffset() const { return verticalOffset_; }
    // Source positions first … last are drawn selected; −1 for none.
    void setSelection(int first, int last);

    // Discards the previous result and lays the text out, measuring on `canvas`.
    void layout(TextCanvas& canvas);
    // Draws the runs inside the area. A run that stands on the line of the run before it but
    // starts left of that run's end is first moved right to it, for good.
    void draw(TextCanvas& canvas);
    // The target of the link whose run holds the point (view coordinates), when that link was
    // drawn by the last draw; otherwise empty. Records the run under the point, −1 for none or
    // a point outside the area.
    std::string linkAt(int x, int y);
    int runUnderMouse() const { return runUnderMouse_; }
    // The character at the point (view coordinates). A run whose box holds it gives the first
    // character whose prefix in the run is at least as wide as the point's offset into the run,
    // or its last. Otherwise the last run whose top lies at or above the point gives its start
    // (point left of the run) or the position after its text, with found false; with no such run
    // everything is 0.
    KodtextChar charAt(TextCanvas& canvas, int x, int y) const;

    const std::vector<Tkodtextp>& runs() const { return runs_; }
    const std::vector<KodtextLink>& links() const { return links_; }
    const std::vector<KodtextMark>& marks() const { return marks_; }
    // The y of the top of each line; the line count is its size. Never cut short.
    const std::vector<int>& lineTops() const { return lineTops_; }
    int totalHeight() const { return totalHeight_; }
    // The laid-out text as plain text: the runs' text in order, a tab between two runs of one
    // line that a tab of the text separates (or before a table column that goes back up), and a line
    // feed for every line the next run starts further down, empty lines included.
    std::string plainText() const;

  private:
    friend class KodtextLayout;

    // Added to a layout y to give the view y.
    int viewShift() const;
    TextRect toView(const TextRect& box) const;
    void drawRun(TextCanvas& canvas, const Tkodtextp& run, const TextRect& box);
    int firstRunOfLine(int run) const;
    // Whether the text between two runs holds a tab outside its codes.
    bool tabBetween(const Tkodtextp& before, const Tkodtextp& after) const;

    std::string text_;
    TextRect rect_;
    int vertmode_ = 0;
    int verticalOffset_ = 0;
    int selectionFirst_ = -1;
    int selectionLast_ = -1;
    int runUnderMouse_ = -1;

    std::vector<Tkodtextp> runs_;
    std::vector<KodtextLink> links_;
    std::vector<KodtextMark> marks_;
    std::vector<int> lineTops_{0};
    int totalHeight_ = 0;
};

// The text without its codes: every character from a "[" up to and including the next "]" is
// dropped, so an unterminated "[" drops the rest; all other characters pass unchanged.
std::string stripCodes(std::string_view text);

}  // namespace tessla
