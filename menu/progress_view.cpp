#include "menu/progress_view.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace parlavo {

ProgressView* loadProgressView(LearnerProgress& progress, const ReviewSentences& sentences) {
    static QLibrary module;
    if (!module.isLoaded()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const QString& folder : {programFolder, programFolder + QStringLiteral("/../" PARLAVO_MODULE_DIR)}) {
            module.setFileName(folder + QStringLiteral("/parlavo-progress-window"));
            if (module.load())
                break;
        }
    }
    const auto make = reinterpret_cast<MakeProgressView>(module.resolve(kMakeProgressView));
    if (!make) {
        std::fprintf(stderr, "parlavo: the progress window could not be loaded: %s\n",
                     qPrintable(module.errorString()));
        return nullptr;
    }
    return make(progress, sentences);
}

} // namespace parlavo
