#pragma once

#include <QPixmap>
#include <QWidget>

namespace parlavo {

// A borderless window filled by the program's 210 x 280 version picture, titled "Version".
// A click anywhere on it is a click on the picture.
class VersionWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthPixels = 210;
    static constexpr int kHeightPixels = 280;

    explicit VersionWindow(QWidget* parent = nullptr);

signals:
    void pictureClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap mPicture;
};

} // namespace parlavo
