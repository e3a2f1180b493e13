#include <gtest/gtest.h>

#include "fake_window_system.h"
#include "hostlink/host_link.h"

namespace kv {
namespace {

using test::AddFakeHost;
using test::CommandLinePlace;
using test::FakeHost;
using test::FakeWindowSystem;

constexpr std::uint32_t kHostThread = 100;
constexpr std::uint32_t kOtherHostThread = 200;
constexpr std::uint32_t kPaletteThread = 7;

TEST(FindHostWindows, FindsNothingWhenNoHostRuns) {
    FakeWindowSystem ws;
    ws.AddTopLevel("Korvane2K Ver.1.75", "TFormKvaneMain", kPaletteThread);
    HostLink link(ws);
    EXPECT_EQ(link.FindHostWindows(), kNoWindow);
    EXPECT_EQ(link.FindTextWindow(), kNoWindow);
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
    EXPECT_EQ(link.FindCommandLineWindow(), kNoWindow);
    EXPECT_FALSE(link.BringHostToFront());
    EXPECT_EQ(ws.foreground, kNoWindow);
}

TEST(FindHostWindows, TakesTheFrameAndRecordsItsThread) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, kHostThread);
    HostLink link(ws);
    EXPECT_EQ(link.FindHostWindows(), host.frame);
    EXPECT_EQ(link.Windows().mainThread, kHostThread);
}

TEST(FindHostWindows, AppliesTheCaptionAndClassRules) {
    FakeWindowSystem ws;
    // Each of these misses one rule.
    ws.AddTopLevel("AutoCAD 2000", "Edit", 1);                          // not a framework class
    ws.AddTopLevel("AutoCAD 2000", "400000:8:10011", 1);                // fragment at the start
    ws.AddTopLevel("AutoCAD 2000", "Afx:400000:b:10011", 1);            // a text window's class
    ws.AddTopLevel("Drawing - AutoCAD 2000", "Afx:400000:8:1", 1);      // caption does not begin with it
    ws.AddTopLevel("AutoCAD", "Afx:400000:8:1", 1);                     // no blank after the name
    ws.AddTopLevel("autocad 2000", "Afx:400000:8:1", 1);                // case matters
    ws.AddTopLevel("", "Afx:400000:8:1", 1);
    ws.AddTopLevel("AutoCAD 2000", "afx:400000:8:1", 1);
    HostLink link(ws);
    EXPECT_EQ(link.FindHostWindows(), kNoWindow);

    const WindowHandle alt = ws.AddTopLevel("Autodesk ) Map", "Afx:400000:8:2", 2);
    EXPECT_EQ(link.FindHostWindows(), alt);
}

TEST(FindHostWindows, TakesTheFirstOfTwoInstancesAndItsOwnTextWindow) {
    FakeWindowSystem ws;
    const FakeHost first = AddFakeHost(ws, kHostThread);
    const FakeHost second = AddFakeHost(ws, kOtherHostThread);
    // Reorder the desktop so that the second instance's text window comes first.
    ws.Destroy(first.textWindow);
    const WindowHandle firstText =
        ws.AddTopLevel("AutoCAD テキスト ウィンドウ - Drawing1.dwg", "Afx:400000:b:1", kHostThread);
    HostLink link(ws);
    EXPECT_EQ(link.FindHostWindows(), first.frame);
    EXPECT_EQ(link.FindTextWindow(), firstText);
    EXPECT_NE(link.FindTextWindow(), second.textWindow);
}

TEST(FindTextWindow, NeedsTheMainWindowsThread) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, kHostThread);
    ws.At(host.textWindow).thread = kOtherHostThread;
    HostLink link(ws);
    EXPECT_EQ(link.FindTextWindow(), kNoWindow);

    ws.Destroy(host.frame);
    ws.At(host.textWindow).thread = kHostThread;
    EXPECT_EQ(link.FindTextWindow(), kNoWindow);  // no main window, no text window
}

TEST(FindCommandLineWindow, PrefersTheOneOfTheFoundHost) {
    FakeWindowSystem ws;
    const FakeHost a = AddFakeHost(ws, kHostThread);
    const WindowHandle otherFloating =
        ws.AddTopLevel("コマンド ライン", "Afx:400000:8:9", kOtherHostThread);
    const WindowHandle ownFloating = ws.AddTopLevel("コマンド ライン", "Afx:400000:8:9", kHostThread);
    HostLink link(ws);
    EXPECT_EQ(link.FindCommandLineWindow(), otherFloating);  // no host searched yet: the first
    EXPECT_EQ(link.FindHostWindows(), a.frame);
    EXPECT_EQ(link.FindCommandLineWindow(), ownFloating);
    ws.Destroy(ownFloating);
    EXPECT_EQ(link.FindCommandLineWindow(), otherFloating);
}

TEST(FindDrawingView, FollowsTheActiveMdiChild) {
    FakeWindowSystem ws;
    FakeHost host = AddFakeHost(ws, kHostThread);
    const WindowHandle drawing2 = ws.AddChild(host.mdiClient, "Drawing2.dwg", "Afx:400000:b:2");
    ws.AddChild(drawing2, "", "Afx:400000:8:3");  // not a view class
    const WindowHandle view2 = ws.AddChild(drawing2, "", "Afx:400000:28:3");
    HostLink link(ws);
    EXPECT_EQ(link.FindDrawingView(), host.view);

    ws.SetMdiActive(host.mdiClient, drawing2);
    EXPECT_EQ(link.FindDrawingView(), view2);
    EXPECT_EQ(link.Windows().activeDrawing, drawing2);
}

TEST(FindDrawingView, GivesNothingWithoutAnActiveDrawingOrView) {
    FakeWindowSystem ws;
    FakeHost host = AddFakeHost(ws, kHostThread);
    HostLink link(ws);
    ASSERT_EQ(link.FindDrawingView(), host.view);

    ws.Destroy(host.view);
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
    ws.SetMdiActive(host.mdiClient, kNoWindow);
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
    ws.At(host.mdiClient).className = "MDIClient2";
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
    EXPECT_EQ(link.Windows().mdiClient, kNoWindow);
}

TEST(BringHostToFront, FollowsARestartedHost) {
    FakeWindowSystem ws;
    const FakeHost before = AddFakeHost(ws, kHostThread);
    HostLink link(ws);
    EXPECT_TRUE(link.BringHostToFront());
    EXPECT_EQ(ws.foreground, before.frame);

    ws.Destroy(before.frame);
    ws.Destroy(before.textWindow);
    ws.foreground = kNoWindow;
    EXPECT_FALSE(link.BringHostToFront());

    const FakeHost after = AddFakeHost(ws, kOtherHostThread);
    EXPECT_TRUE(link.BringHostToFront());
    EXPECT_EQ(ws.foreground, after.frame);
    EXPECT_EQ(link.Windows().mainThread, kOtherHostThread);
}

TEST(RaiseDialog, SharesInputWithTheForegroundThreadForTheMoment) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, kHostThread);
    const WindowHandle dialog = ws.AddTopLevel("テキスト", "TFormText", kPaletteThread);
    ws.foreground = host.frame;
    HostLink link(ws);
    EXPECT_TRUE(link.RaiseDialog(dialog));
    EXPECT_EQ(ws.broughtToTop, std::vector<WindowHandle>{dialog});
    using Attach = std::pair<std::uint32_t, bool>;
    EXPECT_EQ(ws.attachments, (std::vector<Attach>{{kHostThread, true}, {kHostThread, false}}));
}

TEST(RaiseDialog, NeedsNoAttachmentOnItsOwnThreadOrWithoutForeground) {
    FakeWindowSystem ws;
    const WindowHandle palette = ws.AddTopLevel("Korvane2K Ver.1.75", "TFormKvaneMain", kPaletteThread);
    const WindowHandle dialog = ws.AddTopLevel("テキスト", "TFormText", kPaletteThread);
    HostLink link(ws);
    ws.foreground = palette;
    EXPECT_TRUE(link.RaiseDialog(dialog));
    ws.foreground = kNoWindow;
    EXPECT_TRUE(link.RaiseDialog(dialog));
    EXPECT_TRUE(ws.attachments.empty());
    EXPECT_EQ(ws.broughtToTop.size(), 2u);

    ws.Destroy(dialog);
    EXPECT_FALSE(link.RaiseDialog(dialog));
    EXPECT_FALSE(link.RaiseDialog(kNoWindow));
}

}  // namespace
}  // namespace kv
