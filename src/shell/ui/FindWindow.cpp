#include "FindWindow.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace plotwise::ui {
namespace {

struct FieldSpec {
    const char* name;
    const char* label;
    const char* hint;
    QString archive::FindTexts::*text;
    int row, column; // place in the filter grid
};

const FieldSpec kFields[] = {
    {"id", "ID", "identification", &archive::FindTexts::id, 1, 0},
    {"from", "From", "2026-11-05T06:00:00", &archive::FindTexts::from, 1, 2},
    {"to", "To", "2026-11-05T14:00:00", &archive::FindTexts::to, 1, 4},
    {"program", "Program", "", &archive::FindTexts::program, 2, 0},
    {"spindle", "Spindle", "", &archive::FindTexts::spindle, 2, 2},
    {"limit", "Limit", "all", &archive::FindTexts::limit, 2, 4},
    {"peakYMin", "Peak Y from", "", &archive::FindTexts::peakYMin, 3, 0},
    {"peakYMax", "to", "", &archive::FindTexts::peakYMax, 3, 2},
    {"peakXMin", "Peak X from", "", &archive::FindTexts::peakXMin, 4, 0},
    {"peakXMax", "to", "", &archive::FindTexts::peakXMax, 4, 2},
};

} // namespace

FindWindow::FindWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName("FindWindow");
    setWindowTitle("Find curves");
    ask = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
    };
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    root_ = new QLineEdit(this);
    root_->setObjectName("root");
    index_ = new QPushButton("Update index", this);
    top->addWidget(new QLabel("Archive", this), 0, 0);
    top->addWidget(root_, 0, 1, 1, 5);
    top->addWidget(index_, 0, 6);
    for (const FieldSpec& spec : kFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(spec.name);
        edit->setPlaceholderText(spec.hint);
        fields_.push_back(edit);
        top->addWidget(new QLabel(spec.label, this), spec.row, spec.column);
        top->addWidget(edit, spec.row, spec.column + 1);
        connect(edit, &QLineEdit::returnPressed, this, &FindWindow::runSearch);
    }
    // A window shows the first thousand matches unless told otherwise.
    field("limit")->setText("1000");
    find_ = new QPushButton("Find", this);
    find_->setDefault(true);
    top->addWidget(find_, 4, 6);
    layout->addLayout(top);
    table_ = new QTableView(this);
    table_->setModel(&controller_.model());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 0);
    progress_->hide();
    status_ = new QLabel(this);
    status_->setObjectName("status");
    layout->addWidget(progress_);
    layout->addWidget(status_);
    resize(900, 560);

    connect(find_, &QPushButton::clicked, this, &FindWindow::runSearch);
    connect(index_, &QPushButton::clicked, this, &FindWindow::startBuild);
    connect(root_, &QLineEdit::editingFinished, this, [this] { controller_.setRoot(root_->text()); });
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { openRow(index.row()); });
    connect(&controller_, &archive::ArchiveFindController::progress, this, [this](int files, int folders) {
        status_->setText(QString("Indexing: %1 files read in %2 folders").arg(files).arg(folders));
    });
    connect(&controller_, &archive::ArchiveFindController::indexBuilt, this, [this](bool ok, const QString& message) {
        progress_->hide();
        index_->setEnabled(true);
        find_->setEnabled(true);
        status_->setText((ok ? "Index ready: " : "Index incomplete: ") + message);
        if (ok) runSearch();
    });
}

QLineEdit* FindWindow::field(const QString& name) const {
    if (name == "root") return root_;
    for (QLineEdit* edit : fields_)
        if (edit->objectName() == name) return edit;
    return nullptr;
}

void FindWindow::open(const QString& folder) {
    if (!controller_.building()) {
        controller_.setRoot(archive::archiveRootOf(folder));
        root_->setText(controller_.root());
    }
    show();
    raise();
    activateWindow();
    if (controller_.building()) return;
    if (controller_.hasIndex()) {
        runSearch();
        return;
    }
    status_->setText("This archive has no index yet.");
    if (ask(QString("%1 has no index yet. Build it now? It is built in the background.").arg(controller_.root())))
        startBuild();
}

void FindWindow::runSearch() {
    controller_.setRoot(root_->text());
    archive::FindTexts texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) texts.*(kFields[i].text) = fields_[i]->text();
    const QString error = controller_.search(texts);
    const int count = controller_.model().rowCount();
    status_->setText(error.isEmpty() ? QString("%1 %2").arg(count).arg(count == 1 ? "match" : "matches") : error);
    table_->resizeColumnsToContents();
}

void FindWindow::startBuild() {
    controller_.setRoot(root_->text());
    progress_->show();
    index_->setEnabled(false);
    find_->setEnabled(false);
    status_->setText("Indexing " + controller_.root());
    controller_.buildIndex();
}

void FindWindow::openRow(int row) {
    const QString path = controller_.absolutePath(row);
    if (!path.isEmpty() && onOpenFile) onOpenFile(path);
}

void FindWindow::closeEvent(QCloseEvent* event) {
    // A build goes on while the window is hidden; it ends with the program.
    event->accept();
}

} // namespace plotwise::ui
