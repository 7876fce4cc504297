#include "TourSetupDialog.h"

#include "DialogButtons.h"

#include "Prompter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TourSetupDialog::TourSetupDialog(const std::array<int, 10>& entries, int dwellTime, std::array<int, 10>& liveEntries,
                                 Prompter& prompter, QWidget* parent)
    : TabKeyDialog(parent), entries_(entries), dwellTime_(dwellTime), live_(liveEntries), prompter_(prompter)
{
    setObjectName(QStringLiteral("TourSetupDialog"));
    setWindowTitle(QStringLiteral("Tour Setup"));
    auto* presets = new QGroupBox(QStringLiteral("Presets in the tour"), this);
    auto* grid = new QGridLayout(presets);
    for (int i = 0; i < 10; ++i) {
        const QString caption = QStringLiteral("Preset %1").arg(i + 1);
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QStringLiteral("Preset%1").arg(i + 1));
        box->setAccessibleName(caption);
        box->setChecked(entries_[i] != 0);
        // The running tour follows the box at once.
        connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
            entries_[i] = on ? 1 : 0;
            live_[i] = entries_[i];
        });
        boxes_[i] = box;
        grid->addWidget(box, i % 5, i / 5);
    }
    auto* dwellRow = new QHBoxLayout;
    auto* dwellLabel = new QLabel(QStringLiteral("Dwell Time"), this);
    dwell_ = new QLineEdit(QString::number(dwellTime_), this);
    dwell_->setObjectName(QStringLiteral("DwellTime"));
    dwell_->setAccessibleName(QStringLiteral("Dwell Time"));
    dwell_->setValidator(new QIntValidator(0, 9999, dwell_));
    dwell_->setMaximumWidth(60);
    dwellLabel->setBuddy(dwell_);
    dwellRow->addWidget(dwellLabel);
    dwellRow->addWidget(dwell_);
    dwellRow->addWidget(new QLabel(QStringLiteral("seconds"), this));
    dwellRow->addStretch();

    QDialogButtonBox* buttons = OkCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(presets);
    layout->addLayout(dwellRow);
    layout->addWidget(buttons);
}

void TourSetupDialog::accept()
{
    bool ok = false;
    const int dwell = dwell_->text().toInt(&ok);
    if (!ok || dwell < kMinimumDwell || dwell > kMaximumDwell) {
        prompter_.ShowMessage(IntegerRangeMessage(kMinimumDwell, kMaximumDwell).toStdString(), ApplicationTitle());
        dwell_->setFocus();
        dwell_->selectAll();
        return;
    }
    dwellTime_ = dwell;
    TabKeyDialog::accept();
}
