#pragma once

#include "settings/form3.h"
#include "tests/settings/recording_autostart.h"
#include "tests/support/fake_services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStringList>
#include <QTest>

namespace parlavo::test {

// A caption window on fakes with the settings dialog opened over it the way the Settings command does.
struct DialogWorld {
    FakeWorld world;
    RecordingAutostart autostart{world.store};
    QPointer<Form3> dialog;

    // Starts from the record a first run leaves, with the intro over.
    DialogWorld() {
        SharedState& s = world.state;
        s.ce = 1;
        s.n = 2;
        s.ctime = 3;
        s.etime = 5;
        s.rd = 0;
        s.psave = 1;
        s.ssave = 1;
        s.voice = 1;
        s.guage = 1;
        s.guagen = 11000;
        s.xxx = QStringLiteral("1");
        s.sspeed = 150;
    }

    SharedState& state() { return world.state; }

    Form3& open() {
        dialog = showSettingsDialog(world.form1, world.store, autostart);
        return *dialog;
    }

    // Closes the dialog as its close box does and lets it delete itself.
    void close() {
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The record's fields as "name=value" lines, so a comparison names the field that differs.
inline QStringList recordFields(const SharedState& s) {
    QStringList fields;
    const std::pair<const char*, qint16> values[] = {{"ce", s.ce},
                                                     {"n", s.n},
                                                     {"ctime", s.ctime},
                                                     {"etime", s.etime},
                                                     {"rd", s.rd},
                                                     {"psave", s.psave},
                                                     {"ssave", s.ssave},
                                                     {"visi", s.visi},
                                                     {"voice", s.voice},
                                                     {"guage", s.guage},
                                                     {"guagen", s.guagen},
                                                     {"red", s.red},
                                                     {"mark", s.mark},
                                                     {"sspeed", s.sspeed},
                                                     {"introcount", s.introcount},
                                                     {"tickcount", s.tickcount},
                                                     {"cyclecount", s.cyclecount},
                                                     {"phase", s.phase}};
    for (const auto& [name, value] : values)
        fields << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value);
    fields << QStringLiteral("xxx=") + s.xxx;
    return fields;
}

// A click on the indicator of a check box or option button, where a click always lands on it.
inline void clickIndicator(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

} // namespace parlavo::test
