// The entry sheet as a person meets it: inside the worksheet window, keeping the keyboard, with
// the menu bar live around it. Keys and clicks are real events: sent to the window as the
// display server would send them, so that the toolkit picks their receiver, or typed into a
// field.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "shell/window_help.h"
#include "support/program_fixture.h"

using namespace framework;

namespace {

class EntrySheetTest : public testsupport::ProgramTest {
protected:
    QWidget* host() { return worksheet().NativeWidget(); }
    QWindow* screen() { return host()->windowHandle(); }
    TextField& divisor() { return sheet()->EditField1(); }
    TextField& dividend() { return sheet()->EditField2(); }
    bool warning() { return sheet()->StaticText1().Visible(); }

    // Keys typed into one field, whichever has the keyboard.
    static QWidget* widget(Control& control) { return control.NativeWidget(); }
    static void type(TextField& field, const char* text) {
        QTest::keyClicks(field.NativeWidget(), QString::fromUtf8(text));
    }
    static void press(TextField& field, Qt::Key key) { QTest::keyClick(field.NativeWidget(), key); }

    // Keys and clicks sent to the window, which the toolkit hands to whatever has the keyboard
    // or lies under the pointer.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(screen(), k, modifiers);
    }
    void typeKeys(const char* text) {
        for (const char* c = text; *c; ++c) QTest::keyClick(screen(), *c);
    }
    void clickAt(Control& control, QPoint at) {
        QTest::mouseClick(screen(), Qt::LeftButton, {}, control.NativeWidget()->mapTo(host(), at));
    }
    void workProblem(const char* divisor, const char* dividend) {
        typeKeys(divisor);
        key(Qt::Key_Tab);
        typeKeys(dividend);
        key(Qt::Key_Enter, Qt::KeypadModifier);  // OK, from the keypad as from Return
        settle();
    }
    // A menu command, as its item gives it (the desktop session chooses items with the mouse).
    void command(const char* itemName) {
        runtime().MenuCommand(*shell::MenuBar1()->Lookup(itemName));
        settle();
    }
    bool enabled(const char* itemName) {
        runtime().UpdateMenus();
        return shell::MenuBar1()->Lookup(itemName)->Enabled();
    }
};

}  // namespace

TEST_F(EntrySheetTest, KeyFilterTakesDigitsOnePointAndTheEditingKeys) {
    type(divisor(), "12.5");
    EXPECT_EQ(divisor().Text(), "12.5");
    type(divisor(), ".");
    EXPECT_EQ(divisor().Text(), "12.5");
    EXPECT_TRUE(divisor().ReadOnly());  // until the next key press in this field
    type(divisor(), "a -,+");
    EXPECT_EQ(divisor().Text(), "12.5");
    press(divisor(), Qt::Key_Left);
    press(divisor(), Qt::Key_Left);
    press(divisor(), Qt::Key_Backspace);
    EXPECT_EQ(divisor().Text(), "1.5");
    press(divisor(), Qt::Key_Delete);  // forward delete is refused
    EXPECT_EQ(divisor().Text(), "1.5");
    press(divisor(), Qt::Key_Right);
    type(divisor(), "7");
    EXPECT_EQ(divisor().Text(), "1.75");

    static_cast<QLineEdit*>(widget(divisor()))->selectAll();
    type(divisor(), ".");  // would replace the point: still refused
    EXPECT_EQ(divisor().Text(), "1.75");

    type(dividend(), ".5.");  // a point may come first, and then no other
    EXPECT_EQ(dividend().Text(), ".5");
    type(dividend(), "12345678");
    EXPECT_EQ(dividend().Text(), ".512345");  // the eighth character is not taken
    static_cast<QLineEdit*>(widget(dividend()))->selectAll();
    type(dividend(), "9");  // but a full field takes one over its selection
    EXPECT_EQ(dividend().Text(), "9");

    // With the left arrow held, any key passes: the filter asks which keys are down.
    QTest::keyPress(widget(divisor()), Qt::Key_Left);
    QTest::keyClick(widget(divisor()), Qt::Key_A, Qt::NoModifier);
    QTest::keyRelease(widget(divisor()), Qt::Key_Left);
    EXPECT_NE(divisor().Text().find('a'), std::string::npos);
}

TEST_F(EntrySheetTest, PastedTextKeepsOnlyDigitsAndTheFirstPoint) {
    QGuiApplication::clipboard()->setText("a1b2.c3.d4-5e6f7g8");
    typeKeys("1");
    key(Qt::Key_Tab);
    // A modifier key pressed alone leaves the field open to a paste.
    for (Qt::Key modifier : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_CapsLock, Qt::Key_Super_L}) {
        typeKeys("5");
        key(Qt::Key_Backspace);
        key(modifier);
    }
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dividend().Text(), "12.3456");
    type(divisor(), ".");
    QGuiApplication::clipboard()->setText("-0.5");
    static_cast<QLineEdit*>(widget(divisor()))->paste();  // as the context menu does
    EXPECT_EQ(divisor().Text(), "1.05");
    key(Qt::Key_Return);
    settle();
    EXPECT_EQ(worksheet().Title(), "Long Division:  12.3456/1.05");

    // After a refused character the paste stays refused.
    key(Qt::Key_N, Qt::ControlModifier);
    typeKeys("x");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(divisor().Text(), "");
}

TEST_F(EntrySheetTest, ZeroesAreRefusedUntilTheNextAcceptedKey) {
    for (const char* zero : {"", ".", "0.00", "000"}) {
        SCOPED_TRACE(zero);
        divisor().SetText(zero);
        dividend().SetText("5");
        QTest::mouseClick(widget(sheet()->PushButton2()), Qt::LeftButton);
        EXPECT_TRUE(warning());
        EXPECT_TRUE(sheet()->Visible());
        type(divisor(), "x");  // refused: the text stays, and so does the warning
        EXPECT_TRUE(warning());
        type(divisor(), "1");
        EXPECT_FALSE(warning());
    }
    divisor().SetText("7");
    dividend().SetText("0");
    key(Qt::Key_Return);
    EXPECT_TRUE(warning());
    EXPECT_EQ(worksheet().Title(), "Long Division");
}

TEST_F(EntrySheetTest, OkHandsTheTextsAsTypedAndCloseHandsNothing) {
    workProblem("007", "0.5");
    EXPECT_EQ(worksheet().Title(), "Long Division:  0.5/007");
    EXPECT_EQ(sheet(), nullptr);

    worksheet()._FileNewDivision_Action();
    ASSERT_NE(sheet(), nullptr);
    typeKeys("3");
    key(Qt::Key_Tab);
    typeKeys("1");
    key(Qt::Key_Escape);
    settle();
    EXPECT_EQ(sheet(), nullptr);
    EXPECT_EQ(worksheet().Title(), "Long Division:  0.5/007");

    worksheet()._FileNewDivision_Action();
    EXPECT_EQ(divisor().Text(), "");
    EXPECT_EQ(dividend().Text(), "");
}

// (The desktop session finds the sheet and its bracket on a real display, hanging below the menu
// bar, centred, and staying so as its window moves, is resized and is maximised.)
TEST_F(EntrySheetTest, IsPartOfItsWindowAndLeavesTheContentAsItWas) {
    EXPECT_FALSE(sheet()->NativeWidget()->isWindow());  // no window of its own, none in lists
    QWidget* content = worksheet().ContentWidget();
    EXPECT_EQ(sheet()->NativeWidget()->y(), content->y());  // hanging from the menu bar

    // The zero warning's tip breaks its line where the text has a carriage return.
    EXPECT_EQ(sheet()->StaticText1().NativeWidget()->toolTip(),
              "0/x = 0 and NO x/0 \n (for all numbers x)");

    // The content takes no input under the sheet, and is left as it was found.
    EXPECT_FALSE(content->isEnabled());
    key(Qt::Key_Escape);
    EXPECT_TRUE(content->isEnabled());
    content->setEnabled(false);
    key(Qt::Key_N, Qt::ControlModifier);
    key(Qt::Key_Escape);
    EXPECT_FALSE(content->isEnabled());
    content->setEnabled(true);
}

TEST_F(EntrySheetTest, ClicksOnTheWorksheetLeaveTheKeyboardInTheSheet) {
    workProblem("12", "156");
    ASSERT_EQ(worksheet().Title(), "Long Division:  156/12");
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(sheet(), nullptr);

    // A click on the first quotient digit reaches neither the click target nor the canvas.
    clickAt(worksheet().RectSelect(1), QPoint(6, 10));
    clickAt(worksheet().Canvas1(), QPoint(600, 500));
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), sheet()->EditField1().NativeWidget());
    workProblem("3", "1");
    EXPECT_EQ(worksheet().Title(), "Long Division:  1/3");

    // Once the sheet is gone the worksheet has the keyboard and its clicks again.
    EXPECT_TRUE(host()->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == host());
    clickAt(worksheet().RectSelect(1), QPoint(6, 10));
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);
}

TEST_F(EntrySheetTest, TheMenuBarStaysLiveAndItsCommandsGoToTheSheet) {
    EXPECT_EQ(runtime().FrontWindow(), sheet());
    EXPECT_TRUE(enabled("HelpProgram"));
    EXPECT_TRUE(enabled("FileAbout"));
    EXPECT_FALSE(enabled("FileNewDivision"));  // the sheet answers no New Division
    EXPECT_FALSE(enabled("EditDeselectAll"));

    // Edit's items act on the sheet's focused field.
    typeKeys("125");
    command("EditSelectAll");
    command("EditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "125");
    key(Qt::Key_Tab);
    command("EditPaste");
    EXPECT_EQ(sheet()->EditField2().Text(), "125");

    // Alt with a letter opens a menu while the sheet has the keyboard.
    key(Qt::Key_F, Qt::AltModifier);
    auto* file = host()->findChild<QMenuBar*>()->actions().at(0)->menu();
    EXPECT_TRUE(QTest::qWaitFor([&] { return file->isVisible(); }));
    file->close();
}

TEST_F(EntrySheetTest, ThereIsAlwaysAFrontWindowWhileOneIsShown) {
    key(Qt::Key_Escape);
    settle();
    // Closing the active help window hands the keyboard back to the worksheet (the desktop
    // session sees it come back when the sheet goes).
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
    command("FileNewDivision");
    EXPECT_NE(sheet(), nullptr);
}
