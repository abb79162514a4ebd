#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "framework/clipboard.h"
#include "framework/guard.h"
#include "shell/window_help.h"
#include "support/program_fixture.h"
#include "worksheet/names_above.h"

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

// The worksheet reaches the entry sheet and its menu items by the names start-up registers; a
// name that does not match would fail only at run time, in an exception box.
TEST_F(ProgramRoadTest, EveryNameTheWorksheetReachesIsRegistered) {
    EXPECT_EQ(runtime().FindOpenWindow(worksheet::kEntrySheetClass), sheet());
    for (std::string_view item : worksheet::kServedMenuItems) {
        EXPECT_NE(runtime().ApplicationMenuItem(item), nullptr) << item;
        EXPECT_NE(worksheet().FindMenuHandler(item), nullptr) << item;
    }
}

TEST_F(ProgramRoadTest, StartsWithTheSheetOnceThenMenusAndShortcutsAsAPersonMeetsThem) {
    EXPECT_EQ(worksheet().Title(), "Long Division");
    toWorksheet();
    worksheet().Event_Activate();  // later activations show no sheet
    EXPECT_EQ(sheet(), nullptr);
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
    const QImage unselected = worksheet().thepic->Image().convertToFormat(QImage::Format_RGB32);
    worksheet().RectSelect_MouseDown(worksheet().RectSelect(1), 0, 0);
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_V, Qt::Key_A}) press(key);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);

    // Copy takes the sheet as it is, message band ("12 * 1 + 3 = 15") included, and below the
    // band as it was before the step was chosen: without the highlights.
    press(Qt::Key_C);
    const auto copy = Clipboard::CurrentPicture();
    ASSERT_TRUE(copy);
    const QImage copied = copy->Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, worksheet().thepic->Image().convertToFormat(QImage::Format_RGB32));
    const QRect belowBand(0, worksheet().Offset, copied.width(),
                          copied.height() - worksheet().Offset);
    EXPECT_EQ(copied.copy(belowBand), unselected.copy(belowBand));
    press(Qt::Key_D);
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);

    QTimer::singleShot(0, [this] { press(Qt::Key_Q); });
    QTimer unanswered;  // ends the loop with 1 had the shortcut done nothing
    unanswered.callOnTimeout([] { QApplication::exit(1); });
    unanswered.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
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
    const Canvas::PaintHandler paint = canvas.Paint();
    canvas.SetPaint([](Canvas&, Graphics&) { throw std::runtime_error("no paint"); });
    for (int i = 0; i < 3; ++i) canvas.Snapshot();
    ASSERT_EQ(boxes().size(), 1u);

    QTest::mouseClick(boxes()[0]->button(QMessageBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(boxes().empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // as the loop goes on
    canvas.Snapshot();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0]->text().contains("no paint"));
    boxes()[0]->close();

    canvas.SetPaint(paint);
    worksheet().NewDivision("3", "1");
    EXPECT_TRUE(worksheet().StringAtDivisionEnd);
    EXPECT_NE(canvas.Snapshot()->Pixel(71, 50), kWhite);  // the X drawn and painted
}

// A window that another program destroys on the display closes as if asked to, even while the
// widget of some other window is already gone (here the sheet's, as when its parent's goes).
TEST_F(ProgramRoadTest, AWindowDestroyedOnTheDisplayClosesWhateverElseIsGone) {
    shell::App()._HelpProgram_Action();
    delete sheet()->NativeWidget();
    xcb_destroy_notify_event_t destroyed{.response_type = XCB_DESTROY_NOTIFY};
    destroyed.window = runtime().FindOpenWindow<shell::Windowhelp>()->NativeWidget()->winId();
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &destroyed,
                                                            nullptr);
    settle();
    EXPECT_EQ(runtime().FindOpenWindow<shell::Windowhelp>(), nullptr);
}
