#pragma once
#include "curvefiles/FileSystem.h"
#include "stats/StatsModel.h"

#include <QWidget>

#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableWidget;

namespace plotwise {

class Form1Core;

namespace ui {

// The statistics window: the spread of the ticked curves' peak values per
// spindle with the limits typed in, their histograms and individuals charts,
// the progress of the abnormal-curve search, and a check box that draws a
// spindle's reference band behind the curves on the plot. It follows the
// ticks of the list while it is open.
class StatsWindow : public QWidget {
    Q_OBJECT
public:
    StatsWindow(Form1Core& core, QWidget* mainWindow);

    // Shows the window and takes the current ticks.
    void open();
    // The list's ticks or folder changed: statistics and search follow.
    void followTicks();
    stats::StatsModel& model() { return model_; }
    QTableWidget* table() const { return table_; }
    QCheckBox* bandBox() const { return bandBox_; }
    QComboBox* bandSpindle() const { return bandSpindle_; }
    QLabel* histogram() const { return histogram_; }
    QLabel* chart() const { return chart_; }
    QProgressBar* progress() const { return progress_; }

signals:
    // Abnormal curves by list entry, with the explanation for the tooltip.
    void marksChanged(const std::map<int, QString>& marks);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLimits();
    void showStats();
    void showDetection();
    void showBand();

    Form1Core& core_;
    LocalFileSystem fs_;
    stats::StatsModel model_;
    QLineEdit* yLimits_ = nullptr;
    QLineEdit* xLimits_ = nullptr;
    QLabel* limitError_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* histogram_ = nullptr;
    QLabel* chart_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* found_ = nullptr;
    QCheckBox* bandBox_ = nullptr;
    QComboBox* bandSpindle_ = nullptr;
};

} // namespace ui
} // namespace plotwise
