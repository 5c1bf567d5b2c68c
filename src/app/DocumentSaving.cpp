// A document window's Save, Save As and Revert To Saved.
#include "app/Alerts.h"
#include "app/DocumentCommands.h"
#include "app/DocumentWindow.h"
#include "app/FileWriting.h"
#include "document/MyDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

bool DocumentWindow::save() {
    commitEditing();
    if (document_->fileName().empty())
        return saveAs();
    const QString path = QFile::decodeName(document_->fileName().c_str());
    // Another program, or another window, may have saved its own work there.
    if (document_->fileChangedOnDisk()) {
        QMessageBox box(QMessageBox::Warning, QString(),
                        tr("The file “%1” has been changed by another program since it was "
                           "opened or saved.")
                            .arg(nameInMessage(QFileInfo(path).fileName(), this)),
                        QMessageBox::NoButton, this);
        box.setInformativeText(tr("Overwrite it with this document? Its changes will be lost."));
        QPushButton* overwrite = box.addButton(tr("Overwrite"), QMessageBox::DestructiveRole);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.setWindowModality(Qt::WindowModal);
        box.exec();
        if (box.clickedButton() != overwrite)
            return false;
    }
    return writeTo(path);
}

bool DocumentWindow::saveAs() {
    commitEditing();
    QString proposed = QFile::decodeName(document_->fileName().c_str());
    if (proposed.isEmpty()) {
        proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                       .filePath(QString::fromStdString(document_->displayName()) + QLatin1Char('.') +
                                 DocumentCommands::documentExtension());
    }
    const QString path = documents_.filePanels().chooseSavePath(
        this, tr("Save As"), proposed, DocumentCommands::documentFilter(), DocumentCommands::documentExtension());
    return !path.isEmpty() && writeTo(path);
}

// Writes to a temporary file beside path and puts it in place only once every
// byte is on disk, so a failed save leaves any earlier file as it was.
bool DocumentWindow::writeTo(const QString& path) {
    const std::string bytes = document_->dataRepresentationOfType(MyDocument::kTypeName).value();
    QSaveFile file(path);
    // Unbuffered, so that a failed write (a full disk) fails here: buffered,
    // it would surface only inside commit(), which renames the cut-short file
    // over the old one all the same.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         writeWhole(file, bytes.data(), qint64(bytes.size())) &&
                         file.commit();
    if (!written) {
        showCritical(this,
                     tr("The document “%1” could not be saved as “%2”.")
                         .arg(nameInMessage(QString::fromStdString(document_->displayName()), this),
                              nameInMessage(QFileInfo(path).fileName(), this)),
                     file.errorString());
        return false;
    }
    removeStrayTemporaries(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    document_->didSave(QFile::encodeName(absolute).toStdString());
    documents_.noteRecentFile(absolute);
    return true;
}

void DocumentWindow::revertToSaved() {
    commitEditing();
    const QString name = nameInMessage(QString::fromStdString(document_->displayName()), this);
    QMessageBox box(QMessageBox::Warning, QString(),
                    tr("Revert to the saved version of “%1”? Your current changes will be lost.")
                        .arg(name),
                    QMessageBox::NoButton, this);
    QPushButton* revert = box.addButton(tr("Revert"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.setWindowModality(Qt::WindowModal);
    box.exec();
    if (box.clickedButton() != revert)
        return;
    std::string error;
    if (!document_->revertToSaved(error))
        showCritical(this, tr("The document “%1” could not be reverted.").arg(name),
                     QString::fromStdString(error));
}
