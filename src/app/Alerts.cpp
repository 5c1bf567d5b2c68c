#include "app/Alerts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>

void showCritical(QWidget* parent, const QString& text, const QString& reason) {
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
    // Reasons come as phrases ("line 3, column 1: …"); show them as a sentence.
    QString sentence = reason;
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    box.setInformativeText(sentence);
    if (parent)
        box.setWindowModality(Qt::WindowModal);
    box.exec();
}

QString nameInMessage(const QString& name, const QWidget* parent) {
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return QFontMetrics(QApplication::font("QMessageBox"))
        .elidedText(name, Qt::ElideMiddle, screen->availableGeometry().width() / 4);
}
