#include "MainWindow.h"

#include "DirListDelegate.h"
#include "PanelFrame.h"
#include "UiConvert.h"
#include "WheelKeyFilter.h"
#include "curvelist/CurveListModel.h"
#include "curvelist/LoadedCurveTableModel.h"
#include "results/ResultTableModel.h"
#include "shell/Form1Core.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace plotwise::ui {

namespace {

std::optional<QColor> colorDialog(QWidget* parent, const QString& title, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent, title);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

} // namespace

MainWindow::MainWindow(Form1Core& core, QWidget* parent)
    : QWidget(parent), core_(core), w_(this),
      listModel_(std::make_unique<CurveListModel>(core.curveList())),
      grid1Model_(std::make_unique<LoadedCurveTableModel>(core.grid1())),
      grid2Model_(std::make_unique<ResultTableModel>(core.results().grid2())) {
    setObjectName(QStringLiteral("Form1"));
    w_.treeView1->setModel(listModel_.get());
    w_.grid1->setModel(grid1Model_.get());
    w_.grid2->setModel(grid2Model_.get());
    chooseColor_ = [this](const QString& title, const QColor& initial) {
        return colorDialog(this, title, initial);
    };
    connectNavigation();
    connectCurveList();
    connectSplitters();
    connectButtons();
    connectTimers();
    connectPlot();
    connectResultTable();
    connectExport();
    connectStats();
    connectFind();
    buildStatusBar();
    setAcceptDrops(true);
    core_.onChanged = [this](unsigned changes) { refresh(changes); };
    refresh(Change::All);
}

MainWindow::~MainWindow() {
    core_.onChanged = nullptr;
    removeWheelTranslation();
    if (pointerOverridden_) QApplication::restoreOverrideCursor();
}

void MainWindow::start() {
    core_.formLoad();
    applyWindowFont();
    if (core_.wheelTranslationOn()) installWheelTranslation();
    applyStartSize();
    show();
}

// The first window, with its frame and title bar, lies within the screen's
// free area, so the status bar at the bottom shows.
void MainWindow::applyStartSize() {
    const QSize wanted(kStartWidth,
                       FormLayout::kStartHeight / FormLayout::kTwipsPerPixel + statusBarHeight());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(wanted);
        return;
    }
    setGeometry(fitOnScreen(screen->availableGeometry(), frameMarginsOrGuess(), wanted));
}

// The window manager's frame once the window is shown; before that a guess
// from the style's title bar.
QMargins MainWindow::frameMarginsOrGuess() const {
    if (const QWindow* window = windowHandle(); window && !window->frameMargins().isNull())
        return window->frameMargins();
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return QMargins(4, title + 8, 4, 4);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The real frame is known once the window manager has framed the first
    // window; later the user decides its place.
    if (std::exchange(shownBefore_, true)) return;
    QTimer::singleShot(0, this, [this] { fitOnScreenNow(); });
}

void MainWindow::fitOnScreenNow() {
    const QScreen* shown = screen();
    if (!shown || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) return;
    const QRect available = shown->availableGeometry();
    if (available.contains(frameGeometry())) return;
    setGeometry(fitOnScreen(available, frameMarginsOrGuess(), size()));
}

// Every control shows at the smallest size the window can be given, as far
// as the screen allows.
void MainWindow::applyMinimumSize() {
    const QRect area = toPixels(core_.minimumClientArea());
    QSize minimum(area.width(), area.height() + statusBarHeight());
    if (const QScreen* shown = screen())
        minimum = minimum.boundedTo(shown->availableGeometry().marginsRemoved(frameMarginsOrGuess()).size());
    if (minimum != minimumSize()) setMinimumSize(minimum);
}

void MainWindow::applyWindowFont() {
    const QFont shared = toQFont(core_.windowFont());
    setFont(shared);
    // Every control gets the font itself: a style sheet rule that matches a
    // control would otherwise stop the form's font from reaching it.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control != w_.label2) control->setFont(shared);
    }
    // The six scale captions share one row: a point smaller keeps them whole.
    QFont scales = shared;
    scales.setPointSize(std::max(shared.pointSize() - 1, 6));
    for (QRadioButton* option : w_.option1)
        option->setFont(scales);
    // The notice keeps its own size and weight and takes only the font name.
    QFont notice = w_.label2->font();
    notice.setFamily(shared.family());
    w_.label2->setFont(notice);
    // Table rows as high as the text, as in a grid control, not a touch list.
    const int rowHeight = QFontMetrics(shared).height() + 4;
    w_.grid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    w_.grid2->verticalHeader()->setDefaultSectionSize(rowHeight);
}

// ---- events ----

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStatusBar();
    // The status bar takes the bottom of the window; the core lays out the rest.
    core_.formResize(toTwips(width()), toTwips(height() - statusBarHeight()),
                     toTwips(frameGeometry().width()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    core_.exporter().stopConvertAll();
    if (!unloaded_) {
        unloaded_ = true;
        timer1_.stop();
        timer2_.stop();
        timer3_.stop();
        removeWheelTranslation();
        core_.formUnload();
    }
    event->accept();
    QCoreApplication::quit();
}

// A folder or a curve file dropped on the window opens as one named on the
// command line does.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    core_.navigator().openPath(toUtf8(QDir::toNativeSeparators(urls.front().toLocalFile())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.treeView1->viewport() && treeViewportEvent(event)) return true;
    if ((watched == w_.grid2 || watched == w_.grid2->viewport()) && grid2Event(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The list's click, double-click and right press. The click and the colour
// pick run after the view has handled the press (selection, tick box).
bool MainWindow::treeViewportEvent(QEvent* event) {
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse) return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        skipNextRelease_ = true;
    } else if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        QMetaObject::invokeMethod(
            this, [this] { pickSpindleColor(); }, Qt::QueuedConnection);
    } else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        if (skipNextRelease_) {
            skipNextRelease_ = false;
        } else {
            QMetaObject::invokeMethod(
                this, [this] { core_.listPanel().treeViewClick(); }, Qt::QueuedConnection);
        }
    }
    return false;
}

void MainWindow::pickSpindleColor() {
    const std::optional<std::string> title = core_.listPanel().colorPickTitle();
    if (!title || !chooseColor_) return;
    const CurveList& list = core_.curveList();
    QColor initial = Qt::black;
    if (list.selected >= 0 && list.selected < list.count() && list.entry(list.selected).textColor)
        initial = fromBgr(*list.entry(list.selected).textColor);
    const std::optional<QColor> chosen = chooseColor_(fromLatin1(*title), initial);
    if (chosen) core_.listPanel().applySpindleColor(toBgr(*chosen));
}

void MainWindow::onTreeCurrentChanged(const QModelIndex& current) {
    if (updating_) return;
    core_.listPanel().treeViewSelect(listModel_->entryOf(current));
}

void MainWindow::installWheelTranslation() {
    if (wheel_) return;
    wheel_ = new WheelKeyFilter(this, this);
    qApp->installEventFilter(wheel_);
}

void MainWindow::removeWheelTranslation() {
    if (!wheel_) return;
    qApp->removeEventFilter(wheel_);
    delete wheel_;
    wheel_ = nullptr;
}

// ---- connections ----

void MainWindow::connectNavigation() {
    connect(w_.drive1, &QComboBox::activated, this, [this](int index) {
        if (!updating_) core_.navigator().drive1Change(toUtf8(w_.drive1->itemText(index)));
    });
    connect(w_.dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (!updating_) core_.navigator().dir1Open(toUtf8(item->data(DirListDelegate::kPathRole).toString()));
    });
    for (std::size_t i = 0; i < w_.command1.size(); ++i)
        connect(w_.command1[i], &QToolButton::clicked, this,
                [this, i] { core_.navigator().command1Click(static_cast<int>(i)); });
    connect(w_.check2, &QCheckBox::clicked, this,
            [this](bool ticked) { core_.navigator().check2Click(ticked); });
}

void MainWindow::connectCurveList() {
    QTreeView* tree = w_.treeView1;
    tree->viewport()->installEventFilter(this);
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onTreeCurrentChanged(current); });
    connect(tree, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (!updating_) core_.listPanel().setEntryExpanded(listModel_->entryOf(index), true);
    });
    connect(tree, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (!updating_) core_.listPanel().setEntryExpanded(listModel_->entryOf(index), false);
    });
    connect(tree, &QTreeView::doubleClicked, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { pickSpindleColor(); }, Qt::QueuedConnection);
    });
    connect(listModel_.get(), &CurveListModel::entryCheckChanged, this, [this](int entry) {
        core_.listPanel().setEntryChecked(entry, core_.curveList().entry(entry).checked);
    });
}

void MainWindow::connectSplitters() {
    connect(w_.frame1, &PanelFrame::mouseDown, this,
            [this](int b, int s, int x, int y) { core_.frame1MouseDown(b, s, x, y); });
    connect(w_.frame1, &PanelFrame::mouseMove, this,
            [this](int b, int s, int x, int y) { core_.frame1MouseMove(b, s, x, y); });
    connect(w_.frame1, &PanelFrame::mouseUp, this,
            [this](int b, int s, int x, int y) { core_.frame1MouseUp(b, s, x, y); });
    connect(w_.frame2, &PanelFrame::mouseDown, this,
            [this](int b, int s, int x, int y) { core_.frame2MouseDown(b, s, x, y); });
    connect(w_.frame2, &PanelFrame::mouseMove, this,
            [this](int b, int s, int x, int y) { core_.frame2MouseMove(b, s, x, y); });
    connect(w_.frame2, &PanelFrame::mouseUp, this,
            [this](int b, int s, int x, int y) { core_.frame2MouseUp(b, s, x, y); });
}

void MainWindow::connectButtons() {
    for (std::size_t i = 0; i < w_.command2.size(); ++i)
        connect(w_.command2[i], &QPushButton::clicked, this,
                [this, i] { core_.listPanel().command2Click(static_cast<int>(i)); });
    connect(w_.check1, &QToolButton::clicked, this,
            [this](bool ticked) { core_.listPanel().check1Click(ticked); });
}

void MainWindow::connectTimers() {
    timer1_.setInterval(TimerState::kTimer1Interval);
    timer2_.setInterval(TimerState::kTimer2Interval);
    timer3_.setInterval(TimerState::kTimer3Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] { core_.timer1Tick(); });
    connect(&timer2_, &QTimer::timeout, this, [this] { core_.timer2Tick(); });
    connect(&timer3_, &QTimer::timeout, this, [this] { core_.timer3Tick(); });
}

} // namespace plotwise::ui
