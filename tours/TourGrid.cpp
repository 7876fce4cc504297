#include "TourGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {
// Hands the typed text to the grid's end-of-edit check before the cell
// takes it.
class EndEditDelegate : public QStyledItemDelegate {
public:
    explicit EndEditDelegate(TourGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        const QString text = line ? line->text() : QString();
        if (grid_.endEdit && !grid_.endEdit(index.row() + 1, index.column() + 1, text))
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    TourGrid& grid_;
};
} // namespace

const QColor& TourGrid::EvenRowColour()
{
    static const QColor colour(228, 244, 232);
    return colour;
}

TourGrid::TourGrid(QWidget* parent) : QTableWidget(kRows - 1, kColumns - 1, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Preset"), QStringLiteral("Dwell")});
    QStringList steps;
    for (int row = 1; row < kRows; ++row)
        steps << QString::number(row);
    setVerticalHeaderLabels(steps);
    verticalHeader()->setFixedWidth(30);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setColumnWidth(0, 50);
    setColumnWidth(1, 50);
    for (int r = 0; r < kRows - 1; ++r) {
        for (int c = 0; c < kColumns - 1; ++c) {
            auto* cell = new QTableWidgetItem;
            // Grid rows are counted from the header row: step 2 is row 2.
            if ((r + 1) % 2 == 0)
                cell->setBackground(EvenRowColour());
            setItem(r, c, cell);
        }
    }
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new EndEditDelegate(*this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    const int width = 30 + 100 + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    setFixedWidth(width);
    setMinimumHeight(horizontalHeader()->sizeHint().height() + 10 * 20 + 2 * frameWidth());
}

QString TourGrid::CellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row - 1, column - 1);
    return row >= 1 && column >= 1 && cell ? cell->text() : QString();
}

void TourGrid::SetCellText(int row, int column, const QString& text)
{
    if (row < 1 || column < 1)
        return;
    if (QTableWidgetItem* cell = item(row - 1, column - 1))
        cell->setText(text);
}

void TourGrid::ClearCells(int first, int last)
{
    for (int row = first; row <= last; ++row)
        for (int column = kPresetColumn; column <= kDwellColumn; ++column)
            SetCellText(row, column, QString());
}

void TourGrid::SetFocusCell(int row, int column)
{
    if (row < 1 || row >= kRows || column < 1 || column >= kColumns)
        return;
    setCurrentCell(row - 1, column - 1, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(row - 1, column - 1));
    setFocus(Qt::OtherFocusReason);
}

int TourGrid::focusRow() const
{
    return currentRow() >= 0 ? currentRow() + 1 : 0;
}

int TourGrid::focusColumn() const
{
    return currentColumn() >= 0 ? currentColumn() + 1 : 0;
}
