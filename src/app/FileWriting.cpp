#include "app/FileWriting.h"

#include "document/MyDocument.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

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
