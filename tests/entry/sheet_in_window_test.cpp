// The entry sheet as a person meets it: inside the worksheet window, keeping the keyboard, with
// the menu bar live around it. Keys and clicks go to the window as the display server would send
// them, so the toolkit picks their receiver.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include "shell/window_help.h"
#include "support/program_fixture.h"

using namespace framework;

namespace {

class SheetInWindowTest : public testsupport::ProgramTest {
protected:
    QWidget* host() { return worksheet().NativeWidget(); }
    QWindow* screen() { return host()->windowHandle(); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(screen(), k, modifiers);
    }
    void typeKeys(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(screen(), *c);
    }
    void clickAt(QPoint at) { QTest::mouseClick(screen(), Qt::LeftButton, {}, at); }
    QPoint inWindow(Control& control, QPoint at) {
        return control.NativeWidget()->mapTo(host(), at);
    }
    void workProblem(const char* divisor, const char* dividend) {
        typeKeys(divisor);
        key(Qt::Key_Tab);
        typeKeys(dividend);
        key(Qt::Key_Return);
        settle();
    }
    // Chooses a menu item with the mouse: its menu's title on the bar, then the item.
    void choose(const char* menuTitle, const char* itemText) {
        auto* bar = host()->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        QAction* menu = nullptr;
        for (QAction* action : bar->actions()) {
            if (action->text() == menuTitle) menu = action;
        }
        ASSERT_NE(menu, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        QMenu* popup = menu->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
        for (QAction* item : popup->actions()) {
            if (item->text() != itemText) continue;
            ASSERT_TRUE(item->isEnabled()) << itemText;
            QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
            settle();
            return;
        }
        FAIL() << "no item " << itemText;
    }
    bool enabled(const char* itemName) {
        runtime().UpdateMenus();
        return shell::MenuBar1()->Lookup(itemName)->Enabled();
    }
};

}  // namespace

TEST_F(SheetInWindowTest, ClicksOnTheWorksheetLeaveTheKeyboardInTheSheet) {
    workProblem("12", "156");
    ASSERT_EQ(worksheet().Title(), "Long Division:  156/12");
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(sheet(), nullptr);

    // A click on the first quotient digit reaches neither the click target nor the canvas.
    clickAt(inWindow(worksheet().RectSelect(1), QPoint(6, 10)));
    clickAt(inWindow(worksheet().Canvas1(), QPoint(600, 500)));
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), sheet()->EditField1().NativeWidget());
    workProblem("3", "1");
    EXPECT_EQ(worksheet().Title(), "Long Division:  1/3");

    // Once the sheet is gone the worksheet has the keyboard and its clicks again.
    EXPECT_TRUE(host()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == host());
    clickAt(inWindow(worksheet().RectSelect(1), QPoint(6, 10)));
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);
}

TEST_F(SheetInWindowTest, HangsBelowTheMenuBarAndFollowsItsWindow) {
    QWidget* sheetWidget = sheet()->NativeWidget();
    EXPECT_FALSE(sheetWidget->isWindow());  // no window of its own, none in window lists
    const QWidget* content = worksheet().ContentWidget();
    EXPECT_EQ(sheetWidget->geometry(), QRect(content->x() + 328, content->y(), 344, 111));

    const QPoint before = sheetWidget->mapToGlobal(QPoint(0, 0));
    host()->move(host()->pos() + QPoint(40, 25));
    EXPECT_EQ(sheetWidget->mapToGlobal(QPoint(0, 0)), before + QPoint(40, 25));

    host()->resize(700, 500);
    settle();
    EXPECT_EQ(sheetWidget->x(), (700 - 344) / 2);
    EXPECT_EQ(sheetWidget->y(), worksheet().ContentWidget()->y());

    // The zero warning's tip breaks its line where the text has a carriage return.
    EXPECT_EQ(sheet()->StaticText1().NativeWidget()->toolTip(),
              "0/x = 0 and NO x/0 \n (for all numbers x)");
}

TEST_F(SheetInWindowTest, TheMenuBarStaysLiveAndItsCommandsGoToTheSheet) {
    EXPECT_EQ(runtime().FrontWindow(), sheet());
    EXPECT_TRUE(enabled("HelpProgram"));
    EXPECT_TRUE(enabled("FileAbout"));
    EXPECT_FALSE(enabled("FileNewDivision"));  // the sheet answers no New Division
    EXPECT_FALSE(enabled("EditDeselectAll"));

    // Edit's items act on the sheet's focused field.
    typeKeys("125");
    choose("&Edit", "Select &All");
    choose("&Edit", "&Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "125");
    key(Qt::Key_Tab);
    choose("&Edit", "&Paste");
    EXPECT_EQ(sheet()->EditField2().Text(), "125");

    choose("Help With", "program ...");
    auto* help = runtime().FindOpenWindow<shell::Windowhelp>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Visible());
    help->Close();
    settle();

    // Alt with a letter opens a menu while the sheet has the keyboard.
    key(Qt::Key_F, Qt::AltModifier);
    auto* file = host()->findChild<QMenuBar*>()->actions().at(0)->menu();
    EXPECT_TRUE(QTest::qWaitFor([&] { return file->isVisible(); }));
    file->close();
}

TEST_F(SheetInWindowTest, AModifierKeyAloneLeavesTheFieldOpenToAPaste) {
    QGuiApplication::clipboard()->setText("34");
    typeKeys("12");
    key(Qt::Key_Tab);
    for (Qt::Key modifier : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_CapsLock, Qt::Key_Super_L}) {
        typeKeys("5");
        key(Qt::Key_Backspace);
        key(modifier);
        EXPECT_FALSE(sheet()->EditField2().ReadOnly()) << modifier;
    }
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(worksheet().Title(), "Long Division:  34/12");

    // After a refused character the paste stays refused.
    key(Qt::Key_N, Qt::ControlModifier);
    typeKeys("x");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(sheet()->EditField1().Text(), "");
}

TEST_F(SheetInWindowTest, ThereIsAlwaysAFrontWindowWhileOneIsShown) {
    workProblem("6", "0.1");
    EXPECT_EQ(runtime().FrontWindow(), &worksheet());
    key(Qt::Key_N, Qt::ControlModifier);  // the keyboard came back to the worksheet
    ASSERT_NE(sheet(), nullptr);
    key(Qt::Key_Escape);
    settle();

    // Closing the active help window hands the keyboard back to the worksheet.
    shell::App()._HelpProgram_Action();
    auto* help = runtime().FindOpenWindow<shell::Windowhelp>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help->NativeWidget()));
    QTest::keyClick(help->NativeWidget()->windowHandle(), Qt::Key_W, Qt::ControlModifier);
    settle();
    ASSERT_EQ(runtime().FindOpenWindow<shell::Windowhelp>(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(host()));
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(sheet(), nullptr);
    key(Qt::Key_Escape);
    settle();

    // With another program's window active, commands still go to the worksheet.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_EQ(runtime().FrontWindow(), &worksheet());
    EXPECT_TRUE(enabled("FileNewDivision"));
    runtime().MenuCommand(*shell::MenuBar1()->Lookup("FileNewDivision"));
    EXPECT_NE(sheet(), nullptr);
}

TEST_F(SheetInWindowTest, ACloseRequestOnTheWorksheetQuitsAsFileQuitDoes) {
    QTimer::singleShot(0, [this] { host()->close(); });
    QTimer ignored;  // ends the loop with 1 had the request gone unanswered
    ignored.callOnTimeout([] { QApplication::exit(1); });
    ignored.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(worksheet().IsClosed());  // the program ends; nothing closes the window itself
}
