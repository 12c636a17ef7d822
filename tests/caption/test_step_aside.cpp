#include "caption/step_aside.h"

#include <QTest>

using namespace parlavo;

Q_DECLARE_METATYPE(std::optional<parlavo::ActiveWindow>)

class TestStepAside : public QObject {
    Q_OBJECT

private slots:
    void onlyAFullScreenWindowOnTheStripsScreen_data() {
        QTest::addColumn<std::optional<ActiveWindow>>("active");
        QTest::addColumn<bool>("aside");
        const PixelRect left{0, 0, 1920, 1080};
        const PixelRect right{1920, 0, 3840, 1080};
        QTest::newRow("full screen on the strip's screen")
            << std::optional(ActiveWindow{true, false, true, left}) << true;
        QTest::newRow("full screen on another screen")
            << std::optional(ActiveWindow{true, false, true, right}) << false;
        QTest::newRow("maximised, not full screen") << std::optional(ActiveWindow{true, false, false, {}}) << false;
        QTest::newRow("no active window") << std::optional(ActiveWindow{}) << false;
        QTest::newRow("our own window") << std::optional(ActiveWindow{true, true, true, left}) << false;
        QTest::newRow("the window manager does not say") << std::optional<ActiveWindow>() << false;
    }
    void onlyAFullScreenWindowOnTheStripsScreen() {
        QFETCH(std::optional<ActiveWindow>, active);
        QFETCH(bool, aside);
        QCOMPARE(stepsAside(active, {0, 0, 1920, 1080}), aside);
    }
};

QTEST_APPLESS_MAIN(TestStepAside)
#include "test_step_aside.moc"
