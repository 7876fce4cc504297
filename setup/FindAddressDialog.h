#pragma once
#include "FeaturePanel.h"
#include "FindAddressCodec.h"

class QLabel;
class QProgressBar;

// "Find Camera Address": polls addresses 1 to 223 with "L?H?", one every
// 500 ms, writing each into the console's current address, until the
// console reports an answer. OK keeps the address found; Cancel puts back
// the address the search began with.
class FindAddressDialog : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kSearchTimer = 10;

    // Construction sets the console's current address to 1.
    explicit FindAddressDialog(PanelHost& host, QWidget* parent = nullptr);

    // A camera answered: the console calls this with its current address.
    void ResponseReceived(int address);

    const AddressSearch& search() const { return search_; }
    void done(int result) override;

protected:
    void Fill() override;
    void OnPanelReply(const uint8_t*, size_t) override {}
    void OnPanelTimer(int id) override;

private:
    void OnTick();
    void ShowProgress();

    AddressSearch search_;
    bool inTick_ = false;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
};
