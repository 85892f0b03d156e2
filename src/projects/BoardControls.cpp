#include "projects/BoardControls.h"

#include "platform/FlexGrid.h"

#include <QHeaderView>

FlexGrid* NewBoardGrid(QWidget* parent, const QStringList& headings, const QList<int>& centred, int stretched)
{
    auto* grid = new FlexGrid(parent);
    grid->SetCols(int(headings.size()));
    for (int col = 0; col < headings.size(); ++col)
        grid->SetTextMatrix(0, col, headings.at(col));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    for (int col : centred)
        if (QTableWidgetItem* heading = grid->horizontalHeaderItem(col))
            heading->setTextAlignment(Qt::AlignCenter);
    return grid;
}

void CentreColumns(FlexGrid* grid, const QList<int>& centred)
{
    for (int row = 1; row < grid->Rows(); ++row)
        for (int col : centred)
            if (QTableWidgetItem* cell = grid->item(row - 1, col))
                cell->setTextAlignment(Qt::AlignCenter);
}
