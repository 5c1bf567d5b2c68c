#include "controller/AnalysisPanel.h"

#include "controller/DeferredCall.h"
#include "controller/FloatSlider.h"
#include "controller/FlowPaths.h"
#include "controller/StrainPlot.h"
#include "model/Flow.h"
#include "model/StrainAnalysis.h"
#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "platform/NotificationCenter.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <iterator>

namespace {

constexpr int kValueColumns = 3;
constexpr int kDecimals = 4;
// The label column is never narrower than this many characters' width.
constexpr int kLeastLabelWidth = 12;

QString label(const std::string& english) {
    return QCoreApplication::translate("StrainAnalysis", english.c_str());
}

// A row's values as the panel shows them: in the user's locale, a dash for
// one that is missing.
QStringList shownValues(const AnalysisRow& row, const QLocale& locale) {
    const QString dash = QStringLiteral("—");
    QStringList shown;
    for (const std::optional<double>& v : row.values)
        shown << (v ? locale.toString(*v, 'f', kDecimals) : dash);
    if (row.values.empty()) shown << (row.text.empty() ? dash : QString::fromStdString(row.text));
    return shown;
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

    // Labels wrap, and a missing value's reason goes under its label, so the
    // table is never wider than the panel; Tab leaves it, the arrow keys walk it.
    table_ = new QTableWidget(0, 1 + kValueColumns, this);
    table_->setObjectName(QStringLiteral("analysisTable"));
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setTabKeyNavigation(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setWordWrap(true);
    // Sized by hand, as contents change: Qt's own fitting measures every
    // cell at every change, which a slider's step cannot afford.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->viewport()->installEventFilter(this);
    layout->addWidget(table_, 3);

    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("analysisState"));
    state_->setWordWrap(true);
    layout->addWidget(state_);

    plot_ = new StrainPlot(this);
    plot_->setObjectName(QStringLiteral("flinnPlot"));
    plot_->setMinimumHeight(240);
    layout->addWidget(plot_, 4);
    flowPaths_ = std::make_unique<FlowPaths>(model_, *plot_);

    auto* buttons = new QHBoxLayout;
    auto* kind = new QComboBox(this);
    kind->setObjectName(QStringLiteral("plotKindPopUp"));
    kind->setAccessibleName(tr("Plot"));
    for (StrainPlot::Kind k : {StrainPlot::Kind::Flinn, StrainPlot::Kind::Hsu})
        kind->addItem(StrainPlot::title(k));
    connect(kind, &QComboBox::currentIndexChanged, this,
            [this](int index) { plot_->setKind(StrainPlot::Kind(index)); });
    buttons->addWidget(kind);
    buttons->addStretch();
    drawFlowPath_ = new QPushButton(tr("Draw Flow Path"), this);
    drawFlowPath_->setObjectName(QStringLiteral("drawFlowPathButton"));
    drawFlowPath_->setToolTip(tr("Add the shapes that the flow makes from the slider's lowest "
                                 "time to its highest"));
    connect(drawFlowPath_, &QPushButton::clicked, this, [this] { flowPaths_->draw(); });
    buttons->addWidget(drawFlowPath_);
    auto* clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName(QStringLiteral("clearPathButton"));
    clear->setToolTip(tr("Forget the paths: the animation slider's and the flows'"));
    connect(clear, &QPushButton::clicked, this, &AnalysisPanel::clearPath);
    buttons->addWidget(clear);
    layout->addLayout(buttons);

    // The controller's own connection came first, so the model already holds
    // the slider's new value here.
    connect(animationSlider, &FloatSlider::triggered, this, &AnalysisPanel::addPathPoint);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (std::string_view name : {QuorvelStrainChangedNotification, QuorvelXChangedNotification,
                                  QuorvelYChangedNotification, QuorvelZChangedNotification,
                                  QuorvelFlowChangedNotification, QuorvelTimeChangedNotification})
        center.addObserver(this, name, &model_, [this](const Notification&) { scheduleRefresh(); });
    refresh();

    // Room for the numbers and a short label.
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width() +
                kLeastLabelWidth * fontMetrics().averageCharWidth();
    for (int c = 1; c <= kValueColumns; ++c)
        width += table_->horizontalHeader()->sectionSize(c);
    table_->setMinimumWidth(width);
}

// The labels' column takes what the numbers leave, and its rows grow to the
// wrapped labels once the table has its width.
void AnalysisPanel::fitLabels(bool labelsChanged) {
    int width = table_->viewport()->width();
    for (int c = 1; c <= kValueColumns; ++c)
        width -= table_->columnWidth(c);
    width = std::max(width, kLeastLabelWidth * fontMetrics().averageCharWidth());
    if (width == table_->columnWidth(0) && !labelsChanged) return;
    table_->setColumnWidth(0, width);
    if (rowsPending_) return;
    rowsPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rowsPending_ = false;
            table_->resizeRowsToContents();
        },
        Qt::QueuedConnection);
}

bool AnalysisPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) fitLabels(false);
    return QWidget::eventFilter(watched, event);
}

AnalysisPanel::~AnalysisPanel() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

// Once the present event is handled: reading a file sets the saved strain
// after the strain, without a notification of its own, and a dozen entries
// change in one go.
void AnalysisPanel::scheduleRefresh() {
    callOnceLater(this, refreshPending_, [this] { refresh(); });
}

// The strain's rows, and the flow's when the document has one.
std::vector<AnalysisRow> AnalysisPanel::rows(const StrainAnalysis& analysis) const {
    std::vector<AnalysisRow> rows = analysisRows(analysis);
    std::ranges::move(flowRows(analyzeFlow(model_), analysis), std::back_inserter(rows));
    return rows;
}

void AnalysisPanel::refresh() {
    const StrainAnalysis analysis = analyzeStrain(model_);
    drawFlowPath_->setEnabled(analyzeFlow(model_).has_value());
    const std::vector<AnalysisRow> rows = this->rows(analysis);
    const QLocale locale;
    table_->setRowCount(int(rows.size()));
    std::array<bool, 1 + kValueColumns> changed{};
    for (int r = 0; r < int(rows.size()); ++r) {
        const AnalysisRow& row = rows[size_t(r)];
        auto set = [this, r, &changed](int column, const QString& text) {
            QTableWidgetItem* item = table_->item(r, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignVCenter |
                                       (column > 0 ? Qt::AlignRight : Qt::AlignLeft));
                table_->setItem(r, column, item);
            }
            if (item->text() == text) return;
            item->setText(text);
            changed[size_t(column)] = true;
        };
        set(0, row.complete() ? label(row.label)
                              : label(row.label) + QLatin1Char('\n') + label(row.reason));
        const QStringList values = shownValues(row, locale);
        for (int c = 0; c < kValueColumns; ++c)
            set(1 + c, c < values.size() ? values[c] : QString());
    }
    // A value column as wide as its widest number, with the margins an
    // item's text keeps and the grid's line.
    const int padding =
        2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) +
        (table_->showGrid() ? 1 : 0);
    for (int c = 1; c <= kValueColumns; ++c) {
        if (!changed[size_t(c)]) continue;
        qreal width = 0;
        for (int r = 0; r < table_->rowCount(); ++r)
            width = std::max(
                width, QFontMetricsF(table_->font()).horizontalAdvance(table_->item(r, c)->text()));
        table_->setColumnWidth(c, int(std::ceil(width)) + padding);
    }
    fitLabels(changed[0]);
    state_->setText(label(analysis.state));
    state_->setVisible(!analysis.state.empty());
    plot_->showPresent(analysis);
}

void AnalysisPanel::addPathPoint() {
    plot_->addToTrail(analyzeStrain(model_));
}

void AnalysisPanel::clearPath() {
    plot_->clearTrail();
    flowPaths_->clear();
}

QString AnalysisPanel::text() const {
    const StrainAnalysis analysis = analyzeStrain(model_);
    const QLocale locale;
    QStringList lines;
    for (const AnalysisRow& row : rows(analysis)) {
        QStringList cells = QStringList(label(row.label)) + shownValues(row, locale);
        if (!row.complete()) cells << label(row.reason);
        lines << cells.join(QLatin1Char('\t'));
    }
    if (!analysis.state.empty()) lines << label(analysis.state);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void AnalysisPanel::copyToClipboard() const {
    QGuiApplication::clipboard()->setText(text());
}
