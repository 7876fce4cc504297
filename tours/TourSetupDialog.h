#pragma once
#include "TabKeyDialog.h"

#include <array>

class Prompter;
class QCheckBox;
class QLineEdit;

// "Tour Setup": which of presets 1 to 10 the console's own tour visits and
// how long it stays at each. A check box switches the running tour's entry
// at once; OK hands the entries and the dwell time back.
class TourSetupDialog : public TabKeyDialog {
    Q_OBJECT
public:
    static constexpr int kMinimumDwell = 5;
    static constexpr int kMaximumDwell = 60;

    TourSetupDialog(const std::array<int, 10>& entries, int dwellTime, std::array<int, 10>& liveEntries,
                    Prompter& prompter, QWidget* parent = nullptr);

    const std::array<int, 10>& entries() const { return entries_; }
    int dwellTime() const { return dwellTime_; }

    void accept() override;

private:
    std::array<int, 10> entries_;
    int dwellTime_;
    std::array<int, 10>& live_;
    Prompter& prompter_;
    std::array<QCheckBox*, 10> boxes_{};
    QLineEdit* dwell_ = nullptr;
};
