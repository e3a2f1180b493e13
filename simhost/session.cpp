#include "session.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/strings.h"
#include "host_texts.h"
#include "sysvars.h"

namespace kv::sim {

namespace {

// Screen pixels of the pick box and the object snap aperture (the host's defaults).
constexpr double kPickBoxPixels = 3;
constexpr double kAperturePixels = 10;
// A script that keeps starting scripts is stopped after this many in one input.
constexpr int kMaxScriptRuns = 64;
// The text window keeps this many lines; the oldest quarter goes when it is full.
constexpr std::size_t kMaxHistoryLines = 4000;

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool SameForUndo(const Drawing& a, const Drawing& b) {
    const DrawingVars& x = a.vars;
    const DrawingVars& y = b.vars;
    bool sameVars = x.snapMode == y.snapMode && x.orthoMode == y.orthoMode && x.dimScale == y.dimScale &&
                    x.cLayer == y.cLayer && x.ceColor == y.ceColor && x.celtScale == y.celtScale &&
                    x.celtype == y.celtype && x.filletRad == y.filletRad && x.luPrec == y.luPrec &&
                    x.insBase == y.insBase;
    return sameVars && a.Entities() == b.Entities() && a.layers == b.layers && a.linetypes == b.linetypes &&
           a.styles == b.styles && a.blocks == b.blocks;
}

}  // namespace

HostFiles RealFiles() {
    HostFiles files;
    files.read = [](const std::string& path) -> std::optional<std::string> {
        std::ifstream in(PathOf(path), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    files.write = [](const std::string& path, const std::string& bytes) {
        std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out.flush());
    };
    files.exists = [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(PathOf(path), ec);
    };
    return files;
}

struct Session::Frame {
    Task<void> task;
    bool transparent = false;
    bool started = false;
    Question question;
    std::coroutine_handle<> waiting;
    std::optional<Answer> answer;
};

Session::Session(HostFiles files) : files_(std::move(files)) {}

Session::~Session() {
    // Inner (transparent) commands go before the command they interrupt.
    while (!frames_.empty()) frames_.pop_back();
}

void Session::AskAwaiter::await_suspend(std::coroutine_handle<> waiting) {
    Frame& frame = *session.running_;
    frame.question = std::move(question);
    frame.question.prompt = session.Decorate(frame.question.prompt);
    frame.waiting = waiting;
}

Answer Session::AskAwaiter::await_resume() {
    Frame& frame = *session.running_;
    Answer answer = std::move(*frame.answer);
    frame.answer.reset();
    return answer;
}

std::string Session::Decorate(std::string_view prompt) const {
    bool inner = running_ && running_->transparent;
    return inner ? std::string(text::kTransparentPrefix) + std::string(prompt) : std::string(prompt);
}

std::string Session::IdlePrompt() const {
    return std::string(switches_.halfWidthTexts ? text::kIdleHalfWidth : text::kIdle);
}

std::string_view Session::SelectObjectsPrompt() const {
    return switches_.halfWidthTexts ? text::kSelectObjectsHalfWidth : text::kSelectObjects;
}

const Question* Session::CurrentQuestion() const { return frames_.empty() ? nullptr : &frames_.back()->question; }

bool Session::DialogOpen() const {
    const Question* q = CurrentQuestion();
    return q && q->dialog;
}

std::string Session::PromptLine() const {
    const Question* q = CurrentQuestion();
    return (q ? q->prompt : IdlePrompt()) + pending_;
}

void Session::Print(std::string line) {
    history_.push_back(std::move(line));
    if (history_.size() > kMaxHistoryLines) {
        history_.erase(history_.begin(), history_.begin() + static_cast<std::ptrdiff_t>(kMaxHistoryLines / 4));
    }
}

void Session::AppendToLastLine(std::string_view text) {
    if (history_.empty()) history_.emplace_back();
    std::string& last = history_.back();
    if (!last.empty() && last.back() != ' ') last += ' ';
    last += text;
}

void Session::Type(std::string_view text) {
    input_.append(text);
    Process();
}

void Session::Process() {
    if (processing_) return;  // a script queued more input; the running loop takes it
    processing_ = true;
    while (inputPos_ < input_.size()) {
        char c = input_[inputPos_++];
        const Question* q = CurrentQuestion();
        if (q && q->dialog) continue;
        if (c == '\x03' || c == '\x1b') {
            CancelAll();
        } else if (c == '\r' || c == '\n' || ((c == ' ' || c == '\t') && (!q || q->end == AnswerEnd::Word))) {
            Submit(Answer{pending_, {}, {}}, pending_);
        } else if (c == '\b') {
            while (!pending_.empty() && (static_cast<unsigned char>(pending_.back()) & 0xC0) == 0x80)
                pending_.pop_back();
            if (!pending_.empty()) pending_.pop_back();
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            pending_ += c;
        }
    }
    input_.clear();
    inputPos_ = 0;
    scriptRuns_ = 0;
    processing_ = false;
}

void Session::Pick(Point3 p) {
    if (DialogOpen()) return;
    Submit(Answer{"", p, {}}, "");
    Process();
}

void Session::GiveWindow(Point3 first, Point3 second) {
    const Question* q = CurrentQuestion();
    if (q && q->dialog) return;
    if (q && q->objectPrompt) {
        Submit(Answer{"", {}, std::make_pair(first, second)}, "");
        Process();
        return;
    }
    Pick(first);
    Pick(second);
}

void Session::PressEscape() { CancelAll(); }

// By value: callers pass pending_, which this clears first.
void Session::Submit(Answer answer, std::string echo) {  // NOLINT(performance-unnecessary-value-param)
    pending_.clear();
    if (frames_.empty()) {
        std::string name = Trim(answer.text);
        // Enter at the idle prompt does not repeat the last command; a pick there does nothing.
        if (name.empty()) return;
        Print(IdlePrompt() + echo);
        StartCommand(name, false);
        return;
    }
    Frame& top = *frames_.back();
    Print(top.question.prompt + echo);
    if (!answer.pick && !answer.window && top.question.end == AnswerEnd::Word && StartsWith(answer.text, "'")) {
        StartCommand(answer.text.substr(1), true);
        return;
    }
    top.answer = std::move(answer);
    Resume(top);
}

void Session::Reprompt(std::string_view message) { Print(std::string(message)); }

void Session::StartCommand(std::string_view typed, bool transparent) {
    std::string name = UpperAscii(Trim(typed));
    if (!transparent && StartsWith(name, "'")) name.erase(0, 1);
    const VariableInfo* variable = FindVariable(name);
    CommandFunction command = variable ? nullptr : FindCommand(name);
    if (transparent) {
        if (frames_.back()->transparent) return Reprompt(text::kNoNesting);
        if (!variable && command) return Reprompt(text::kNotTransparent);
    }
    if (!variable && !command) {
        Print(std::string(text::kUnknownCommandPrefix) + name + std::string(text::kUnknownCommandSuffix));
        return;
    }
    auto frame = std::make_unique<Frame>();
    frame->transparent = transparent;
    frame->task = variable ? RunVariable(*this, *variable) : command(*this);
    if (!transparent && name != "UNDO") commandStart_ = drawing_;
    frames_.push_back(std::move(frame));
    Resume(*frames_.back());
}

void Session::Resume(Frame& frame) {
    Frame* outer = running_;
    running_ = &frame;
    if (!frame.started) {
        frame.started = true;
        frame.task.Start();
    } else {
        std::exchange(frame.waiting, {}).resume();
    }
    running_ = outer;
    if (!frame.task.Done()) return;
    if (std::exception_ptr error = frame.task.Error()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            Print(std::string(text::kCommandFailed) + e.what());
        } catch (...) {
            Print(std::string(text::kCommandFailed));
        }
    }
    EndTopFrame();
}

void Session::EndTopFrame() {
    frames_.pop_back();
    if (frames_.empty()) RecordUndoStep();
}

void Session::CancelAll() {
    Print(PromptLine() + std::string(switches_.halfWidthTexts ? text::kCancelledHalfWidth : text::kCancelled));
    pending_.clear();
    if (frames_.empty()) return;
    while (!frames_.empty()) frames_.pop_back();
    RecordUndoStep();
}

void Session::RecordUndoStep() {
    if (!commandStart_) return;
    if (!SameForUndo(*commandStart_, drawing_)) undo_.push_back(UndoEntry{false, std::move(*commandStart_)});
    commandStart_.reset();
}

double Session::PickRadius() const { return kPickBoxPixels * drawing_.vars.viewSize / drawing_.vars.screenHeight; }

double Session::ApertureRadius() const { return kAperturePixels * drawing_.vars.viewSize / drawing_.vars.screenHeight; }

Handle Session::AddEntity(Geometry geom) {
    Entity e;
    e.layer = drawing_.vars.cLayer;
    e.color = drawing_.vars.ceColor;
    e.linetype = drawing_.vars.celtype;
    e.linetypeScale = drawing_.vars.celtScale;
    e.geom = std::move(geom);
    return drawing_.Add(std::move(e));
}

void Session::RunScriptText(std::string_view text) {
    if (++scriptRuns_ > kMaxScriptRuns) {
        Print(std::string(text::kScriptTooDeep));
        return;
    }
    // Queued only: the command that asked is still running; the input loop (or the
    // action that ran the command) takes the script next.
    input_ = std::string(text) + input_.substr(inputPos_);
    inputPos_ = 0;
}

namespace {

// Values that live with the session, not the drawing, and that undo leaves alone.
void KeepSessionValues(DrawingVars& restored, const DrawingVars& now) {
    restored.osMode = now.osMode;
    restored.fileDia = now.fileDia;
    restored.attReq = now.attReq;
    restored.attDia = now.attDia;
    restored.lastPoint = now.lastPoint;
    restored.viewCtr = now.viewCtr;
    restored.viewSize = now.viewSize;
    restored.screenWidth = now.screenWidth;
    restored.screenHeight = now.screenHeight;
}

}  // namespace

void Session::ReplaceDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    undo_.clear();
}

void Session::UndoMark() { undo_.push_back(UndoEntry{true, Drawing{}}); }

bool Session::UndoBack() {
    std::size_t mark = undo_.size();
    while (mark > 0 && !undo_[mark - 1].mark) --mark;
    if (mark == 0) return false;
    if (mark < undo_.size()) {
        Drawing restored = std::move(undo_[mark].before);
        KeepSessionValues(restored.vars, drawing_.vars);
        restored.KeepSeedAtLeast(drawing_.HandleSeed());
        drawing_ = std::move(restored);
    }
    undo_.resize(mark - 1);
    return true;
}

void Session::UndoAll() {
    for (UndoEntry& entry : undo_) {
        if (entry.mark) continue;
        Drawing restored = std::move(entry.before);
        KeepSessionValues(restored.vars, drawing_.vars);
        restored.KeepSeedAtLeast(drawing_.HandleSeed());
        drawing_ = std::move(restored);
        break;
    }
    undo_.clear();
}

int Session::UndoSteps(int count) {
    int done = 0;
    while (done < count && !undo_.empty() && !undo_.back().mark) {
        Drawing restored = std::move(undo_.back().before);
        KeepSessionValues(restored.vars, drawing_.vars);
        restored.KeepSeedAtLeast(drawing_.HandleSeed());
        drawing_ = std::move(restored);
        undo_.pop_back();
        ++done;
    }
    return done;
}

}  // namespace kv::sim
