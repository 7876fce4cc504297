#pragma once
#include <QPixmap>
#include <QWidget>

// An indicator lamp: a 12 by 10 picture, lit for state 1 and dark for any
// other state. It takes no input; screen readers hear its caption and state.
class Lamp : public QWidget {
    Q_OBJECT
public:
    Lamp(int id, const QString& caption, QWidget* parent = nullptr);

    int id() const { return id_; }
    int state() const { return state_; }
    bool isLit() const { return state_ == 1; }
    void SetState(int state);

    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

    static constexpr int kWidth = 12;
    static constexpr int kHeight = 10;
    static const QPixmap& OnPicture();
    static const QPixmap& OffPicture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_;
    int state_ = 0;
};
