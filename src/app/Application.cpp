#include "app/Application.h"

#include "app/DocumentController.h"
#include "app/ShaderCache.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSurfaceFormat>
#include <QTranslator>

void prepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
    turnShaderCacheOffWithoutRoom();

    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

void installLocalizer() {
    // Translations in the user's language, where there are any: Qt's own for
    // its standard dialogs, and ours, built into the program.
    const QLocale locale;
    auto* qtTranslator = new QTranslator(qApp);
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    auto* translator = new QTranslator(qApp);
    if (translator->load(locale, QStringLiteral("quorvel"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;

    // The core looks these up by their English text; named here for the
    // translation tools, which cannot see into its lookups.
    static constexpr const char* kCoreTexts[] = {
        QT_TRANSLATE_NOOP("Quorvel", "Untitled"), QT_TRANSLATE_NOOP("Quorvel", "Save"),
        QT_TRANSLATE_NOOP("Quorvel", "Revert To Saved"), QT_TRANSLATE_NOOP("Quorvel", "Undo"),
        QT_TRANSLATE_NOOP("Quorvel", "Redo"), QT_TRANSLATE_NOOP("Quorvel", "Undo %1"),
        QT_TRANSLATE_NOOP("Quorvel", "Redo %1")};
    static_cast<void>(kCoreTexts);
    setLocalizer([](const char* english) {
        return QCoreApplication::translate("Quorvel", english).toStdString();
    });
}

int runApplication(char* program, const QStringList& files) {
    prepareApplication();
    // The command line has been read already: Qt sees the program alone, so
    // that it takes no file name for one of its own options.
    int argc = 1;
    char* argv[] = {program, nullptr};
    QApplication application(argc, argv);
    installLocalizer();

    DocumentController documents;
    if (!documents.openAtStart(files))
        return 1;
    return QApplication::exec();
}
