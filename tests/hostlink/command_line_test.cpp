#include <gtest/gtest.h>

#include "support/counting_clock.h"
#include "support/fake_window_system.h"
#include "hostlink/host_link.h"

namespace kv {
namespace {

constexpr std::uint32_t kHostThread = 100;

// A host whose answers the test scripts: `answer` runs on each typed text before the send
// returns; command 0x800D on the text window copies the history to the clipboard.
class HostLinkTest : public ::testing::Test {
protected:
    HostLinkTest() {
        ws_.onCopyData = [this](WindowHandle, std::string_view text) {
            if (answer) answer(std::string(text));
        };
        ws_.onCommand = [this](WindowHandle w, std::uint32_t id) {
            if (w == host_.textWindow && id == 0x800D) ws_.clipboard = ws_.At(host_.history).text;
        };
    }

    void SetPrompt(std::string prompt) { ws_.SetText(host_.prompt, std::move(prompt)); }
    void AddHistory(std::string_view line) { ws_.At(host_.history).text += std::string(line) + "\r\n"; }
    void StopHost() {
        ws_.Destroy(host_.frame);
        ws_.Destroy(host_.textWindow);
    }

    test::FakeWindowSystem ws_;
    test::FakeHost host_ = test::AddFakeHost(ws_, kHostThread);
    test::CountingClock clock_;
    HostLink link_{ws_, clock_};
    std::function<void(const std::string&)> answer;
};

TEST_F(HostLinkTest, SendCommandTypesTheWholeTextAndWakesTheHost) {
    std::string kana;  // 300 characters, 600 ANSI bytes: far past any fixed buffer
    for (int i = 0; i < 300; ++i) kana += "あ";
    link_.SendCommand("\x03SNAPMODE 0 ");
    link_.SendCommand(kana);
    EXPECT_EQ(ws_.TypedTexts(), (std::vector<std::string>{"\x03SNAPMODE 0 ", kana}));
    EXPECT_EQ(ws_.copyData[0].target, host_.frame);
    EXPECT_EQ(ws_.copyData[0].tag, 1u);
    EXPECT_EQ(ws_.nullsPosted, std::vector<WindowHandle>(2, host_.frame));
}

TEST_F(HostLinkTest, EverythingIsQuietWhileNoHostRuns) {
    StopHost();
    ws_.clipboard = "the user's clipboard";
    link_.SendCommand("LINE ");
    EXPECT_TRUE(ws_.copyData.empty() && ws_.nullsPosted.empty());
    EXPECT_EQ(link_.ReadCommandLine() + link_.ReadTextWindow() + link_.GetSysVar("SNAPMODE"), "");
    EXPECT_EQ(link_.SelectionCount(), 0);
    EXPECT_EQ(ws_.clipboard, "the user's clipboard");
}

TEST_F(HostLinkTest, HostThatHungFailsTheSendWithAMessageSayingSo) {
    ws_.At(host_.frame).hung = true;
    try {
        link_.SendCommand("LINE ");
        ADD_FAILURE() << "no error";
    } catch (const HostNotAnswering& e) {
        EXPECT_STREQ(e.what(), "AutoCAD が応答しません. 操作を中止しました.  ");
    }
    EXPECT_TRUE(ws_.nullsPosted.empty());
}

TEST_F(HostLinkTest, ReadsFollowTheCommandLineUndockedDockedAndTheHostRestarted) {
    ws_.SetText(host_.textPrompt, "1 点目を指定: ");
    AddHistory("コマンド: LINE");
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
    EXPECT_EQ(link_.ReadTextWindow(), "コマンド: LINE\r\n");  // the history, not the prompt

    ws_.Destroy(host_.prompt);
    ws_.Destroy(host_.second);
    const WindowHandle floating = ws_.AddTopLevel("コマンド ライン", "Afx:400000:8:10011:0:0", kHostThread);
    ws_.AddChild(floating, "Headlands", "Edit", "1 点目を指定: ");
    EXPECT_EQ(link_.ReadCommandLine(), "1 点目を指定: ");
    ws_.Destroy(floating);
    EXPECT_EQ(link_.ReadCommandLine(), "");
    ws_.AddChild(host_.frame, "Headlands", "Edit", "次の点を指定: ");
    EXPECT_EQ(link_.ReadCommandLine(), "次の点を指定: ");

    StopHost();
    const test::FakeHost restarted = test::AddFakeHost(ws_, kHostThread + 1);
    ws_.SetText(restarted.history, "コマンド: *キャンセル*\r\n");
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
    EXPECT_EQ(link_.ReadTextWindow(), "コマンド: *キャンセル*\r\n");
}

TEST_F(HostLinkTest, GetSysVarReadsTheValueOfferedInThePromptAndCancels) {
    answer = [this](const std::string& typed) {
        if (typed == "'SNAPMODE\r") SetPrompt("SNAPMODE の新しい値を入力 <0>: ");
        if (typed == "'DIMSCALE\r") SetPrompt("DIMSCALE の新しい値を入力 <abc>: ");
        if (typed == "\x03") SetPrompt("コマンド: ");
    };
    EXPECT_EQ(link_.GetSysVar("SNAPMODE"), "0");
    EXPECT_EQ(ws_.TypedTexts(), (std::vector<std::string>{"'SNAPMODE\r", "\x03"}));
    EXPECT_EQ(link_.GetSysVar("DIMSCALE"), "abc");  // as found; the caller decides
    EXPECT_EQ(link_.ReadCommandLine(), "コマンド: ");
}

TEST_F(HostLinkTest, GetSysVarReadsAReadOnlyAnswerFromTheHistoryOrTheClipboard) {
    answer = [this](const std::string& typed) {
        if (typed == "'VIEWCTR\r") AddHistory("VIEWCTR = 120.5000,80.0000,0.0000 (読み込み専用)");
        if (typed == "'SCREENSIZE\r") AddHistory("SCREENSIZE = 800.0000,600.0000");  // no remark
    };
    EXPECT_EQ(link_.GetSysVar("VIEWCTR"), "120.5000,80.0000,0.0000");
    EXPECT_EQ(ws_.TypedTexts(), std::vector<std::string>{"'VIEWCTR\r"});  // nothing to cancel
    EXPECT_EQ(link_.GetSysVar("SCREENSIZE"), "800.0000,600.0000");

    // A history control that cannot be read: the copy on the clipboard still holds the answer.
    ws_.Destroy(host_.history);
    ws_.onCommand = [this](WindowHandle w, std::uint32_t id) {
        if (w == host_.textWindow && id == 0x800D) ws_.clipboard = "viewsize = 250.0000 (読み込み専用)\r\n";
    };
    EXPECT_EQ(link_.GetSysVar("VIEWSIZE"), "250.0000");
}

TEST_F(HostLinkTest, GetSysVarNeverTakesAnOlderAnswerForThisOne) {
    AddHistory("VIEWCTR = 1.0000,2.0000,0.0000 (読み込み専用)");
    answer = [this](const std::string& typed) { AddHistory("コマンド: " + typed); };
    EXPECT_EQ(link_.GetSysVar("VIEWSIZE"), "");
    // The same variable's answer, scrolled up since, is out of reach.
    for (int i = 0; i < 20; ++i) AddHistory("コマンド: LINE");
    EXPECT_EQ(link_.GetSysVar("VIEWCTR"), "");
    AddHistory("X = 10.0000     Y = 20.0000     Z = 0.0000");
    EXPECT_EQ(link_.GetSysVar("SNAPMODE"), "");
}

TEST_F(HostLinkTest, SelectionCountWaitsForTheCommandPrompt) {
    AddHistory("コマンド: SELECT");
    AddHistory("オブジェクトを選択: 認識された数: 1");
    SetPrompt("オブジェクトを選択: ");
    EXPECT_EQ(link_.SelectionCount(), 0);
    SetPrompt("ｺﾏﾝﾄﾞ: ");
    EXPECT_EQ(link_.SelectionCount(), 1);
    ws_.Destroy(host_.textWindow);
    EXPECT_EQ(link_.SelectionCount(), -1);
}

}  // namespace
}  // namespace kv
