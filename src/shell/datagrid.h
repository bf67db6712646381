#pragma once

class QTableView;

// A grid over a DatasetModel as the editors and the main window show it:
// whole rows selected one at a time, no row numbers, and each column as
// wide as its character count (counted as digits) or its title.
void setUpDataGrid(QTableView *grid);
