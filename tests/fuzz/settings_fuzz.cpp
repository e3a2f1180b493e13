// The settings codec on any file: a value written through SettingsFile reads back as
// written, and a rewrite keeps every other key's value.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings_file.h"
#include "base/strings.h"
#include "platform/native_files.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// Never destroyed: the clean-up at exit still needs it.
const std::string& Folder() {
    static const std::string* const folder = [] {
        std::string pattern = (fs::temp_directory_path() / "kvsettings-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        std::atexit([] { fs::remove_all(Folder()); });
        return new std::string(pattern);
    }();
    return *folder;
}

// Printable ASCII, as the palette's section and key names are.
std::string Name(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(12);
    std::erase_if(text, [](char c) { return c < ' ' || c > '~'; });
    return text;
}

// What an edit box may hold on one line: ASCII and Japanese, full-width and half-width. A
// line break or a character the code page cannot hold is no value a round trip could keep.
std::string Value(FuzzedDataProvider& input) {
    static const char* const kJapanese[] = {"配線", "ｺﾏﾝﾄﾞ", "　", "①", "ｱ", "表"};
    std::string value;
    for (char c : input.ConsumeRandomLengthString(24)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) value += kJapanese[byte % std::size(kJapanese)];
        else if (c >= ' ' && c <= '~') value += c;
    }
    return value;
}

// A name that the file's own syntax would read otherwise: blanks around it, "=" in a key,
// or a key line that looks like a section.
bool RoundTrips(const std::string& section, const std::string& key) {
    return section == Trim(section) && key == Trim(key) && key.find('=') == std::string::npos && !StartsWith(key, "[");
}

}  // namespace
}  // namespace kv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv;
    FuzzedDataProvider input(data, size);
    const std::string section = Name(input), key = Name(input), value = Value(input);
    const std::string otherSection = Name(input), otherKey = Name(input);
    const bool onlyTheCopy = input.ConsumeBool();
    const std::string appData = Folder() + "/appdata";
    fs::remove_all(Folder());
    fs::create_directories(appData);
    const std::string file = input.ConsumeRemainingBytesAsString();
    std::ofstream(onlyTheCopy ? appData + "/kvane2k.ini" : Folder() + "/kvane2k.ini", std::ios::binary) << file;

    NativeFiles files;
    SettingsFile settings(files, Folder() + "/kvane2k.exe", appData);
    const std::string before = settings.ForReading().ReadString(otherSection, otherKey, "\x01");
    settings.ForReading().ReadFloat(otherSection, otherKey, 0);
    if (!settings.Write([&](IniFile& ini) { return ini.WriteString(section, key, value); })) std::abort();
    if (!RoundTrips(section, key)) return 0;
    const IniFile after = settings.ForReading();
    if (after.ReadString(section, key, "\x01") != Trim(value)) std::abort();
    const bool same = EqualsIgnoreCaseAscii(section, otherSection) && EqualsIgnoreCaseAscii(key, otherKey);
    // Bytes the code page cannot read come back as U+FFFD and are written as "?".
    if (!same && before.find("\xEF\xBF\xBD") == std::string::npos &&
        after.ReadString(otherSection, otherKey, "\x01") != before)
        std::abort();
    return 0;
}
