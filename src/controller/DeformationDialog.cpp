#include "controller/DeformationDialog.h"

#include "controller/MyWindowController.h"
#include "model/DeformationPresets.h"
#include "model/Flow.h"
#include "model/StrainData.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// What Apply sets, by the item of the "Apply to" pop-up.
enum Target { StrainAndFlow, StrainOnly, FlowOnly };

QString translated(const char* text) {
    return QCoreApplication::translate("DeformationDialog", text);
}

QString shown(double x, int decimals = 4) {
    return std::isfinite(x) ? QLocale().toString(x + 0.0, 'f', decimals) : QStringLiteral("—");
}

QString shown(const AnalysisValue& v) {
    return v.value ? shown(*v.value) : QStringLiteral("—");
}

} // namespace

void DeformationDialog::showFor(StrainData& model, QWidget* window) {
    auto* dialog = window->findChild<DeformationDialog*>();
    if (!dialog) dialog = new DeformationDialog(model, window);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

DeformationDialog::DeformationDialog(StrainData& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("deformationDialog"));
    setWindowTitle(tr("Deformation"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QFormLayout;
    presets_ = new QComboBox(this);
    presets_->setObjectName(QStringLiteral("deformationPopUp"));
    for (const DeformationPreset& p : deformationPresets())
        presets_->addItem(translated(p.name));
    choices->addRow(tr("&Deformation:"), presets_);
    target_ = new QComboBox(this);
    target_->setObjectName(QStringLiteral("applyToPopUp"));
    target_->addItems({tr("Strain and flow"), tr("Strain only"), tr("Flow only")});
    target_->setToolTip(tr("The flow can be swept with the animation slider's Time"));
    choices->addRow(tr("&Apply to:"), target_);
    layout->addLayout(choices);
    parameters_ = new QFormLayout;
    layout->addLayout(parameters_);
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("deformationPreview"));
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    apply_ = buttons->addButton(tr("Apply"), QDialogButtonBox::ApplyRole);
    layout->addWidget(buttons);

    connect(presets_, &QComboBox::currentIndexChanged, this, &DeformationDialog::choosePreset);
    connect(apply_, &QPushButton::clicked, this, &DeformationDialog::apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    choosePreset();
}

void DeformationDialog::choosePreset() {
    while (parameters_->rowCount() > 0)
        parameters_->removeRow(0);
    fields_.clear();
    const DeformationPreset& p = deformationPresets()[size_t(presets_->currentIndex())];
    for (std::size_t i = 0; i < p.parameters.size(); ++i) {
        double value = p.parameters[i].value;
        // A typed velocity gradient starts from the document's.
        if (&p == &velocityGradientPreset() && i < 9)
            value = model_.velocityGradient(MatrixIndex(int(i) / 3, int(i) % 3));
        auto* field = new QLineEdit(QLocale().toString(value, 'g', 7), this);
        field->setObjectName(QStringLiteral("parameterField%1").arg(i));
        connect(field, &QLineEdit::textChanged, this, &DeformationDialog::showPreview);
        parameters_->addRow(translated(p.parameters[i].label), field);
        fields_.push_back(field);
    }
    showPreview();
}

PresetFlow DeformationDialog::preset() const {
    std::vector<double> values;
    for (const QLineEdit* field : fields_) {
        bool ok = false;
        values.push_back(QLocale().toDouble(field->text(), &ok));
        if (!ok || !std::isfinite(values.back()))
            return {
                {}, 1, QT_TRANSLATE_NOOP("DeformationDialog", "Every parameter must be a number.")};
    }
    PresetFlow flow = deformationPresets()[size_t(presets_->currentIndex())].build(values);
    const AnalysisMatrix F = flowDeformation(flow.gradient, flow.time);
    if (!flow.error && !std::isfinite(analyzeGradient(F).volumeRatio))
        flow.error = QT_TRANSLATE_NOOP("DeformationDialog", "The deformation is too large.");
    return flow;
}

void DeformationDialog::showPreview() {
    const PresetFlow p = preset();
    apply_->setEnabled(!p.error);
    if (p.error) {
        preview_->setText(translated(p.error));
        return;
    }
    const AnalysisMatrix F = flowDeformation(p.gradient, p.time);
    const StrainAnalysis strain = analyzeGradient(F);
    QString text;
    for (int r = 0; r < 3; ++r)
        text += QStringLiteral("%1 %2 %3 %4\n")
                    .arg(r == 1 ? QStringLiteral("F =") : QStringLiteral("   "))
                    .arg(shown(F[r][0]), 9)
                    .arg(shown(F[r][1]), 9)
                    .arg(shown(F[r][2]), 9);
    preview_->setText(text + tr("J = %1   Wk = %2   Flinn k = %3")
                                 .arg(shown(strain.volumeRatio),
                                      shown(analyzeFlow(p.gradient, p.time).kinematicVorticity),
                                      shown(strain.flinnK)));
}

void DeformationDialog::apply() {
    const PresetFlow p = preset();
    if (p.error) return;
    const int target = target_->currentIndex();
    if (target != StrainOnly) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                model_.setVelocityGradient(MatrixIndex(r, c), float(p.gradient[r][c]));
        model_.setTimeMin(0);
        model_.setTimeMax(float(p.time));
        model_.setAnimationField(kTimeAnimationField);
    }
    if (target == StrainAndFlow)
        flowToTime(model_, float(p.time));
    else if (target == FlowOnly)
        model_.setTime(0); // the flow has yet to act
    else
        setStrainTo(model_, flowDeformation(p.gradient, p.time));
    if (UndoManager* undo = model_.undoManager())
        MyWindowController::nameUndoStep(*undo, tr("Apply %1").arg(presets_->currentText()));
}
