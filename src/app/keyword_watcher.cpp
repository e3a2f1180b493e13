#include "app/keyword_watcher.h"

#include <array>
#include <string>

#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {

struct KeywordText {
    std::string_view letters;
    Keyword keyword;
};

// "LD." leads with its own full stop; the others take the terminator.
constexpr std::string_view kDrawLineText = "LD.";
constexpr std::array<KeywordText, 13> kTerminated{{
    {"LT", Keyword::TrimLine},
    {"BT", Keyword::TrimBlock},
    {"BM", Keyword::MoveBlock},
    {"BC", Keyword::CopyBlock},
    {"BE", Keyword::EraseBlock},
    {"LE", Keyword::EraseLine},
    {"IM", Keyword::JunctionMark},
    {"CS", Keyword::Stretch},
    {"UN", Keyword::Undo},
    {"LJ", Keyword::JointLine},
    {"LDN", Keyword::DrawLineN},
    {"TW", Keyword::TwistMark},
    {"SW", Keyword::ShieldMark},
}};

}  // namespace

std::optional<Keyword> FindKeyword(std::string_view prompt, std::string_view terminator) {
    if (!StartsWith(prompt, kCommandPromptHalfWidth) && !StartsWith(prompt, kCommandPromptFullWidth))
        return std::nullopt;
    const std::string line = UpperAscii(prompt);
    if (Contains(line, kDrawLineText)) return Keyword::DrawLine;
    // Upper-cased like the line, so a letter as terminator matches however it was typed.
    const std::string typed = UpperAscii(Trim(terminator));
    const std::string end = typed.empty() ? std::string(kDefaultTerminator) : typed;
    for (const KeywordText& k : kTerminated) {
        if (Contains(line, std::string(k.letters) + end)) return k.keyword;
    }
    return std::nullopt;
}

}  // namespace kv
