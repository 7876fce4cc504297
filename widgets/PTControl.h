#pragma once
#include "PadCommands.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

class PictureButton;

// The pan/tilt pad: the operator drags in it to steer the camera. In zone
// mode each of the eight zones around the centre square sends a fixed
// command; in proportional mode the distance from the centre sets the
// speeds. Every drag ends with "PSTS". Commands go to the console window as
// PtCommandEvents. With the focus, the arrow keys steer as a drag does.
class PTControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 12;

    explicit PTControl(QWidget* parent = nullptr);

    // Outer size; an even side grows by one pixel so both sides are odd.
    void SetOuterSize(int width, int height);
    void SetCentreBand(int halfWidth) { centreBand_ = halfWidth; }
    // Pad picture by the "PTImage" setting (1 to 7); anything else shows
    // none. A picture resizes the pad to the picture plus the margins.
    void SetPicture(int index);
    // 0 switches proportional speed off; 1 or 2 (the pan/tilt type) on.
    void SetProportionalMode(int mode, QColor dragColour, int panSpeedLimit, int tiltSpeedLimit);
    // The nudge buttons' commands in proportional mode depend on it.
    void SetReceiverType(int type) { receiverType_ = type; }
    // The four nudge buttons on the pad's edges; shown unless told otherwise.
    void SetNudgeButtonsVisible(bool visible);

    int proportionalMode() const { return proportionalMode_; }
    int centreBand() const { return centreBand_; }
    int picture() const { return picture_; }
    int panSpeedLimit() const { return panSpeedLimit_; }
    int tiltSpeedLimit() const { return tiltSpeedLimit_; }
    QColor dragColour() const { return dragColour_; }
    bool dragging() const { return dragging_; }
    QRect innerRect() const;
    PadGeometry geometry() const;

    // The picture of a "PTImage" index, or a null pixmap.
    static QPixmap PadPicture(int index);

    QSize sizeHint() const override { return outerSize_; }
    QSize minimumSizeHint() const override { return outerSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void EndDrag();
    void Send(const QString& text);
    void DragTo(QPoint point, bool first);
    void Nudge(int direction);
    void PlaceNudgeButtons();

    QSize outerSize_{123, 123};
    int centreBand_ = 8;
    int picture_ = 0;
    QPixmap pictureImage_;
    int proportionalMode_ = 0;
    QColor dragColour_{0, 0, 208};
    int panSpeedLimit_ = 15;
    int tiltSpeedLimit_ = 15;
    int receiverType_ = 0;

    bool dragging_ = false;
    int keyDrag_ = 0; // the arrow key that holds the drag, or 0 for the mouse
    int zone_ = 0;
    int lastPanSpeed_ = -1;
    int lastTiltSpeed_ = -1;
    QPoint cursorPoint_;
    PictureButton* nudge_[4] = {};
};
