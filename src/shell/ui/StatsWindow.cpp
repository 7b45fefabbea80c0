#include "StatsWindow.h"

#include "plot/PlotCanvas.h"
#include "shell/Form1Core.h"
#include "stats/StatsPictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace plotwise::ui {
namespace {

const QStringList kColumns = {"Spindle", "Quantity", "n", "Mean", "SD", "Min", "Max", "Median",
                              "Cp", "Cpk", "Pp", "Ppk"};

QString cellText(const std::optional<double>& value) {
    return value ? QString::number(*value, 'g', 6) : QStringLiteral("-");
}

QLabel* pictureIn(QTabWidget* tabs, const QString& title) {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(label);
    scroll->setWidgetResizable(true);
    tabs->addTab(scroll, title);
    return label;
}

QPixmap picture(const std::vector<stats::GroupStats>& groups, stats::PictureKind kind) {
    PlotCanvas canvas;
    canvas.resize(stats::statsPictureWidth(), stats::statsPictureHeight(groups.size()));
    stats::drawStatsPicture(canvas, groups, kind);
    return QPixmap::fromImage(canvas.image());
}

} // namespace

StatsWindow::StatsWindow(Form1Core& core, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), core_(core), model_(fs_) {
    setObjectName("StatsWindow");
    setWindowTitle("Process statistics");
    resize(980, 760);
    auto* limits = new QGridLayout;
    yLimits_ = new QLineEdit;
    xLimits_ = new QLineEdit;
    for (QLineEdit* edit : {yLimits_, xLimits_}) {
        edit->setPlaceholderText("LSL:USL or spindle=LSL:USL, e.g. 20:30 2=18:28");
        connect(edit, &QLineEdit::editingFinished, this, &StatsWindow::applyLimits);
    }
    limits->addWidget(new QLabel("Peak value limits"), 0, 0);
    limits->addWidget(yLimits_, 0, 1);
    limits->addWidget(new QLabel("Peak position limits"), 1, 0);
    limits->addWidget(xLimits_, 1, 1);
    limitError_ = new QLabel;
    limitError_->setStyleSheet("color: #c00000");
    limits->addWidget(limitError_, 2, 1);

    table_ = new QTableWidget(0, kColumns.size());
    table_->setHorizontalHeaderLabels(kColumns);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* tabs = new QTabWidget;
    histogram_ = pictureIn(tabs, "Histograms");
    chart_ = pictureIn(tabs, "Individuals charts");

    auto* search = new QHBoxLayout;
    progress_ = new QProgressBar;
    found_ = new QLabel;
    bandBox_ = new QCheckBox("Draw the band of spindle");
    bandBox_->setToolTip("Draws the reference band of the chosen spindle (median and the reach "
                         "of the abnormal-curve threshold) behind the curves on the plot");
    bandSpindle_ = new QComboBox;
    connect(bandBox_, &QCheckBox::toggled, this, &StatsWindow::showBand);
    connect(bandSpindle_, &QComboBox::currentIndexChanged, this, &StatsWindow::showBand);
    search->addWidget(new QLabel("Abnormal curves"));
    search->addWidget(progress_, 1);
    search->addWidget(found_);
    search->addWidget(bandBox_);
    search->addWidget(bandSpindle_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(limits);
    layout->addWidget(table_, 2);
    layout->addWidget(tabs, 3);
    layout->addLayout(search);

    connect(&model_, &stats::StatsModel::statsChanged, this, &StatsWindow::showStats);
    connect(&model_, &stats::StatsModel::detectionProgress, this, [this](int done, int total) {
        progress_->setRange(0, std::max(total, 1));
        progress_->setValue(done);
        found_->setText(model_.detecting() ? "searching" : found_->text());
    });
    connect(&model_, &stats::StatsModel::detectionFinished, this, &StatsWindow::showDetection);
}

void StatsWindow::open() {
    show();
    raise();
    activateWindow();
    followTicks();
}

void StatsWindow::followTicks() {
    if (!isVisible()) return;
    model_.setCurves(core_.curveList(), core_.folders().dir);
}

void StatsWindow::closeEvent(QCloseEvent* event) {
    bandBox_->setChecked(false);
    emit marksChanged({});
    event->accept();
}

void StatsWindow::applyLimits() {
    const auto error = model_.setLimits(yLimits_->text(), xLimits_->text());
    limitError_->setText(error ? *error : QString());
}

void StatsWindow::showStats() {
    const auto& groups = model_.groups();
    table_->setRowCount(static_cast<int>(groups.size() * 2));
    int row = 0;
    for (const auto& g : groups) {
        for (int q = 0; q < 2; ++q, ++row) {
            const stats::Summary& s = q == 0 ? g.ySummary : g.xSummary;
            const bool any = s.n > 0;
            const QStringList cells = {
                QString::number(g.spindle), QString::fromStdString(q == 0 ? g.yName : g.xName),
                QString::number(s.n), cellText(any ? std::optional(s.mean) : std::nullopt),
                cellText(s.sd), cellText(any ? std::optional(s.min) : std::nullopt),
                cellText(any ? std::optional(s.max) : std::nullopt),
                cellText(any ? std::optional(s.median) : std::nullopt), cellText(s.cp),
                cellText(s.cpk), cellText(s.pp), cellText(s.ppk)};
            for (int c = 0; c < cells.size(); ++c) table_->setItem(row, c, new QTableWidgetItem(cells[c]));
        }
    }
    histogram_->setPixmap(picture(groups, stats::PictureKind::Histogram));
    chart_->setPixmap(picture(groups, stats::PictureKind::Individuals));
    found_->setText(model_.detecting() ? "searching" : found_->text());
}

void StatsWindow::showDetection() {
    if (!isVisible()) return; // closed meanwhile: its marks are gone
    const auto marks = model_.abnormalEntries();
    found_->setText(QString("%1 abnormal, marked in the list").arg(marks.size()));
    const QVariant chosen = bandSpindle_->currentData();
    {
        QSignalBlocker block(bandSpindle_);
        bandSpindle_->clear();
        for (const auto& band : model_.detection().bands)
            bandSpindle_->addItem(QString::number(band.spindle), band.spindle);
        const int again = bandSpindle_->findData(chosen);
        if (again >= 0) bandSpindle_->setCurrentIndex(again);
    }
    emit marksChanged(marks);
    showBand();
}

void StatsWindow::showBand() {
    std::optional<PlotBand> band;
    if (bandBox_->isChecked() && bandSpindle_->count() > 0)
        band = model_.plotBand(bandSpindle_->currentData().toInt());
    if (!band && !core_.plot().band()) return;
    core_.plot().setBand(std::move(band));
}

} // namespace plotwise::ui
