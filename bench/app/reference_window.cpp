// The yardstick for the strip's running cost: an empty Qt window at the top of the screen that
// reads the pointer every 60 ms and does nothing else.
#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setGeometry(827, 0, 477, 23);
    window.show();
    QPoint last;
    QTimer timer;
    timer.setInterval(60);
    QObject::connect(&timer, &QTimer::timeout, [&last] { last = QCursor::pos(); });
    timer.start();
    return QApplication::exec();
}
