#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "framework/clipboard.h"
#include "framework/guard.h"
#include "support/program_fixture.h"

using namespace framework;

namespace {

class ProgramRoadTest : public testsupport::ProgramTest {
protected:
    void clickStep(int k) {
        QTest::mouseClick(worksheet().RectSelect(k).NativeWidget(), Qt::LeftButton);
    }
    void bringWorksheetToFront() {
        worksheet().NativeWidget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(worksheet().NativeWidget()));
    }
};

struct Row {
    std::string name, text, shortcut;
};

std::vector<Row> Rows(const MenuItem& menu) {
    std::vector<Row> rows;
    for (int i = 0; i < menu.Count(); ++i) {
        const MenuItem& item = *menu.Item(i);
        rows.push_back({item.Name(), item.Text(), item.KeyboardShortcut()});
    }
    return rows;
}

bool operator==(const Row& a, const Row& b) {
    return a.name == b.name && a.text == b.text && a.shortcut == b.shortcut;
}

}  // namespace

TEST_F(ProgramRoadTest, StartsWithTheSheetOnceAndOneSharedMenuBar) {
    const auto& windows = runtime().OpenWindows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0].get(), sheet());  // the default window is made before the worksheet
    EXPECT_EQ(windows[1].get(), &worksheet());
    EXPECT_EQ(shell::App().MenuBar(), sheet()->MenuBar());
    EXPECT_EQ(shell::App().MenuBar(), shell::MenuBar1());
    EXPECT_EQ(worksheet().Title(), "Long Division");

    sheet()->PushButton1().Press();
    settle();
    ASSERT_EQ(sheet(), nullptr);
    worksheet().Event_Activate();  // later activations show nothing
    bringWorksheetToFront();
    EXPECT_EQ(sheet(), nullptr);
}

TEST_F(ProgramRoadTest, MenuBarHoldsThreeMenusAndFourteenItems) {
    const auto bar = shell::MenuBar1();
    EXPECT_EQ(Rows(*bar), (std::vector<Row>{{"FileMenu", "&File", ""},
                                            {"EditMenu", "&Edit", ""},
                                            {"HelpWith", "Help With", ""}}));
    EXPECT_EQ(Rows(*bar->Item(0)), (std::vector<Row>{{"FileAbout", "About...", ""},
                                                     {"FileNewDivision", "New Division", "Cmd+N"},
                                                     {"FileQuit", "&Quit", "Cmd+Q"}}));
    EXPECT_EQ(Rows(*bar->Item(1)),
              (std::vector<Row>{{"EditUndo", "&Undo", "Cmd+Z"},
                                {"UntitledMenu1", "-", ""},
                                {"EditCut", "Cu&t", "Cmd+X"},
                                {"EditCopy", "&Copy", "Cmd+C"},
                                {"EditPaste", "&Paste", "Cmd+V"},
                                {"EditClear", "&Delete", ""},
                                {"UntitledMenu0", "-", ""},
                                {"EditSelectAll", "Select &All", "Cmd+A"},
                                {"EditDeselectAll", "Deselect All", "Cmd+D"}}));
    EXPECT_EQ(Rows(*bar->Item(2)),
              (std::vector<Row>{{"HelpProgram", "program ...", ""},
                                {"HelpLongDivision", "Longdivision ...", ""}}));
    EXPECT_TRUE(As<AppleMenuItem>(bar->Lookup("FileAbout")));
    EXPECT_TRUE(As<QuitMenuItem>(bar->Lookup("FileQuit")));
    EXPECT_EQ(bar->Lookup("FileNewDivision")->Action()->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(shell::MenuBar1().get(), bar.get());  // built once
}

TEST_F(ProgramRoadTest, TheHooksEnableWhatTheWorksheetAndApplicationServe) {
    sheet()->PushButton1().Press();
    settle();
    bringWorksheetToFront();
    worksheet().NewDivision("12", "156");
    runtime().UpdateMenus();
    for (const char* on : {"FileAbout", "FileNewDivision", "FileQuit", "EditCopy",
                           "EditDeselectAll", "HelpProgram", "HelpLongDivision"}) {
        EXPECT_TRUE(shell::MenuBar1()->Lookup(on)->Enabled()) << on;
    }
    for (const char* off : {"EditUndo", "EditCut", "EditPaste", "EditClear", "EditSelectAll"}) {
        EXPECT_FALSE(shell::MenuBar1()->Lookup(off)->Enabled()) << off;
    }
    // Items without a handler of the program run nothing on the worksheet.
    QGuiApplication::clipboard()->setText("untouched");
    for (const char* none : {"EditUndo", "EditCut", "EditPaste", "EditClear", "EditSelectAll"}) {
        runtime().MenuCommand(*shell::MenuBar1()->Lookup(none));
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);
}

TEST_F(ProgramRoadTest, StepClickAndCopyThroughTheShortcut) {
    type(sheet()->EditField1(), "12");
    type(sheet()->EditField2(), "156");
    QTest::mouseClick(widget(sheet()->PushButton2()), Qt::LeftButton);
    settle();
    bringWorksheetToFront();
    clickStep(1);
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 4);

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(worksheet().NativeWidget(), Qt::Key_C, Qt::ControlModifier);
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

    QTest::keyClick(worksheet().NativeWidget(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(worksheet().StepPic->Objects().Count(), 0);
}

TEST_F(ProgramRoadTest, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
    std::vector<String> reports;
    auto previous =
        runtime().SetExceptionReporter([&](const String& what) { reports.push_back(what); });
    worksheet().AddMenuHandler("FileNewDivision", []() -> bool { throw NilObjectException(); });
    sheet()->PushButton1().Press();
    settle();
    bringWorksheetToFront();
    QTest::keyClick(worksheet().NativeWidget(), Qt::Key_N, Qt::ControlModifier);
    worksheet().Canvas1().Paint = [](Canvas&, Graphics&) { throw std::runtime_error("paint"); };
    worksheet().Canvas1().Snapshot();
    runtime().SetExceptionReporter(std::move(previous));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("NilObjectException"), String::npos);
    worksheet().NewDivision("3", "1");  // and it still works
    EXPECT_TRUE(worksheet().StringAtDivisionEnd);
}
