#pragma once
#include <QColor>
#include <QWidget>

// The pan/tilt pad: a square the operator drags in to steer the camera. The
// console configures its size, centre band, picture and proportional mode.
class PTControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 12;

    explicit PTControl(QWidget* parent = nullptr);

    // Outer size; an even side grows by one pixel so both sides are odd.
    void SetOuterSize(int width, int height);
    void SetCentreBand(int halfWidth) { centreBand_ = halfWidth; }
    // Pad picture by the "PTImage" setting (1 to 7); anything else shows none.
    void SetPicture(int index);
    // 0 switches proportional speed off; 1 or 2 (the pan/tilt type) on.
    void SetProportionalMode(int mode, QColor dragColour, int panSpeedLimit, int tiltSpeedLimit);

    int proportionalMode() const { return proportionalMode_; }
    int centreBand() const { return centreBand_; }
    int picture() const { return picture_; }
    int panSpeedLimit() const { return panSpeedLimit_; }
    int tiltSpeedLimit() const { return tiltSpeedLimit_; }
    QColor dragColour() const { return dragColour_; }
    QRect innerRect() const;

    QSize sizeHint() const override { return outerSize_; }
    QSize minimumSizeHint() const override { return outerSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize outerSize_{123, 123};
    int centreBand_ = 8;
    int picture_ = 0;
    int proportionalMode_ = 0;
    QColor dragColour_{0, 0, 208};
    int panSpeedLimit_ = 15;
    int tiltSpeedLimit_ = 15;
};
