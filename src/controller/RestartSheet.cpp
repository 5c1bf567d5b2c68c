#include "controller/RestartSheet.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

void askToRestartStrain(QWidget* window, std::function<void(int returnCode)> answered) {
    auto* sheet = new QMessageBox(
        QMessageBox::Critical, QCoreApplication::translate("MyWindowController", "Restart Strain"),
        QCoreApplication::translate("MyWindowController", "This action cannot be undone."),
        QMessageBox::NoButton, window);
    sheet->setInformativeText(QCoreApplication::translate(
        "MyWindowController", "Restart Strain pretends that the strain started here."));
    QPushButton* restart =
        sheet->addButton(QCoreApplication::translate("MyWindowController", "Restart Strain"),
                         QMessageBox::AcceptRole);
    sheet->addButton(QCoreApplication::translate("MyWindowController", "Cancel"),
                     QMessageBox::RejectRole);
    sheet->setDefaultButton(restart);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(sheet, &QMessageBox::finished, sheet, [sheet, restart, answered] {
        answered(sheet->clickedButton() == restart ? 1 : 0);
    });
    sheet->open();
}
