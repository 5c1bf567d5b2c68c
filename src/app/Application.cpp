#include "app/Application.h"

#include "app/DocumentController.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSurfaceFormat>
#include <QTranslator>

#include <iostream>

void prepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));

    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

void installLocalizer() {
    // Translations in the user's language, where there are any: Qt's own for
    // its standard dialogs, and ours (quorvel_<language>.qm) from the
    // translations folder beside the program or in its share folder. Adding
    // one needs no change to the code.
    const QLocale locale;
    auto* qtTranslator = new QTranslator(qApp);
    if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder : {programFolder.filePath(QStringLiteral("translations")),
                                  programFolder.filePath(QStringLiteral("../share/quorvel/translations"))}) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(locale, QStringLiteral("quorvel"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
        delete translator;
    }

    setLocalizer([](const char* english) {
        return QCoreApplication::translate("Quorvel", english).toStdString();
    });
}

int runApplication(int argc, char* argv[], std::string_view usage) {
    prepareApplication();
    QApplication application(argc, argv);
    installLocalizer();

    // Qt has taken out the options it knows.
    const QStringList files = QCoreApplication::arguments().mid(1);
    for (const QString& file : files) {
        if (file.startsWith(QLatin1Char('-'))) {
            std::cerr << "quorvel: unknown option " << file.toStdString() << '\n' << usage;
            return 2;
        }
    }

    DocumentController documents;
    if (!documents.openAtStart(files))
        return 1;
    return QApplication::exec();
}
