// Reading the host's prompt and history texts. The host answers only in text, so
// every value the palette learns from it passes through these helpers.
#pragma once

#include <string>
#include <string_view>

#include "base/point3.h"

namespace kv {

// The host is idle when its prompt equals one of these exactly (older releases
// print the half-width form).
inline constexpr std::string_view kCommandPromptHalfWidth = "ｺﾏﾝﾄﾞ: ";
inline constexpr std::string_view kCommandPromptFullWidth = "コマンド: ";

bool IsCommandPrompt(std::string_view prompt);

// The host asks for more objects of a selection (both widths).
inline constexpr std::string_view kSelectObjectsPromptHalfWidth = "ｵﾌﾞｼﾞｪｸﾄを選択: ";
inline constexpr std::string_view kSelectObjectsPromptFullWidth = "オブジェクトを選択: ";

bool IsSelectObjectsPrompt(std::string_view prompt);

// Trimmed text between the last `left` and the first `right` after it; empty when
// either is missing or nothing stands between them.
std::string TextBetween(std::string_view left, std::string_view right, std::string_view text);

// Trimmed text after the last `marker`; empty when it does not occur.
std::string TextAfterLast(std::string_view marker, std::string_view text);

// The last line of a CR LF separated text, ignoring one closing line break.
std::string LastLine(std::string_view text);

// The object count of the last selection report in `history` ("認識された数: 1",
// "認識された数: 1、総数 3"); -1 when no count can be read.
int SelectionCountInHistory(std::string_view history);

// "x,y" or "x,y,z", optionally wrapped in double quotes. Two numbers leave z as it
// was. On a bad number the result is false; values read before it stay written.
bool ParsePoint(std::string_view text, Point3& point);

// "1.2500" -> "1.25", "3.000" -> "3.0": one digit always stays after the point.
// Texts without a plain decimal fraction ("100", "1.5E10") are returned unchanged.
std::string TrimTrailingZeros(std::string_view number);

}  // namespace kv
