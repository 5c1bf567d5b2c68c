#include "controller/SectionPanel.h"

#include "controller/DeferredCall.h"
#include "model/Orientation.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "model/StrainSection.h"
#include "platform/NotificationCenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace {
constexpr int kRatioDecimals = 4;
constexpr int kAngleDecimals = 1;
} // namespace

SectionPanel::SectionPanel(StrainData& model, QWidget* parent) : QWidget(parent), model_(model) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(tr("Section: the strain ellipse in a plane through the centre"), this);
    heading->setWordWrap(true);
    form->addRow(heading);
    auto* show = new QCheckBox(tr("Show the section in the view"), this);
    show->setObjectName(QStringLiteral("showSectionCheckbox"));
    form->addRow(show);
    // Item index = the document's plane code.
    auto* plane = new QComboBox(this);
    plane->setObjectName(QStringLiteral("sectionPlanePopUp"));
    plane->addItems({tr("Given by dip direction and dip"), tr("XY (foliation)"), tr("YZ"), tr("XZ")});
    form->addRow(tr("&Plane:"), plane);
    dipDirection_ = new QLineEdit(this);
    dipDirection_->setObjectName(QStringLiteral("sectionDipDirectionField"));
    form->addRow(tr("Dip &direction°:"), dipDirection_);
    dip_ = new QLineEdit(this);
    dip_->setObjectName(QStringLiteral("sectionDipField"));
    form->addRow(tr("D&ip°:"), dip_);
    readings_ = new QLabel(this);
    readings_->setObjectName(QStringLiteral("sectionReadings"));
    readings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readings_->setWordWrap(true);
    form->addRow(readings_);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QuorvelStrainChangedNotification, &model_,
                       [this](const Notification&) { scheduleRefresh(); });
    // The fields are usable the moment the plane is given.
    center.addObserver(this, QuorvelSectionChangedNotification, &model_, [this](const Notification&) {
        enableFields();
        scheduleRefresh();
    });
    enableFields();
    refresh();
}

SectionPanel::~SectionPanel() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

// Once the present event is handled: a file read sets the saved strain
// after the strain, without a notification of its own.
void SectionPanel::scheduleRefresh() {
    callOnceLater(this, refreshPending_, [this] { refresh(); });
}

// A principal plane follows the strain: its dip direction and dip are read,
// not typed.
void SectionPanel::enableFields() {
    const bool given = model_.sectionPlane() == 0;
    dipDirection_->setEnabled(given);
    dip_->setEnabled(given);
}

void SectionPanel::refresh() {
    const StrainSection s = strainSection(model_);
    const QLocale locale;
    const auto angle = [&locale](double degrees) { return locale.toString(degrees, 'f', kAngleDecimals); };
    const auto why = [](const AnalysisValue& v) {
        return QCoreApplication::translate("StrainAnalysis", v.reason.c_str());
    };
    QStringList lines;
    if (!s.axialRatio.value) {
        lines << tr("No ellipse: %1").arg(why(s.axialRatio));
    } else {
        // As geologists write a plane: dip direction 0 to 360°, dip 0 to 90°;
        // one typed so already is shown as typed.
        const bool usual = s.plane.dip > 0 && s.plane.dip <= 90;
        const PlaneOrientation plane =
            usual ? PlaneOrientation{std::fmod(std::fmod(s.plane.dipDirection, 360.0) + 360.0, 360.0),
                                     s.plane.dip}
                  : planeOrientation(poleOf(s.plane));
        lines << tr("Plane: dip direction %1°, dip %2°").arg(angle(plane.dipDirection), angle(plane.dip))
              << tr("Axial ratio: %1").arg(locale.toString(*s.axialRatio.value, 'f', kRatioDecimals));
        if (s.longAxis)
            lines << tr("Long axis: trend %1°, plunge %2°, rake %3°")
                         .arg(angle(s.longAxis->trend), angle(s.longAxis->plunge), angle(*s.rake.value));
        else
            lines << tr("Long axis: %1").arg(why(s.rake));
    }
    readings_->setText(lines.join(QLatin1Char('\n')));
}
