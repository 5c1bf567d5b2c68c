#include "app/FileWriting.h"

#include "document/MyDocument.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

bool writeWhole(QFileDevice& file, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

void removeStrayTemporaries(const QString& path) {
    const QFileInfo document(path);
    const QRegularExpression temporaryName(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(document.fileName())));
    const QFileInfoList candidates = document.dir().entryInfoList(
        {document.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& stray : candidates) {
        if (stray.isSymLink() || !temporaryName.match(stray.fileName()).hasMatch() ||
            stray.size() > qint64(kPlistMaxSize))
            continue;
        QFile file(stray.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        MyDocument scratch;
        std::string error;
        if (bytes.isEmpty() || scratch.loadDataRepresentation(bytes.toStdString(),
                                                              MyDocument::kTypeName, error))
            file.remove();
    }
}

// Devices and pipes cannot be replaced, only written. Unbuffered, so that a
// failed write (a full disk) fails before commit() could put a cut-short file
// in place.
bool writeFile(const QString& path, const QByteArray& bytes, QString& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        QFile file(path);
        const bool written = file.open(QIODevice::WriteOnly) &&
                             writeWhole(file, bytes.data(), bytes.size()) && file.flush();
        error = file.errorString();
        return written;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         writeWhole(file, bytes.data(), bytes.size()) && file.commit();
    error = file.errorString();
    return written;
}
