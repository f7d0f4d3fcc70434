#pragma once

// The page engine of every print job: the page's geometry in inches from the paper's edge at the
// device's resolution, the page header, the pen that moves down the page line by line, table
// rows wrapped within their columns and kept from leaving a single line alone at the foot or the
// head of a page, dashed separators, and marked-up records that flow from the pen and continue on
// further pages when they are taller than a page body. It measures and draws on the paper's one
// text canvas, so the same pagination serves printers, PDF files and the tests' fixed-width
// canvas alike.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "storage/coded_text.h"
#include "storage/text_canvas.h"

namespace tessla {

// The paper a job prints on. The first page exists when the job begins; `startPage` adds one.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;
    // The one canvas of the job: every measure and every text goes through it.
    virtual TextCanvas& canvas() = 0;
    virtual void startPage() = 0;
    // A black horizontal line from x1 to x2 at y, `penWidth` pixels wide.
    virtual void drawLine(int x1, int x2, int y, int penWidth) = 0;
};

// The whole page in device pixels and the device's resolution.
struct PaperGeometry {
    int width = 0, height = 0;
    int dpiX = 96, dpiY = 96;
};

// What the header of every page says.
struct PageHeading {
    std::string title = "Tessla";
    std::string pageWord = "Sida ";  // before the page number
    std::string subtitle;            // Windows-1252
};

inline constexpr std::string_view kPrintFace = "Times New Roman";
inline constexpr int kTableColumns = 6;
// The dashed line between records of a household and between households.
inline constexpr std::string_view kDashedSeparator = "--------------------";
// Put in front of a record that follows another on the same page.
inline constexpr std::string_view kRecordSeparator = "[1]\r[L 2]\r";

// Wraps `text` (Windows-1252) within `width` pixels in the canvas's current font: a line is cut
// after its last blank or its last of , - . / : ; (which stays on the line) when the next
// character would make it too wide, or before that character when it has none; blanks at the
// start of a carried line are dropped; a carriage return ends a line, a line feed is ignored and
// the control characters 1–5, 9 and 11 count as blanks. An empty text gives no line.
std::vector<std::string> wrapCell(TextCanvas& canvas, std::string_view text, int width);

class PrintPages {
  public:
    PrintPages(PrintSurface& surface, const PaperGeometry& paper, PageHeading heading);

    // Tables: every page header is followed by this heading row (bold), a rule and one line.
    void setTableHeadings(const std::array<std::string, kTableColumns>& headings);

    // Prints the header of the current page and moves the pen to the body start.
    void header();
    // Lines of the body font that still fit between the pen and the bottom margin.
    int linesLeft() const;
    // Moves the pen down n lines, or starts a new page when fewer than n + 1 are left.
    void advance(int n);
    // Starts a new page with its header when something was printed below the current header.
    void newPage();

    // One table row: the six cells wrapped within their columns, moved whole to a new page when
    // it does not fit the rest of this one, never leaving one of its lines alone at the foot or
    // the head of a page; a row taller than a page flows on over the pages it needs.
    void tableRow(const std::array<std::string, kTableColumns>& cells);
    // The dashed separator (a new page first when fewer than 2 lines are left), then one line.
    void dashedSeparator();
    // A marked-up record: after something else on the page it follows the record separator from
    // the pen, unless it would end below the body, when it starts a new page without the
    // separator; a record taller than a whole body continues on further pages, cut at line tops.
    void record(std::string_view markedUp);

    // Geometry, for the tests and the drawing of a job.
    int leftMargin() const { return left_; }
    int rightEdge() const { return right_; }
    int bodyTop() const { return bodyTop_; }
    int bodyBottom() const { return bottom_; }
    int ruleY() const { return ruleY_; }
    int lineHeight() const { return lineHeight_; }
    int penY() const { return penY_; }
    int pageNumber() const { return page_; }
    // Start and width of table column k (0 … 5), scaled to fit the printable width.
    int columnX(int k) const { return columnX_[k]; }
    int columnWidth(int k) const { return columnWidth_[k]; }
    bool printedSinceHeader() const { return printed_; }

  private:
    int inchesX(double inches) const;
    int inchesY(double inches) const;
    void layoutColumns();
    void headingRow();
    void rowLines(const std::array<std::vector<std::string>, kTableColumns>& lines, int line, bool bold);
    // Draws the laid-out text from the pen, page by page, each part ending at a line top.
    void flow(TSPkodtxt& text);

    PrintSurface& surface_;
    TextCanvas& canvas_;
    PaperGeometry paper_;
    PageHeading heading_;
    std::array<std::string, kTableColumns> tableHeadings_;
    bool table_ = false;

    int left_ = 0, right_ = 0, bottom_ = 0, ruleY_ = 0, bodyTop_ = 0;
    int lineHeight_ = 1;
    int penY_ = 0;
    int page_ = 1;
    bool printed_ = false;
    std::array<int, kTableColumns> columnX_{}, columnWidth_{};
};

}  // namespace tessla
