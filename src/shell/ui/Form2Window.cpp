#include "Form2Window.h"

#include "UiConvert.h"
#include "shell/Form1Core.h"

#include <QListWidget>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace plotwise::ui {
namespace {

constexpr int kWidthPixels = 260;
constexpr int kHeightPixels = 420;

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
    {
        QScopedValueRollback<bool> guard(filling_, true);
        list1_->clear();
        for (const DisplayItem& item : core_.form2Load()) {
            auto* line = new QListWidgetItem(QString::fromLatin1(item.name.data(),
                                                                 static_cast<qsizetype>(item.name.size())),
                                             list1_);
            line->setSelected(item.selected);
        }
        const WindowFont font = core_.windowFont();
        setFont(QFont(fromUtf8(font.name), font.size));
        setWindowTitle(fromUtf8(core_.form2Caption()));
    }
    show();
    raise();
}

void Form2Window::list1Click() {
    if (filling_) return;
    std::vector<bool> selected;
    selected.reserve(static_cast<std::size_t>(list1_->count()));
    for (int i = 0; i < list1_->count(); ++i)
        selected.push_back(list1_->item(i)->isSelected());
    core_.form2ListClick(selected);
}

} // namespace plotwise::ui
