#include "library/library_folders.h"

#include <algorithm>

#include "base/strings.h"

namespace kv {

namespace {

using namespace file_attribute;

constexpr std::string_view kSymbolExtension = ".dxf";

// Names compare as the list box sorts them: letters without regard to case first.
void SortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = UpperAscii(a), lb = UpperAscii(b);
        return la != lb ? la < lb : a < b;
    });
}

char SeparatorOf(std::string_view root) { return !root.empty() && root.back() == '/' ? '/' : '\\'; }

bool IsSymbolFile(const FolderEntry& e) {
    constexpr unsigned kUsual = kReadOnly | kHidden | kSystem | kVolumeLabel | kDirectory | kArchive;
    if (e.isFolder || (e.attributes & ~kUsual) != 0) return false;
    return e.name.size() > kSymbolExtension.size() &&
           EqualsIgnoreCaseAscii(std::string_view(e.name).substr(e.name.size() - kSymbolExtension.size()),
                                 kSymbolExtension);
}

}  // namespace

std::vector<std::string> ListLibraryFolders(Files& files, std::string_view root) {
    std::vector<std::string> folders;
    for (const FolderEntry& e : files.ListFolder(root)) {
        if (e.attributes != kDirectory || e.name == "." || e.name == "..") continue;
        folders.push_back(e.name);
    }
    SortNames(folders);
    return folders;
}

std::vector<std::string> ListSymbolNames(Files& files, std::string_view root, std::string_view folder) {
    std::vector<std::string> names;
    for (const FolderEntry& e : files.ListFolder(LibraryFolderPath(root, folder))) {
        if (IsSymbolFile(e)) names.push_back(e.name.substr(0, e.name.size() - kSymbolExtension.size()));
    }
    SortNames(names);
    return names;
}

std::string LibraryFolderPath(std::string_view root, std::string_view folder) {
    return std::string(root).append(folder);
}

std::string SymbolFilePath(std::string_view root, std::string_view folder, std::string_view name) {
    return LibraryFolderPath(root, folder).append(1, SeparatorOf(root)).append(name).append(kSymbolExtension);
}

std::string LibrarySettingsPath(std::string_view root, std::string_view folder) {
    return LibraryFolderPath(root, folder).append(1, SeparatorOf(root)).append(kLibrarySettingsName);
}

std::vector<int> PreviewEntries(int count, int selected) {
    std::vector<int> entries;
    const int shown = std::min(count, kPreviewSlots);
    entries.reserve(static_cast<size_t>(std::max(shown, 0)));
    for (int slot = 0; slot < shown; ++slot) entries.push_back(EntryOfSlot(count, selected, slot));
    return entries;
}

int NextPageSelection(int count, int selected) {
    if (count <= kPreviewSlots) return selected;
    return selected + kPreviewSlots < count ? selected + kPreviewSlots : 0;
}

int EntryOfSlot(int count, int selected, int slot) {
    if (count <= slot || selected < 0) return -1;
    int entry = selected + slot;
    if (entry >= count) entry -= count;
    return entry < count ? entry : -1;
}

}  // namespace kv
