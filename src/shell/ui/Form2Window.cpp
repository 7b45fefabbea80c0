#include "Form2Window.h"

#include "UiConvert.h"
#include "shell/Form1Core.h"
#include "shell/WindowFont.h"

#include <QListWidget>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace plotwise::ui {
namespace {

constexpr int kWidthPixels = 260;
constexpr int kHeightPixels = 420;

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// A tool window of the main window: kept above it, without a taskbar entry.
Form2Window::Form2Window(Form1Core& core, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), core_(core) {
    setObjectName(QStringLiteral("Form2"));
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list1_);
    resize(kWidthPixels, kHeightPixels);
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] { list1Click(); });
}

void Form2Window::open() {
    fill();
    show();
    raise();
}

void Form2Window::followTable() {
    if (!isVisible()) return;
    const std::vector<DisplayItem> items = core_.results().displayItemsNow();
    bool same = static_cast<int>(items.size()) == list1_->count();
    for (int i = 0; same && i < list1_->count(); ++i) {
        const QListWidgetItem* line = list1_->item(i);
        const DisplayItem& item = items[static_cast<std::size_t>(i)];
        same = line->text() == latin1(item.name) && line->isSelected() == item.selected;
    }
    if (!same) fill();
}

void Form2Window::fill() {
    QScopedValueRollback<bool> guard(filling_, true);
    list1_->clear();
    for (const DisplayItem& item : core_.results().form2Load()) {
        auto* line = new QListWidgetItem(latin1(item.name), list1_);
        line->setSelected(item.selected);
    }
    const WindowFont font = core_.windowFont();
    setFont(toQFont(font));
    setWindowTitle(fromUtf8(core_.results().form2Caption()));
}

void Form2Window::list1Click() {
    if (filling_) return;
    std::vector<bool> selected;
    selected.reserve(static_cast<std::size_t>(list1_->count()));
    for (int i = 0; i < list1_->count(); ++i)
        selected.push_back(list1_->item(i)->isSelected());
    core_.results().form2ListClick(selected);
}

} // namespace plotwise::ui
