#include "app/shutdown.h"

#include "app/caption_strip.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace parlavo {

namespace {

void stopAndSave(CaptionStrip& strip) {
    strip.stopForShutdown();
    strip.saveAtExit();
}

} // namespace

void shutDown(CaptionStrip& strip) {
    stopAndSave(strip);
    // Leaving the event loop announces the quit; what was just saved needs no second save.
    QObject::disconnect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &strip, nullptr);
    QCoreApplication::exit(0);
}

void followSession(QGuiApplication& app, CaptionStrip& strip) {
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &strip,
                     [&strip](QSessionManager&) { strip.saveAtExit(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &strip, [&strip] { stopAndSave(strip); });
}

} // namespace parlavo
