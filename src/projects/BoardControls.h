#pragma once

#include <QList>
#include <QStringList>

class FlexGrid;
class QWidget;

// A list grid of the control board with its heading row; the listed columns are centred and the
// stretched one takes the width left over.
FlexGrid* NewBoardGrid(QWidget* parent, const QStringList& headings, const QList<int>& centred, int stretched);
// Centres the text of the given columns in every data row.
void CentreColumns(FlexGrid* grid, const QList<int>& centred);
