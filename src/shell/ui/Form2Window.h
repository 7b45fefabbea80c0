#pragma once
#include <QWidget>

class QListWidget;

namespace plotwise {

class Form1Core;

namespace ui {

// The display item selection window: the result table's column names in a
// multi-selection list; every change of the selection is applied at once.
// It stays above the main window and may be left open.
class Form2Window : public QWidget {
    Q_OBJECT
public:
    Form2Window(Form1Core& core, QWidget* mainWindow);

    // Fills the list from the current column names and shows the window.
    void open();
    // While the window is open, another result table (other column names or
    // shown columns) fills the list again.
    void followTable();
    QListWidget* list1() const { return list1_; }

private:
    void fill();
    void list1Click();

    Form1Core& core_;
    QListWidget* list1_ = nullptr;
    bool filling_ = false; // list events raised by the filling are ignored
};

} // namespace ui
} // namespace plotwise
