// Stories compiled and run in process: the runner's checks must fail where the
// drawing, the host or the palette differ, and pass where they agree.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "in_process_run.h"
#include "polyline/rectangle_edit_form.h"
#include "scenario.h"
#include "scenario_lines.h"
#include "support/expect_throw_message.h"

namespace kv::scenario {
namespace {

std::vector<std::string> RunStory(std::string_view text, const std::string& folder = ".") {
    return RunScenario(CompileScenario(text), folder);
}

TEST(CompileScenario, RejectsMistakesBeforeAnythingRuns) {
    const std::pair<const char*, const char*> cases[] = {
        {"line 0,0 1,1", "line 1: the scenario has no title line"},
        {"title t\nfrobnicate", "line 2: unknown step 'frobnicate'"},
        {"title t\nclick ButtonNope", "line 2: the palette has no control ButtonNope"},
        {"title t\nclick EditKpRad", "line 2: EditKpRad is not a button, a check box, an up-down control or a picture"},
        {"title t\nset CheckLine maybe", "line 2: a check box is set 'on' or 'off', not 'maybe'"},
        {"title t\nline 0,0 1,1 colour=1", "line 2: unknown option colour="},
        {"title t\nblock B\n  circle 0,0 r=1\n", "line 2: \"block\" has no \"end\""},
        {"title t\nblock B\n  pick 0,0\nend", "line 3: a block holds entity lines only, not 'pick'"},
        {"title t\ndialog TFormNone\n  ok\nend", "line 2: the palette has no dialog TFormNone"},
        {"title t\ndialog TFormRecEd\n  set Edit1 1\nend",
         "line 2: the dialog script must end with a step that closes the dialog"},
        {"title t\ndialog TFormRecEd\n  click ButtonDraw\nend",
         "line 3: the dialog TFormRecEd has no control ButtonDraw"},
        {"title t\ndialog TFormRecEd\n  click Button2\n  wait\nend",
         "line 4: nothing can follow the step that closes the dialog"},
        {"title t\narc 0,0 r=1", "line 2: the drawing needs from="},
        {"title t\nsysvar VIEWSIZE 10", "line 2: VIEWSIZE is read-only in the host"},
        {"title t\nexpect count lines 2",
         "line 2: 'lines' is not an entity kind (line, arc, circle, pline, polyline, insert, text, solid or all)"},
    };
    for (const auto& c : cases) EXPECT_THROW_MESSAGE(CompileScenario(c.first), ScenarioError, c.second);
}

TEST(RunScenario, DrawingChecksUseTheToleranceAndCatchDuplicates) {
    EXPECT_TRUE(RunStory(R"(title t
line 0,0 100,0 layer=WIRE color=red
arc 0,0 r=5 from=0 to=90
expect line 100.0004,0 0,0 layer=wire color=1
expect arc 0,0 r=5 from=359.9995 to=90
expect count all 2
expect count line 1 layer=WIRE
)")
                    .empty());

    const auto failures = RunStory(R"(title t
line 0,0 100,0
line 0,0 100,0
expect line 0,0 100,0
expect line 0,0 100.01,0
tolerance 0.1
expect count line 2
)");
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].rfind("line 4: more than one entity matches 'line 0,0 100,0'", 0), 0u) << failures[0];
    EXPECT_EQ(failures[1].rfind("line 5: no entity matches", 0), 0u) << failures[1];
}

// Content compared handles aside: a wire redrawn with its ends swapped is the same wire, one
// drawn over another is a copy the story did not start with.
TEST(RunScenario, UnchangedNamesWhatWasLostOrGainedAndStrayCopiesFail) {
    EXPECT_TRUE(RunStory(R"(title t
line 0,0 10,0 as A
type "ERASE "
pick 5,0
enter
type "LINE 10,0 0,0 \r"
expect replaced A
expect unchanged
)")
                    .empty());
    const auto failures = RunStory(R"(title t
line 0,0 10,0 layer=W
line 0,5 10,5
type "ERASE "
pick 5,5
enter
type "COPY L\r\r0,0\r0,0\r"
expect unchanged
)");
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0].rfind("line 8: lost LINE 0,5 10,5 layer=0", 0), 0u) << failures[0];
    EXPECT_EQ(failures[1].rfind("line 8: gained LINE 0,0 10,0 layer=W", 0), 0u) << failures[1];
    EXPECT_EQ(failures[2].rfind("line 8: the story ends with copies of LINE 0,0 10,0 layer=W", 0), 0u) << failures[2];
}

TEST(RunScenario, HostInputAndHandlesAreFollowed) {
    const auto failures = RunStory(R"(title t
line 0,0 10,0 as A
line 0,10 10,10 as B
type "ERASE "
pick 5,0
enter
expect replaced A
expect kept B
expect kept A
expect prompt "コマンド: "
type "LINE 0,0 0,5 \r"
expect line 0,0 0,5 as C
expect kept C
)");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind("line 9: A [", 0), 0u) << failures[0];
}

TEST(RunScenario, BlocksAndTablesComeBeforeTheEntitiesThatUseThem) {
    EXPECT_TRUE(RunStory(R"(title t
linetype DASHED pattern=5,-2.5
layer WIRE color=1 linetype=DASHED
block DOT base=0,0
  circle 0,0 r=1
end
insert DOT 10,10 scale=2 layer=WIRE
line 0,0 1,1 linetype=DASHED
expect insert DOT 10,10 xscale=2 yscale=2
expect count insert 1 name=dot
)")
                    .empty());
    const auto failures = RunStory("title t\ninsert NOPE 0,0\nline 0,0 1,1\n");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "line 2: block NOPE is not defined (add a 'block' definition)");
}

TEST(RunScenario, DxfFilesAreLoadedFromTheScenarioFolder) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kvscenario_test_dxf";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "wire.dxf") << "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nWIRE\n10\n1\n20\n2\n30\n0\n"
                                          "11\n3\n21\n4\n31\n0\n0\nENDSEC\n0\nEOF\n";
    EXPECT_TRUE(RunStory("title t\nload wire.dxf\nexpect line 1,2 3,4 layer=WIRE\n", folder.string()).empty());
    const auto missing = RunStory("title t\nload nothing.dxf\n", folder.string());
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_NE(missing[0].find("cannot read"), std::string::npos);

    // Two files whose blocks insert each other: the host refuses the second, and so must the story.
    for (const auto& [block, inner] : {std::pair{"A", "B"}, std::pair{"B", "A"}})
        std::ofstream(folder / (std::string(block) + ".dxf"))
            << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n"
            << block << "\n10\n0\n20\n0\n30\n0\n0\nINSERT\n2\n"
            << inner << "\n10\n0\n20\n0\n30\n0\n0\nENDBLK\n0\nENDSEC\n0\nEOF\n";
    const auto cycle = RunStory("title t\nload A.dxf\nload B.dxf\n", folder.string());
    ASSERT_EQ(cycle.size(), 1u);
    EXPECT_NE(cycle[0].find("line 3: B.dxf: "), std::string::npos) << cycle[0];
    std::filesystem::remove_all(folder);
}

TEST(RunScenario, PaletteChecksReportWhatWasThereInstead) {
    const auto failures = RunStory(R"(title t
click ButtonDraw
wait
expect typed "LINE "
expect typed "'SNAPMODE\r"
expect caption "Draw Line"
expect message "hello"
expect control CheckLine off
expect sysvar snapmode 1
)");
    ASSERT_EQ(failures.size(), 4u);
    // Typed texts are checked in order: the variable was read before LINE.
    EXPECT_EQ(failures[0], "line 5: the palette did not type \"'SNAPMODE\\r\"; it typed since the last check: nothing");
    EXPECT_EQ(failures[1], "line 7: expected the message \"hello\", no further message was shown");
    EXPECT_EQ(failures[2], "line 8: CheckLine is not \"off\"");
    EXPECT_EQ(failures[3], "line 9: SNAPMODE is 0, expected 1");
}

TEST(RunScenario, UnusedOrMissingAnswersFailTheStory) {
    const auto unused = RunStory("title t\nanswer yes\ndialog TFormRecEd\n  ok\nend\n");
    ASSERT_EQ(unused.size(), 2u);
    EXPECT_EQ(unused[0], "line 3: the dialog TFormRecEd never opened");
    EXPECT_EQ(unused[1], "line 3: 1 answer(s) given were never asked for");
}

// No button of the palette opens a dialog yet: the test opens one as a tool would.
TEST(RunScenario, DialogScriptsUseTheDialogsOwnControlsAndCloseIt) {
    const Scenario story = CompileScenario(R"(title t
dialog TFormRecEd
  expect control Edit2 "50"
  expect control Edit3 "5"
  set Edit1 100
  wait 100
  click Button1
end
dialog TFormRecEd
  cancel
end
)");
    InProcessRun run(".");
    for (const Step& step : story.steps) step.action(run);
    TFormRecEd dialog;
    dialog.Edit2.text = "50";
    EXPECT_EQ(run.ui.RunModal(dialog), DialogResult::Ok);
    EXPECT_EQ(dialog.Edit1.text, "100");
    EXPECT_EQ(run.failures, std::vector<std::string>{"line 4: Edit3 is not \"5\""});
    EXPECT_EQ(run.ui.RunModal(dialog), DialogResult::Cancel);
    EXPECT_EQ(run.ui.RunModal(dialog), DialogResult::Cancel);
    EXPECT_EQ(run.ui.problems, std::vector<std::string>{"the dialog TFormRecEd opened and no script was given for it"});
}

TEST(RunScenario, DisabledControlsCannotBeUsed) {
    const auto failures = RunStory("title t\nclick ButtonLdrawN\nexpect caption never\n");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "line 2: ButtonLdrawN is disabled or hidden: it cannot be used");
}

TEST(RunScenario, ControlsBelowTheFormAreHiddenAndCannotBeUsed) {
    const auto failures = RunStory(
        "title t\nexpect control CheckMin hidden\nexpect control SpeedButton3 hidden\n"
        "expect control CheckLine visible\nset CheckMin on\n");
    EXPECT_EQ(failures, std::vector<std::string>{"line 5: CheckMin is disabled or hidden: it cannot be used"});
}

TEST(RunScenario, AfterAnOperationIdleRestoredAndNothingLostNameWhatIsLeft) {
    const auto failures = RunStory(R"(title t
sysvar SNAPMODE 1
line 0,0 10,0
line 0,5 10,5
click ButtonDraw
wait
expect idle
esc
wait
expect idle
type "SNAPMODE 0 "
type "ERASE "
pick 5,0
enter
expect restored
expect nothing lost but 30
expect nothing lost
)");
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0], "line 7: the palette is not idle: the caption is \"Draw Line\", state 101, Timer1 on");
    EXPECT_EQ(failures[1], "line 15: SNAPMODE is 0, not 1 as before");
    EXPECT_EQ(failures[2].rfind("line 17: lost LINE 0,0 10,0 layer=0", 0), 0u) << failures[2];
}

TEST(RunScenario, HostSwitchesChangeWhatThePaletteFinds) {
    EXPECT_TRUE(RunStory(R"(title t
host floating
click ButtonDraw
wait
expect prompt "1 点目を指定: "
esc
wait
host quit
click ButtonDraw
wait
expect caption "Draw Line"
expect prompt "コマンド: "
host start
expect prompt "コマンド: "
)")
                    .empty());
}

}  // namespace
}  // namespace kv::scenario
