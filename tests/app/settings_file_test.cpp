#include "app/settings_file.h"

#include <algorithm>
#include <filesystem>

#include "app/palette_layout.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "support/engine_fixture.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

// A folder of the run's own, removed with it.
struct Folder {
    std::string path;
    std::string operator/(std::string_view name) const { return path + "/" + std::string(name); }
};

Folder MadeIn(const fs::path& parent, std::string_view name) {
    fs::create_directory(parent / name);
    return {(parent / name).string()};
}

// Files of a folder that can be read but not written, as for a user without rights there.
class ReadOnlyFolderFiles : public Files {
public:
    explicit ReadOnlyFolderFiles(std::string folder) : folder_(std::move(folder)) {}
    bool Exists(std::string_view path) override { return real_.Exists(path); }
    bool Delete(std::string_view path) override { return !Inside(path) && real_.Delete(path); }
    std::optional<std::string> ReadText(std::string_view path) override { return real_.ReadText(path); }
    bool ReadChunks(std::string_view path, ChunkReader& reader) override { return real_.ReadChunks(path, reader); }
    bool WriteText(std::string_view path, std::string_view text) override {
        return !Inside(path) && real_.WriteText(path, text);
    }
    std::vector<FolderEntry> ListFolder(std::string_view path) override { return real_.ListFolder(path); }

private:
    bool Inside(std::string_view path) const { return StartsWith(path, folder_ + "/"); }
    NativeFiles real_;
    std::string folder_;
};

// 1920 x 1080 with a tool-window border: the collapsed window is 342 x 101.
constexpr ScreenMetrics kScreen{1920, 1080, 6, 25};
constexpr int kCentredLeft = (1920 - 342) / 2;
constexpr int kCentredTop = (1080 - 101) / 2;

class SettingsTest : public EngineTest {
protected:
    SettingsFile Settings() { return SettingsFile(files, exeFolder / "kvane2k.exe", appData.path); }

    // Every option away from its default, so a load that skips a key shows.
    void ChangeEverything(TFormKvaneMain& f) {
        f.wireNumbers.layer = "WIRE";
        f.wireNumbers.style = "NUM";
        f.wireNumbers.height = 2.5;
        f.wireNumbers.width = 0.75;
        f.Left = 40;
        f.Top = -12;  // a monitor above the main one
        int n = 0;
        for (const BoundControl& c : Kept(f)) {
            if (c.edit) c.edit->text = "値" + std::to_string(++n);
            if (c.check) c.check->checked = !c.check->checked;
        }
    }

    static std::string WireNumberLook(const TFormKvaneMain& f) {
        const WireNumberSettings& w = f.wireNumbers;
        return w.layer + " " + w.style + " " + FormatReal(w.height) + " " + FormatReal(w.width);
    }

    // The controls the settings file keeps, in the order of their keys.
    static std::vector<BoundControl> Kept(TFormKvaneMain& f) {
        std::vector<BoundControl> kept;
        for (BoundControl& c : BindPalette(f))
            if (!c.info->setting.section.empty()) kept.push_back(std::move(c));
        std::stable_sort(kept.begin(), kept.end(), [](const BoundControl& a, const BoundControl& b) {
            return a.info->setting.order < b.info->setting.order;
        });
        return kept;
    }
    // Every kept option in one line: the position, the edit boxes, then the check boxes.
    static std::string Options(TFormKvaneMain& f) {
        std::string text = std::to_string(f.Left) + "," + std::to_string(f.Top);
        std::string checks;
        for (const BoundControl& c : Kept(f)) {
            if (c.edit) text += " " + c.edit->text;
            if (c.check) checks += c.check->checked ? "1" : "0";
        }
        return text + " " + checks + (f.main.ButtonLdrawN.enabled ? " LdrawN" : "");
    }

    Folder exeFolder = MadeIn(run.workFolder, "exe");
    Folder appData = MadeIn(run.workFolder, "appdata");
    NativeFiles& files = run.files;
};

TEST_F(SettingsTest, FirstStartWithoutFileGivesTheDefaults) {
    ChangeEverything(form);
    form.LoadSettings(Settings(), kScreen);
    // The three boxes that are never read keep what they had.
    EXPECT_EQ(Options(form), std::to_string(kCentredLeft) + "," + std::to_string(kCentredTop) +
                                 "   5.0   1.0 . 10 10 0011101110010110");
    EXPECT_EQ(WireNumberLook(form), "SENBAN SENBAN 1.8 1");
}

TEST_F(SettingsTest, SavedValuesComeBackAtTheNextStartButTheUnreadOnes) {
    ChangeEverything(form);
    SettingsFile settings = Settings();
    ASSERT_TRUE(form.SaveSettings(settings));

    TFormKvaneMain next{run.desktop, ui, run.clock, files, exeFolder / "kvane2k.exe"};
    next.LoadSettings(Settings(), kScreen);
    // CheckMin, CheckActive and CheckMouse are written but never read; FilletAll is never written.
    form.main.CheckMin.checked = form.main.CheckActive.checked = form.main.CheckMouse.checked = false;
    form.polyline.CheckFilletAll.checked = false;
    form.main.ButtonLdrawN.enabled = true;  // follows CheckKpMark
    EXPECT_EQ(Options(next), Options(form));
    EXPECT_EQ(WireNumberLook(next), "WIRE NUM 2.5 0.75");
}

TEST_F(SettingsTest, WireNumberLookReadsAnUnreadableValueAsItsDefault) {
    files.WriteText(exeFolder / "kvane2k.ini", "[Senban]\r\nHeight=abc\r\nLayer=W\r\n");
    form.wireNumbers.height = 9;
    form.LoadSettings(Settings(), kScreen);
    EXPECT_EQ(WireNumberLook(form), "W SENBAN 1.8 1");
}

TEST_F(SettingsTest, FileHoldsTheKeysInOrderInTheProfileForm) {
    form.Left = 5;
    form.Top = 6;
    SettingsFile settings = Settings();
    ASSERT_TRUE(form.SaveSettings(settings));
    EXPECT_EQ(files.ReadText(exeFolder / "kvane2k.ini"),
              "[Form]\r\nTop=6\r\nLeft=5\r\n\r\n"
              "[Edit]\r\nLayer=\r\nBlock=\r\nMin=5.0\r\nKpLayer=\r\nKpMark=\r\nKpRad=1.0\r\nCmdChar=.\r\n\r\n"
              "[Check]\r\nLayer=0\r\nBlock=0\r\nLine=1\r\nCircle=1\r\nArc=1\r\nLWPLine=0\r\nMin=0\r\n"
              "Active=0\r\nMouse=0\r\nKpLayer=0\r\nKpMark=0\r\nCmdLine=1\r\nSelect=0\r\n\r\n"
              "[Senban]\r\nLayer=SENBAN\r\nStyle=SENBAN\r\nHeight=1.8\r\nWidth=1\r\n\r\n"
              "[PL15]\r\nFRAD=10\r\nExplode=1\r\nFillet=1\r\n\r\n"
              "[Fillet]\r\nFRAD=10\r\n");
}

TEST_F(SettingsTest, HandWrittenValuesOfUnwrittenKeysSurviveAndUnreadOnesAreIgnored) {
    files.WriteText(exeFolder / "kvane2k.ini",
                    "[Check]\r\nActive=1\r\nMouse=1\r\nMin=1\r\n[Fillet]\r\nFilletAll=1\r\n"
                    "[TxtBtn0]\r\nCaption=AC100V\r\n");
    form.LoadSettings(Settings(), kScreen);
    EXPECT_FALSE(form.main.CheckActive.checked || form.main.CheckMouse.checked || form.main.CheckMin.checked);
    EXPECT_TRUE(form.polyline.CheckFilletAll.checked);

    form.polyline.CheckFilletAll.checked = false;
    SettingsFile settings = Settings();
    ASSERT_TRUE(form.SaveSettings(settings));
    const IniFile ini(exeFolder / "kvane2k.ini");
    EXPECT_EQ(ini.ReadString("Fillet", "FilletAll", ""), "1");
    EXPECT_EQ(ini.ReadString("TxtBtn0", "Caption", ""), "AC100V");
    EXPECT_EQ(ini.ReadString("Check", "Active", ""), "0");
}

// The 15PL buttons' captions follow the options read, as their handlers make them.
TEST_F(SettingsTest, PolylineButtonCaptionsFollowTheOptionsRead) {
    files.WriteText(exeFolder / "kvane2k.ini", "[PL15]\r\nExplode=0\r\n[Fillet]\r\nFRAD=2.5\r\n");
    form.LoadSettings(Settings(), kScreen);
    EXPECT_EQ(form.polyline.Button5.caption + form.polyline.Button7.hint, "15PL45°PLINE");
    EXPECT_EQ(form.polyline.Button10.caption + " " + form.polyline.Button10.hint, "2.5FIL ﾌｨﾚｯﾄ 2.5xDIMSCALE");
}

// Unconvertible values give their defaults; a window past the right or bottom edge is centred.
TEST_F(SettingsTest, PositionPastTheRightOrBottomEdgeOrUnreadableCentresTheWindow) {
    struct Case {
        const char* left;
        const char* top;
        int wantLeft, wantTop;
    };
    const Case cases[] = {
        {"1578", "979", 1920 - 342, 1080 - 101},  // flush with both edges
        {"1579", "10", kCentredLeft, kCentredTop}, {"10", "980", kCentredLeft, kCentredTop}, {"-300", "-20", -300, -20},
        {"12x", "abc", kCentredLeft, kCentredTop},
    };
    for (const Case& c : cases) {
        files.WriteText(exeFolder / "kvane2k.ini",
                        std::string("[Form]\r\nTop=") + c.top + "\r\nLeft=" + c.left +
                            "\r\n[Check]\r\nLine=yes\r\nCircle=0\r\nLWPLine=-3\r\nCmdLine=\r\n");
        form.LoadSettings(Settings(), kScreen);
        EXPECT_EQ(form.Left, c.wantLeft) << c.left << "," << c.top;
        EXPECT_EQ(form.Top, c.wantTop) << c.left << "," << c.top;
        EXPECT_TRUE(form.main.CheckLine.checked);
        EXPECT_FALSE(form.main.CheckCircle.checked);
        EXPECT_TRUE(form.main.CheckLWP.checked);  // any non-zero integer
        EXPECT_TRUE(form.main.CheckCmdLine.checked);
    }
}

TEST_F(SettingsTest, LineBreaksInATextCannotAddKeys) {
    form.main.EditLayer.text = "A\r\n[Check]\r\nLine=0";
    SettingsFile settings = Settings();
    ASSERT_TRUE(form.SaveSettings(settings));
    form.LoadSettings(Settings(), kScreen);
    EXPECT_EQ(form.main.EditLayer.text, "A[Check]Line=0");
    EXPECT_TRUE(form.main.CheckLine.checked);
}

TEST_F(SettingsTest, MissingExecutableFolderFallsBackToApplicationData) {
    const std::string exe = exeFolder / "gone/kvane2k.exe";
    ChangeEverything(form);
    SettingsFile settings(files, exe, appData.path);
    ASSERT_TRUE(form.SaveSettings(settings));
    EXPECT_TRUE(files.Exists(appData / "kvane2k.ini"));

    TFormKvaneMain next{run.desktop, ui, run.clock, files, exe};
    next.LoadSettings(SettingsFile(files, exe, appData.path), kScreen);
    EXPECT_EQ(next.main.EditKpMark.text, form.main.EditKpMark.text);
    EXPECT_FALSE(next.main.CheckLine.checked);

    SettingsFile nowhere(files, exe, "");
    EXPECT_FALSE(form.SaveSettings(nowhere));
}

TEST_F(SettingsTest, ReadOnlyFolderKeepsItsFileAndTheFallbackStartsFromIt) {
    const std::string beside = exeFolder / "kvane2k.ini";
    const std::string installed = "[TxtBtn0]\r\nCaption=AC100V\r\n\r\n[Check]\r\nSelect=1\r\n";
    files.WriteText(beside, installed);
    ReadOnlyFolderFiles readOnly(exeFolder.path);
    const std::string exe = exeFolder / "kvane2k.exe";

    form.LoadSettings(SettingsFile(readOnly, exe, appData.path), kScreen);
    EXPECT_TRUE(form.main.CheckSelect.checked);
    form.main.EditKpMark.text = "DOT";
    SettingsFile settings(readOnly, exe, appData.path);
    ASSERT_TRUE(form.SaveSettings(settings));
    EXPECT_EQ(files.ReadText(beside), installed);

    const IniFile fallback(appData / "kvane2k.ini");
    EXPECT_EQ(fallback.ReadString("TxtBtn0", "Caption", ""), "AC100V");
    EXPECT_EQ(fallback.ReadString("Edit", "KpMark", ""), "DOT");

    // Once the folder can be written again, the latest values move back beside the executable.
    form.main.EditKpMark.text = "DOT2";
    SettingsFile writable(files, exe, appData.path);
    ASSERT_TRUE(form.SaveSettings(writable));
    EXPECT_FALSE(files.Exists(appData / "kvane2k.ini"));
    const IniFile ini(beside);
    EXPECT_EQ(ini.ReadString("Edit", "KpMark", ""), "DOT2");
    EXPECT_EQ(ini.ReadString("TxtBtn0", "Caption", ""), "AC100V");
}

TEST_F(SettingsTest, FileBesideTheExecutableIsReadOverTheCopyUnlessItCannotBeWritten) {
    const std::string beside = exeFolder / "kvane2k.ini";
    const std::string copy = appData / "kvane2k.ini";
    const std::string exe = exeFolder / "kvane2k.exe";
    files.WriteText(beside, "[Edit]\r\nKpMark=EDITED\r\n[TxtBtn0]\r\nCaption=AC100V\r\n");
    files.WriteText(copy, "[Edit]\r\nKpMark=OLD\r\n");

    ReadOnlyFolderFiles readOnly(exeFolder.path);
    form.LoadSettings(SettingsFile(readOnly, exe, appData.path), kScreen);
    EXPECT_EQ(form.main.EditKpMark.text, "OLD");

    form.LoadSettings(Settings(), kScreen);
    EXPECT_EQ(form.main.EditKpMark.text, "EDITED");
    SettingsFile settings = Settings();
    ASSERT_TRUE(form.SaveSettings(settings));
    EXPECT_FALSE(files.Exists(copy));
    const IniFile ini(beside);
    EXPECT_EQ(ini.ReadString("Edit", "KpMark", ""), "EDITED");
    EXPECT_EQ(ini.ReadString("TxtBtn0", "Caption", ""), "AC100V");
}

}  // namespace
}  // namespace kv::test
