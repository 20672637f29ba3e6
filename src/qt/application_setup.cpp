#include "qt/application_setup.h"

#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>
#include <QtDebug>

namespace vekselgrad::desktop {
namespace {

void installRussianButtons(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        qWarning() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
        delete translator;
    }
}

}  // namespace

void setUpApplication(QApplication& application) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installRussianButtons(application);
}

}  // namespace vekselgrad::desktop
