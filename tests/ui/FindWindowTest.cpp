// The Find window: its button and Ctrl+F, the offer to build a missing index
// in the background, and the double click that opens a match's file.
#include "UiTestApp.h"
#include "archive/ArchiveDatabase.h"
#include "shell/CoreFixture.h"
#include "shell/ui/FindWindow.h"
#include "shell/ui/Form1Widgets.h"
#include "shell/ui/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace plotwise {

TEST(FindWindow, BuildsAMissingIndexFindsAndOpensTheCurve) {
    test::uiApp();
    QStandardPaths::setTestModeEnabled(true);
    test::CoreFixture f;
    std::filesystem::copy(std::string(PLOTWISE_SAMPLES_DIR) + "/console", f.temp.path("work/plant"),
                          std::filesystem::copy_options::recursive);
    const std::string st02 = f.temp.path("work/plant/CURVE/202611/20261105/ST02");
    ui::MainWindow window(f.make(st02));
    window.start();
    QCoreApplication::processEvents();
    const QString index = archive::defaultIndexFile(QString::fromStdString(f.temp.path("work/plant")));

    // The button sits below the export buttons, which keep their places.
    const auto* button = window.findChild<QToolButton*>("FindButton");
    ASSERT_TRUE(button);
    const QRect last = window.widgets().command3.back()->geometry();
    EXPECT_EQ(button->geometry().left(), last.left());
    EXPECT_GT(button->geometry().top(), last.top());

    int asked = 0;
    window.setFindQuestion([&](const QString&) { return ++asked, true; });
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    ui::FindWindow* find = window.findWindow();
    ASSERT_TRUE(find);
    EXPECT_EQ(asked, 1);
    QSignalSpy built(&find->controller(), &archive::ArchiveFindController::indexBuilt);
    ASSERT_TRUE(built.wait(30000));
    EXPECT_TRUE(built.front().at(0).toBool()) << built.front().at(1).toString().toStdString();
    EXPECT_TRUE(QFileInfo(index).isFile());

    find->field("id")->setText("BRK0815");
    QTest::mouseClick(find->findButton(), Qt::LeftButton);
    ASSERT_EQ(find->controller().model().rowCount(), 1) << find->status()->text().toStdString();
    find->field("from")->setText("yesterday");
    QTest::mouseClick(find->findButton(), Qt::LeftButton);
    EXPECT_TRUE(find->status()->text().contains("From"));

    find->openRow(0);
    EXPECT_EQ(f.core->folders().dir, st02);
    const CurveList& list = f.core->curveList();
    ASSERT_GE(list.selected, 0);
    EXPECT_EQ(list.entry(list.selected).text.rfind("BRK0815_20261105_091012_005_ANG_0.nrcur", 0), 0u);
    QFile::remove(index);
}

} // namespace plotwise
