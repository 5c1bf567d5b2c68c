#include "app/HelpDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>
#include <QKeySequence>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
QString keys(QKeySequence::StandardKey key) {
    return QKeySequence(key).toString(QKeySequence::NativeText).toHtmlEscaped();
}
} // namespace

void HelpDialogs::showAboutBox(QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(tr("About %1").arg(QGuiApplication::applicationDisplayName()));
    box.setIconPixmap(parent->windowIcon().pixmap(96, 96));
    box.setText(QStringLiteral("<h3>%1 %2</h3>")
                    .arg(QGuiApplication::applicationDisplayName(),
                         QStringLiteral(QUORVEL_VERSION)));
    box.setInformativeText(
        QStringLiteral("<p>%1</p><p>%2</p>")
            .arg(tr("Quorvel shows a homogeneous three-dimensional strain: a strain "
                    "matrix and a translation that turn a unit sphere into an ellipsoid. "
                    "Edit the matrix, animate one of its entries, follow material points "
                    "that the deformation carries along, and fold the present shape into "
                    "a new starting state to build up a strain history."),
                 tr("Copyright © The Quorvel authors. Released under the MIT licence.")));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

namespace {

// A page of its own beside parent, one per window: asking again brings the
// open one forward.
void showPage(QWidget* parent, const QString& name, const QString& title, const QString& html) {
    auto* dialog = parent->findChild<QDialog*>(name);
    if (!dialog) {
        dialog = new QDialog(parent);
        dialog->setObjectName(name);
        dialog->setWindowTitle(title);
        auto* text = new QTextBrowser(dialog);
        text->setHtml(html);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        layout->addWidget(buttons);
        // Tall enough for the whole text in any language, as far as the
        // screen allows; the user may resize it.
        constexpr int kTextWidth = 560;
        text->document()->setTextWidth(kTextWidth);
        const QMargins margins = layout->contentsMargins();
        const int frame = 2 * text->frameWidth();
        const QSize wanted(
            kTextWidth + frame + margins.left() + margins.right() +
                text->verticalScrollBar()->sizeHint().width(),
            qCeil(text->document()->size().height()) + frame + margins.top() + margins.bottom() +
                layout->spacing() + buttons->sizeHint().height());
        dialog->resize(wanted.boundedTo(parent->screen()->availableGeometry().size() * 9 / 10));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void HelpDialogs::showMouseAndKeyboardHelp(QWidget* parent) {
    showPage(parent, QStringLiteral("mouseAndKeyboardHelp"), tr("Mouse and Keyboard"),
             QStringLiteral("<h3>%1</h3><ul><li>%2</li><li>%3</li><li>%4</li></ul>"
                           "<h3>%5</h3><ul><li>%6</li><li>%7</li></ul>"
                           "<h3>%8</h3><ul><li>%9</li><li>%10</li><li>%11</li><li>%12</li>"
                           "<li>%13</li><li>%14</li><li>%15</li></ul>"
                           "<h3>%16</h3><ul><li>%17</li><li>%18</li></ul>")
                .arg(tr("In the view"),
                     tr("<b>Drag</b> to turn the camera about the scene: sideways turns it "
                        "round the vertical, up and down tilts it, never past straight "
                        "above or below."),
                     tr("<b>Flick</b>: let go while the pointer still moves and the scene "
                        "keeps spinning. A click in the view or <b>Esc</b> stops it."),
                     tr("<b>Click</b> on the ellipsoid, after a material point's "
                        "<i>Set…</i> button, to place that point there."))
                .arg(tr("The wheel"),
                     tr("Over the inspector the wheel scrolls it; a slider or pop-up "
                        "changes only while it has the keyboard focus (click it or reach it "
                        "with Tab first). The notches of one turn make one undo step."),
                     tr("Over the view the wheel zooms: forward comes closer, backward moves "
                        "away, each turn one undo step."))
                .arg(tr("Keys"),
                     tr("<b>Tab</b> and <b>Shift+Tab</b> move from control to control, "
                        "starting at the view; <b>Alt</b> with the underlined letter of a "
                        "label goes to its control."),
                     tr("In the view (click it or reach it with Tab; a frame shows that it "
                        "has the focus), the <b>arrow keys</b> turn the camera by 5 degrees, "
                        "<b>Home</b> resets the view, <b>+</b> and <b>−</b> come closer and "
                        "move away as the Zoom slider's steps do, and <b>Esc</b> stops a spin "
                        "or cancels a waiting <i>Set…</i>."),
                     tr("In a field, <b>Return</b> or leaving the field applies the "
                        "number."),
                     tr("On a slider, the arrow keys move it a step and <b>Page Up</b> and "
                        "<b>Page Down</b> a page; on the Zoom slider a page doubles or halves "
                        "the distance."),
                     tr("<b>%1</b> undoes the last change, <b>%2</b> redoes it.")
                         .arg(keys(QKeySequence::Undo), keys(QKeySequence::Redo)),
                     tr("With the view focused <b>%1</b> copies its picture; <b>Ctrl+E</b> "
                        "exports it, <b>F11</b> fills the screen. Documents dropped on the "
                        "window open.")
                         .arg(keys(QKeySequence::Copy)))
                .arg(tr("In the Analysis panel's table the arrow keys move from cell to cell; "
                        "<b>Tab</b> leaves the table for the next control."))
                .arg(tr("On the plots"),
                     tr("<b>Hover</b> over a point of the stereonet to read its trend and "
                        "plunge."),
                     tr("<b>Right-click</b> the Flinn plot or the stereonet and choose "
                        "<i>Export…</i> to save it as an SVG drawing or a PNG picture.")));
}

void HelpDialogs::showFlowHelp(QWidget* parent) {
    showPage(
        parent, QStringLiteral("flowHelp"), tr("Flows and Vorticity"),
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><h3>%4</h3><p>%5</p><p>%6</p>"
                       "<h3>%7</h3><p>%8</p><p>%9</p>")
            .arg(tr("A flow"),
                 tr("A steady flow is given by its velocity gradient <i>L</i>, "
                    "<i>L<sub>ij</sub></i> = ∂<i>v<sub>i</sub></i>/∂<i>x<sub>j</sub></i>, with x "
                    "east, y north and z up. After a time <i>t</i> it has deformed the sphere by "
                    "<i>F</i>(<i>t</i>) = exp(<i>tL</i>). Choose <i>Time</i> in the animation "
                    "pop-up and the slider sweeps <i>t</i>: the ellipsoid, the material points "
                    "and the analysis follow. <i>Edit &gt; Deformation…</i> sets a flow (or a "
                    "strain) from a shear, a transpression, a shape and orientation, or a "
                    "velocity gradient typed in."),
                 tr("<i>Restart Strain</i> keeps the present shape, so that a second flow acts "
                    "on the first one's result: simple shear after pure shear is not pure shear "
                    "after simple shear, and neither is both at once."))
            .arg(tr("Kinematic vorticity"),
                 tr("<i>D</i> = (<i>L</i> + <i>L</i>ᵀ)/2 stretches, <i>W</i> = (<i>L</i> − "
                    "<i>L</i>ᵀ)/2 spins. <i>W<sub>k</sub></i> = |<i>W</i>| / |<i>D</i>| "
                    "(Frobenius norms; Truesdell 1953, Means et al. 1980) is 0 for a coaxial "
                    "flow such as pure shear, 1 for simple shear, between them for general "
                    "shear, and above 1 when the flow turns more than it stretches. The "
                    "vorticity vector (∂v<sub>3</sub>/∂x<sub>2</sub> − "
                    "∂v<sub>2</sub>/∂x<sub>3</sub>, …) is twice the angular velocity, turning "
                    "anticlockwise about itself."),
                 tr("The instantaneous stretching axes are the eigenvectors of <i>D</i>, the "
                    "fastest first. The flow apophyses are the lines the flow does not turn, "
                    "the real eigenvectors of <i>L</i> other than the vorticity axis, the "
                    "fastest first: pure shear has three, along its stretching axes; simple "
                    "shear one, the shear direction; with <i>W<sub>k</sub></i> &gt; 1 there is "
                    "none (Bobyarchick 1986; Passchier 1997)."))
            .arg(tr("Reading a path"),
                 tr("<i>Draw Flow Path</i> under the Flinn plot adds the shapes that the flow "
                    "makes from the slider's lowest time to its highest, in a colour of its "
                    "own. Of flows that stretch as fast for as long, those of higher "
                    "<i>W<sub>k</sub></i> go less far: the more a flow spins, the more it turns "
                    "its lines away from the stretching axes. Plane-strain flows stay on the line k = 1; axial "
                    "flattening runs along the horizontal axis, constriction up the vertical."),
                 tr("The analysis also gives, for the ellipsoid as drawn, the steady flow that "
                    "makes it in unit time (the principal logarithm of <i>F</i>), or why there "
                    "is none.")));
}

void HelpDialogs::showAnalysisHelp(QWidget* parent) {
    showPage(
        parent, QStringLiteral("analysisHelp"), tr("Strain Analysis"),
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><h3>%4</h3><ul><li>%5</li><li>%6</li>"
                       "<li>%7</li><li>%8</li><li>%9</li></ul><h3>%10</h3><p>%11</p>")
            .arg(tr("Directions"),
                 tr("<i>F</i> is the deformation gradient of the ellipsoid as drawn, "
                    "<i>B</i> = <i>F</i><i>F</i>ᵀ. x points east, y north and z up. Trends and "
                    "dip directions run clockwise from north, plunges and dips downward. A line "
                    "is given by its lower-hemisphere end; a horizontal line by the end whose "
                    "trend is below 180°, a vertical one as 000/90. A horizontal plane dips 0° "
                    "towards 000, a vertical one towards the side below 180°."),
                 tr("The entries are single-precision numbers written with six decimals, so a "
                    "line within 10<sup>−5</sup> of the horizontal or the vertical counts as "
                    "such, and stretches whose ratio is within 10<sup>−5</sup> of 1 as equal. "
                    "The axes of equal stretches are not defined: any direction for a sphere, "
                    "any line ⊥ X where S2 = S3, any line ⊥ Z where S1 = S2; the panel says "
                    "so instead of giving a number."))
            .arg(tr("Quantities"),
                 tr("<b>Stretches</b> S1 ≥ S2 ≥ S3 are the singular values of <i>F</i>; X, Y "
                    "and Z are their axes. Quadratic elongations λ<sub>i</sub> = "
                    "S<sub>i</sub>², natural strains ε<sub>i</sub> = ln S<sub>i</sub>."),
                 tr("<b>Volume</b>: J = det <i>F</i> as stored; <i>F</i> is singular only "
                    "where J is 0. The volume change is (|J| − 1) × 100 %."),
                 tr("<b>Shape</b>: Rxy = S1/S2, Ryz = S2/S3, Rxz = S1/S3; Flinn's k = (Rxy − "
                    "1)/(Ryz − 1) and d = √((Rxy − 1)² + (Ryz − 1)²) (Flinn 1962); Ramsay's K "
                    "= ln Rxy / ln Ryz (Ramsay 1967) and D = √((ε1 − ε2)² + (ε2 − ε3)²) "
                    "(Ramsay and Huber 1983); Lode's ν = (2ε2 − ε1 − ε3)/(ε1 − ε3) (Lode "
                    "1926), +1 for flattening, −1 for constriction; the natural octahedral "
                    "shear strain εs = √((ε1 − ε2)² + (ε2 − ε3)² + (ε3 − ε1)²)/√3 (Nadai "
                    "1963; Hossack 1968)."),
                 tr("<b>Symmetry class</b> by Lode's ν (Flinn 1965): L below −0.75, LLS "
                    "below −0.15, LS up to 0.15, SSL up to 0.75, S above."),
                 tr("<b>Fabric</b>: the lineation is X, the foliation the XY plane. The "
                    "rotation is that of the polar decomposition <i>F</i> = <i>V</i><i>R</i>, "
                    "anticlockwise about its axis."))
            .arg(tr("The plots"),
                 tr("Flinn's plot is drawn in Ramsay's logarithmic form, ln Ryz across and ln "
                    "Rxy up at one scale, so that k = 1 runs at 45°; plane strains of volume "
                    "ratio J lie on ln Rxy = ln Ryz + ln J (Ramsay and Wood 1973). Hsu's plot "
                    "(Hsu 1966) puts εs out from the origin and ν as the angle ν × 30° from "
                    "straight up, flattening to the right. The stereonet is equal-area "
                    "(Schmidt), lower hemisphere, north up.")));
}
