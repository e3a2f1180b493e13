// The command line as the palette reads it: prompts, history, token rules, cancel,
// transparent variables, refused answers and the command channel's faults.
#include <gtest/gtest.h>

#include <fstream>

#include "base/encoding.h"
#include "test_entities.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

constexpr const char* kIdle = "コマンド: ";
constexpr const char* kNextPoint = "次の点を指定 または [元に戻す(U)]: ";

// Texts typed into a fresh host (layers "MY LAYER" and "WIRE", a wire at y = 50), then the prompt
// line, the last history line ("" unchecked) and a "NAME=value" variable ("" unchecked).
struct Exchange {
    std::vector<std::string> typed;
    std::string prompt;
    std::string lastHistory = {};
    std::string variable = {};
};

const Exchange kExchanges[] = {
    {{"\x03"}, kIdle, "コマンド: *キャンセル*"},
    {{"LINE 0,0 10", "\x03"}, kIdle, std::string(kNextPoint) + "10*キャンセル*"},
    {{"LINE "}, "1 点目を指定: "},
    {{"LINE 0,0 1,0 "}, kNextPoint, std::string(kNextPoint) + "1,0"},
    {{"LINE 0,0 1,0 1,1 "}, "次の点を指定 または [閉じる(C)/元に戻す(U)]: "},
    {{"ID 1,1\r", "\r\r  "}, kIdle, "X = 1.0000     Y = 1.0000     Z = 0.0000"},  // Enter does not repeat
    {{"FOO "}, kIdle, "不明なコマンド \"FOO\"。 F1 キーを押してヘルプを参照してください。"},
    {{"CLAYER MY LAYER\r"}, kIdle, "", "CLAYER=\"MY LAYER\""},
    {{"SNAPMODE 1 "}, kIdle, "", "SNAPMODE=1"},
    {{"CLAYER WIRE\r", "'CLAYER\r"}, "CLAYER の新しい値を入力 <\"WIRE\">: "},
    {{"CLAYER WIRE\r", "CLAYER \"0\"\r"}, kIdle, "", "CLAYER=\"0\""},
    {{"'SNAPMODE\r"}, "SNAPMODE の新しい値を入力 <0>: "},
    {{"'DIMSCALE\r"}, "DIMSCALE の新しい値を入力 <1.0000>: "},
    {{"'LASTPOINT\r"}, "LASTPOINT の新しい値を入力 <0.0000,0.0000,0.0000>: "},
    {{"ID 1.23456789,2\r", "'LUPREC 8 ", "'LASTPOINT\r"},
     "LASTPOINT の新しい値を入力 <1.23456789,2.00000000,0.00000000>: "},
    {{"LASTPOINT 5,6,0\r"}, kIdle, "", "LASTPOINT=5.0000,6.0000,0.0000"},
    {{"'CECOLOR\r"}, "CECOLOR の新しい値を入力 <\"BYLAYER\">: "},
    {{"'CECOLOR\r", "1\r"}, kIdle, "", "CECOLOR=\"1\""},
    {{"CECOLOR 1\r", "CECOLOR \"BYLAYER\"\r"}, kIdle, "", "CECOLOR=\"BYLAYER\""},
    {{"'VIEWCTR\r"}, kIdle, "VIEWCTR = 210.0000,148.5000,0.0000 (読み込み専用)"},
    {{"SCREENSIZE "}, kIdle, "SCREENSIZE = 1024.0000,768.0000 (読み込み専用)"},
    {{"SNAPMODE 2 "}, "SNAPMODE の新しい値を入力 <0>: ", "値は 0 から 1 の範囲でなければなりません。"},
    {{"SNAPMODE 2 ", "abc "}, "SNAPMODE の新しい値を入力 <0>: ", "整数値が必要です。"},
    {{"SNAPMODE 2 ", "abc ", "1 "}, kIdle, "", "SNAPMODE=1"},
    {{"CLAYER NOSUCH\r"}, kIdle, "画層が見つかりません: NOSUCH", "CLAYER=\"0\""},
    {{"LINE 0,0 ", "'LUPREC\r"}, ">>LUPREC の新しい値を入力 <4>: "},
    {{"LINE 0,0 ", "'LUPREC\r", "2 "}, kNextPoint, "", "LUPREC=2"},
    {{"LINE 0,0 ", "'LUPREC\r", "2 ", "'VIEWSIZE "}, kNextPoint, "VIEWSIZE = 297.00 (読み込み専用)"},
    {{"LINE 0,0 ", "'ID "}, kNextPoint, "** このコマンドは透過的に使用できません **"},
    {{"MOVE 5,50\r\r0,0\r"}, "目的点を指定 または <1 点目を変位として使用>: "},
    {{"STRETCH C\r"}, "最初のコーナーを指定: "},
    {{"LINE 0,0 1,0\r\r", "UNDO B "}, "すべての操作が取り消されます。よろしいですか? <Y>: "},
    {{"PLINE 0,0 100,0 100,100 0,100\r\r", "FILLETRAD 10\rFILLET P LAST "}, kIdle, "2 本の線分がフィレットされました"},
    {{"PLINE 0,0 A "},
     "次の点を指定 または [円弧(A)/2 分の 1 幅(H)/長さ(L)/元に戻す(U)/幅(W)]: ",
     "無効なオプション キーワードです。"},
    {{"FILLET 1,1\r"},
     "最初のオブジェクトを選択 または [ポリライン(P)/半径(R)/トリム(T)]: ",
     "オブジェクトが見つかりません。"},
    {{"UNDO X "},
     "元に戻す操作の数を入力 または [自動(A)/コントロール(C)/開始(BE)/終了(E)/マーク(M)/後退(B)] <1>: ",
     "無効なオプション キーワードです。"},
};

TEST(CommandLine, PromptsHistoryAndVariablesAfterTypedTexts) {
    for (const Exchange& c : kExchanges) {
        SimHost host;
        host.SetupDrawing().EnsureLayer("MY LAYER");
        host.SetupDrawing().EnsureLayer("WIRE");
        host.SetupDrawing().Add(testing::LineEntity(0, 50, 100, 50));
        std::string trace;
        for (const std::string& text : c.typed) {
            host.SendCommand(text);
            trace += text + "|";
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(host.PromptLine(), c.prompt);
        if (!c.lastHistory.empty()) {
            EXPECT_EQ(host.LastHistoryLine(), c.lastHistory);
        }
        std::size_t eq = c.variable.find('=');
        if (eq != std::string::npos) {
            EXPECT_EQ(host.Variable(c.variable.substr(0, eq)), c.variable.substr(eq + 1));
        }
    }
}

TEST(CommandLine, FinishedLinesMoveToHistoryWithCrLfAndAnOlderHostsTextsAreHalfWidth) {
    SimHost host;
    host.SendCommand("ID 10,20\r");
    EXPECT_EQ(host.HistoryText(), "コマンド: ID\r\n点を指定: 10,20\r\nX = 10.0000     Y = 20.0000     Z = 0.0000\r\n");
    host.Switches().halfWidthTexts = true;
    EXPECT_EQ(host.PromptLine(), "ｺﾏﾝﾄﾞ: ");
    host.SendCommand("ID ");
    EXPECT_EQ(host.HistoryLines()[3], "ｺﾏﾝﾄﾞ: ID");
    host.SendCommand("\x03SELECT ");
    EXPECT_EQ(host.HistoryLines()[4], "点を指定: *ｷｬﾝｾﾙ*");
    EXPECT_EQ(host.PromptLine(), "ｵﾌﾞｼﾞｪｸﾄを選択: ");
}

TEST(CommandLine, AnsiBytesAreConvertedAndStopAtNul) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("配線");
    std::string bytes = Utf8ToAnsi("CLAYER 配線\r");
    bytes += '\0';
    bytes += "garbage ";
    host.SendAnsi(bytes);
    EXPECT_EQ(host.Variable("CLAYER"), "\"配線\"");
    EXPECT_EQ(host.LastHistoryLine(), "CLAYER の新しい値を入力 <\"0\">: 配線");
    EXPECT_EQ(host.SentCommands(), std::vector<std::string>{"CLAYER 配線\r"});
}

// The palette's export text with FILEDIA left on: the dialog swallows the rest.
TEST(CommandLine, FileDialogOfExportAndScriptSwallowsInputUntilEsc) {
    SimHost host;
    host.SendCommand("DXFOUT /tmp/never-written\rV 2000 O P\r\r16\r");
    EXPECT_TRUE(host.DialogOpen());
    host.SendCommand("\x03");
    host.SendCommand("'FILEDIA 0 ");
    EXPECT_TRUE(host.DialogOpen());
    EXPECT_NE(host.PromptLine(), kIdle);
    host.PressEscape();
    EXPECT_FALSE(host.DialogOpen());
    EXPECT_EQ(host.PromptLine(), kIdle);
    EXPECT_EQ(host.Variable("FILEDIA"), "1");
    EXPECT_FALSE(std::ifstream("/tmp/never-written"));
    host.SendCommand("SCRIPT /tmp/never-read\r");
    EXPECT_TRUE(host.DialogOpen());
}

}  // namespace
}  // namespace kv::sim
