// Asks how to export the view's picture: its size in pixels and what lies
// behind the scene. The file's name, asked next, chooses the format.
#pragma once

#include "app/RenderCommand.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

class ExportImageDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from size, the view's size in device pixels.
    ExportImageDialog(QSize size, QWidget* parent);

    QSize imageSize() const;
    Background background() const;

private:
    QSpinBox* width_;
    QSpinBox* height_;
    QComboBox* background_;
};
