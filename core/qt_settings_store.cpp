#include "core/qt_settings_store.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace parlavo {

namespace {

std::unique_ptr<QSettings> openNativeSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Orna"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orna"));
#endif
}

const QString kSection = QStringLiteral("Spanish/");

} // namespace

QtSettingsStore::QtSettingsStore() : mSettings(openNativeSettings()) {
    backUpIfCorrupt();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::readSetting(const QString& key) {
    return mSettings->value(kSection + key).toString();
}

void QtSettingsStore::writeSetting(const QString& key, const QString& text) {
    mSettings->setValue(kSection + key, text);
}

bool QtSettingsStore::sync() {
    mSettings->sync();
    if (mSettings->status() == QSettings::NoError)
        return true;
    std::fprintf(stderr, "parlavo: could not save the settings to %s\n", qPrintable(fileName()));
    return false;
}

QString QtSettingsStore::fileName() const {
    return mSettings->fileName();
}

// QSettings salvages what it can from a damaged file and rewrites it at the next save; keep the
// damaged original beside it so nothing the user had is lost for good.
void QtSettingsStore::backUpIfCorrupt() {
    mSettings->allKeys(); // the file is parsed, and its status known, on first use
    if (mSettings->status() != QSettings::FormatError)
        return;
    const QString original = fileName();
    const QString backup = original + QStringLiteral(".damaged-") +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFileInfo::exists(original) && QFile::copy(original, backup))
        std::fprintf(stderr, "parlavo: the settings file was damaged; a copy was kept as %s\n", qPrintable(backup));
}

} // namespace parlavo
