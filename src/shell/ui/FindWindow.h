#pragma once
// The Find window: filters over the archive index of the folder shown, the
// matches in a table, and a double click that opens the curve's file.
#include "archive/ArchiveFind.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace plotwise::ui {

class FindWindow : public QWidget {
    Q_OBJECT
public:
    explicit FindWindow(QWidget* mainWindow);

    // Shows the window on the archive the folder belongs to; offers to build
    // its index when it has none.
    void open(const QString& folder);
    // Opens a file of the archive as the command line does.
    std::function<void(const QString& path)> onOpenFile;
    // Asks a yes/no question; a message box unless replaced.
    std::function<bool(const QString& question)> ask;

    archive::ArchiveFindController& controller() { return controller_; }
    QLineEdit* field(const QString& name) const;
    QPushButton* findButton() const { return find_; }
    QTableView* table() const { return table_; }
    QLabel* status() const { return status_; }
    void openRow(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runSearch();
    void startBuild();

    archive::ArchiveFindController controller_;
    QLineEdit* root_ = nullptr;
    std::vector<QLineEdit*> fields_;
    QPushButton* find_ = nullptr;
    QPushButton* index_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace plotwise::ui
