// The tour list, the tour grid and the buttons that work on them.
#include "ToursSectorsDialog.h"

#include "PanelHost.h"
#include "Prompter.h"
#include "ToursSectorsCodec.h"
#include "TourGrid.h"

#include <QListWidget>

namespace {
int CellValue(const TourGrid& grid, int row, int column)
{
    return LeadingInteger(grid.CellText(row, column).toLatin1().toStdString());
}
} // namespace

// A new tour chosen: a changed grid goes into the tour it showed, the grid
// shows the new tour's record until the dome answers, and the dome is
// asked for the tour's state now and its steps half a second later.
void ToursSectorsDialog::OnTourSelected(int index)
{
    if (index < 0 || index >= DomeData::kTours)
        return;
    if (changed_)
        CopyGridToTour(tourIndex_);
    tourIndex_ = index;
    ShowTourRecord(tourIndex_);
    Enqueue(std::string("*Ts") + TourCharacter(tourIndex_));
    SetTouring(false);
    timers().Start(ToursTimer::TourPresets, kTourQueryMs);
}

bool ToursSectorsDialog::OnGridEdit(int row, int column, const QString& text)
{
    changed_ = true;
    const int value = LeadingInteger(text.toLatin1().toStdString());
    const TourColumn which = column == TourGrid::kPresetColumn ? TourColumn::Preset : TourColumn::Dwell;
    if (!GridAccepts(which, value) || row < 1 || row > CCameraTour::kSteps)
        return false;
    TourStep& step = dome_.tours[static_cast<size_t>(tourIndex_)].steps[static_cast<size_t>(row - 1)];
    (which == TourColumn::Preset ? step.preset : step.dwell) = value;
    return true;
}

// Steps 1 to 33 of the grid into the tour's record (0 for an empty cell).
void ToursSectorsDialog::CopyGridToTour(int tourIndex)
{
    CCameraTour& tour = dome_.tours[static_cast<size_t>(tourIndex)];
    for (int row = 1; row <= CCameraTour::kSteps; ++row) {
        TourStep& step = tour.steps[static_cast<size_t>(row - 1)];
        step.preset = CellValue(*grid_, row, TourGrid::kPresetColumn);
        step.dwell = CellValue(*grid_, row, TourGrid::kDwellColumn);
    }
}

void ToursSectorsDialog::ShowTourRecord(int tourIndex)
{
    const CCameraTour& tour = dome_.tours[static_cast<size_t>(tourIndex)];
    for (int row = 1; row < TourGrid::kRows; ++row) {
        const TourStep& step = tour.steps[static_cast<size_t>(row - 1)];
        grid_->SetCellText(row, TourGrid::kPresetColumn, QString::fromStdString(TourCellText(step.preset)));
        grid_->SetCellText(row, TourGrid::kDwellColumn, QString::fromStdString(TourCellText(step.dwell)));
    }
}

// A "TP" or "TD" reply into its column: 0 and -1 leave the cell empty.
void ToursSectorsDialog::ShowTourReply(int column, const std::array<int, 32>& values, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        grid_->SetCellText(static_cast<int>(i) + 1, column, QString::fromStdString(TourCellText(values[i])));
    grid_->viewport()->update();
}

void ToursSectorsDialog::OnClearAllData()
{
    Enqueue(std::string("*TC") + TourCharacter(tourIndex_));
    grid_->ClearCells(1, CCameraTour::kSteps);
    CopyGridToTour(tourIndex_);
    changed_ = true;
}

// The dwell in the focus cell goes to every step that has a preset.
void ToursSectorsDialog::OnSetAllDwells()
{
    const QString dwell = grid_->CellText(grid_->focusRow(), grid_->focusColumn());
    if (grid_->focusColumn() != TourGrid::kDwellColumn || dwell.isEmpty())
        return;
    for (int row = 1; row < TourGrid::kRows; ++row)
        if (!grid_->CellText(row, TourGrid::kPresetColumn).isEmpty())
            grid_->SetCellText(row, TourGrid::kDwellColumn, dwell);
    grid_->viewport()->update();
    CopyGridToTour(tourIndex_);
    changed_ = true;
}

void ToursSectorsDialog::OnUploadTour()
{
    changed_ = true;
    for (int row = 1; row <= CCameraTour::kSteps; ++row) {
        const bool preset = !grid_->CellText(row, TourGrid::kPresetColumn).isEmpty();
        if (preset && grid_->CellText(row, TourGrid::kDwellColumn).isEmpty()) {
            host().prompter().ShowMessage("Please provide a dwell time", ApplicationTitle(), MessageButtons::Ok,
                                          MessageIcon::Stop);
            grid_->SetFocusCell(row, TourGrid::kDwellColumn);
            return;
        }
        if (!preset)
            grid_->SetCellText(row, TourGrid::kDwellColumn, QString());
    }
    grid_->viewport()->update();
    CopyGridToTour(tourIndex_);
    std::array<int, CCameraTour::kSteps> presets{}, dwells{};
    for (int i = 0; i < CCameraTour::kSteps; ++i) {
        presets[static_cast<size_t>(i)] = CellValue(*grid_, i + 1, TourGrid::kPresetColumn);
        dwells[static_cast<size_t>(i)] = CellValue(*grid_, i + 1, TourGrid::kDwellColumn);
    }
    Enqueue(TourTextCommand('P', tourIndex_, presets));
    Enqueue(TourTextCommand('D', tourIndex_, dwells));
}

void ToursSectorsDialog::SetTouring(bool touring)
{
    touring_ = touring;
    Show();
}
