// The palette's real host link driven against the stand-in host's windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "hostlink/host_link.h"
#include "hostlink/host_text.h"
#include "simhost/session.h"
#include "simhost/inproc/desktop.h"
#include "support/counting_clock.h"

namespace kv::sim {
namespace {

constexpr std::string_view kIdle = "コマンド: ";

class DesktopTest : public ::testing::Test {
protected:
    Session session{RealFiles()};
    Desktop desktop;
    test::CountingClock clock;
    HostLink link{desktop, clock};

    std::string LastHistoryLine() const { return session.History().empty() ? std::string() : session.History().back(); }
};

TEST_F(DesktopTest, FloatingCommandLineIsFollowedWhenItMoves) {
    const int host = desktop.StartHost(session, CommandLinePlace::Floating);
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    EXPECT_EQ(link.Windows().commandLineWindow, desktop.HostWindows(host).commandLine);
    EXPECT_EQ(desktop.Caption(link.Windows().commandLineWindow), "コマンド ライン");

    desktop.MoveCommandLine(host, CommandLinePlace::Docked);
    link.SendCommand("LINE ");
    EXPECT_EQ(link.ReadCommandLine(), "1 点目を指定: ");
    EXPECT_FALSE(desktop.IsWindow(link.Windows().commandLineWindow));
    EXPECT_EQ(link.Windows().promptControl, desktop.HostWindows(host).prompt);
}

TEST_F(DesktopTest, SlowHostShowsAChangedPromptOnlyAfterSomeReads) {
    desktop.StartHost(session);
    desktop.promptLagReads = 2;
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    link.SendCommand("LINE ");
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    EXPECT_EQ(link.ReadCommandLine(), "1 点目を指定: ");
    EXPECT_EQ(link.ReadCommandLine(), "1 点目を指定: ");
}

TEST_F(DesktopTest, SlowHostsAnswersAreAwaitedNotTakenFromTheStalePrompt) {
    desktop.StartHost(session);
    desktop.promptLagReads = 6;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(link.GetSysVar("SNAPMODE"), "0");
        EXPECT_EQ(session.PromptLine(), kIdle);
        EXPECT_EQ(link.GetSysVar("VIEWSIZE"), "297.0000");
    }
    link.SendCommand("ID ");
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    EXPECT_FALSE(link.AnsweredSinceSend());
    for (int reads = 0; reads < 10 && link.ReadCommandLine() == kIdle; ++reads) {}
    EXPECT_TRUE(link.AnsweredSinceSend());
}

TEST_F(DesktopTest, TextIsDeliveredAsTheHostReadsAnsiBytes) {
    desktop.StartHost(session);
    // Up to the NUL, and with what the code page cannot hold turned into '?'.
    link.SendCommand(std::string("ID\0ERASE ", 9));
    EXPECT_EQ(desktop.TypedTexts().back(), "ID");
    link.SendCommand("\x03-LAYER M 配線\xF0\x9F\x98\x80\r\r");
    EXPECT_EQ(desktop.TypedTexts().back(), "\x03-LAYER M 配線?\r\r");
}

TEST_F(DesktopTest, HistoryLastLineComesThroughTheClipboard) {
    desktop.StartHost(session);
    link.SendCommand("ID ");
    session.Pick({10, 20, 0});
    EXPECT_EQ(link.CopyHistoryLastLine(), "X = 10.0000     Y = 20.0000     Z = 0.0000");
    const std::string clipboard = desktop.ClipboardText();
    EXPECT_TRUE(EndsWith(clipboard, "Z = 0.0000\r\n"));
    // Finished lines only: the current prompt never reaches the clipboard.
    EXPECT_FALSE(EndsWith(clipboard, std::string(kIdle) + "\r\n"));
}

TEST_F(DesktopTest, TheFrontInstanceIsDrivenWithItsOwnTextWindow) {
    Session other{RealFiles()};
    const int first = desktop.StartHost(session);
    const int second = desktop.StartHost(other);
    link.SendCommand("LINE ");
    EXPECT_EQ(other.PromptLine(), "1 点目を指定: ");
    EXPECT_EQ(session.PromptLine(), kIdle);
    EXPECT_EQ(link.FindTextWindow(), desktop.HostWindows(second).textWindow);

    ASSERT_TRUE(desktop.SetForegroundWindow(desktop.HostWindows(first).frame));
    EXPECT_EQ(link.FindTextWindow(), desktop.HostWindows(first).textWindow);
    EXPECT_EQ(link.ReadCommandLine(), kIdle);
    EXPECT_EQ(link.ReadTextWindow(), "");
}

TEST_F(DesktopTest, RestartedHostIsFoundUnderNewHandles) {
    const int host = desktop.StartHost(session);
    const HostWindowSet before = desktop.HostWindows(host);
    const int again = desktop.RestartHost(host);
    const HostWindowSet& after = desktop.HostWindows(again);
    for (WindowHandle old : {before.frame, before.prompt, before.textWindow, before.view})
        EXPECT_FALSE(desktop.IsWindow(old));
    EXPECT_NE(after.thread, before.thread);
    EXPECT_EQ(link.FindHostWindows(), after.frame);
    EXPECT_EQ(link.FindDrawingView(), after.view);
    link.SendCommand("LINE ");
    EXPECT_EQ(link.ReadCommandLine(), "1 点目を指定: ");
}

TEST_F(DesktopTest, HostGoneInTheMiddleOfACommand) {
    const int host = desktop.StartHost(session);
    link.SendCommand("LINE ");
    desktop.CloseHost(host);
    EXPECT_EQ(link.ReadCommandLine(), "");
    EXPECT_EQ(link.CopyHistoryLastLine(), "");
    EXPECT_EQ(link.SelectionCount(), 0);
    link.SendCommand("0,0 ");
    EXPECT_EQ(session.PromptLine(), "1 点目を指定: ");
    EXPECT_EQ(desktop.ForegroundWindow(), kNoWindow);
}

TEST_F(DesktopTest, PaletteDialogIsRaisedOverTheHost) {
    desktop.StartHost(session);
    const WindowHandle dialog = desktop.AddPaletteWindow("線番", "TFormSenban");
    ASSERT_TRUE(link.BringHostToFront());
    EXPECT_EQ(desktop.TopLevelWindows().front(), link.Windows().mainWindow);
    EXPECT_TRUE(link.RaiseDialog(dialog));
    EXPECT_EQ(desktop.TopLevelWindows().front(), dialog);
    EXPECT_EQ(desktop.ForegroundWindow(), link.Windows().mainWindow);
}

}  // namespace
}  // namespace kv::sim
