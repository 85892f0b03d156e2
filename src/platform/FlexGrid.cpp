#include "platform/FlexGrid.h"

#include "platform/Units.h"

#include <QHeaderView>
#include <QScrollBar>

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    SetRows(1);
}

int FlexGrid::Rows() const
{
    return rowCount() + 1;
}

void FlexGrid::SetRows(int rows)
{
    setRowCount(std::max(0, rows - 1));
}

int FlexGrid::Cols() const
{
    return columnCount();
}

void FlexGrid::SetCols(int cols)
{
    setColumnCount(cols);
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return cell ? cell->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text)
{
    if (row == 0) {
        setHorizontalHeaderItem(col, new QTableWidgetItem(text));
        return;
    }
    if (QTableWidgetItem* cell = item(row - 1, col)) {
        cell->setText(text);
        return;
    }
    auto* cell = new QTableWidgetItem(text);
    if (colAlignment_.contains(col))
        cell->setTextAlignment(colAlignment_.value(col));
    setItem(row - 1, col, cell);
}

void FlexGrid::SetColAlignment(int col, Qt::Alignment alignment)
{
    colAlignment_.insert(col, alignment);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* cell = item(r, col))
            cell->setTextAlignment(alignment);
}

int FlexGrid::TopRow() const
{
    const int first = rowAt(0);
    return first < 0 ? 1 : first + 1;
}

void FlexGrid::SetTopRow(int row)
{
    if (rowCount() == 0)
        return;
    const int index = std::clamp(row - 1, 0, rowCount() - 1);
    verticalScrollBar()->setValue(index);
}

double FlexGrid::HeightTwips() const
{
    return TwipsFromPixels(height());
}

double FlexGrid::RowHeightTwips(int row) const
{
    if (row == 0)
        return TwipsFromPixels(horizontalHeader()->height());
    if (row - 1 >= rowCount())
        return TwipsFromPixels(verticalHeader()->defaultSectionSize());
    return TwipsFromPixels(rowHeight(row - 1));
}

void FlexGrid::SetColWidthInCharacters(int col, int characters)
{
    // Blanks are narrower than text: a column sized by them leaves a name cut.
    constexpr int CellMargin = 12;
    setColumnWidth(col, fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('n'))) + CellMargin);
}
