#pragma once

// The statistics window `Tstatform` (Swedish only): for one property of the persons of the
// result, every value with its number of persons, sorted by value or by count, and a summary line.
// Each row's count is drawn as a bar behind it; instead of the table the window can show a chart
// of the same rows (the choice is kept between showings) and save it as a picture. The window can
// be made larger than its first size; the table and the chart take the room.

#include <QDialog>

#include "view/statistics_table.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessla {

class BackgroundPanel;
class ChartView;
class ElidedLabel;
class Program;
class SunkenFrame;
class TSPknapp;
class TSPtab;
class Tspecscr;
class Ttextform;

class Tstatform : public QDialog {
    Q_OBJECT

  public:
    // The program and the help window must outlive the window.
    Tstatform(Program& program, Ttextform& help, QWidget* parent = nullptr);
    ~Tstatform() override;

    // The result changed: the rows are counted again when the window next shows.
    void markOutOfDate();

    const StatisticsTable& table() const { return table_; }
    // Whether the chart shows instead of the table.
    bool chartShown() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void placeControls();
    // The combos show the table's choices, without choosing anything.
    void showChoices();
    // The rows as last counted, from the first, and the summary under them.
    void showRows();
    // A new database: the first choices, no rows, counted at the next showing.
    void reset();
    // Shows the table or the chart, as the view combo says.
    void showView();
    // Asks where to save the chart and saves it there.
    void saveChart();
    // The count column as wide as the largest count's cell needs, at least its first width; the
    // value column takes the rest.
    void fitColumns();
    // Paints the bar of a row behind its text.
    void paintRowBar(QPainter& painter, std::int32_t row, const QRect& rect, bool selected) const;

    Program& program_;
    Ttextform& help_;
    StatisticsTable table_;
    BackgroundPanel* panel_;
    QLabel* countLabel_;
    QComboBox* rcb_;
    QLabel* sortLabel_;
    QComboBox* sortcb_;
    TSPknapp* helpknapp_;
    TSPknapp* slutknapp_;
    QWidget* tablePage_;
    SunkenFrame* frame_;
    TSPtab* stattab_;
    Tspecscr* statscr_;
    SunkenFrame* chartFrame_;
    ChartView* chart_;
    ElidedLabel* summary_;
    QLabel* viewLabel_;
    QComboBox* viewcb_;
    QPushButton* saveButton_;
    QString saveDirectory_;
};

}  // namespace tessla
