#include <gtest/gtest.h>

#include "support/counting_clock.h"
#include "support/fake_window_system.h"
#include "hostlink/host_link.h"

namespace kv {
namespace {

using test::AddFakeHost;
using test::FakeHost;
using test::FakeWindowSystem;

TEST(FindHostWindows, AppliesTheCaptionAndClassRules) {
    FakeWindowSystem ws;
    ws.AddTopLevel("AutoCAD 2000", "Edit", 1);            // not a framework class
    ws.AddTopLevel("AutoCAD 2000", "400000:8:10011", 1);  // fragment at the start
    ws.AddTopLevel("AutoCAD 2000", "Mfc:400000:8:10011", 1);
    ws.AddTopLevel("AutoCAD 2000", "Afx:400000:b:10011", 1);        // a text window's class
    ws.AddTopLevel("Drawing - AutoCAD 2000", "Afx:400000:8:1", 1);  // caption does not begin with it
    ws.AddTopLevel("AutoCAD", "Afx:400000:8:1", 1);                 // no blank after the name
    ws.AddTopLevel("autocad 2000", "Afx:400000:8:1", 1);
    test::CountingClock clock;
    HostLink link(ws, clock);
    EXPECT_EQ(link.FindHostWindows() + link.FindTextWindow() + link.FindDrawingView(), kNoWindow);
    EXPECT_FALSE(link.BringHostToFront());

    const WindowHandle alt = ws.AddTopLevel("Autodesk ) Map", "Afx:400000:8:2", 2);
    EXPECT_EQ(link.FindHostWindows(), alt);
    EXPECT_EQ(link.Windows().mainThread, 2u);
}

TEST(FindHostWindows, TakesTheFirstOfTwoInstancesWithItsOwnWindows) {
    FakeWindowSystem ws;
    const FakeHost first = AddFakeHost(ws, 100);
    AddFakeHost(ws, 200);
    // The second instance's text window now comes first on the desktop.
    ws.Destroy(first.textWindow);
    const WindowHandle firstText = ws.AddTopLevel("AutoCAD テキスト", "Afx:400000:b:1", 100);
    const WindowHandle otherFloating = ws.AddTopLevel("コマンド ライン", "Afx:400000:8:9", 200);
    const WindowHandle ownFloating = ws.AddTopLevel("コマンド ライン", "Afx:400000:8:9", 100);
    test::CountingClock clock;
    HostLink link(ws, clock);
    EXPECT_EQ(link.FindCommandLineWindow(), otherFloating);  // no host searched yet: the first
    EXPECT_EQ(link.FindTextWindow(), firstText);
    EXPECT_EQ(link.Windows().mainWindow, first.frame);
    EXPECT_EQ(link.FindCommandLineWindow(), ownFloating);
    EXPECT_EQ(link.FindDrawingView(), first.view);
    EXPECT_TRUE(link.BringHostToFront());
    EXPECT_EQ(ws.foreground, first.frame);
}

TEST(FindDrawingView, FollowsTheActiveMdiChild) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, 100);
    const WindowHandle drawing2 = ws.AddChild(host.mdiClient, "Drawing2.dwg", "Afx:400000:b:2");
    ws.AddChild(drawing2, "", "Afx:400000:8:3");
    const WindowHandle view2 = ws.AddChild(drawing2, "", "Afx:400000:28:3");
    test::CountingClock clock;
    HostLink link(ws, clock);
    EXPECT_EQ(link.FindDrawingView(), host.view);
    ws.At(host.mdiClient).mdiActive = drawing2;
    EXPECT_EQ(link.FindDrawingView(), view2);
    ws.Destroy(view2);
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
    ws.At(host.mdiClient).mdiActive = kNoWindow;
    EXPECT_EQ(link.FindDrawingView(), kNoWindow);
}

TEST(RaiseDialog, SharesInputWithAnotherForegroundThreadForTheMomentOnly) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, 100);
    const WindowHandle palette = ws.AddTopLevel("Korvane2K Ver.1.75", "TFormKvaneMain", 7);
    const WindowHandle dialog = ws.AddTopLevel("テキスト", "TFormText", 7);
    test::CountingClock clock;
    HostLink link(ws, clock);
    for (WindowHandle foreground : {host.frame, palette, kNoWindow}) {
        ws.foreground = foreground;
        EXPECT_TRUE(link.RaiseDialog(dialog));
    }
    using Attach = std::pair<std::uint32_t, bool>;
    EXPECT_EQ(ws.attachments, (std::vector<Attach>{{100, true}, {100, false}}));
    EXPECT_EQ(ws.broughtToTop, std::vector<WindowHandle>(3, dialog));
    ws.Destroy(dialog);
    EXPECT_FALSE(link.RaiseDialog(dialog));
}

}  // namespace
}  // namespace kv
