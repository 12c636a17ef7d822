#pragma once

#include <QColor>
#include <QWidget>

namespace parlavo {

// The band along the strip's lower edge that marks a collapsed strip. It lies above the labels so
// it shows at the collapsed height, and lets every click through to them.
class ColourStrip : public QWidget {
    Q_OBJECT

public:
    explicit ColourStrip(QWidget* parent);

    // An invalid colour erases the band.
    void setColour(const QColor& colour);
    QColor colour() const { return mColour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor mColour;
};

} // namespace parlavo
