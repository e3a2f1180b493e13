#include "hostlink/host_link.h"

#include "base/strings.h"
#include "hostlink/host_text.h"

namespace kv {

namespace {

constexpr std::uint32_t kCommandInputTag = 1;          // copy-data tag the host reads as typed input
constexpr std::uint32_t kCopyHistoryCommand = 0x800D;  // text window: history to the clipboard
constexpr std::string_view kCancel = "\x03";
// A read-only variable's answer is the newest line of the history; the tail keeps
// older lines out of the search.
constexpr size_t kHistoryTailCharacters = 256;
// How long a slow host may take to show its answer, and how often to look meanwhile.
// A command that ends at once where it began (at the command prompt) shows no change
// at all, so this is also what waiting for it costs.
constexpr long long kAnswerWaitMs = 700;
constexpr int kPollMs = 10;
constexpr int kPolls = kAnswerWaitMs / kPollMs;

std::string_view LastCharacters(std::string_view utf8, size_t count) {
    size_t i = utf8.size();
    while (i > 0 && count > 0) {
        --i;
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) --count;
    }
    return utf8.substr(i);
}

// The part of `text` from the "=" of the last "NAME =" in it (the name's ASCII
// letters in any case); empty when the text holds no answer for that variable.
std::string_view FromAnswerOf(std::string_view text, std::string_view name) {
    if (name.empty()) return {};
    const std::string upperText = UpperAscii(text);
    const std::string upperName = UpperAscii(name);
    for (size_t p = upperText.rfind(upperName); p != std::string::npos;
         p = p == 0 ? std::string::npos : upperText.rfind(upperName, p - 1)) {
        size_t q = p + name.size();
        while (q < text.size() && text[q] == ' ') ++q;
        if (q < text.size() && text[q] == '=') return text.substr(q);
    }
    return {};
}

// What the host wrote after `before`; all of `now` when the history was cut meanwhile.
std::string_view NewHistory(std::string_view before, std::string_view now) {
    return now.starts_with(before) ? now.substr(before.size()) : now;
}

// "1,2,3 (読み込み専用)" -> "1,2,3": the host's parenthesised remark is not part of the value.
std::string WithoutRemark(std::string value) {
    if (!EndsWith(value, ")")) return value;
    const size_t open = value.rfind('(');
    return open == std::string::npos ? value : Trim(std::string_view(value).substr(0, open));
}

}  // namespace

HostNotAnswering::HostNotAnswering() : std::runtime_error("AutoCAD が応答しません. 操作を中止しました.  ") {}

void HostLink::SendCommand(std::string_view text) {
    const WindowHandle main = FindHostWindows();
    if (!IsLive(main)) return;
    std::string promptBefore = ReadCommandLine();
    // A host that quit meanwhile is no fault; one still there did not take the text.
    if (!ws_.SendCopyData(main, kCommandInputTag, text) && IsLive(main)) throw HostNotAnswering();
    // The host's message loop may be idle in a wait; a posted message wakes it.
    ws_.PostNull(main);
    promptBeforeSend_ = std::move(promptBefore);
    historyAfterSend_ = ReadTextWindow();
    sentAt_ = clock_.Milliseconds();
    answered_ = false;
}

bool HostLink::AnsweredSinceSend() {
    if (!answered_ && (clock_.Milliseconds() - sentAt_ >= kAnswerWaitMs || ReadTextWindow() != historyAfterSend_))
        answered_ = true;
    return answered_;
}

std::string HostLink::ReadControl(WindowHandle control) {
    if (!IsLive(control)) return {};
    return ws_.ControlText(control);
}

std::string HostLink::ReadCommandLine() {
    found_.promptControl = found_.commandLineSecond = kNoWindow;
    const WindowHandle main = FindHostWindows();
    if (!IsLive(main)) return {};
    FindControlPair(main, found_.promptControl, found_.commandLineSecond);
    if (!IsLive(found_.promptControl)) {
        const WindowHandle floating = FindCommandLineWindow();
        if (IsLive(floating)) FindControlPair(floating, found_.promptControl, found_.commandLineSecond);
    }
    std::string prompt = ReadControl(found_.promptControl);
    if (prompt != promptBeforeSend_) answered_ = true;
    return prompt;
}

std::string HostLink::ReadTextWindow() {
    found_.textPromptControl = found_.textHistoryControl = kNoWindow;
    const WindowHandle textWindow = FindTextWindow();
    if (!IsLive(textWindow)) return {};
    FindControlPair(textWindow, found_.textPromptControl, found_.textHistoryControl);
    return ReadControl(found_.textHistoryControl);
}

std::string HostLink::CopyHistoryLastLine() {
    const WindowHandle textWindow = FindTextWindow();
    if (!IsLive(textWindow)) return {};
    ws_.SendCommandMessage(textWindow, kCopyHistoryCommand);
    return LastLine(ws_.ClipboardText());
}

std::string HostLink::GetSysVar(std::string_view name) {
    if (!IsLive(FindHostWindows())) return {};
    const std::string historyBefore = ReadTextWindow();
    // Typed transparently, the variable asks for a new value and shows the current
    // one in angle brackets; a cancel leaves it unchanged. A read-only one answers in
    // the history instead and leaves the prompt as it was.
    SendCommand(std::string("'").append(name).append("\r"));
    const std::string promptBefore = promptBeforeSend_;
    for (int poll = 0; poll < kPolls; ++poll, clock_.Sleep(kPollMs)) {
        const std::string prompt = ReadCommandLine();
        std::string value = TextBetween("<", ">", prompt);
        if (!value.empty() && prompt != promptBefore) {
            SendCommand(kCancel);
            // Left showing, the question would pass for the answer to the next read.
            WaitForPromptOtherThan(prompt);
            return value;
        }
        const std::string history = ReadTextWindow();
        value = TextBetween("=", "(", FromAnswerOf(NewHistory(historyBefore, history), name));
        if (!value.empty()) return value;
    }
    std::string value = TextBetween("<", ">", ReadCommandLine());
    if (!value.empty()) {
        SendCommand(kCancel);
        return value;
    }
    value = ReadOnlyValueInHistory(name);
    if (!value.empty()) return value;
    const std::string line = CopyHistoryLastLine();
    return WithoutRemark(TextAfterLast("=", FromAnswerOf(line, name)));
}

// A read-only variable prints "NAME = VALUE (remark)" into the history instead.
// Only a line naming the variable counts, so that an older answer is never taken
// for this one.
std::string HostLink::ReadOnlyValueInHistory(std::string_view name) {
    const std::string history = ReadTextWindow();
    const std::string_view tail = LastCharacters(history, kHistoryTailCharacters);
    return TextBetween("=", "(", FromAnswerOf(tail, name));
}

void HostLink::WaitForPromptOtherThan(std::string_view shown) {
    for (int poll = 0; poll < kPolls && ReadCommandLine() == shown; ++poll) clock_.Sleep(kPollMs);
}

std::string HostLink::ReadAnswer() {
    for (int poll = 0; poll < kPolls; ++poll, clock_.Sleep(kPollMs)) {
        std::string prompt = ReadCommandLine();
        if (AnsweredSinceSend()) return prompt;
    }
    return ReadCommandLine();
}

int HostLink::SelectionCount() {
    if (!IsCommandPrompt(ReadCommandLine())) return 0;
    return SelectionCountInHistory(ReadTextWindow());
}

}  // namespace kv
