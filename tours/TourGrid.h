#pragma once
#include <QTableWidget>
#include <functional>

// The tour grid: 3 columns by 33 rows, of which the first row ("Preset",
// "Dwell") and the first column (the step numbers 1 to 32) are fixed;
// column widths 30, 50 and 50; even rows tinted. Cells are edited in
// place, and the end of an edit may be refused, which leaves the cell's
// old text. Rows and columns are counted as the grid counts them: row 1
// is step 1, column 1 "Preset" and column 2 "Dwell".
class TourGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 33;
    static constexpr int kColumns = 3;
    static constexpr int kPresetColumn = 1;
    static constexpr int kDwellColumn = 2;

    explicit TourGrid(QWidget* parent = nullptr);

    // Cells outside the grid's editable part read as empty and take nothing.
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    // Empties both columns of rows first to last.
    void ClearCells(int first, int last);
    // The focus cell, selected alone; (0, 0) when there is none.
    void SetFocusCell(int row, int column);
    int focusRow() const;
    int focusColumn() const;

    // Called when an edit of a cell ends, with the text typed; false
    // refuses it.
    std::function<bool(int row, int column, const QString& text)> endEdit;

    static const QColor& EvenRowColour();
};
