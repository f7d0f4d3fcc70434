#pragma once

// The background of a window or of a part of it: plain paper with a background picture painted
// from the panel's top-left corner, repeated beside and below itself, every other copy mirrored,
// when the panel is larger than the picture, so that the picture continues across each seam.
// `SunkenFrame` is such a panel with a sunken rule around it, for lists and texts.

#include <string>
#include <string_view>

#include <QWidget>

namespace tessla {

class TSPtiler;

class BackgroundPanel : public QWidget {
    // Its own class name, by which the accessibility factory knows a panel.
    Q_OBJECT

  public:
    explicit BackgroundPanel(QWidget* parent = nullptr) : QWidget(parent) {}

    // The picture `name` of `tiler` (not owned; it must outlive the panel); null: plain paper.
    void setBackground(TSPtiler* tiler, std::string_view name);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TSPtiler* tiler_ = nullptr;
    std::string name_;
};

class SunkenFrame : public BackgroundPanel {
  public:
    using BackgroundPanel::BackgroundPanel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessla
