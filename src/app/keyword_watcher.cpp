#include "app/keyword_watcher.h"

#include <string>

#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

const Operation* FindKeyword(std::string_view prompt, std::string_view terminator) {
    if (!StartsWith(prompt, kCommandPromptHalfWidth) && !StartsWith(prompt, kCommandPromptFullWidth)) return nullptr;
    const std::string line = UpperAscii(prompt);
    // Upper-cased like the line, so a letter as terminator matches however it was typed.
    const std::string typed = UpperAscii(Trim(terminator));
    const std::string end = typed.empty() ? std::string(kDefaultTerminator) : typed;
    for (const Operation& operation : Operations()) {
        const KeywordText& keyword = operation.keyword;
        if (keyword.letters.empty()) continue;
        const std::string text = std::string(keyword.letters) + (keyword.ownTerminator ? "" : end);
        if (Contains(line, text)) return &operation;
    }
    return nullptr;
}

}  // namespace kv
