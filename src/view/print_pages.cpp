#include "view/print_pages.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessla {

namespace {

constexpr TextFont kBodyFont{kPrintFace, 10, 0};
constexpr TextFont kBoldFont{kPrintFace, 10, kFontBold};
constexpr TextFont kTitleFont{kPrintFace, 11, kFontBold};
constexpr TextFont kSubtitleFont{kPrintFace, 9, 0};
constexpr Rgb kBlack{};

constexpr double kColumnInches[kTableColumns] = {1.8, 0.4, 2.5, 1.0, 1.7, 2.85};
constexpr double kColumnGapInches = 0.05;

bool isBreakCharacter(char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.' || c == '/' || c == ':' || c == ';';
}

char cellCharacter(char c) {
    const bool blank = (c >= 1 && c <= 5) || c == 9 || c == 11;
    return blank ? ' ' : c;
}

}  // namespace

std::vector<std::string> wrapCell(TextCanvas& canvas, std::string_view text, int width) {
    // Most cells fit on one line: measured once whole, as every start of a text that fits fits too.
    if (text.find('\r') == std::string_view::npos) {
        std::string whole;
        for (const char raw : text)
            if (raw != '\n') whole += cellCharacter(raw);
        if (whole.empty()) return {};
        if (canvas.textWidth(whole) <= width) return {whole};
    }
    std::vector<std::string> lines;
    std::string line;
    bool carried = false;  // the line continues a cut one: its leading blanks are dropped
    for (const char raw : text) {
        if (raw == '\n') continue;
        if (raw == '\r') {
            lines.push_back(std::exchange(line, {}));
            carried = false;
            continue;
        }
        const char c = cellCharacter(raw);
        while (true) {
            if (carried && line.empty() && c == ' ') break;
            if (line.empty() || canvas.textWidth(line + c) <= width) {
                line += c;
                carried = false;
                break;
            }
            const auto cut = std::find_if(line.rbegin(), line.rend(), isBreakCharacter);
            const std::size_t keep = cut == line.rend() ? line.size() : line.rend() - cut;
            lines.push_back(line.substr(0, keep));
            line.erase(0, keep);
            line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
            carried = true;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

PrintPages::PrintPages(PrintSurface& surface, const PaperGeometry& paper, PageHeading heading)
    : surface_(surface), canvas_(surface.canvas()), paper_(paper), heading_(std::move(heading)) {
    const bool portrait = paper_.width <= inchesX(9.0);
    left_ = inchesX(portrait ? 0.95 : 0.55);
    right_ = paper_.width - inchesX(0.3);
    bottom_ = paper_.height - inchesY(0.6);
    ruleY_ = inchesY(1.0);
    bodyTop_ = inchesY(1.2);
    canvas_.setFont(kBodyFont);
    // One and a quarter times the body font's character height, in whole pixels.
    lineHeight_ = std::max(1, canvas_.fontHeight() * 10 / 8);
    penY_ = bodyTop_;
    layoutColumns();
}

int PrintPages::inchesX(double inches) const {
    return static_cast<int>(std::lround(inches * paper_.dpiX));
}
int PrintPages::inchesY(double inches) const {
    return static_cast<int>(std::lround(inches * paper_.dpiY));
}

// The columns keep their widths when they fit between the margins; on narrower paper (landscape
// US Letter) they and their gaps shrink alike, so that the last one ends at the right margin.
void PrintPages::layoutColumns() {
    double total = 0;
    for (const double inches : kColumnInches) total += inches + kColumnGapInches;
    total -= kColumnGapInches;
    const double scale = std::min(1.0, static_cast<double>(right_ - left_) / (total * paper_.dpiX));
    double x = left_;
    for (int k = 0; k < kTableColumns; ++k) {
        columnX_[k] = static_cast<int>(std::lround(x));
        columnWidth_[k] = static_cast<int>(std::floor(kColumnInches[k] * scale * paper_.dpiX));
        x += (kColumnInches[k] + kColumnGapInches) * scale * paper_.dpiX;
    }
}

void PrintPages::setTableHeadings(const std::array<std::string, kTableColumns>& headings) {
    tableHeadings_ = headings;
    table_ = true;
}

void PrintPages::header() {
    const int top = inchesY(0.5);
    canvas_.setFont(kTitleFont);
    canvas_.drawText(left_, top, heading_.title, kBlack, {});
    canvas_.setFont(kBodyFont);
    const std::string number = heading_.pageWord + std::to_string(page_);
    canvas_.drawText(right_ - canvas_.textWidth(number), top, number, kBlack, {});
    canvas_.setFont(kSubtitleFont);
    canvas_.drawText(left_, inchesY(0.8), heading_.subtitle, kBlack, {});
    surface_.drawLine(left_, right_, ruleY_, std::max(1, paper_.dpiY / 200));
    penY_ = bodyTop_;
    printed_ = false;
    if (table_) headingRow();
}

void PrintPages::headingRow() {
    std::array<std::vector<std::string>, kTableColumns> lines;
    canvas_.setFont(kBoldFont);
    std::size_t height = 1;
    for (int k = 0; k < kTableColumns; ++k) {
        lines[k] = wrapCell(canvas_, tableHeadings_[k], columnWidth_[k]);
        height = std::max(height, lines[k].size());
    }
    for (std::size_t i = 0; i < height; ++i) {
        rowLines(lines, static_cast<int>(i), true);
        penY_ += lineHeight_;
    }
    // The rule a quarter line below the headings, clear of their descenders, then one line.
    surface_.drawLine(left_, columnX_[kTableColumns - 1] + columnWidth_[kTableColumns - 1],
                      penY_ + lineHeight_ / 4, 1);
    penY_ += lineHeight_;
}

int PrintPages::linesLeft() const {
    return (bottom_ - penY_) / lineHeight_;
}

void PrintPages::advance(int n) {
    if (n < linesLeft()) {
        penY_ += n * lineHeight_;
    } else {
        newPage();
    }
}

void PrintPages::newPage() {
    if (!printed_) return;
    surface_.startPage();
    ++page_;
    header();
}

void PrintPages::rowLines(const std::array<std::vector<std::string>, kTableColumns>& lines, int line,
                          bool bold) {
    canvas_.setFont(bold ? kBoldFont : kBodyFont);
    for (int k = 0; k < kTableColumns; ++k) {
        if (line < static_cast<int>(lines[k].size()))
            canvas_.drawText(columnX_[k], penY_, lines[k][static_cast<std::size_t>(line)], kBlack, {});
    }
}

void PrintPages::tableRow(const std::array<std::string, kTableColumns>& cells) {
    std::array<std::vector<std::string>, kTableColumns> lines;
    canvas_.setFont(kBodyFont);
    int height = 1;
    for (int k = 0; k < kTableColumns; ++k) {
        lines[k] = wrapCell(canvas_, cells[k], columnWidth_[k]);
        height = std::max(height, static_cast<int>(lines[k].size()));
    }
    if (linesLeft() < height) newPage();
    for (int i = 0; i < height; ++i) {
        const int left = linesLeft();
        // The first line of a longer row, or the second-to-last of one of three lines or more,
        // would be the last line of the page: it goes on the next, in company.
        const bool alone = left == 1 && ((i == 0 && height >= 2) || (height > 2 && i == height - 2));
        if (left <= 0 || alone) newPage();
        rowLines(lines, i, false);
        printed_ = true;
        penY_ += lineHeight_;
    }
}

void PrintPages::dashedSeparator() {
    if (linesLeft() < 2) newPage();
    canvas_.setFont(kBoldFont);
    canvas_.drawText(left_, penY_, kDashedSeparator, kBlack, {});
    printed_ = true;
    advance(1);
}

void PrintPages::record(std::string_view markedUp) {
    TSPkodtxt text;
    const auto layOut = [&](std::string_view source) {
        text.setText(source);
        text.setRect({0, 0, right_ - left_, bottom_ - bodyTop_});
        text.layout(canvas_);
    };
    if (printed_) {
        layOut(std::string(kRecordSeparator) + std::string(markedUp));
        if (penY_ + text.totalHeight() > bottom_) {
            newPage();
            layOut(markedUp);
        }
    } else {
        layOut(markedUp);
    }
    flow(text);
}

void PrintPages::flow(TSPkodtxt& text) {
    std::vector<int> cuts = text.lineTops();
    cuts.push_back(text.totalHeight());
    std::sort(cuts.begin(), cuts.end());
    const int total = text.totalHeight();
    int from = 0;
    while (from < total) {
        // The lowest line top that keeps the lines above it within the body; at least one line
        // on a page that has nothing else, so that a line taller than a body cannot stall.
        int end = from;
        for (const int cut : cuts)
            if (cut > from && cut - from <= bottom_ - penY_) end = cut;
        if (end == from) {
            if (printed_) {
                newPage();
                continue;
            }
            end = *std::upper_bound(cuts.begin(), cuts.end(), from);
        }
        text.setVerticalOffset(from);
        text.setRect({left_, penY_, right_, penY_ + (end - from) - 1});
        text.draw(canvas_);
        printed_ = true;
        penY_ += end - from;
        from = end;
        if (from < total) newPage();
    }
}

}  // namespace tessla
