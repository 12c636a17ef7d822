#pragma once

#include <QAbstractSlider>

namespace parlavo {

// A narrow pair of arrows that steps a whole number within its range: the upper arrow and the Up key
// raise it, the lower arrow and the Down key lower it, holding an arrow repeats. Unlike a vertical
// scroll bar, whose upper arrow lowers the value, the arrows point the way the number goes.
class Spinner final : public QAbstractSlider {
    Q_OBJECT

public:
    explicit Spinner(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect upperHalf() const;
    QRect lowerHalf() const;

    SliderAction mHeldArrow = SliderNoAction;
};

} // namespace parlavo
