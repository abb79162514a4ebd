#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/guard.h"
#include "framework/show_url.h"
#include "shell/window_about.h"
#include "shell/window_help.h"
#include "support/program_fixture.h"

using namespace framework;
namespace fs = std::filesystem;

namespace {

// The program placed in a folder of the test's own: <root>/bin/quillstep beside <root>/Resources.
class HelpTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        root = fs::temp_directory_path() /
               ("quillstep-help-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root / "bin");
        fs::create_directories(root / "Resources");
        runtime().SetExecutablePath(root / "bin" / "quillstep");
        reporter =
            runtime().SetExceptionReporter([this](const String& what) { reports.push_back(what); });
    }
    void TearDown() override {
        runtime().SetExceptionReporter(std::move(reporter));
        fs::remove_all(root);
        ProgramTest::TearDown();
    }
    void write(const char* file, const std::string& text) {
        std::ofstream(root / "Resources" / file, std::ios::binary) << text;
    }
    shell::Windowhelp* help() { return runtime().FindOpenWindow<shell::Windowhelp>(); }
    String shown() { return help()->TextArea1().Text(); }

    fs::path root;
    std::vector<String> reports;
    ExceptionReporter reporter;
};

}  // namespace

TEST_F(HelpTest, BothTopicsShareOneWindowAndAreReadOnce) {
    write("longdivisionHelp.txt", "How to use it.\nClick a digit.\n");
    write("LongDivisionTextUse.txt", "Divide, multiply, subtract, bring down. \xC3\xB7\n");
    shell::App()._HelpProgram_Action();
    ASSERT_NE(help(), nullptr);
    EXPECT_EQ(help()->Title(), "Long Division Help");
    EXPECT_TRUE(help()->Visible());
    EXPECT_EQ(shown(), "How to use it.\nClick a digit.\n");

    // W alone is typed (and lost at the next request), Ctrl with another key does nothing, and
    // Ctrl+W closes the window.
    shell::Windowhelp* first = help();
    QWidget* area = help()->TextArea1().NativeWidget();
    QTest::keyClick(area, Qt::Key_W);
    EXPECT_EQ(shown(), "wHow to use it.\nClick a digit.\n");
    QTest::keyClick(area, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    shell::App()._HelpLongDivision_Action();
    EXPECT_EQ(help(), first);
    EXPECT_EQ(shown(), "Divide, multiply, subtract, bring down. \xC3\xB7\n");
    help()->startup(3);
    EXPECT_EQ(shown(), "Divide, multiply, subtract, bring down. \xC3\xB7\n");
    QTest::keyClick(area, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(help(), nullptr);

    settle();
    write("longdivisionHelp.txt", "changed");
    fs::remove(root / "Resources" / "LongDivisionTextUse.txt");
    shell::App()._HelpLongDivision_Action();
    ASSERT_NE(help(), nullptr);  // a new window, its text from the cache
    EXPECT_EQ(shown(), "Divide, multiply, subtract, bring down. \xC3\xB7\n");
    shell::App()._HelpProgram_Action();
    EXPECT_EQ(shown(), "How to use it.\nClick a digit.\n");
    EXPECT_TRUE(reports.empty());
}

TEST_F(HelpTest, BrokenMissingOrEmptyTextsGiveADefinedWindowQuietlyAndForGood) {
    write("longdivisionHelp.txt", "bad \xFF\xFE bytes \xC3");
    shell::App()._HelpProgram_Action();
    EXPECT_EQ(shown().substr(0, 4), "bad ");
    EXPECT_NE(shown().find("bytes"), String::npos);

    fs::create_directory(root / "Resources" / "LongDivisionTextUse.txt");  // a folder, no file
    shell::App()._HelpLongDivision_Action();
    EXPECT_EQ(shown(), "");

    shell::App().programHelp = shell::HelpText{"longdivisionHelp.txt"};  // as in a new run
    write("longdivisionHelp.txt", "");
    shell::App()._HelpProgram_Action();
    EXPECT_EQ(shown(), "");

    shell::App().programHelp = shell::HelpText{"longdivisionHelp.txt"};  // as in a new run
    fs::remove_all(root / "Resources");
    shell::App()._HelpProgram_Action();
    EXPECT_EQ(shown(), "");
    fs::create_directories(root / "Resources");
    write("longdivisionHelp.txt", "too late");
    shell::App()._HelpProgram_Action();
    EXPECT_EQ(shown(), "");  // not tried again in this run
    EXPECT_TRUE(reports.empty());
}

TEST_F(HelpTest, AboutBoxIsOneWindowWhoseWebButtonAsksForTheSiteEachTime) {
    std::vector<String> opened;
    auto previous = SetUrlOpener([&](const String& address) { opened.push_back(address); });
    shell::App()._FileAbout_Action();
    auto* about = runtime().FindOpenWindow<shell::WindowAbout>();
    ASSERT_NE(about, nullptr);
    shell::App()._FileAbout_Action();
    EXPECT_EQ(runtime().FindOpenWindow<shell::WindowAbout>(), about);
    EXPECT_EQ(about->Find<Label>("StaticText1")->Text(), "Quillstep v. 0.6.01");
    EXPECT_EQ(about->Find<Label>("StaticText2")->Text(), "by Bramblewick");

    // WEB asks for the site each time and leaves the box open; Return presses OK, which closes it.
    QWidget* web = about->Find<PushButton>("PushButton1")->NativeWidget();
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<String>{shell::kMakerAddress, shell::kMakerAddress}));
    ASSERT_FALSE(about->IsClosed());
    QTest::keyClick(web, Qt::Key_Return);
    EXPECT_TRUE(about->IsClosed());
    SetUrlOpener(std::move(previous));
}

// The program's texts as it is built, as it is installed, and as it is started through a link
// from elsewhere: a link in this test's folder, whose own Resources hold other texts.
TEST_F(HelpTest, TheTextsBesideTheProgramAreFoundWhereverItIsStartedFrom) {
    auto read = [](const fs::path& file) {
        std::ostringstream text;
        text << std::ifstream(file, std::ios::binary).rdbuf();
        return text.str();
    };
    const std::string howToUse = read(QUILLSTEP_SOURCE_DIR "/Resources/longdivisionHelp.txt");
    const std::string howItWorks = read(QUILLSTEP_SOURCE_DIR "/Resources/LongDivisionTextUse.txt");
    ASSERT_FALSE(howToUse.empty() || howItWorks.empty());
    auto showsBothFor = [&](const fs::path& program) {
        SCOPED_TRACE(program.string());
        runtime().SetExecutablePath(program);
        shell::App().programHelp = shell::HelpText{"longdivisionHelp.txt"};
        shell::App().divisionHelp = shell::HelpText{"LongDivisionTextUse.txt"};
        shell::App()._HelpProgram_Action();
        EXPECT_TRUE(shown() == howToUse) << "shown: " << shown().substr(0, 40);
        shell::App()._HelpLongDivision_Action();
        EXPECT_TRUE(shown() == howItWorks) << "shown: " << shown().substr(0, 40);
    };
    showsBothFor(QUILLSTEP_PROGRAM);

    const fs::path prefix = root / "installed";
    QProcess install;
    install.start(CMAKE_COMMAND, {"--install", QUILLSTEP_BUILD_DIR, "--prefix",
                                  QString::fromStdString(prefix.string())});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    showsBothFor(prefix / "bin" / "quillstep");

    write("longdivisionHelp.txt", "not these");
    write("LongDivisionTextUse.txt", "not these");
    fs::create_symlink(prefix / "bin" / "quillstep", root / "bin" / "quillstep");
    showsBothFor(root / "bin" / "quillstep");
    EXPECT_TRUE(reports.empty());
}
