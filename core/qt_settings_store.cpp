#include "core/qt_settings_store.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

namespace parlavo {

namespace {

std::unique_ptr<QSettings> openNativeSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orna"));
}

const QString kSection = QStringLiteral("Spanish/");

bool hasFormatError(QSettings& settings) {
    settings.allKeys(); // sections are parsed, and their errors found, on first use
    return settings.status() == QSettings::FormatError;
}

// QSettings reports a damaged file without saying which one: the system-wide file it reads as a
// fallback counts too. A private copy of the user's own text tells whether that text is damaged;
// without one, a needless copy of a healthy file is better than none of a damaged one.
bool isDamaged(const QByteArray& text, QSettings& settings) {
    QTemporaryFile copy;
    if (!copy.open() || copy.write(text) != text.size() || !copy.flush())
        return hasFormatError(settings);
    QSettings probe(copy.fileName(), QSettings::IniFormat);
    return hasFormatError(probe);
}

} // namespace

QtSettingsStore::QtSettingsStore() : mSettings(openNativeSettings()) {
    inspectOwnFile();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::readSetting(const QString& key) {
    return mSettings->value(kSection + key).toString();
}

void QtSettingsStore::writeSetting(const QString& key, const QString& text) {
    mSettings->setValue(kSection + key, text);
    mUnsaved.insert(kSection + key, text);
}

bool QtSettingsStore::sync() {
    mSettings->sync();
    if (confirmSaved()) {
        mUnsaved.clear();
        mUserTold = false;
        return true;
    }
    if (!mUserTold)
        std::fprintf(stderr, "parlavo: could not save the settings to %s\n", qPrintable(fileName()));
    mUserTold = true;
    return false;
}

QString QtSettingsStore::fileName() const {
    return mSettings->fileName();
}

// A QSettings object keeps an error status once set, through later good saves, and counts errors of
// the system-wide file. A fresh object for the user's file alone judges this save: it writes again
// whatever is still pending, and reads the file anew when it changed on disk.
bool QtSettingsStore::confirmSaved() const {
    const QSettings written(fileName(), QSettings::NativeFormat);
    for (auto entry = mUnsaved.cbegin(); entry != mUnsaved.cend(); ++entry)
        if (written.value(entry.key()).toString() != entry.value())
            return false;
    return written.status() == QSettings::NoError;
}

// QSettings salvages what it can from a damaged file and rewrites it at the next save; keep the
// damaged original beside it so nothing the user had is lost for good. A file that cannot be read
// at all is left alone: QSettings writes only files it can also read.
void QtSettingsStore::inspectOwnFile() {
    QFile file(fileName());
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr,
                     "parlavo: could not read the settings from %s (%s); starting with the defaults, which cannot be "
                     "saved there\n",
                     qPrintable(fileName()), qPrintable(file.errorString()));
        mUserTold = true;
        return;
    }
    const QByteArray text = file.readAll();
    if (!isDamaged(text, *mSettings))
        return;
    QFile backup(fileName() + QStringLiteral(".damaged-") +
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    if (backup.open(QIODevice::WriteOnly | QIODevice::NewOnly) && backup.write(text) == text.size() && backup.flush())
        std::fprintf(stderr, "parlavo: the settings file was damaged; a copy was kept as %s\n",
                     qPrintable(backup.fileName()));
    else
        std::fprintf(stderr, "parlavo: the settings file %s was damaged, and no copy of it could be kept (%s)\n",
                     qPrintable(fileName()), qPrintable(backup.errorString()));
}

} // namespace parlavo
