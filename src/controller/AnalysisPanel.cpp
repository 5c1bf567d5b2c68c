#include "controller/AnalysisPanel.h"

#include "model/StrainAnalysis.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "controller/FloatSlider.h"
#include "platform/NotificationCenter.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kValueColumns = 3;
constexpr int kDecimals = 4;

QString label(const char* english) {
    return QCoreApplication::translate("StrainAnalysis", english);
}

// The state's place in the logarithmic Flinn plot; none when a stretch is 0.
std::optional<QPointF> flinnPoint(const StrainAnalysis& a) {
    const auto& s = a.stretches;
    if (!a.naturalStrains[2].value) return std::nullopt;
    return QPointF(std::log(s[1] / s[2]), std::log(s[0] / s[1]));
}

} // namespace

AnalysisPanel::AnalysisPanel(StrainData& model, FloatSlider* animationSlider, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* layout = new QVBoxLayout(this);

    // The window's controller binds it to its document value.
    auto* showPrincipalAxes = new QCheckBox(tr("Show principal axes"), this);
    showPrincipalAxes->setObjectName(QStringLiteral("showPrincipalAxesCheckbox"));
    showPrincipalAxes->setToolTip(tr("S1 yellow, S2 magenta, S3 cyan"));
    layout->addWidget(showPrincipalAxes);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("analysisTable"));
    table_->setColumnCount(1 + kValueColumns + 1); // label, values, why one is missing
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setWordWrap(false);
    layout->addWidget(table_, 3);

    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("analysisState"));
    state_->setWordWrap(true);
    layout->addWidget(state_);

    auto* chart = new QChart;
    chart->setTitle(tr("Flinn plot"));
    // The axes' numbers in the user's locale, as the table beside them.
    chart->setLocalizeNumbers(true);
    path_ = new QLineSeries(chart);
    path_->setName(tr("Slider path"));
    path_->setPointsVisible(true);
    kOne_ = new QLineSeries(chart);
    kOne_->setName(tr("k = 1"));
    kOne_->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    present_ = new QScatterSeries(chart);
    present_->setName(tr("Present state"));
    present_->setMarkerSize(10);
    across_ = new QValueAxis(chart);
    across_->setTitleText(tr("ln(S2/S3)"));
    up_ = new QValueAxis(chart);
    up_->setTitleText(tr("ln(S1/S2)"));
    chart->addAxis(across_, Qt::AlignBottom);
    chart->addAxis(up_, Qt::AlignLeft);
    for (QXYSeries* series : {static_cast<QXYSeries*>(kOne_), static_cast<QXYSeries*>(path_),
                              static_cast<QXYSeries*>(present_)}) {
        chart->addSeries(series);
        series->attachAxis(across_);
        series->attachAxis(up_);
    }
    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("flinnPlot"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(240);
    layout->addWidget(view, 4);

    auto* clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName(QStringLiteral("clearPathButton"));
    clear->setToolTip(tr("Forget the path that the animation slider traced"));
    connect(clear, &QPushButton::clicked, this, &AnalysisPanel::clearPath);
    layout->addWidget(clear, 0, Qt::AlignRight);

    // The controller's own connection came first, so the model already holds
    // the slider's new value here.
    connect(animationSlider, &FloatSlider::triggered, this, &AnalysisPanel::addPathPoint);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (std::string_view name : {QuorvelStrainChangedNotification, QuorvelXChangedNotification,
                                  QuorvelYChangedNotification, QuorvelZChangedNotification})
        center.addObserver(this, name, &model_, [this](const Notification&) { scheduleRefresh(); });
    refresh();

    // Wide enough for the labels and numbers; a reason may scroll.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c <= kValueColumns; ++c)
        width += table_->columnWidth(c);
    table_->setMinimumWidth(width);
}

AnalysisPanel::~AnalysisPanel() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

// Once the present event is handled: reading a file sets the saved strain
// after the strain, without a notification of its own, and a dozen entries
// change in one go.
void AnalysisPanel::scheduleRefresh() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void AnalysisPanel::refresh() {
    const StrainAnalysis analysis = analyzeStrain(model_);
    const std::vector<AnalysisRow> rows = analysisRows(analysis);
    const QLocale locale;
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const AnalysisRow& row = rows[size_t(r)];
        auto set = [this, r](int column, const QString& text) {
            QTableWidgetItem* item = table_->item(r, column);
            if (!item) {
                item = new QTableWidgetItem;
                table_->setItem(r, column, item);
            }
            item->setText(text);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        };
        set(0, label(row.label));
        bool missing = false;
        for (int c = 0; c < kValueColumns; ++c) {
            const bool has = c < int(row.values.size());
            const auto& v = has ? row.values[size_t(c)] : std::nullopt;
            missing = missing || (has && !v);
            set(1 + c, v     ? locale.toString(*v, 'f', kDecimals)
                       : has ? QStringLiteral("—")
                             : QString());
        }
        set(1 + kValueColumns, missing ? label(row.reason.c_str()) : QString());
        if (QTableWidgetItem* why = table_->item(r, 1 + kValueColumns))
            why->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    table_->resizeColumnsToContents();
    state_->setText(label(analysis.state.c_str()));
    state_->setVisible(!analysis.state.empty());

    present_->clear();
    if (const auto point = flinnPoint(analysis)) present_->append(*point);
    fitAxes();
}

void AnalysisPanel::addPathPoint() {
    const auto point = flinnPoint(analyzeStrain(model_));
    if (!point || (path_->count() > 0 && path_->at(path_->count() - 1) == *point)) return;
    path_->append(*point);
    fitAxes();
}

void AnalysisPanel::clearPath() {
    path_->clear();
    fitAxes();
}

// Both axes from 0 (S1 >= S2 >= S3 keeps every ratio's logarithm >= 0) to a
// little beyond the farthest point, and the k = 1 line across all of it.
void AnalysisPanel::fitAxes() {
    qreal across = 0.5, up = 0.5;
    for (const QXYSeries* series :
         {static_cast<QXYSeries*>(path_), static_cast<QXYSeries*>(present_)})
        for (const QPointF& p : series->points()) {
            across = std::max(across, p.x() * 1.1);
            up = std::max(up, p.y() * 1.1);
        }
    across_->setRange(0, across);
    up_->setRange(0, up);
    const qreal diagonal = std::max(across, up);
    kOne_->replace(QList<QPointF>{{0, 0}, {diagonal, diagonal}});
}

QString AnalysisPanel::text() const {
    QStringList lines;
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c)
            if (const QTableWidgetItem* item = table_->item(r, c); item && !item->text().isEmpty())
                cells << item->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    if (!state_->text().isEmpty()) lines << state_->text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void AnalysisPanel::copyToClipboard() const {
    QGuiApplication::clipboard()->setText(text());
}
