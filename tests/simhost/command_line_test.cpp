// The command line as the palette reads it: prompt line, history, token rules,
// cancel, transparent variables, the command channel's faults.
#include <gtest/gtest.h>

#include "base/encoding.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

TEST(CommandLine, IdlePromptShowsTypedTextUntilAnswerEnds) {
    SimHost host;
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.Type("BT.");
    EXPECT_EQ(host.PromptLine(), "コマンド: BT.");
    EXPECT_TRUE(host.HistoryLines().empty());
    host.SendCommand("\x03");
    EXPECT_EQ(host.LastHistoryLine(), "コマンド: BT.*キャンセル*");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(CommandLine, HalfWidthIdlePromptIsASwitch) {
    SimHost host;
    host.Switches().halfWidthIdlePrompt = true;
    EXPECT_EQ(host.PromptLine(), "ｺﾏﾝﾄﾞ: ");
    host.SendCommand("ID ");
    EXPECT_EQ(host.HistoryLines().front(), "ｺﾏﾝﾄﾞ: ID");
}

TEST(CommandLine, FinishedLinesMoveToHistoryWithCrLf) {
    SimHost host;
    host.SendCommand("ID 10,20\r");
    EXPECT_EQ(host.HistoryText(),
              "コマンド: ID\r\n点を指定: 10,20\r\nX = 10.0000     Y = 20.0000     Z = 0.0000\r\n");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(CommandLine, CancelAtIdleAndInsideACommand) {
    SimHost host;
    host.SendCommand("\x03");
    EXPECT_EQ(host.LastHistoryLine(), "コマンド: *キャンセル*");
    host.SendCommand("LINE 0,0 10");
    host.SendCommand("\x03");
    EXPECT_EQ(host.LastHistoryLine(), "次の点を指定 または [元に戻す(U)]: 10*キャンセル*");
    EXPECT_TRUE(host.Idle());
    host.SendCommand("ID ");
    host.PressEscape();
    EXPECT_EQ(host.LastHistoryLine(), "点を指定: *キャンセル*");
}

TEST(CommandLine, EnterAtIdleDoesNotRepeatTheLastCommand) {
    SimHost host;
    host.SendCommand("ID 1,1\r");
    std::size_t lines = host.HistoryLines().size();
    host.SendCommand("\r\r  ");
    EXPECT_EQ(host.HistoryLines().size(), lines);
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(CommandLine, UnknownCommandGivesErrorLineAndStaysIdle) {
    SimHost host;
    host.SendCommand("FOO ");
    EXPECT_EQ(host.LastHistoryLine(), "不明なコマンド \"FOO\"。 F1 キーを押してヘルプを参照してください。");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(CommandLine, BlankEndsWordsButNotNamesOrTexts) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("MY LAYER");
    host.SendCommand("CLAYER MY LAYER\r");
    EXPECT_EQ(host.Variable("CLAYER"), "\"MY LAYER\"");
    host.SendCommand("SNAPMODE 1 ");
    EXPECT_EQ(host.Variable("SNAPMODE"), "1");
}

TEST(CommandLine, QuotedStringValueLosesItsQuotes) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("WIRE");
    host.SendCommand("CLAYER WIRE\r");
    host.SendCommand("'CLAYER\r");
    EXPECT_EQ(host.PromptLine(), "CLAYER の新しい値を入力 <\"WIRE\">: ");
    host.SendCommand("\x03");
    host.SendCommand("CLAYER \"0\"\r");
    EXPECT_EQ(host.Variable("CLAYER"), "\"0\"");
}

TEST(CommandLine, VariablePromptsShowTypedValues) {
    SimHost host;
    host.SendCommand("'SNAPMODE\r");
    EXPECT_EQ(host.PromptLine(), "SNAPMODE の新しい値を入力 <0>: ");
    host.SendCommand("\x03");
    host.SendCommand("'DIMSCALE\r");
    EXPECT_EQ(host.PromptLine(), "DIMSCALE の新しい値を入力 <1.0000>: ");
    host.SendCommand("\x03'LASTPOINT\r");
    EXPECT_EQ(host.PromptLine(), "LASTPOINT の新しい値を入力 <0.0000,0.0000,0.0000>: ");
    host.SendCommand("\x03'CECOLOR\r");
    EXPECT_EQ(host.PromptLine(), "CECOLOR の新しい値を入力 <\"BYLAYER\">: ");
    host.SendCommand("1\r");
    EXPECT_EQ(host.Variable("CECOLOR"), "\"1\"");
    host.SendCommand("CECOLOR \"BYLAYER\"\r");
    EXPECT_EQ(host.Variable("CECOLOR"), "\"BYLAYER\"");
}

TEST(CommandLine, ReadOnlyVariablePrintsItsValueAndReturns) {
    SimHost host;
    host.SendCommand("'VIEWCTR\r");
    EXPECT_EQ(host.LastHistoryLine(), "VIEWCTR = 210.0000,148.5000,0.0000 (読み込み専用)");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.SendCommand("SCREENSIZE ");
    EXPECT_EQ(host.LastHistoryLine(), "SCREENSIZE = 1024.0000,768.0000 (読み込み専用)");
}

TEST(CommandLine, RefusedNumberIsAskedAgainAndRefusedNameEndsTheCommand) {
    SimHost host;
    host.SendCommand("SNAPMODE 2 ");
    EXPECT_EQ(host.LastHistoryLine(), "値は 0 から 1 の範囲でなければなりません。");
    EXPECT_EQ(host.PromptLine(), "SNAPMODE の新しい値を入力 <0>: ");
    host.SendCommand("abc ");
    EXPECT_EQ(host.LastHistoryLine(), "整数値が必要です。");
    host.SendCommand("1 ");
    EXPECT_EQ(host.Variable("SNAPMODE"), "1");
    host.SendCommand("CLAYER NOSUCH\r");
    EXPECT_EQ(host.LastHistoryLine(), "画層が見つかりません: NOSUCH");
    EXPECT_TRUE(host.Idle());
    EXPECT_EQ(host.Variable("CLAYER"), "\"0\"");
}

TEST(CommandLine, TransparentVariableInsideACommandResumesIt) {
    SimHost host;
    host.SendCommand("LINE 0,0 ");
    host.SendCommand("'LUPREC\r");
    EXPECT_EQ(host.PromptLine(), ">>LUPREC の新しい値を入力 <4>: ");
    host.SendCommand("2 ");
    EXPECT_EQ(host.PromptLine(), "次の点を指定 または [元に戻す(U)]: ");
    host.SendCommand("'VIEWSIZE ");
    EXPECT_EQ(host.LastHistoryLine(), "VIEWSIZE = 297.00 (読み込み専用)");
    host.SendCommand("'ID ");
    EXPECT_EQ(host.LastHistoryLine(), "** このコマンドは透過的に使用できません **");
    host.SendCommand("5,0\r\r");
    EXPECT_EQ(host.GetDrawing().Entities().size(), 1u);
}

TEST(CommandLine, AnsiBytesAreConvertedAndStopAtNul) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("配線");
    std::string bytes = Utf8ToAnsi("CLAYER 配線\r");
    bytes += '\0';
    bytes += "garbage ";
    EXPECT_TRUE(host.SendAnsi(bytes));
    EXPECT_EQ(host.Variable("CLAYER"), "\"配線\"");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
}

TEST(CommandLine, SlowHostAnswersAfterTicksInOrder) {
    SimHost host;
    host.SetAnswerDelay(2);
    host.SendCommand("SNAPMODE ");
    host.SendCommand("1 ");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.Tick();
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.Tick();
    EXPECT_EQ(host.Variable("SNAPMODE"), "1");
}

TEST(CommandLine, GoneHostTakesNothingAndShowsNothing) {
    SimHost host;
    host.SetGone(true);
    EXPECT_FALSE(host.SendCommand("SNAPMODE 1 "));
    EXPECT_EQ(host.PromptLine(), "");
    EXPECT_EQ(host.HistoryText(), "");
    host.SetGone(false);
    EXPECT_EQ(host.Variable("SNAPMODE"), "0");
}

TEST(CommandLine, FileDialogSwallowsInputUntilEsc) {
    SimHost host;
    host.SendCommand("DXFOUT /tmp/never-written\rV 2000 O P\r\r16\r");
    EXPECT_TRUE(host.DialogOpen());
    host.SendCommand("\x03");
    host.SendCommand("'FILEDIA 0 ");
    EXPECT_TRUE(host.DialogOpen());
    EXPECT_NE(host.PromptLine(), "コマンド: ");
    host.PressEscape();
    EXPECT_FALSE(host.DialogOpen());
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    EXPECT_EQ(host.Variable("FILEDIA"), "1");
}

}  // namespace
}  // namespace kv::sim
