#pragma once
#include "Form1Widgets.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QToolButton;
class QStatusBar;

namespace plotwise {

class Form1Core;
class CurveListModel;
class LoadedCurveTableModel;
class ResultTableModel;

namespace ui {

class FindWindow;
class Form2Window;
class StatsWindow;
class WheelKeyFilter;

// The main window: shows the core's state and forwards every event to it.
// Widgets are placed where the core's layout puts them (twips / 15); after each
// handler the core reports what changed and only that part is refreshed.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStartWidth = 1280; // pixels, narrowed to the screen

    explicit MainWindow(Form1Core& core, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs start-up, sizes the window and shows it.
    void start();

    const Form1Widgets& widgets() const { return w_; }
    CurveListModel& curveListModel() { return *listModel_; }
    LoadedCurveTableModel& grid1Model() { return *grid1Model_; }
    ResultTableModel& grid2Model() { return *grid2Model_; }
    // The display item window, once it was opened.
    Form2Window* form2() const { return form2_; }
    // The statistics window, once it was opened (button beside the export
    // buttons, Ctrl+T).
    StatsWindow* statsWindow() const { return stats_; }
    void openStatsWindow();
    bool wheelTranslationInstalled() const { return wheel_ != nullptr; }
    // The Find window, once it was opened; opens it on the folder shown.
    FindWindow* findWindow() const { return find_; }
    void openFind();
    // Asks the Find window's yes/no questions; a message box unless replaced.
    void setFindQuestion(std::function<bool(const QString&)> ask) { findQuestion_ = std::move(ask); }

    // Asks the user for a colour (title, start colour); nullopt when cancelled.
    // A colour dialog unless replaced.
    using ColorChooser = std::function<std::optional<QColor>(const QString&, const QColor&)>;
    void setColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }
    // Asks the user for a file to save (title, start name, Qt name filter);
    // nullopt when cancelled. A file dialog unless replaced.
    using SaveFileChooser =
        std::function<std::optional<QString>(const QString&, const QString&, const QString&)>;
    void setSaveFileChooser(SaveFileChooser chooser) { chooseSaveFile_ = std::move(chooser); }
    // The status bar's line: what the last export did or why it failed.
    QLabel* statusLine() const { return statusLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectNavigation();
    void connectCurveList();
    void connectSplitters();
    void connectButtons();
    void connectTimers();
    void connectPlot();
    void connectPlotMouse();
    void connectPlotControls();
    void connectResultTable();
    void connectExport();
    void connectStats();
    void placeStatsButton();
    void connectFind();
    void placeFindButton();
    void buildStatusBar();
    int statusBarHeight() const;
    void placeStatusBar();
    void refreshStatusLine();

    void refresh(unsigned changes);
    void refreshCurveList(bool newFolder);
    void refreshTreeState();
    void refreshGrid1();
    void refreshGrid2();
    void openForm2();
    bool grid2Event(QObject* watched, QEvent* event);
    void grid2ClickCurrent();
    void refreshFolders();
    void refreshDrives();
    void refreshDirList();
    void refreshLayout();
    void refreshPointer();
    void refreshTexts();
    void refreshState();
    void applyWindowFont();
    void applyStartSize();
    QMargins frameMarginsOrGuess() const;
    void fitOnScreenNow();
    void applyMinimumSize();
    void refreshPicture();
    void refreshPlotControls();
    void refreshPlotPointer();
    void refreshPlotTextBoxes();
    void scheduleRedraw();

    bool treeViewportEvent(QEvent* event);
    void onTreeCurrentChanged(const QModelIndex& current);
    void pickSpindleColor();
    void installWheelTranslation();
    void removeWheelTranslation();

    Form1Core& core_;
    Form1Widgets w_;
    std::unique_ptr<CurveListModel> listModel_;
    std::unique_ptr<LoadedCurveTableModel> grid1Model_;
    std::unique_ptr<ResultTableModel> grid2Model_;
    Form2Window* form2_ = nullptr;
    StatsWindow* stats_ = nullptr;
    QToolButton* statsButton_ = nullptr;
    FindWindow* find_ = nullptr;
    QToolButton* findButton_ = nullptr;
    std::function<bool(const QString&)> findQuestion_;
    std::uint64_t grid2Version_ = 0;
    QTimer timer1_, timer2_, timer3_;
    WheelKeyFilter* wheel_ = nullptr;
    ColorChooser chooseColor_;
    SaveFileChooser chooseSaveFile_;
    QStatusBar* status_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    bool updating_ = false; // the view is being set from the core's state
    bool pointerOverridden_ = false;
    bool skipNextRelease_ = false; // the release that ends a double-click
    bool unloaded_ = false;
    bool redrawScheduled_ = false;
    bool shownBefore_ = false;
};

} // namespace ui
} // namespace plotwise
