#include "UiTestApp.h"
#include "shell/CoreFixture.h"

#include "curvelist/CurveListModel.h"
#include "shell/ui/Form1Widgets.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/StatsWindow.h"
#include "support/CurvePopulation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace plotwise {

// Ten curves of one spindle, one stopped early: the window opens from its
// button, shows the groups, follows the ticks, marks the early stop in the
// list once the search is done, and draws the band on the plot.
TEST(StatsWindowTest, OpensFromItsButtonAndFollowsTheTicks) {
    test::uiApp();
    test::CoreFixture f;
    test::CurveGenerator generator(4);
    for (int i = 0; i < 10; ++i)
        f.temp.write("work/c" + std::to_string(10 + i) + ".NRCUR",
                     test::CurveGenerator::nrcurFile(
                         1, generator.curve(i == 6 ? test::CurveFault::EarlyStop
                                                   : test::CurveFault::None, 600)));
    ui::MainWindow window(f.make());
    window.start();
    window.resize(1280, 1000);
    QCoreApplication::processEvents();
    auto* button = window.findChild<QToolButton*>("StatsButton");
    ASSERT_TRUE(button);
    const QRect last = window.widgets().command3.back()->geometry();
    EXPECT_EQ(button->geometry().left(), last.left());
    EXPECT_EQ(button->geometry().top(), last.top() + 40);

    f.core->listPanel().command2Click(0); // Check All
    QTest::mouseClick(button, Qt::LeftButton);
    ui::StatsWindow* stats = window.statsWindow();
    ASSERT_TRUE(stats && stats->isVisible());
    EXPECT_EQ(stats->table()->rowCount(), 2);
    EXPECT_EQ(stats->table()->item(0, 2)->text(), "10");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    const QModelIndex early = window.curveListModel().indexOfEntry(f.entryNamed("c16"));
    EXPECT_TRUE(early.data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(early.data(Qt::ToolTipRole).toString().startsWith("Abnormal"));
    EXPECT_FALSE(window.curveListModel().indexOfEntry(0).data(Qt::BackgroundRole).isValid());

    stats->bandBox()->setChecked(true);
    EXPECT_TRUE(f.core->plot().band());
    auto* limits = stats->findChildren<QLineEdit*>().front();
    limits->setText("0:100");
    emit limits->editingFinished();
    EXPECT_NE(stats->table()->item(0, 8)->text(), "-");

    f.core->listPanel().setEntryChecked(0, false);
    f.core->listPanel().treeViewClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(stats->table()->item(0, 2)->text(), "9");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stats->model().detecting(); }, 20000));
    stats->close();
    EXPECT_FALSE(f.core->plot().band());
    EXPECT_FALSE(early.data(Qt::BackgroundRole).isValid());
}

} // namespace plotwise
