#include <gtest/gtest.h>

#include "base/encoding.h"
#include "fake_window_system.h"
#include "hostlink/host_link.h"

namespace kv {
namespace {

using test::AddFakeHost;
using test::CommandLinePlace;
using test::FakeHost;
using test::FakeWindowSystem;

constexpr std::uint32_t kHostThread = 100;
constexpr std::uint32_t kCopyHistory = 0x800D;

// A host on the fake desktop whose answers the test scripts: `answer` runs on each
// typed text before the send returns; 0x800D copies the history to the clipboard.
class HostLinkTest : public ::testing::Test {
protected:
    HostLinkTest() : host_(AddFakeHost(ws_, kHostThread)) {
        ws_.onCopyData = [this](WindowHandle, std::string_view text) {
            if (answer) answer(std::string(text));
        };
        ws_.onCommand = [this](WindowHandle w, std::uint32_t id) {
            if (w == host_.textWindow && id == kCopyHistory) ws_.clipboard = ws_.At(host_.history).text;
        };
    }

    void SetPrompt(std::string prompt) { ws_.SetText(host_.prompt, std::move(prompt)); }
    void AddHistory(std::string_view line) { ws_.At(host_.history).text += std::string(line) + "\r\n"; }

    FakeWindowSystem ws_;
    FakeHost host_;
    HostLink link_{ws_};
    std::function<void(const std::string&)> answer;
};

TEST_F(HostLinkTest, SendCommandTypesTheWholeTextAndWakesTheHost) {
    link_.SendCommand("\x03SNAPMODE 0 ");
    ASSERT_EQ(ws_.copyData.size(), 1u);
    EXPECT_EQ(ws_.copyData[0].target, host_.frame);
    EXPECT_EQ(ws_.copyData[0].tag, 1u);
    EXPECT_EQ(ws_.copyData[0].text, "\x03SNAPMODE 0 ");
    EXPECT_EQ(ws_.nullsPosted, std::vector<WindowHandle>{host_.frame});
}

TEST_F(HostLinkTest, SendCommandDeliversTextsAroundTheByteLimitWhole) {
    const std::string ascii255(255, 'A');
    const std::string ascii256 = ascii255 + "B";
    std::string kana255, kana256;  // two ANSI bytes per character, three in UTF-8
    for (int i = 0; i < 127; ++i) kana255 += "あ";
    kana255 += "\r";
    for (int i = 0; i < 128; ++i) kana256 += "あ";
    ASSERT_EQ(Utf8ToAnsi(kana255).size(), 255u);
    ASSERT_EQ(Utf8ToAnsi(kana256).size(), 256u);

    for (const std::string& text : {ascii255, ascii256, kana255, kana256}) link_.SendCommand(text);

    EXPECT_EQ(ws_.TypedTexts(), (std::vector<std::string>{ascii255, ascii256, kana255, kana256}));
    EXPECT_EQ(ws_.copyData[0].ansiBytes, 256u);
    EXPECT_EQ(ws_.copyData[1].ansiBytes, 257u);
    EXPECT_EQ(ws_.copyData[2].ansiBytes, 256u);
    EXPECT_EQ(ws_.copyData[3].ansiBytes, 257u);
}

TEST_F(HostLinkTest, EverythingIsQuietWhileNoHostRuns) {
    ws_.Destroy(host_.frame);
    ws_.Destroy(host_.textWindow);
    ws_.clipboard = "the user's clipboard";
    link_.SendCommand("LINE ");
    EXPECT_TRUE(ws_.copyData.empty());
    EXPECT_TRUE(ws_.nullsPosted.empty());
    EXPECT_EQ(link_.ReadCommandLine(), "");
    EXPECT_EQ(link_.ReadTextWindow(), "");
    EXPECT_EQ(link_.CopyHistoryLastLine(), "");
    EXPECT_EQ(link_.GetSysVar("SNAPMODE"), "");
    EXPECT_EQ(link_.SelectionCount(), 0);
    EXPECT_EQ(ws_.clipboard, "the user's clipboard");
}

TEST_F(HostLinkTest, ReadCommandLineFollowsTheCommandLineAsItIsDockedAndUndocked) {
    SetPrompt("コマンド: ");
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
    EXPECT_EQ(link_.Windows().promptControl, host_.prompt);
    EXPECT_EQ(link_.Windows().commandLineSecond, host_.second);

    // Undocked: the controls move into a floating window of their own.
    ws_.Destroy(host_.prompt);
    ws_.Destroy(host_.second);
    const WindowHandle floating = ws_.AddTopLevel("コマンド ライン", "Afx:400000:8:10011:0:0", kHostThread);
    const WindowHandle floatingPrompt = ws_.AddChild(floating, "Headlands", "Edit", "1 点目を指定: ");
    EXPECT_EQ(link_.ReadCommandLine(), "1 点目を指定: ");
    EXPECT_EQ(link_.Windows().commandLineWindow, floating);

    // Docked again.
    ws_.Destroy(floating);
    ws_.AddChild(host_.frame, "Headlands", "Edit", "次の点を指定: ");
    EXPECT_EQ(link_.ReadCommandLine(), "次の点を指定: ");
    EXPECT_NE(link_.Windows().promptControl, floatingPrompt);
}

TEST(ReadCommandLine, FindsAFloatingCommandLine) {
    FakeWindowSystem ws;
    const FakeHost host = AddFakeHost(ws, kHostThread, CommandLinePlace::Floating);
    ws.SetText(host.prompt, "ｺﾏﾝﾄﾞ: ");
    HostLink link(ws);
    EXPECT_EQ(link.ReadCommandLine(), "ｺﾏﾝﾄﾞ: ");

    ws.Destroy(host.commandLine);
    EXPECT_EQ(link.ReadCommandLine(), "");
    EXPECT_EQ(link.Windows().promptControl, kNoWindow);
}

TEST_F(HostLinkTest, ReadsTheControlsContentsNotTheirCaptions) {
    AddHistory("コマンド: LINE");
    ws_.SetText(host_.textPrompt, "1 点目を指定: ");
    EXPECT_EQ(link_.ReadTextWindow(), "コマンド: LINE\r\n");
    EXPECT_EQ(link_.Windows().textHistoryControl, host_.history);
    EXPECT_EQ(link_.Windows().textPromptControl, host_.textPrompt);
}

TEST_F(HostLinkTest, ReadsFollowARestartedHost) {
    SetPrompt("オブジェクトを選択: ");
    ASSERT_EQ(link_.ReadCommandLine(), "オブジェクトを選択: ");
    ws_.Destroy(host_.frame);
    ws_.Destroy(host_.textWindow);
    EXPECT_EQ(link_.ReadCommandLine(), "");

    const FakeHost restarted = AddFakeHost(ws_, kHostThread + 1);
    ws_.SetText(restarted.history, "コマンド: *キャンセル*\r\n");
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
    EXPECT_EQ(link_.ReadTextWindow(), "コマンド: *キャンセル*\r\n");
    EXPECT_EQ(link_.Windows().mainWindow, restarted.frame);
}

TEST_F(HostLinkTest, CopyHistoryLastLineGoesThroughTheClipboard) {
    AddHistory("コマンド: LINE");
    AddHistory("1 点目を指定: *キャンセル*");
    ws_.clipboard = "the user's clipboard";
    EXPECT_EQ(link_.CopyHistoryLastLine(), "1 点目を指定: *キャンセル*");
    EXPECT_EQ(ws_.commands.back(), (std::pair<WindowHandle, std::uint32_t>{host_.textWindow, kCopyHistory}));

    ws_.onCommand = nullptr;  // a host that leaves the clipboard alone
    ws_.clipboard.clear();
    EXPECT_EQ(link_.CopyHistoryLastLine(), "");
}

TEST_F(HostLinkTest, GetSysVarReadsTheValueOfferedInThePromptAndCancels) {
    answer = [this](const std::string& typed) {
        if (typed == "'SNAPMODE\r") SetPrompt("SNAPMODE の新しい値を入力 <0>: ");
        if (typed == "'CLAYER\r") SetPrompt(">>CLAYER の新しい値を入力 <\"0\">: ");
        if (typed == "'LASTPOINT\r") SetPrompt("LASTPOINT の新しい値を入力 <10.0000,20.0000,0.0000>: ");
        if (typed == "\x03") SetPrompt("コマンド: ");
    };
    EXPECT_EQ(link_.GetSysVar("SNAPMODE"), "0");
    EXPECT_EQ(ws_.TypedTexts(), (std::vector<std::string>{"'SNAPMODE\r", "\x03"}));
    EXPECT_EQ(link_.GetSysVar("CLAYER"), "\"0\"");
    EXPECT_EQ(link_.GetSysVar("LASTPOINT"), "10.0000,20.0000,0.0000");
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
}

TEST_F(HostLinkTest, GetSysVarReadsAReadOnlyAnswerFromTheHistory) {
    answer = [this](const std::string& typed) {
        AddHistory("コマンド: " + typed.substr(0, typed.size() - 1));
        if (typed == "'VIEWCTR\r") AddHistory("VIEWCTR = 120.5000,80.0000,0.0000 (読み込み専用)");
    };
    EXPECT_EQ(link_.GetSysVar("VIEWCTR"), "120.5000,80.0000,0.0000");
    EXPECT_EQ(ws_.TypedTexts(), std::vector<std::string>{"'VIEWCTR\r"});  // nothing to cancel
}

TEST_F(HostLinkTest, GetSysVarNeverTakesAnOlderAnswerForAnotherVariable) {
    AddHistory("VIEWCTR = 1.0000,2.0000,0.0000 (読み込み専用)");
    answer = [this](const std::string& typed) { AddHistory("コマンド: " + typed); };
    EXPECT_EQ(link_.GetSysVar("VIEWSIZE"), "");
    AddHistory("X = 10.0000     Y = 20.0000     Z = 0.0000");
    EXPECT_EQ(link_.GetSysVar("SNAPMODE"), "");
}

TEST_F(HostLinkTest, GetSysVarLooksOnlyAtTheNewestHistory) {
    AddHistory("VIEWCTR = 1.0000,2.0000,0.0000 (読み込み専用)");
    for (int i = 0; i < 20; ++i) AddHistory("コマンド: LINE");
    // A host that does not answer: the old answer has scrolled out of reach.
    answer = [this](const std::string&) { AddHistory("コマンド: 'VIEWCTR"); };
    EXPECT_EQ(link_.GetSysVar("VIEWCTR"), "");
}

TEST_F(HostLinkTest, GetSysVarFallsBackToTheClipboardsLastLine) {
    // No remark: the history search finds no "(", the last line still answers.
    answer = [this](const std::string&) { AddHistory("SCREENSIZE = 800.0000,600.0000"); };
    EXPECT_EQ(link_.GetSysVar("SCREENSIZE"), "800.0000,600.0000");
    EXPECT_EQ(ws_.commands.size(), 1u);

    // A history control that cannot be read: the clipboard copy holds the answer.
    ws_.Destroy(host_.history);
    const WindowHandle hidden = ws_.AddChild(host_.textWindow, "", "Edit");
    ws_.onCommand = [&](WindowHandle, std::uint32_t) { ws_.clipboard = ws_.At(hidden).text; };
    answer = [&](const std::string&) { ws_.SetText(hidden, "viewsize = 250.0000 (読み込み専用)\r\n"); };
    EXPECT_EQ(link_.GetSysVar("VIEWSIZE"), "250.0000");
}

TEST_F(HostLinkTest, GetSysVarSurvivesGarbledAnswersAndAVanishingHost) {
    answer = [this](const std::string&) { SetPrompt("DIMSCALE の新しい値を入力 <abc>: "); };
    EXPECT_EQ(link_.GetSysVar("DIMSCALE"), "abc");  // as found; the caller decides

    answer = [this](const std::string&) {
        SetPrompt("\x01<\xff\xfe");
        AddHistory("=(= ( DIMSCALE = \xe3\x81");
    };
    EXPECT_EQ(link_.GetSysVar("DIMSCALE"), "\xe3\x81");

    answer = [this](const std::string&) {
        ws_.Destroy(host_.frame);
        ws_.Destroy(host_.textWindow);
    };
    EXPECT_EQ(link_.GetSysVar("DIMSCALE"), "");
}

TEST_F(HostLinkTest, SelectionCountWaitsForTheCommandPrompt) {
    AddHistory("コマンド: SELECT");
    AddHistory("オブジェクトを選択: 認識された数: 1");
    SetPrompt("オブジェクトを選択: ");
    EXPECT_EQ(link_.SelectionCount(), 0);

    SetPrompt("コマンド: ");
    EXPECT_EQ(link_.SelectionCount(), 1);
    SetPrompt("ｺﾏﾝﾄﾞ: ");
    EXPECT_EQ(link_.SelectionCount(), 1);

    AddHistory("コマンド: SELECT");
    AddHistory("オブジェクトを選択: 認識された数: 0");
    EXPECT_EQ(link_.SelectionCount(), 0);

    AddHistory("コマンド: SELECT");
    AddHistory("オブジェクトを選択: *キャンセル*");
    EXPECT_EQ(link_.SelectionCount(), -1);

    ws_.Destroy(host_.textWindow);
    EXPECT_EQ(link_.SelectionCount(), -1);
}

}  // namespace
}  // namespace kv
