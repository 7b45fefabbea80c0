#include "Form1Widgets.h"

#include "ButtonIcons.h"
#include "DirListDelegate.h"
#include "PanelFrame.h"
#include "PlotSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStringListModel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>

namespace plotwise::ui {

namespace {

std::string indexed(const char* name, std::size_t index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

QToolButton* pictureButton(QWidget* parent, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QWidget* splitterBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(96, 96, 96));
    bar->setPalette(palette);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->hide();
    return bar;
}

// The option groups below the plot hold one row of buttons each.
void tighten(QLayout* layout) {
    layout->setContentsMargins(6, 0, 6, 2);
    layout->setSpacing(2);
}

// A colour tile with a round white tick mark, readable on every colour.
const QString kColorButtonStyle = QStringLiteral(
    "QRadioButton { background-color: %1; padding: 2px 3px; }"
    "QRadioButton::indicator { width: 8px; height: 8px; border-radius: 5px;"
    " border: 1px solid #606060; background: white; }"
    "QRadioButton::indicator:checked { border: 3px solid white; width: 4px; height: 4px;"
    " background: black; }");

} // namespace

Form1Widgets::Form1Widgets(QWidget* form) {
    // The design-time boxes are narrow: keep tick boxes close to their text.
    form->setStyleSheet(QStringLiteral("QCheckBox, QRadioButton { spacing: 3px; }"));
    buildFrame1(form);
    buildListArea(form);
    buildFrame2(form);
    buildRightColumn(form);
    buildSplitterBars(form);
}

template <typename W> W* Form1Widgets::add(W* widget, const std::string& name) {
    widget->setObjectName(QString::fromStdString(name));
    byName_[name] = widget;
    return widget;
}

QWidget* Form1Widgets::byName(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second.data();
}

void Form1Widgets::buildFrame1(QWidget* form) {
    frame1 = add(new PanelFrame(form), "Frame1");
    drive1 = add(new QComboBox(frame1), "Drive1");
    dir1 = add(new QListWidget(frame1), "Dir1");
    dir1->setItemDelegate(new DirListDelegate(dir1));
    dir1->setUniformItemSizes(true);
    file1 = add(new QListView(frame1), "File1");
    file1->setModel(new QStringListModel(file1));
    file1->hide(); // kept for the folder it lists; the curve list shows the files
    for (std::size_t i = 0; i < command1.size(); ++i)
        command1[i] =
            add(pictureButton(frame1, folderButtonIcon(form->style(), static_cast<int>(i))),
                indexed("Command1", i));
    check2 = add(new QCheckBox(frame1), "Check2");
}

void Form1Widgets::buildListArea(QWidget* form) {
    treeView1 = add(new QTreeView(form), "TreeView1");
    treeView1->setHeaderHidden(true);
    treeView1->setUniformRowHeights(true);
    treeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    treeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    treeView1->header()->setStretchLastSection(false);
    treeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid2 = add(new QTableView(form), "Grid2");
    grid2->horizontalHeader()->setMinimumSectionSize(1);
    grid2->horizontalHeader()->setSectionsClickable(true);
    grid2->horizontalHeader()->setHighlightSections(false);
    grid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid2->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid2->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid2->setWordWrap(false);
    grid2->hide();
    for (std::size_t i = 0; i < command2.size(); ++i)
        command2[i] = add(new QPushButton(form), indexed("Command2", i));
}

void Form1Widgets::buildFrame2(QWidget* form) {
    frame2 = add(new PanelFrame(form), "Frame2");
    picture1 = add(new PlotSurface(frame2), "Picture1");
    grid1 = add(new QTableView(frame2), "Grid1");
    grid1->verticalHeader()->hide();
    grid1->horizontalHeader()->setDefaultSectionSize(64);
    grid1->horizontalHeader()->setMinimumSectionSize(16);
    grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    grid1->hide();
    hs = add(new QScrollBar(Qt::Horizontal, frame2), "HS");
    hs->setRange(-500, 9999);
    vs = add(new QScrollBar(Qt::Vertical, frame2), "VS");
    vs->setRange(-10000, 10000);
    buildOptionGroups();
    for (std::size_t i = 0; i < label1.size(); ++i) {
        label1[i] = add(new QLabel(picture1), indexed("Label1", i));
        label1[i]->hide();
    }
    text1 = add(new QLineEdit(picture1), "Text1");
    text2 = add(new QLineEdit(picture1), "Text2");
    label2 = add(new QLabel(picture1), "Label2");
    label2->setAlignment(Qt::AlignCenter);
    QFont notice = label2->font();
    notice.setPointSize(14);
    notice.setBold(true);
    label2->setFont(notice);
}

void Form1Widgets::buildOptionGroups() {
    frame3 = add(new QGroupBox(frame2), "Frame3");
    auto* scales = new QHBoxLayout(frame3);
    tighten(scales);
    for (std::size_t i = 0; i < option1.size(); ++i) {
        option1[i] = add(new QRadioButton(frame3), indexed("Option1", i));
        scales->addWidget(option1[i]);
    }
    option1[0]->setChecked(true);

    frame4 = add(new QGroupBox(frame2), "Frame4");
    auto* styles = new QHBoxLayout(frame4);
    tighten(styles);
    static constexpr std::array<const char*, 4> kStyles = {"None", "Cross", "Horizontal",
                                                           "Vertical"};
    for (std::size_t i = 0; i < option2.size(); ++i) {
        option2[i] =
            add(new QRadioButton(QString::fromLatin1(kStyles[i]), frame4), indexed("Option2", i));
        styles->addWidget(option2[i]);
    }
    option2[0]->setChecked(true);

    frame5 = add(new QGroupBox(frame2), "Frame5");
    auto* colors = new QHBoxLayout(frame5);
    tighten(colors);
    static constexpr std::array<QRgb, 8> kColors = {0x000000, 0xFF0000, 0xFF8000, 0xFFFF00,
                                                    0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF};
    for (std::size_t i = 0; i < option3.size(); ++i) {
        option3[i] = add(new QRadioButton(frame5), indexed("Option3", i));
        // No caption: the button's background is the marker colour.
        option3[i]->setStyleSheet(kColorButtonStyle.arg(QColor::fromRgb(kColors[i]).name()));
        colors->addWidget(option3[i]);
    }
    option3[0]->setChecked(true);
}

void Form1Widgets::buildRightColumn(QWidget* form) {
    check1 = add(pictureButton(form, tableToggleIcon()), "Check1");
    check1->setCheckable(true);
    for (std::size_t i = 0; i < command3.size(); ++i)
        command3[i] =
            add(pictureButton(form, exportButtonIcon(static_cast<int>(i))), indexed("Command3", i));
}

void Form1Widgets::buildSplitterBars(QWidget* form) {
    picture2 = add(splitterBar(frame1), "Picture2");
    picture3 = add(splitterBar(form), "Picture3");
}

} // namespace plotwise::ui
