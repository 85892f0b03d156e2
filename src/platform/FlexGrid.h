#pragma once

#include <QHash>
#include <QTableWidget>

// A list grid in the manner of the original's grid control: row 0 is the heading row (shown as
// the column headings), rows 1 to Rows() - 1 are data rows; TopRow is the first data row in
// view. Sizes are in twips.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int cols);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    int TopRow() const;
    void SetTopRow(int row);

    double HeightTwips() const;
    double RowHeightTwips(int row) const;

    // A column as wide as `characters` characters of text in the grid's font, with a cell's margin.
    void SetColWidthInCharacters(int col, int characters);

    // The alignment of a column's data cells, those there and those to come.
    void SetColAlignment(int col, Qt::Alignment alignment);

private:
    QHash<int, Qt::Alignment> colAlignment_;
};
