// The symbol libraries beside the executable: each sub-folder is one library, each DXF file
// in it one symbol, and a settings file per library keeps the block tab's options.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace kv {

inline constexpr std::string_view kLibrarySettingsName = "Kvane2k.ini";

// The sub-folders of root that are plain folders (not hidden, read-only or system), sorted.
std::vector<std::string> ListLibraryFolders(Files& files, std::string_view root);
// The names of the folder's ".dxf" files without their extension, sorted.
std::vector<std::string> ListSymbolNames(Files& files, std::string_view root, std::string_view folder);

// root ends with its separator; the folder and the file are joined with the same one.
std::string LibraryFolderPath(std::string_view root, std::string_view folder);
std::string SymbolFilePath(std::string_view root, std::string_view folder, std::string_view name);
std::string LibrarySettingsPath(std::string_view root, std::string_view folder);

// The list's entry shown in each preview slot from the selected one on, wrapping to the start;
// as many slots as the list has entries, six at most.
inline constexpr int kPreviewSlots = 6;
std::vector<int> PreviewEntries(int count, int selected);
// The selection after "→": six further on, or back to the first past the end; unchanged for a
// list that fits on one page.
int NextPageSelection(int count, int selected);
// The entry shown in slot `slot`, or -1 when the list has none there.
int EntryOfSlot(int count, int selected, int slot);

}  // namespace kv
