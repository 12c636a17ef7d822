#pragma once

#include "core/global_keys.h"
#include "core/settings.h"

#include <QObject>
#include <QString>

#include <set>

namespace parlavo {

class CaptionStrip;

// What each command is called where the user chooses its key.
QString commandCaption(Command command);

// The settings' shortcuts, taken from any window, each starting its command on the strip. A key another program
// holds is said once a run, naming it; the setting keeps it, to be tried again when the settings next change.
class GlobalShortcuts : public QObject {
    Q_OBJECT

public:
    GlobalShortcuts(CaptionStrip& strip, GlobalKeys& keys);

    // Takes the keys the settings name now, in place of those taken before.
    void apply();
    void run(Command command);

signals:
    // A key another program holds, said once a run.
    void keyTaken(const QKeySequence& key);

private:
    CaptionStrip& mStrip;
    GlobalKeys& mKeys;
    std::set<QString> mReported;
};

} // namespace parlavo
