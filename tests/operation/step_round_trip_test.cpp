// The insert check reads the host's history as the host link delivers it.
#include <gtest/gtest.h>

#include "support/counting_clock.h"
#include "support/fake_ports.h"
#include "support/fake_window_system.h"
#include "operation/step_round_trip.h"

namespace kv {
namespace {

constexpr const char* kPath = "/opt/kv/kvane2k.dxf";

class InsertArrivedTest : public testing::Test {
protected:
    InsertArrivedTest() : windows(test::AddFakeHost(ws, 7)) {}

    bool ArrivedAfter(const std::string& history) {
        ws.SetText(windows.history, history);
        return InsertArrived(host, kPath);
    }

    test::FakeWindowSystem ws;
    test::FakeHost windows;
    test::CountingClock clock;
    HostLink host{ws, clock};
};

TEST_F(InsertArrivedTest, InsertThatTookItsAnswers) {
    EXPECT_TRUE(
        ArrivedAfter("コマンド: -INSERT\r\n"
                     "ブロック名を入力 または [?]: */opt/kv/kvane2k.dxf\r\n"
                     "挿入位置を指定 または [基点(B)/尺度(S)/X/Y/Z/回転(R)]: 0,0\r\n"
                     "尺度を入力 <1>: 1\r\n"
                     "回転角度を指定 <0>: 0\r\n"));
}

TEST_F(InsertArrivedTest, FileTheHostCouldNotFindSendsTheAnswersToTheCommandPrompt) {
    const std::string failed =
        "ブロック名を入力 または [?]: */opt/kv/kvane2k.dxf\r\n"
        "ブロックまたはファイルが見つかりません: */opt/kv/kvane2k.dxf\r\n"
        "コマンド: 0,0\r\n"
        "不明なコマンド \"0,0\"。\r\n";
    EXPECT_FALSE(ArrivedAfter(failed));
    EXPECT_FALSE(ArrivedAfter("ｺﾏﾝﾄﾞ: -INSERT\r\n" + failed));
    // An earlier failure does not count against a later insert that went well.
    EXPECT_TRUE(ArrivedAfter(failed + "ブロック名を入力 または [?]: */opt/kv/kvane2k.dxf\r\n"
                                      "挿入位置を指定: 0,0\r\n回転角度を指定 <0>: 0\r\n"));
}

TEST_F(InsertArrivedTest, HistoryWithoutTheFileNameMeansNothingArrived) {
    EXPECT_FALSE(ArrivedAfter("コマンド: ERASE\r\n"));
    ws.Destroy(windows.frame);
    ws.Destroy(windows.textWindow);
    EXPECT_FALSE(InsertArrived(host, kPath));
}

// Only the first file of a round trip is typed after a cancel; a file that is not there is never typed.
TEST(InsertDxf, InsertsOnlyAFileThatExistsWithOrWithoutALeadingCancel) {
    MemoryFiles files;
    RecordingHost host;
    EXPECT_FALSE(InsertDxf(host, files, kPath));
    EXPECT_TRUE(host.sent.empty());
    files.texts[kPath] = "x";
    EXPECT_TRUE(InsertDxf(host, files, kPath));
    EXPECT_TRUE(InsertDxf(host, files, kPath, InsertForm::kNoCancel));
    EXPECT_EQ(host.sent, (std::vector<std::string>{"\x03" + InsertFileCommand(kPath), InsertFileCommand(kPath)}));
}

}  // namespace
}  // namespace kv
