#pragma once

#include <QTimer>
#include <QWidget>

// A small spinning arc without text. It keeps its size while stopped, so that the controls
// beside it do not move when it starts.
class ActivityIndicator : public QWidget {
    Q_OBJECT

public:
    explicit ActivityIndicator(QWidget* parent = nullptr);

    void setAnimating(bool animating);
    bool isAnimating() const { return timer_.isActive(); }

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int angle_ = 0;
};
