#include "windows/main_grids.h"

#include "widgets/table_grid.h"

namespace tessla {

TSPtab* makeListGrid(QWidget& frame, const char* name, int columns) {
    auto* grid = new TSPtab(&frame);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setTabmode(TSPtabmode::tmStandard);
    grid->setTabvaelj(TSPtabvaelj::tvHdrag);
    grid->setEttindrag(14);
    grid->setMushjul(false);
    grid->setColumnCount(columns);
    return grid;
}

void placeListGrid(TSPtab& grid, const MainLayout& layout, const LayoutRect& area,
                   std::initializer_list<int> widths) {
    grid.setGeometry(2, 2, area.width, area.height);
    grid.setFontPointSize(layout.metrics.fontSize);
    grid.setDefaultRowHeight(layout.metrics.rowHeight);
    int column = 0;
    for (const int width : widths) grid.setColumnWidth(column++, width);
}

}  // namespace tessla
