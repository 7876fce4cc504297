#pragma once
#include <QDialog>
#include <cstdint>
#include <vector>

class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class TrafficHistory;
class TrafficHistoryModel;

// "Traffic History": every frame that crossed the line this session, with
// its time to the millisecond, direction, the strip's text and the raw
// bytes; filtered by direction and text, copied, saved as text. New frames
// are taken in ten times a second, so a busy line does not slow the console.
class TrafficHistoryWindow : public QDialog {
    Q_OBJECT
public:
    TrafficHistoryWindow(const TrafficHistory& history, Prompter& prompter, QWidget* parent = nullptr);
    ~TrafficHistoryWindow() override;

    // Takes in what the history gained since the last call (the timer's job).
    void Refresh();
    // The lines shown, as Copy and Save write them.
    std::vector<std::string> ShownLines() const;

private:
    void CopySelection();
    void Save();

    const TrafficHistory& history_;
    Prompter& prompter_;
    TrafficHistoryModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* direction_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QCheckBox* follow_ = nullptr;
    QLabel* count_ = nullptr;
    QTimer* refresh_ = nullptr;
};
