#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "framework/clipboard.h"
#include "framework/guard.h"
#include "support/program_fixture.h"

using namespace framework;

namespace {

class ProgramRoadTest : public testsupport::ProgramTest {
protected:
    void toWorksheet() {
        if (sheet()) sheet()->PushButton1().Press();
        settle();
        worksheet().NativeWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(worksheet().NativeWidget()));
    }
    void press(Qt::Key key) {
        QTest::keyClick(worksheet().NativeWidget(), key, Qt::ControlModifier);
    }
    static std::vector<QMessageBox*> boxes() {
        std::vector<QMessageBox*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) shown.push_back(box);
        }
        return shown;
    }
};

}  // namespace

TEST_F(ProgramRoadTest, StartsWithTheSheetOnce) {
    EXPECT_EQ(worksheet().Title(), "Long Division");
    ASSERT_NE(sheet(), nullptr);
    toWorksheet();
    ASSERT_EQ(sheet(), nullptr);
    worksheet().Event_Activate();  // later activations show nothing
    EXPECT_EQ(sheet(), nullptr);
}

TEST_F(ProgramRoadTest, MenusItemsAndShortcutsAsAPersonMeetsThem) {
    toWorksheet();
    worksheet().NewDivision("12", "156");
    // Each menu as it shows its items when it opens over the worksheet.
    QStringList menus, withoutShortcut, disabled;
    for (QAction* menu : worksheet().NativeWidget()->findChild<QMenuBar*>()->actions()) {
        menus << menu->text();
        emit menu->menu()->aboutToShow();
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            if (item->shortcut().isEmpty()) withoutShortcut << item->text();
            if (!item->isEnabled()) disabled << item->text();
        }
        emit menu->menu()->aboutToHide();
    }
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "Help With"}));
    EXPECT_EQ(withoutShortcut,
              QStringList({"About...", "&Delete", "program ...", "Longdivision ..."}));
    EXPECT_EQ(disabled, QStringList({"&Undo", "Cu&t", "&Paste", "&Delete", "Select &All"}));

    // The editing shortcuts that nothing serves on the worksheet do nothing there.
    QGuiApplication::clipboard()->setText("untouched");
    worksheet().RectSelect_MouseDown(worksheet().RectSelect(1), 0, 0);
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_V, Qt::Key_A}) press(key);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);
    EXPECT_EQ(worksheet().Title(), "Long Division:  156/12");

    press(Qt::Key_N);
    ASSERT_NE(sheet(), nullptr);
    toWorksheet();
    QTimer::singleShot(0, [this] { press(Qt::Key_Q); });
    QTimer unanswered;  // ends the loop with 1 had the shortcut done nothing
    unanswered.callOnTimeout([] { QApplication::exit(1); });
    unanswered.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(ProgramRoadTest, StepClickAndCopyThroughTheShortcut) {
    type(sheet()->EditField1(), "12");
    type(sheet()->EditField2(), "156");
    QTest::mouseClick(widget(sheet()->PushButton2()), Qt::LeftButton);
    toWorksheet();
    QTest::mouseClick(worksheet().RectSelect(1).NativeWidget(), Qt::LeftButton);
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);

    QGuiApplication::clipboard()->clear();
    press(Qt::Key_C);
    const auto copy = Clipboard::CurrentPicture();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Width(), 1000);
    EXPECT_EQ(copy->Height(), 800);
    int bandInk = 0;
    for (int y = 5; y < 25; ++y) {
        for (int x = 450; x < 650; ++x) bandInk += copy->Pixel(x, y).red < 100 ? 1 : 0;
    }
    EXPECT_GT(bandInk, 20);                   // "12 * 1 + 3 = 15"
    EXPECT_GT(copy->Pixel(66, 41).red, 200);  // the quotient cell carries no cyan highlight

    press(Qt::Key_D);
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);
}

// The reporter the runtime installs: a message box, but never a second one while the first is
// up, as a paint that fails would otherwise open one for every repaint.
TEST_F(ProgramRoadTest, AnExceptionIsReportedInOneBoxAtATimeAndTheProgramGoesOn) {
    toWorksheet();
    worksheet().AddMenuHandler("FileNewDivision", []() -> bool { throw NilObjectException(); });
    press(Qt::Key_N);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0]->text().contains("NilObjectException"));

    auto& canvas = worksheet().Canvas1();
    const auto paint = std::exchange(
        canvas.Paint, [](Canvas&, Graphics&) { throw std::runtime_error("no paint"); });
    for (int i = 0; i < 3; ++i) canvas.Snapshot();
    ASSERT_EQ(boxes().size(), 1u);

    QTest::mouseClick(boxes()[0]->button(QMessageBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(boxes().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // as the loop goes on
    canvas.Snapshot();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0]->text().contains("no paint"));
    boxes()[0]->close();

    canvas.Paint = paint;
    worksheet().NewDivision("3", "1");
    EXPECT_TRUE(worksheet().StringAtDivisionEnd);
    EXPECT_NE(canvas.Snapshot()->Pixel(71, 50), kWhite);  // the X drawn and painted
}
