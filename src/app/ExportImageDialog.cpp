#include "app/ExportImageDialog.h"

#include "app/Alerts.h"
#include "document/MyDocument.h"
#include "toolkit/GVCamera.h"
#include "view/StrainView.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

ExportImageDialog::ExportImageDialog(QSize size, QWidget* parent)
    : QDialog(parent), width_(new QSpinBox(this)), height_(new QSpinBox(this)),
      background_(new QComboBox(this)) {
    setWindowTitle(tr("Export Image"));
    const auto side = [this](QSpinBox* box, const char* name, int value, const QString& label) {
        box->setObjectName(QLatin1String(name));
        box->setRange(1, kMaxImageSide);
        box->setValue(value);
        box->setSuffix(tr(" pixels"));
        box->setAccessibleName(label);
    };
    side(width_, "widthBox", size.width(), tr("Image width"));
    side(height_, "heightBox", size.height(), tr("Image height"));
    // Item index = Background's value.
    background_->setObjectName(QStringLiteral("backgroundPopUp"));
    background_->addItems({tr("Black"), tr("White"), tr("Transparent")});
    background_->setAccessibleName(tr("Image background"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Width:"), width_);
    form->addRow(tr("&Height:"), height_);
    form->addRow(tr("&Background:"), background_);
    form->addRow(buttons);
}

QSize ExportImageDialog::imageSize() const { return {width_->value(), height_->value()}; }

Background ExportImageDialog::background() const {
    return static_cast<Background>(background_->currentIndex());
}

void ExportImageDialog::exportImage(QWidget* window, const MyDocument& document, StrainView& view,
                                    DocumentCommands::FilePanels& panels) {
    const qreal ratio = view.surface()->devicePixelRatio();
    const QSize viewSize = view.surface()->size() * ratio;
    ExportImageDialog options(viewSize, window);
    if (options.exec() != QDialog::Accepted)
        return;

    QString proposed = QFile::decodeName(document.fileName().c_str());
    proposed = proposed.isEmpty()
                   ? QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                         .filePath(QString::fromStdString(document.displayName()) +
                                   QStringLiteral(".png"))
                   : QFileInfo(proposed).dir().filePath(QFileInfo(proposed).completeBaseName() +
                                                        QStringLiteral(".png"));
    const QStringList suffixes = imageSuffixes();
    const QString path = panels.chooseSavePath(
        window, tr("Export Image"), proposed,
        tr("Images (%1)").arg(QStringLiteral("*") + suffixes.join(QStringLiteral(" *"))),
        QStringLiteral("png"));
    if (path.isEmpty())
        return;

    const QString failed = tr("The image “%1” could not be saved.")
                               .arg(nameInMessage(QFileInfo(path).fileName(), window));
    const QByteArray format = imageFormat(path);
    if (format.isEmpty())
        return showCritical(window, failed,
                            tr("Quorvel cannot write this kind of image. Use a name that ends "
                               "in one of %1.")
                                .arg(suffixes.join(QStringLiteral(" "))));
    if (options.background() == Background::Transparent && !keepsTransparency(format))
        return showCritical(window, failed,
                            tr("A .%1 image has no transparency. Use .png or .tif for a "
                               "transparent background.")
                                .arg(QString::fromLatin1(format)));

    // The view's angles; points, lines and the scene grow with the picture's
    // height as they do with the view's.
    RenderSettings settings;
    settings.width = options.imageSize().width();
    settings.height = options.imageSize().height();
    settings.background = options.background();
    settings.pixelRatio =
        static_cast<float>(ratio * settings.height / std::max(1, viewSize.height()));
    if (const GVCamera* camera = view.camera()) {
        settings.elevation = camera->elevation();
        settings.azimuth = camera->azimuth();
    }
    std::string error;
    const QImage image = toImage(renderPicture(document.strainData(), settings, error));
    QString reason = QString::fromStdString(error);
    if (image.isNull() || !writeImage(path, image, format, reason))
        showCritical(window, failed, reason);
}
