#include "controller/MaterialLinesPanel.h"

#include "controller/DeferredCall.h"
#include "model/MaterialLines.h"
#include "model/StrainNotifications.h"
#include "platform/NotificationCenter.h"
#include "render/StrainFigures.h"

#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A table of figures with a header, as tall as its rows so that it never
// scrolls, and left with Tab rather than walked cell by cell.
QTableWidget* figureTable(QWidget* parent, const char* name, const QStringList& rows,
                          const QStringList& columns) {
    auto* table = new QTableWidget(int(rows.size()), int(columns.size()) + 1, parent);
    table->setObjectName(QLatin1String(name));
    table->setVerticalHeaderLabels(rows);
    table->setHorizontalHeaderLabels(QStringList(columns) << QString());
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          int(rows.size()) * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
    return table;
}

// The values of one row, each with its decimals, and why any is missing.
void fillRow(QTableWidget* table, int row, const std::vector<std::pair<AnalysisValue, int>>& values) {
    const QLocale locale;
    QString reason;
    int column = 0;
    auto set = [table, row](int c, const QString& text, Qt::Alignment alignment) {
        QTableWidgetItem* item = table->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            table->setItem(row, c, item);
        }
        item->setText(text);
        item->setTextAlignment(alignment | Qt::AlignVCenter);
    };
    for (const auto& [v, decimals] : values) {
        set(column++, v.value ? locale.toString(*v.value + 0.0, 'f', decimals) : QStringLiteral("—"),
            Qt::AlignRight);
        if (!v.value && reason.isEmpty())
            reason = QCoreApplication::translate("StrainAnalysis", v.reason.c_str());
    }
    set(column, reason, Qt::AlignLeft);
    table->item(row, column)->setToolTip(reason); // a long one is cut short
}

constexpr int kRatioDecimals = 4;
constexpr int kAngleDecimals = 2;

} // namespace

MaterialLinesPanel::MaterialLinesPanel(StrainData& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Material lines: the points seen as lines through the centre"), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    lines_ = figureTable(this, "materialLinesTable",
                         {tr("Point 1"), tr("Point 2"), tr("Point 3")},
                         {tr("S"), tr("e"), tr("λ"), tr("Turned°")});
    layout->addWidget(lines_);
    pairs_ = figureTable(this, "linePairsTable", {tr("1 and 2"), tr("1 and 3"), tr("2 and 3")},
                         {tr("Before°"), tr("After°"), tr("γ")});
    layout->addWidget(pairs_);
    lines_->setToolTip(tr("Stretch S, elongation e = S − 1, quadratic elongation λ = S², and the "
                          "angle the line turned"));
    pairs_->setToolTip(tr("The angle between two lines before and after, and for lines that "
                          "began perpendicular the shear strain γ = tan ψ"));

    // The window's controller binds it to its document value.
    auto* colorByStretch = new QCheckBox(tr("Color the surface by stretch"), this);
    colorByStretch->setObjectName(QStringLiteral("colorByStretchCheckbox"));
    colorByStretch->setToolTip(tr("Each point of the surface in the color of the stretch of the "
                                  "material line that ends there"));
    layout->addWidget(colorByStretch);
    // The renderer's own colours, so the legend cannot drift from the picture.
    const auto swatch = [](StretchField field, const QString& text) {
        const auto& c = kStretchFieldColours[std::size_t(field)];
        return QStringLiteral("<span style=\"color:%1;background:gray\">■</span>&nbsp;%2")
            .arg(QColor::fromRgbF(c[0], c[1], c[2]).name(), text.toHtmlEscaped());
    };
    const auto& line = kUnstretchedLineColour;
    auto* legend = new QLabel(
        QStringList{swatch(StretchField::Lengthened, tr("lengthened, S > 1 (the more, the deeper)")),
                    swatch(StretchField::Unchanged, tr("unchanged")),
                    swatch(StretchField::Shortened, tr("shortened, S < 1")),
                    QStringLiteral("<span style=\"color:%1\">━</span>&nbsp;%2")
                        .arg(QColor::fromRgbF(line[0], line[1], line[2]).name(),
                             tr("lines of S = 1").toHtmlEscaped())}
            .join(QStringLiteral("&nbsp;&nbsp; ")),
        this);
    legend->setObjectName(QStringLiteral("stretchLegend"));
    legend->setWordWrap(true);
    layout->addWidget(legend);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (std::string_view name :
         {QuorvelStrainChangedNotification, QuorvelPoint1XChangedNotification,
          QuorvelPoint1YChangedNotification, QuorvelPoint1ZChangedNotification,
          QuorvelPoint2XChangedNotification, QuorvelPoint2YChangedNotification,
          QuorvelPoint2ZChangedNotification, QuorvelPoint3XChangedNotification,
          QuorvelPoint3YChangedNotification, QuorvelPoint3ZChangedNotification})
        center.addObserver(this, name, &model_, [this](const Notification&) { scheduleRefresh(); });
    refresh();
}

MaterialLinesPanel::~MaterialLinesPanel() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

// Once the present event is handled: a file read sets the saved strain and
// the points after the strain, and a restart changes all of them at once.
void MaterialLinesPanel::scheduleRefresh() {
    callOnceLater(this, refreshPending_, [this] { refresh(); });
}

void MaterialLinesPanel::refresh() {
    const MaterialLineFigures f = materialLineFigures(model_);
    for (int i = 0; i < 3; ++i) {
        const MaterialLine& l = f.lines[std::size_t(i)];
        fillRow(lines_, i,
                {{l.stretch, kRatioDecimals}, {l.elongation, kRatioDecimals},
                 {l.quadraticElongation, kRatioDecimals}, {l.turned, kAngleDecimals}});
        const LinePair& p = f.pairs[std::size_t(i)];
        fillRow(pairs_, i,
                {{p.angleBefore, kAngleDecimals}, {p.angleAfter, kAngleDecimals},
                 {p.shearStrain, kRatioDecimals}});
    }
    for (QTableWidget* table : {lines_, pairs_})
        table->resizeColumnsToContents();
}
