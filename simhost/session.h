// The command interpreter behind the command line: it turns typed characters into
// answers, runs commands as coroutines that ask questions, keeps the prompt line
// and the history, and records undo steps. Commands talk to the user only
// through Ask and the history helpers here.
#pragma once

#include <coroutine>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing.h"
#include "geometry.h"
#include "task.h"

namespace kv::sim {

// What ends an answer: a blank or Enter, or (names and texts) Enter only.
enum class AnswerEnd { Word, Line };

struct Question {
    std::string prompt;
    AnswerEnd end = AnswerEnd::Word;
    // An object prompt takes a window dragged by the user.
    bool objectPrompt = false;
    // A modal file dialog: it swallows typed input until the user presses Esc.
    bool dialog = false;
};

struct Answer {
    std::string text;
    std::optional<Point3> pick;
    std::optional<std::pair<Point3, Point3>> window;

    bool Empty() const { return text.empty() && !pick && !window; }
};

// File access of the commands (DXFOUT, -INSERT, SCRIPT); tests supply their own.
struct HostFiles {
    std::function<std::optional<std::string>(const std::string& path)> read;
    std::function<bool(const std::string& path, const std::string& bytes)> write;
    std::function<bool(const std::string& path)> exists;
};
HostFiles RealFiles();

// Switches that make the host misbehave for reliability tests, and its options.
struct HostSwitches {
    bool halfWidthTexts = false;  // the older host: idle prompt, selection prompt, cancel word
    bool dxfoutWritesNothing = false;
    bool insertFileMissing = false;
    bool slowPrompt = false;  // the windows show a changed prompt line some ticks late
};

class Session;
using CommandFunction = Task<void> (*)(Session&);

class Session {
public:
    explicit Session(HostFiles files);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Input from the keyboard or the command channel (UTF-8).
    void Type(std::string_view text);
    void Pick(Point3 p);
    void GiveWindow(Point3 first, Point3 second);
    // The Esc key: cancels like "\x03" and also closes a file dialog.
    void PressEscape();

    std::string PromptLine() const;
    const std::vector<std::string>& History() const { return history_; }
    bool Idle() const { return frames_.empty(); }
    bool DialogOpen() const;

    Drawing& drawing() { return drawing_; }
    const Drawing& drawing() const { return drawing_; }
    // A drawing opened in place of this one: its undo steps go with it.
    void ReplaceDrawing(Drawing drawing);
    HostSwitches& switches() { return switches_; }
    // The object-selection prompt in the form the host's switches choose.
    std::string_view SelectObjectsPrompt() const;
    const HostSwitches& switches() const { return switches_; }
    HostFiles& files() { return files_; }
    // Folder that relative file names are taken from.
    std::string workingFolder;

    // --- for commands ---
    struct AskAwaiter {
        Session& session;
        Question question;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> waiting);
        Answer await_resume();
    };
    // Arguments of an awaited call must not be temporaries that need destroying:
    // GCC 12 destroys such temporaries twice when a command is cancelled while it
    // waits. Prompts are therefore passed as views of texts that outlive the wait.
    AskAwaiter Ask(std::string_view prompt, AnswerEnd end = AnswerEnd::Word, bool objectPrompt = false) {
        return AskAwaiter{*this, Question{std::string(prompt), end, objectPrompt, false}};
    }
    AskAwaiter AskDialog() { return AskAwaiter{*this, Question{"", AnswerEnd::Line, false, true}}; }
    // Prompt text as shown: with ">>" inside a transparent command.
    std::string Decorate(std::string_view prompt) const;

    void Print(std::string line);
    void AppendToLastLine(std::string_view text);

    // Every point given becomes the last point.
    Point3 LastPoint() const { return drawing_.vars.lastPoint; }
    void SetLastPoint(Point3 p) { drawing_.vars.lastPoint = p; }
    // Drawing units covered by the pick box and the object snap aperture.
    double PickRadius() const;
    double ApertureRadius() const;

    // New entities take the current layer, colour, linetype and linetype scale.
    Handle AddEntity(Geometry geom);

    std::vector<Handle> previousSet;

    // Runs the script text after the current command ends, before any further input.
    void RunScriptText(std::string_view text);

    // Undo bookkeeping (UNDO command).
    void UndoMark();
    // Steps back to the last mark; false when there is no mark (nothing changes).
    bool UndoBack();
    void UndoAll();
    int UndoSteps(int count);  // returns how many were undone

private:
    struct Frame;

    void Process();
    void Submit(Answer answer, std::string echo);
    void StartCommand(std::string_view typed, bool transparent);
    void Resume(Frame& frame);
    void EndTopFrame();
    void CancelAll();
    void RecordUndoStep();
    const Question* CurrentQuestion() const;
    std::string IdlePrompt() const;
    void Reprompt(std::string_view message);

    struct UndoEntry {
        bool mark = false;
        Drawing before;
    };

    Drawing drawing_;
    HostFiles files_;
    HostSwitches switches_;
    std::vector<std::string> history_;
    std::string pending_;
    std::string input_;
    std::size_t inputPos_ = 0;
    bool processing_ = false;
    int scriptRuns_ = 0;
    std::vector<std::unique_ptr<Frame>> frames_;
    Frame* running_ = nullptr;
    std::optional<Drawing> commandStart_;
    std::vector<UndoEntry> undo_;
};

// The table of commands typed by name ("LINE", "-INSERT"), aliases included.
CommandFunction FindCommand(std::string_view upperName);

}  // namespace kv::sim
