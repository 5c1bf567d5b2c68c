#include "app/ExportImageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

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
