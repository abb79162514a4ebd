#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "support/program_fixture.h"

using namespace framework;

namespace {

class EntrySheetTest : public testsupport::ProgramTest {
protected:
    entry::WindowInput& input() { return *sheet(); }
    TextField& divisor() { return input().EditField1(); }
    TextField& dividend() { return input().EditField2(); }
    bool warning() { return input().StaticText1().Visible(); }
    void ok() { QTest::mouseClick(widget(input().PushButton2()), Qt::LeftButton); }
};

}  // namespace

TEST_F(EntrySheetTest, ComesUpOverTheWorksheetWithItsBracket) {
    EXPECT_EQ(input().NativeWidget()->parentWidget(), worksheet().NativeWidget());
    EXPECT_EQ(QApplication::focusWidget(), widget(divisor()));

    auto shot = NewPicture(344, 111, 32);
    input().Event_Paint(shot->Graphics());
    EXPECT_EQ(shot->Pixel(180, 15), kBlack);  // bar and stroke, two pixels wide
    EXPECT_EQ(shot->Pixel(290, 16), kBlack);
    EXPECT_EQ(shot->Pixel(181, 43), kBlack);
    EXPECT_EQ(shot->Pixel(182, 30), kWhite);
}

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

    type(dividend(), ".");
    EXPECT_EQ(dividend().Text(), ".");
    type(dividend(), "12345678");
    EXPECT_EQ(dividend().Text(), ".123456");  // the eighth character is not taken

    // With the left arrow held, any key passes: the filter asks which keys are down.
    QTest::keyPress(widget(divisor()), Qt::Key_Left);
    QTest::keyClick(widget(divisor()), Qt::Key_A, Qt::NoModifier);
    QTest::keyRelease(widget(divisor()), Qt::Key_Left);
    EXPECT_NE(divisor().Text().find('a'), std::string::npos);
}

TEST_F(EntrySheetTest, PastedTextKeepsOnlyDigitsAndTheFirstPoint) {
    QGuiApplication::clipboard()->setText("a1b2.c3.d4-5e6f7g8");
    QTest::keyClick(widget(dividend()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dividend().Text(), "12.3456");
    type(divisor(), "3.");
    QGuiApplication::clipboard()->setText("-0.5");
    static_cast<QLineEdit*>(widget(divisor()))->paste();  // as the context menu does
    EXPECT_EQ(divisor().Text(), "3.05");
}

TEST_F(EntrySheetTest, ZeroesAreRefusedUntilTheNextAcceptedKey) {
    const char* zeroes[] = {"", ".", "0.00", "000"};
    for (const char* zero : zeroes) {
        SCOPED_TRACE(zero);
        divisor().SetText(zero);
        dividend().SetText("5");
        ok();
        EXPECT_TRUE(warning());
        EXPECT_TRUE(input().Visible());
        type(divisor(), "x");  // refused: the text stays, and so does the warning
        EXPECT_TRUE(warning());
        type(divisor(), "1");
        EXPECT_FALSE(warning());
    }
    divisor().SetText("7");
    dividend().SetText("0");
    ok();
    EXPECT_TRUE(warning());
    EXPECT_EQ(worksheet().Title(), "Long Division");
}

TEST_F(EntrySheetTest, OkHandsTheTextsAsTypedAndCloseHandsNothing) {
    type(divisor(), "007");
    type(dividend(), "0.5");
    QTest::keyClick(widget(dividend()), Qt::Key_Return);
    settle();
    EXPECT_EQ(worksheet().Title(), "Long Division:  0.5/007");
    EXPECT_EQ(sheet(), nullptr);

    worksheet()._FileNewDivision_Action();
    ASSERT_NE(sheet(), nullptr);
    type(divisor(), "3");
    type(dividend(), "1");
    QTest::keyClick(widget(divisor()), Qt::Key_Escape);
    settle();
    EXPECT_EQ(sheet(), nullptr);
    EXPECT_EQ(worksheet().Title(), "Long Division:  0.5/007");

    worksheet()._FileNewDivision_Action();
    EXPECT_EQ(sheet()->EditField1().Text(), "");
    EXPECT_EQ(sheet()->EditField2().Text(), "");
}
