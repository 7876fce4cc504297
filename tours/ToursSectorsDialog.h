#pragma once
#include "CamFile.h"
#include "ConfigDownload.h"
#include "DomeRecords.h"
#include "FeaturePanel.h"

class QLineEdit;
class QListWidget;
class QProgressBar;
class QSpinBox;
class TourGrid;

// "Tours and Sectors Setup": the dome's sixteen pan sectors (limits, title,
// enable), eight privacy zones (limits, enable) and eight tours of up to 32
// preset and dwell steps. It keeps a local copy of them in Dome.dat, and
// copies the dome's whole configuration to Cam%03d.dat and back. One
// instance lives as long as the console, so the records and the current
// numbers survive between openings.
class ToursSectorsDialog : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kQueryMs = 5;
    static constexpr int kTourQueryMs = 500;
    static constexpr int kUploadMs = 200;

    explicit ToursSectorsDialog(PanelHost& host, QWidget* parent = nullptr);
    ~ToursSectorsDialog() override;

    const DomeData& dome() const { return dome_; }
    int currentSector() const { return sector_; }
    int currentZone() const { return zone_; }
    int tourIndex() const { return tourIndex_; }
    int reportedSector() const { return reportedSector_; }
    bool changed() const { return changed_; }
    bool downloading() const { return download_.active(); }
    bool uploading() const { return reader_.isOpen(); }

    // The close box asks to save as "Close" does.
    void reject() override;

    // While a download runs the console hands every reply here.
    void OnDownloadReply(const uint8_t* frame, size_t length) override;

protected:
    void Fill() override;
    void RequestStatus() override;
    void OnPanelReply(const uint8_t* frame, size_t length) override;
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    void BuildControls();
    bool Confirm(const char* text);
    void QueueAfterYes(const char* text, std::string command);
    void OnSectorNumber(int n);
    void OnZoneNumber(int n);
    void OnTitleChanged(const QString& text);
    void ShowValues();
    void Jog(bool pan);

    // The tour grid and its buttons (ToursSectorsTour.cpp).
    void OnTourSelected(int index);
    bool OnGridEdit(int row, int column, const QString& text);
    void CopyGridToTour(int tourIndex);
    void ShowTourRecord(int tourIndex);
    void ShowTourReply(int column, const std::array<int, 32>& values, size_t count);
    void OnClearAllData();
    void OnSetAllDwells();
    void OnUploadTour();
    void SetTouring(bool touring);

    // Dome.dat and Cam%03d.dat (ToursSectorsTransfer.cpp).
    std::string DataFile(const std::string& name);
    void AskToSave();
    void OnDownload();
    void OnUpload();
    void UploadStep();
    void EndDownload(bool complete);
    void EndUpload();
    void ShowProgress(long done, long total);

    DomeData dome_;
    int sector_ = 1;         // 1 to 16
    int zone_ = 1;           // 1 to 8
    int tourIndex_ = 0;      // 0 to 7
    int reportedSector_ = 1; // the sector the dome last reported
    int sectorEnable_ = 1;
    int zoneEnable_ = 1;
    bool changed_ = false;
    bool touring_ = false;

    ConfigDownload download_;
    CamFileWriter writer_;
    CamFileReader reader_;

    QSpinBox* sectorBox_ = nullptr;
    QSpinBox* zoneBox_ = nullptr;
    QLineEdit* titleBox_ = nullptr;
    QListWidget* tourList_ = nullptr;
    TourGrid* grid_ = nullptr;
    QProgressBar* progress_ = nullptr;
};
