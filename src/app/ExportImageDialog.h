// Asks how to export the view's picture: its size in pixels and what lies
// behind the scene. The file's name, asked next, chooses the format.
#pragma once

#include "app/DocumentCommands.h"
#include "app/RenderCommand.h"

#include <QDialog>

class MyDocument;
class QComboBox;
class StrainView;
class QSpinBox;

class ExportImageDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from size, the view's size in device pixels.
    ExportImageDialog(QSize size, QWidget* parent);

    QSize imageSize() const;
    Background background() const;

    // File > Export Image…: asks for the size and background, then for a
    // file, and writes the view's scene there, drawn offscreen at the view's
    // angles in the format that the file's suffix names; says why over
    // window when it cannot.
    static void exportImage(QWidget* window, const MyDocument& document, StrainView& view,
                            DocumentCommands::FilePanels& panels);

private:
    QSpinBox* width_;
    QSpinBox* height_;
    QComboBox* background_;
};
