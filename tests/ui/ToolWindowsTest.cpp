// The windows beside the main window, each opened from its button below the
// export buttons: Find, with its offer to build a missing index, and the
// process statistics.
#include "UiTestApp.h"
#include "archive/ArchiveDatabase.h"
#include "shell/ui/FindWindow.h"
#include "shell/ui/StatsWindow.h"
#include "support/CurvePopulation.h"

#include <filesystem>

namespace plotwise {
namespace {

using ToolWindowsTest = test::WindowTest;

// The Find window builds a missing index in the background after asking,
// finds, reports a bad field, and its double click opens the match's file.
TEST_F(ToolWindowsTest, FindBuildsAMissingIndexFindsAndOpensTheCurve) {
    QStandardPaths::setTestModeEnabled(true);
    std::filesystem::copy(std::string(PLOTWISE_SAMPLES_DIR) + "/console", f_.temp.path("work/plant"),
                          std::filesystem::copy_options::recursive);
    const std::string st02 = f_.temp.path("work/plant/CURVE/202611/20261105/ST02");
    start("", st02);
    const QString index = archive::defaultIndexFile(QString::fromStdString(f_.temp.path("work/plant")));
    const auto* button = window_->findChild<QToolButton*>("FindButton");
    ASSERT_TRUE(button);
    const QRect last = w().command3.back()->geometry();
    EXPECT_EQ(button->geometry().left(), last.left());
    EXPECT_GT(button->geometry().top(), last.top());
    int asked = 0;
    window_->setFindQuestion([&](const QString&) { return ++asked, true; });
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::ControlModifier);
    ui::FindWindow* find = window_->findWindow();
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
    EXPECT_EQ(core().folders().dir, st02);
    const CurveList& list = core().curveList();
    ASSERT_GE(list.selected, 0);
    EXPECT_EQ(list.entry(list.selected).text.rfind("BRK0815_20261105_091012_005_ANG_0.nrcur", 0), 0u);
    QFile::remove(index);
}

// Ten curves of one spindle, one stopped early: the window opens from its
// button, shows the groups, follows the ticks, marks the early stop in the
// list once the search is done, and draws the band on the plot.
TEST_F(ToolWindowsTest, StatsOpensFromItsButtonAndFollowsTheTicks) {
    test::CurveGenerator generator(4);
    for (int i = 0; i < 10; ++i) {
        const auto fault = i == 6 ? test::CurveFault::EarlyStop : test::CurveFault::None;
        f_.temp.write("work/c" + std::to_string(10 + i) + ".NRCUR",
                      test::CurveGenerator::nrcurFile(1, generator.curve(fault, 600)));
    }
    start();
    auto* button = window_->findChild<QToolButton*>("StatsButton");
    ASSERT_TRUE(button);
    const QRect last = w().command3.back()->geometry();
    EXPECT_EQ(button->geometry().topLeft(), last.topLeft() + QPoint(0, 40));
    core().command2Click(0); // Check All
    click(button);
    ui::StatsWindow* stats = window_->statsWindow();
    ASSERT_TRUE(stats && stats->isVisible());
    auto cell = [stats](int column) { return stats->table()->item(0, column)->text(); };
    EXPECT_EQ(stats->table()->rowCount(), 2);
    EXPECT_EQ(cell(2), "10");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    const QModelIndex early = list().indexOfEntry(f_.entryNamed("c16"));
    EXPECT_TRUE(early.data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(early.data(Qt::ToolTipRole).toString().startsWith("Abnormal"));
    EXPECT_FALSE(list().indexOfEntry(0).data(Qt::BackgroundRole).isValid());
    stats->bandBox()->setChecked(true);
    EXPECT_TRUE(core().plot().band());
    auto* limits = stats->findChildren<QLineEdit*>().front();
    limits->setText("0:100");
    emit limits->editingFinished();
    EXPECT_NE(cell(8), "-");
    core().setEntryChecked(0, false);
    core().treeViewClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(2), "9");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    stats->close();
    EXPECT_FALSE(core().plot().band());
    EXPECT_FALSE(early.data(Qt::BackgroundRole).isValid());
}

} // namespace
} // namespace plotwise
