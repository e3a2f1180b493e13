// The two numbers an operation runs on: the timer state it is in, and the queue code of a button
// pressed meanwhile. Several codes equal state numbers of other operations (401 is a queue code
// and a picker state), so each has a type of its own and the two never compare.
#pragma once

namespace kv {

// A state of the operation timer. Each feature names its states in its own states header; the
// idle state is everybody's.
enum class State : int {};
inline constexpr State kIdle{0};

// The button LastOp runs once the running operation has ended.
enum class QueueCode : int {
    kNone = 0,
    kDrawLine = 101,
    kDrawLineN = 151,
    kTrimLine = 201,
    kTrimBlock = 301,
    kMoveBlock = 401,
    kCopyBlock = 501,
    kEraseBlock = 601,
    kEraseLine = 701,
    kJunctionMark = 801,
    kStretch = 901,
    kJointLine = 1001,
    kTwist = 1201,
    kShield = 1301,
    // The wire-number operation again, without its dialog.
    kWireNumberAtPoint = 1401,
    kWireNumberAlongLine = 1501,
};

// The decimal numbers the form's labels and the story runner show.
constexpr int Number(State state) { return static_cast<int>(state); }
constexpr int Number(QueueCode code) { return static_cast<int>(code); }

}  // namespace kv
