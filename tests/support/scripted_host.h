// A small host for the engine tests, on the fake desktop of the host-link tests: it
// reads typed text the way the host does (tokens ended by a blank or Enter, "\x03"
// cancels), runs LINE, ID, UNDO, SELECT and system variables, keeps the prompt line
// and the history in the host's windows, and lets the test act as the user.
#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/fake_window_system.h"
#include "base/strings.h"

namespace kv::test {

class ScriptedHost {
public:
    static constexpr std::uint32_t kThread = 7;
    static constexpr std::uint32_t kCopyHistory = 0x800D;

    explicit ScriptedHost(FakeWindowSystem& ws) : ws_(ws) {
        ws_.onCopyData = [this](WindowHandle target, std::string_view text) {
            if (running_ && target == windows_.frame) Type(text);
        };
        ws_.onCommand = [this](WindowHandle w, std::uint32_t id) {
            if (running_ && w == windows_.textWindow && id == kCopyHistory) ws_.clipboard = HistoryText();
        };
    }

    void Start() {
        windows_ = AddFakeHost(ws_, kThread);
        running_ = true;
        mode_ = Mode::Idle;
        prompt_ = "コマンド: ";
        typed_.clear();
        Show();
    }
    void Quit() {
        ws_.Destroy(windows_.frame);
        ws_.Destroy(windows_.textWindow);
        running_ = false;
    }
    const FakeHost& Windows() const { return windows_; }

    // --- the user at the host
    void Pick(double x, double y) {
        Answer(Number(x) + "," + Number(y));
        Show();
    }
    void PressEnter() {
        Answer("");
        Show();
    }
    void PressEscape() { Cancel(); }
    void Type(std::string_view text) {
        for (char c : text) {
            if (c == '\x03') {
                Cancel();
            } else if (c == ' ' || c == '\r') {
                const std::string token = std::move(typed_);
                typed_.clear();
                Answer(token);
            } else {
                typed_ += c;
            }
            Show();
        }
    }

    // --- switches and inspection
    std::map<std::string, std::string> vars{{"SNAPMODE", "1"},
                                            {"DIMSCALE", "2.5"},
                                            {"CLAYER", "\"0\""},
                                            {"LUPREC", "4"},
                                            {"LASTPOINT", "0.0000,0.0000,0.0000"}};
    // A garbled prompt line, shown instead of the real one until reset.
    void ShowPrompt(std::optional<std::string> garbled) {
        promptShown_ = std::move(garbled);
        Show();
    }
    std::optional<std::string> idAnswer;  // what ID prints instead of the coordinates
    std::vector<std::string> history;
    int segments = 0;
    std::vector<int> undoMarks;  // segment count at each mark

    std::string Prompt() const { return prompt_ + typed_; }
    bool Idle() const { return mode_ == Mode::Idle; }

private:
    enum class Mode { Idle, LineFirst, LineNext, Id, Variable, Undo, UndoAll, Select };

    static std::string Number(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", v);
        return buffer;
    }

    std::string Fixed(double v) const {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", std::stoi(vars.at("LUPREC")), v);
        return buffer;
    }

    std::string HistoryText() const {
        std::string text;
        for (const std::string& line : history) text += line + "\r\n";
        return text;
    }

    void Show() {
        if (!running_) return;
        const std::string shown = promptShown_.value_or(Prompt());
        ws_.SetText(windows_.prompt, shown);
        ws_.SetText(windows_.textPrompt, shown);
        ws_.SetText(windows_.history, HistoryText());
    }

    void Ask(Mode mode, std::string prompt) {
        mode_ = mode;
        prompt_ = std::move(prompt);
    }
    void Finish(const std::string& answer) {
        history.push_back(prompt_ + answer);
        Ask(Mode::Idle, "コマンド: ");
    }
    void Cancel() {
        typed_.clear();
        history.push_back(Prompt() + "*キャンセル*");
        Ask(Mode::Idle, "コマンド: ");
        Show();
    }

    void Answer(const std::string& token) {
        const std::string upper = UpperAscii(token);
        switch (mode_) {
        case Mode::Idle: return StartCommand(upper);
        case Mode::LineFirst: return LinePoint(token);
        case Mode::LineNext: return LinePoint(token);
        case Mode::Id: return IdPoint(token);
        case Mode::Variable: return SetVariable(token);
        case Mode::Undo: return UndoOption(upper);
        case Mode::UndoAll: return UndoEverything(upper);
        case Mode::Select:
            if (token.empty()) Finish("");
            return;
        }
    }

    void StartCommand(const std::string& typed) {
        if (typed.empty()) return Show();
        const bool transparent = typed[0] == '\'';
        const std::string name = transparent ? typed.substr(1) : typed;
        if (vars.count(name)) return AskVariable(name, transparent);
        history.push_back(prompt_ + typed);
        if (name == "LINE") return Ask(Mode::LineFirst, "1 点目を指定: ");
        if (name == "ID") return Ask(Mode::Id, "点を指定: ");
        if (name == "UNDO")
            return Ask(
                Mode::Undo,
                "元に戻す操作の数を入力 または [自動(A)/コントロール(C)/開始(BE)/終了(E)/マーク(M)/後退(B)] <1>: ");
        if (name == "SELECT") return Ask(Mode::Select, "オブジェクトを選択: ");
        history.push_back("\"" + name + "\" は未知のコマンドです。");
    }

    void AskVariable(const std::string& name, bool transparent) {
        variable_ = name;
        Ask(Mode::Variable, std::string(transparent ? ">>" : "") + name + " の新しい値を入力 <" + vars[name] + ">: ");
    }

    void SetVariable(const std::string& value) {
        if (!value.empty()) {
            const bool quoted = StartsWith(vars[variable_], "\"");
            vars[variable_] = quoted ? "\"" + value + "\"" : value;
        }
        Finish(value);
    }

    void LinePoint(const std::string& token) {
        if (token.empty()) return Finish("");
        history.push_back(prompt_ + token);
        vars["LASTPOINT"] = token;
        if (mode_ == Mode::LineNext) ++segments;
        ++linePoints_;
        if (mode_ == Mode::LineFirst) linePoints_ = 1;
        Ask(Mode::LineNext,
            linePoints_ >= 3 ? "次の点を指定 または [閉じる(C)/元に戻す(U)]: " : "次の点を指定 または [元に戻す(U)]: ");
    }

    void IdPoint(const std::string& token) {
        const std::vector<std::string> xy = Split(token, ',');
        Finish(token);
        if (idAnswer) {
            history.push_back(*idAnswer);
        } else if (xy.size() >= 2) {
            history.push_back("X = " + Fixed(std::stod(xy[0])) + "     Y = " + Fixed(std::stod(xy[1])) +
                              "     Z = " + Fixed(0));
        }
    }

    void UndoOption(const std::string& option) {
        if (option == "M") {
            undoMarks.push_back(segments);
            return Finish(option);
        }
        if (option != "B") return Finish(option);
        if (undoMarks.empty()) {
            history.push_back(prompt_ + option);
            return Ask(Mode::UndoAll, "すべての操作が取り消されます。よろしいですか? <Y>: ");
        }
        segments = undoMarks.back();
        undoMarks.pop_back();
        Finish(option);
    }

    void UndoEverything(const std::string& answer) {
        if (answer.empty() || answer == "Y") segments = 0;
        Finish(answer);
    }

    FakeWindowSystem& ws_;
    FakeHost windows_;
    bool running_ = false;
    Mode mode_ = Mode::Idle;
    std::string prompt_ = "コマンド: ";
    std::string typed_;
    std::string variable_;
    int linePoints_ = 0;
    std::optional<std::string> promptShown_;
};

}  // namespace kv::test
