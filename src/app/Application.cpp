#include "app/Application.h"

#include "app/DocumentController.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QSurfaceFormat>

#include <iostream>

void prepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("quorvel.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));

    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

void installLocalizer() {
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
