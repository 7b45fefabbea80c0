#pragma once
#include <QPointer>

#include <array>
#include <map>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableView;
class QTableWidget;
class QToolButton;
class QTreeView;
class QWidget;

namespace plotwise::ui {

class PanelFrame;
class PlotSurface;

// The widgets of the main window, created with the parents the core's layout
// names (Form1, Frame1, Frame2, Picture1) and found again by name. Positions
// are left to the core's layout; only the small option groups arrange their
// own buttons.
class Form1Widgets {
public:
    explicit Form1Widgets(QWidget* form);

    // A widget by its layout name, e.g. "Command1(3)"; nullptr when unknown.
    QWidget* byName(const std::string& name) const;

    PanelFrame* frame1 = nullptr;
    QComboBox* drive1 = nullptr;
    QListWidget* dir1 = nullptr;
    QListView* file1 = nullptr; // over a string list: folders of many files fill it at once
    std::array<QToolButton*, 6> command1{};
    QCheckBox* check2 = nullptr;
    QWidget* picture2 = nullptr;

    QTreeView* treeView1 = nullptr;
    std::array<QPushButton*, 2> command2{};
    QTableView* grid2 = nullptr;

    PanelFrame* frame2 = nullptr;
    PlotSurface* picture1 = nullptr;
    QTableView* grid1 = nullptr;
    QScrollBar* hs = nullptr;
    QScrollBar* vs = nullptr;
    QGroupBox* frame3 = nullptr;
    QGroupBox* frame4 = nullptr;
    QGroupBox* frame5 = nullptr;
    std::array<QRadioButton*, 6> option1{};
    std::array<QRadioButton*, 4> option2{};
    std::array<QRadioButton*, 8> option3{};
    std::array<QLabel*, 8> label1{};
    QLabel* label2 = nullptr;
    QLineEdit* text1 = nullptr; // manual Y full scale
    QLineEdit* text2 = nullptr; // manual X end value

    QToolButton* check1 = nullptr;
    std::array<QToolButton*, 6> command3{};
    QWidget* picture3 = nullptr;

private:
    void buildFrame1(QWidget* form);
    void buildListArea(QWidget* form);
    void buildFrame2(QWidget* form);
    void buildOptionGroups();
    void buildRightColumn(QWidget* form);
    void buildSplitterBars(QWidget* form);
    template <typename W> W* add(W* widget, const std::string& name);

    std::map<std::string, QPointer<QWidget>> byName_;
};

} // namespace plotwise::ui
