#pragma once

class FlexGrid;
class QWidget;

// Mouse-wheel paging for the screens' list grids: a screen registers its main grid when it
// loads or becomes active and releases it when it is deactivated or closes. One grid in the
// program is the wheel target at a time. A notch over that grid, or over a control of the screen
// that does nothing with the wheel, pages the grid whichever control has focus; a list, box or
// calendar under the pointer scrolls itself instead, a drop-down list only while it has the focus.
void HookFlexGrid(QWidget* screen, FlexGrid* grid);
void UnhookFlexGrid();
// Pages the hooked grid: a positive rotation turns towards the top.
void FlexGridMouseWheel(int rotation);

// The top row after one wheel message: a page is the rows that fit in the grid, at least 10.
int WheelTopRow(double gridHeightTwips, double rowHeightTwips, int topRow, int rows, int rotation);

QWidget* HookedScreen();
FlexGrid* HookedGrid();
