#include "storage/coded_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace tessla {

namespace {

// A run that crosses the limit is split after the last of these.
constexpr std::string_view kBreakCharacters = " ,-./:;\\";

// The colours of [B1] … [B6].
constexpr std::array<Rgb, 6> kCodeColors = {{
    {0, 0, 0},
    {0, 128, 0},
    {128, 0, 0},
    {0, 0, 128},
    {64, 19, 19},
    {64, 112, 112},
}};

// Numbers in codes above this are out of every range; reading stops growing there.
constexpr int kMaxCodeNumber = 1000000;
// Widths and positions of tables and tabs are kept below this, so that no sum overflows.
constexpr std::int64_t kMaxCoordinate = 100000000;

int clampCoordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kMaxCoordinate, kMaxCoordinate));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The number `text` holds as digits, with spaces around them allowed; −1 for anything else.
int parseNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return -1;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int value = 0;
    for (char c : text) {
        if (!isDigit(c)) return -1;
        value = std::min(value * 10 + (c - '0'), kMaxCodeNumber);
    }
    return value;
}

// The position of the next text character after position `i`: codes and control characters
// between are passed over. The text's size when there is none.
std::size_t nextTextCharacter(std::string_view text, std::size_t i) {
    for (++i; i < text.size(); ++i) {
        if (text[i] == '[') {
            i = text.find(']', i);
            if (i == std::string_view::npos) return text.size();
        } else if (static_cast<unsigned char>(text[i]) >= 32) {
            return i;
        }
    }
    return text.size();
}

// The position of character `k` of a run whose first character stands at `first`.
std::size_t positionOfCharacter(std::string_view text, std::size_t first, std::size_t k) {
    std::size_t position = first;
    for (; k > 0; --k) position = nextTextCharacter(text, position);
    return position;
}

}  // namespace

// One layout of a TSPkodtxt's text: reads the text once, collecting runs, links, marks and line
// tops into the engine.
class KodtextLayout {
  public:
    KodtextLayout(TSPkodtxt& out, TextCanvas& canvas)
        : out_(out), canvas_(canvas), text_(out.text_), width_(out.rect_.right - out.rect_.left) {
        for (int n = 1; n <= 6; ++n) {
            canvas_.setFont(styleFont(n));
            heights_[n - 1] = canvas_.fontHeight() * 10 / 8;
        }
        canvas_.setFont(styleFont(2));
        space_ = canvas_.textWidth(" ");
        tabStep_ = clampCoordinate(std::int64_t{10} * space_);
        lineHeight_ = height(2);
    }

    void run() {
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if (c == '[') {
                const std::size_t end = std::min(text_.find(']', i + 1), text_.size());
                code(i, end);
                i = end;
            } else if (c >= 32) {
                addCharacter(i);
            } else if (c == '\t') {
                tab();
            } else if (c == '\r') {
                inTable_ ? endRow() : endLine();
            }
        }
        closeRun();
        endTable();
        out_.totalHeight_ = std::max(y_, lowestBottom_);
    }

  private:
    // A pending [C] or [H]: the runs from `first` to `last` (exclusive) form one line of it.
    struct AlignedRange {
        std::size_t first = 0, last = 0;
        char mode = 'C';
    };

    struct Table {
        std::vector<int> x, width;  // per column
        int right = 0;              // the right end of the whole table
        int column = 0;
        int rowTop = 0;
        int rowBottom = 0;             // the top of the lowest line reached in the row
        std::vector<int> columnTops;   // line tops of the current column
        std::vector<int> tallestTops;  // line tops of the column with the most lines so far
    };

    static TextFont styleFont(int n) {
        const Tkodtextsize& style = kKodtextStyles[n - 1];
        return {style.name, style.size, style.style};
    }
    int height(int style) const { return heights_[style - 1]; }

    TextFont currentFont() const {
        TextFont font = styleFont(style_);
        font.style = link_ >= 0 ? 0 : bits_;
        return font;
    }
    Rgb currentColor() const { return link_ >= 0 ? linkColor_ : color_; }

    // The right edge that text may reach: the current column's inside a table.
    int limit() const {
        if (!inTable_) return width_;
        const int column = table_.column;
        return std::min(clampCoordinate(std::int64_t{table_.x[column]} + table_.width[column]), width_);
    }

    void code(std::size_t open, std::size_t end) {
        code_.clear();
        bool closing = false;
        for (std::size_t j = open + 1; j < end; ++j) {
            const auto c = static_cast<unsigned char>(text_[j]);
            if (c == '\\') {
                closing = true;
            } else if (c >= 32) {
                code_ += text_[j];
            }
        }
        if (code_.empty()) return;
        const char command = upperAscii(code_[0]);
        const std::string_view argument = std::string_view(code_).substr(1);
        if (isDigit(command)) {
            if (const int n = parseNumber(code_); !inTable_ && n >= 1 && n <= 6) setStyle(n);
            return;
        }
        switch (command) {
            case 'B':
                if (const int n = parseNumber(argument); n >= 1 && n <= 6) setColor(kCodeColors[n - 1]);
                break;
            case 'C':
            case 'H':
                startAlignment(command);
                break;
            case 'F':
                setBit(kFontBold, !closing);
                break;
            case 'K':
                setBit(kFontItalic, !closing);
                break;
            case 'U':
                setBit(kFontUnderline, !closing);
                break;
            case 'L':
                if (const int n = parseNumber(argument); n >= 1 && n <= 3) addRule(n, open);
                break;
            case 'M':
                closing ? closeLink() : openLink(argument);
                break;
            case 'N':
                setStyle(2);
                break;
            case 'T':
                closing ? endTable() : startTable(argument);
                break;
            case 'X':
                setHighlight(!closing);
                break;
            default:
                break;
        }
    }

    void setStyle(int n) {
        const Tkodtextsize& style = kKodtextStyles[n - 1];
        if (n == style_ && bits_ == style.style && color_ == style.color) return;
        style_ = n;
        bits_ = style.style;
        color_ = style.color;
        // The run before the code is closed with the height of the style it chose.
        closeRun();
        lineHeight_ = lineHasText_ ? std::max(lineHeight_, height(n)) : height(n);
    }

    void setColor(Rgb color) {
        if (color == color_) return;
        closeRun();
        color_ = color;
    }

    void setBit(int bit, bool on) {
        const int bits = on ? bits_ | bit : bits_ & ~bit;
        if (bits == bits_) return;
        closeRun();
        bits_ = bits;
    }

    void setHighlight(bool on) {
        if (on == highlight_) return;
        closeRun();
        highlight_ = on;
        if (on) out_.marks_.push_back({static_cast<int>(out_.lineTops_.size()), y_});
    }

    void openLink(std::string_view target) {
        if (link_ >= 0) return;
        closeRun();
        target.remove_prefix(std::min(target.find_first_not_of(' '), target.size()));
        link_ = static_cast<int>(out_.links_.size());
        out_.links_.push_back({std::string(target), false});
        linkColor_ = target.empty() ? kEmptyLinkColor : kLinkColor;
        bitsBeforeLink_ = bits_;
        colorBeforeLink_ = color_;
    }

    void closeLink() {
        if (link_ < 0) return;
        closeRun();
        link_ = -1;
        bits_ = bitsBeforeLink_;
        color_ = colorBeforeLink_;
    }

    void addRule(int pen, std::size_t position) {
        closeRun();
        Tkodtextp rule;
        rule.rule = pen;
        rule.font = currentFont();
        rule.color = currentColor();
        rule.link = link_ >= 0;
        rule.linkIndex = link_;
        rule.highlight = highlight_;
        rule.sourcePos = static_cast<int>(position);
        const int top = y_ + height(style_) / 2;
        const int right = inTable_ ? table_.right : width_;
        rule.rect = {x_, top, std::max(right, x_), top + (pen == kRuleThick ? 2 : 1)};
        lowestBottom_ = std::max(lowestBottom_, rule.rect.bottom);
        out_.runs_.push_back(std::move(rule));
    }

    void startAlignment(char mode) {
        closeRun();
        finishAlignedRange();
        aligning_ = true;
        alignMode_ = mode;
        alignFirst_ = out_.runs_.size();
    }

    void finishAlignedRange() {
        if (aligning_ && out_.runs_.size() > alignFirst_)
            alignedRanges_.push_back({alignFirst_, out_.runs_.size(), alignMode_});
    }

    // Moves each range of a pending [C] or [H] into place, its runs one after another.
    void applyAlignment() {
        finishAlignedRange();
        aligning_ = false;
        for (const AlignedRange& range : alignedRanges_) {
            std::vector<Tkodtextp>& runs = out_.runs_;
            const int width = runs[range.last - 1].rect.right - runs[range.first].rect.left;
            int left = std::max(range.mode == 'C' ? (width_ - width) / 2 : width_ - width, 0);
            for (std::size_t i = range.first; i < range.last; ++i) {
                TextRect& box = runs[i].rect;
                const int runWidth = box.right - box.left;
                box.left = left;
                box.right = left + runWidth;
                if (runs[i].rule == 0) left += runWidth;
            }
        }
        alignedRanges_.clear();
    }

    void startTable(std::string_view argument) {
        std::vector<int> spaces;
        std::size_t i = 0;
        while (i < argument.size()) {
            const std::size_t end = std::min(argument.find_first_of(" ,", i), argument.size());
            if (const int n = parseNumber(argument.substr(i, end - i)); n >= 0)
                spaces.push_back(std::min(n, kMaxCodeNumber));
            i = end + 1;
        }
        if (spaces.empty()) return;
        closeRun();
        endTable();
        table_.x.clear();
        table_.width.clear();
        std::int64_t x = 0;
        for (int n : spaces) {
            table_.x.push_back(clampCoordinate(x));
            table_.width.push_back(clampCoordinate(std::int64_t{n} * space_));
            x = clampCoordinate(x + table_.width.back() + 2 * std::int64_t{space_});
        }
        table_.right = clampCoordinate(std::int64_t{table_.x.back()} + table_.width.back());
        inTable_ = true;
        startRow();
    }

    void startRow() {
        table_.column = 0;
        x_ = tabBase_ = table_.x[0];
        table_.rowTop = table_.rowBottom = y_;
        table_.columnTops.assign(1, y_);
        table_.tallestTops.clear();
        runsOnLine_ = 0;
    }

    void finishColumn() {
        if (table_.columnTops.size() > table_.tallestTops.size()) table_.tallestTops = table_.columnTops;
    }

    // The lines below the first of the row's tallest column join the line table.
    void addRowLines() {
        finishColumn();
        out_.lineTops_.insert(out_.lineTops_.end(), table_.tallestTops.begin() + 1, table_.tallestTops.end());
    }

    void nextColumn() {
        closeRun();
        finishColumn();
        ++table_.column;
        x_ = tabBase_ = table_.x[table_.column];
        y_ = table_.rowTop;
        table_.columnTops.assign(1, y_);
        runsOnLine_ = 0;
    }

    void endRow() {
        closeRun();
        applyAlignment();
        addRowLines();
        y_ = table_.rowBottom + lineHeight_;
        out_.lineTops_.push_back(y_);
        lineHeight_ = height(style_);
        lineHasText_ = false;
        startRow();
    }

    // Leaves the table with y on the top of the row's lowest line.
    void endTable() {
        if (!inTable_) return;
        closeRun();
        addRowLines();
        y_ = table_.rowBottom;
        inTable_ = false;
    }

    void tab() {
        if (inTable_) {
            table_.column + 1 < static_cast<int>(table_.x.size()) ? nextColumn() : endRow();
            return;
        }
        closeRun();
        tabBase_ = clampCoordinate(std::int64_t{tabBase_} + tabStep_);
        x_ = std::max(x_, tabBase_);
    }

    void endLine() {
        closeRun();
        applyAlignment();
        y_ += lineHeight_;
        out_.lineTops_.push_back(y_);
        x_ = tabBase_ = 0;
        lineHeight_ = height(style_);
        lineHasText_ = false;
        runsOnLine_ = 0;
    }

    // A wrapped line: the next line starts at the tab base (inside a table, the column's left).
    void wrapLine() {
        finishAlignedRange();
        if (inTable_) {
            y_ += height(style_);
            table_.columnTops.push_back(y_);
            table_.rowBottom = std::max(table_.rowBottom, y_);
        } else {
            y_ += lineHeight_;
            out_.lineTops_.push_back(y_);
            lineHeight_ = height(style_);
        }
        x_ = tabBase_;
        runsOnLine_ = 0;
        alignFirst_ = out_.runs_.size();
    }

    void startRun(std::size_t position) {
        run_.font = currentFont();
        run_.color = currentColor();
        run_.link = link_ >= 0;
        run_.linkIndex = link_;
        run_.highlight = highlight_;
        run_.sourcePos = static_cast<int>(position);
        run_.rect.left = x_;
        canvas_.setFont(run_.font);
    }

    void addCharacter(std::size_t position) {
        if (run_.text.empty()) startRun(position);
        run_.text += text_[position];
        lineHasText_ = true;
        while (!run_.text.empty() && run_.rect.left + canvas_.textWidth(run_.text) > limit() && wrapRun()) {
        }
    }

    // Splits the open run that crosses the limit and moves its end to a new line; false when it
    // is a single character that starts its line, which stays so that every line holds one.
    bool wrapRun() {
        std::string& text = run_.text;
        const std::size_t lastBreak = text.find_last_of(kBreakCharacters);
        std::size_t cut = 0;
        if (lastBreak != std::string::npos) {
            cut = lastBreak + 1;
        } else if (runsOnLine_ == 0) {
            if (text.size() < 2) return false;
            cut = text.size() - 1;
        }
        Tkodtextp moved = run_;
        moved.text.erase(0, cut);
        moved.sourcePos = static_cast<int>(positionOfCharacter(text_, run_.sourcePos, cut));
        text.resize(cut);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        closeRun();
        wrapLine();
        if (moved.text.empty()) {
            lineHasText_ = false;
            return true;
        }
        moved.rect.left = x_;
        run_ = std::move(moved);
        canvas_.setFont(run_.font);
        return true;
    }

    void closeRun() {
        if (run_.text.empty()) return;
        run_.rect.top = y_;
        run_.rect.right = run_.rect.left + canvas_.textWidth(run_.text);
        run_.rect.bottom = y_ + height(style_);
        x_ = run_.rect.right;
        lowestBottom_ = std::max(lowestBottom_, run_.rect.bottom);
        out_.runs_.push_back(std::move(run_));
        run_.text.clear();
        ++runsOnLine_;
    }

    TSPkodtxt& out_;
    TextCanvas& canvas_;
    const std::string_view text_;
    const int width_;
    std::array<int, 6> heights_{};
    int space_ = 0;
    int tabStep_ = 0;

    int style_ = 2;
    int bits_ = 0;
    Rgb color_;
    int link_ = -1;
    Rgb linkColor_;
    int bitsBeforeLink_ = 0;
    Rgb colorBeforeLink_;
    bool highlight_ = false;

    int x_ = 0, y_ = 0;
    int tabBase_ = 0;
    int lineHeight_ = 0;
    bool lineHasText_ = false;
    int runsOnLine_ = 0;
    int lowestBottom_ = 0;
    Tkodtextp run_;
    std::string code_;

    bool aligning_ = false;
    char alignMode_ = 'C';
    std::size_t alignFirst_ = 0;
    std::vector<AlignedRange> alignedRanges_;

    bool inTable_ = false;
    Table table_;
};

void TSPkodtxt::setText(std::string_view text) {
    text_.assign(text);
    if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
}

void TSPkodtxt::setSelection(int first, int last) {
    selectionFirst_ = first;
    selectionLast_ = last;
}

void TSPkodtxt::layout(TextCanvas& canvas) {
    runs_.clear();
    links_.clear();
    marks_.clear();
    lineTops_.assign(1, 0);
    totalHeight_ = 0;
    verticalOffset_ = 0;
    runUnderMouse_ = -1;
    KodtextLayout(*this, canvas).run();
}

int TSPkodtxt::viewShift() const {
    const int viewHeight = rect_.bottom - rect_.top + 1;
    switch (vertmode_) {
        case 1:
            return (viewHeight - totalHeight_) / 2;
        case 2:
            return viewHeight - totalHeight_;
        default:
            return -verticalOffset_;
    }
}

TextRect TSPkodtxt::toView(const TextRect& box) const {
    const int shift = rect_.top + viewShift();
    return {box.left + rect_.left, box.top + shift, box.right + rect_.left, box.bottom + shift};
}

void TSPkodtxt::draw(TextCanvas& canvas) {
    for (KodtextLink& link : links_) link.visible = false;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        Tkodtextp& run = runs_[i];
        if (i > 0) {
            const Tkodtextp& before = runs_[i - 1];
            const int overlap = before.rect.right - run.rect.left;
            if (run.rule == 0 && before.rule == 0 && before.rect.top == run.rect.top && overlap > 0) {
                run.rect.left += overlap;
                run.rect.right += overlap;
            }
        }
        const TextRect box = toView(run.rect);
        if (box.bottom <= rect_.top || box.top > rect_.bottom) continue;
        drawRun(canvas, run, box);
        if (run.link) links_[run.linkIndex].visible = true;
    }
}

std::string TSPkodtxt::plainText() const {
    std::string plain;
    const Tkodtextp* previous = nullptr;
    std::ptrdiff_t previousLine = 0;
    for (const Tkodtextp& run : runs_) {
        if (run.text.empty()) continue;
        const std::ptrdiff_t line =
            std::upper_bound(lineTops_.begin(), lineTops_.end(), run.rect.top) - lineTops_.begin();
        if (previous != nullptr && line > previousLine) {
            plain.append(static_cast<std::size_t>(line - previousLine), '\n');
        } else if (previous != nullptr && (line < previousLine || tabBetween(*previous, run))) {
            plain += '\t';
        }
        plain += run.text;
        previous = &run;
        previousLine = line;
    }
    return plain;
}

bool TSPkodtxt::tabBetween(const Tkodtextp& before, const Tkodtextp& after) const {
    const std::size_t end = static_cast<std::size_t>(before.sourcePos) + before.text.size();
    const std::size_t start = static_cast<std::size_t>(after.sourcePos);
    if (start <= end || start > text_.size()) return false;
    return stripCodes(std::string_view(text_).substr(end, start - end)).find('\t') != std::string::npos;
}

void TSPkodtxt::drawRun(TextCanvas& canvas, const Tkodtextp& run, const TextRect& box) {
    if (run.rule != 0) {
        canvas.drawRule(box.left, box.right, box.top, run.rule, run.color);
        return;
    }
    canvas.setFont(run.font);
    const std::optional<Rgb> background =
        run.highlight ? std::optional<Rgb>(kHighlightColor) : std::optional<Rgb>();
    // The characters first … last − 1 of the run lie in the selection.
    std::size_t first = run.text.size(), last = 0;
    if (selectionFirst_ >= 0) {
        std::size_t position = static_cast<std::size_t>(run.sourcePos);
        for (std::size_t k = 0; k < run.text.size(); ++k) {
            if (position >= static_cast<std::size_t>(selectionFirst_) &&
                position <= static_cast<std::size_t>(selectionLast_)) {
                first = std::min(first, k);
                last = k + 1;
            }
            position = nextTextCharacter(text_, position);
        }
    }
    if (first >= last) {
        canvas.drawText(box.left, box.top, run.text, run.color, background);
        return;
    }
    const std::string_view text = run.text;
    const auto xOf = [&](std::size_t k) { return box.left + canvas.textWidth(text.substr(0, k)); };
    if (first > 0) canvas.drawText(box.left, box.top, text.substr(0, first), run.color, background);
    canvas.drawText(xOf(first), box.top, text.substr(first, last - first), kSelectionTextColor,
                    kSelectionColor);
    if (last < text.size()) canvas.drawText(xOf(last), box.top, text.substr(last), run.color, background);
}

std::string TSPkodtxt::linkAt(int x, int y) {
    runUnderMouse_ = -1;
    if (x < rect_.left || x > rect_.right || y < rect_.top || y > rect_.bottom) return {};
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (!toView(runs_[i].rect).contains(x, y)) continue;
        runUnderMouse_ = static_cast<int>(i);
        const Tkodtextp& run = runs_[i];
        if (run.link && links_[run.linkIndex].visible) return links_[run.linkIndex].target;
        return {};
    }
    return {};
}

int TSPkodtxt::firstRunOfLine(int run) const {
    const int top = runs_[run].rect.top;
    while (run > 0 && runs_[run - 1].rule == 0 && runs_[run - 1].rect.top == top) --run;
    return run;
}

KodtextChar TSPkodtxt::charAt(TextCanvas& canvas, int x, int y) const {
    int above = -1;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const Tkodtextp& run = runs_[i];
        if (run.rule != 0) continue;
        const TextRect box = toView(run.rect);
        if (box.contains(x, y)) {
            canvas.setFont(run.font);
            const std::string_view text = run.text;
            std::size_t k = 0;
            while (k + 1 < text.size() && canvas.textWidth(text.substr(0, k + 1)) < x - box.left) ++k;
            const auto position = positionOfCharacter(text_, run.sourcePos, k);
            const int line = firstRunOfLine(static_cast<int>(i));
            return {true, static_cast<int>(i), static_cast<int>(position), runs_[line].sourcePos};
        }
        if (box.top <= y) above = static_cast<int>(i);
    }
    if (above < 0) return {false, 0, 0, 0};
    const Tkodtextp& run = runs_[above];
    const int lineStart = runs_[firstRunOfLine(above)].sourcePos;
    if (x < toView(run.rect).left) return {false, above, run.sourcePos, lineStart};
    const auto last = positionOfCharacter(text_, run.sourcePos, run.text.size() - 1);
    return {false, above, static_cast<int>(last) + 1, lineStart};
}

std::string stripCodes(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '[') {
            out += text[i];
            continue;
        }
        const std::size_t close = text.find(']', i);
        if (close == std::string_view::npos) break;
        i = close;
    }
    return out;
}

}  // namespace tessla
