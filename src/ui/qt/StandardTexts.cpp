#include "ui/qt/StandardTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Qt's own catalogue for its widgets, in the system's translations folder.
constexpr const char* QT_SPANISH_CATALOGUE = "qtbase_es";
} // namespace

void UseSpanishStandardTexts() {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Owned by the application, so it lives as long as the dialogs that use it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QT_SPANISH_CATALOGUE,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
