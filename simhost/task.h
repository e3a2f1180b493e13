// The coroutine type commands are written in. A command reads like the dialogue
// it holds with the user: it awaits an answer at each prompt and may await other
// tasks (object selection, point input) that return a value. A task starts
// suspended; awaiting it runs it, and when it ends it resumes its awaiter.
// Destroying a suspended task destroys every task it awaits (cancel).
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace kv::sim {

namespace detail {

struct PromiseBase {
    std::coroutine_handle<> continuation;
    std::exception_ptr error;

    std::suspend_always initial_suspend() noexcept { return {}; }

    struct FinalAwaiter {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
            std::coroutine_handle<> next = done.promise().continuation;
            return next ? next : std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
    void unhandled_exception() { error = std::current_exception(); }
};

template <typename T>
struct PromiseValue {
    std::optional<T> value;
    void return_value(T v) { value = std::move(v); }
};

template <>
struct PromiseValue<void> {
    void return_void() {}
};

}  // namespace detail

template <typename T = void>
class [[nodiscard]] Task {
public:
    struct promise_type : detail::PromiseBase, detail::PromiseValue<T> {
        Task get_return_object() { return Task(std::coroutine_handle<promise_type>::from_promise(*this)); }
    };

    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            if (handle_) handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() {
        if (handle_) handle_.destroy();
    }

    // Runs a top-level task up to its first question (or its end).
    void Start() { handle_.resume(); }
    bool Done() const { return !handle_ || handle_.done(); }
    std::exception_ptr Error() const { return handle_ ? handle_.promise().error : nullptr; }

    bool await_ready() const noexcept { return false; }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiter) noexcept {
        handle_.promise().continuation = awaiter;
        return handle_;
    }
    T await_resume() {
        if (handle_.promise().error) std::rethrow_exception(handle_.promise().error);
        if constexpr (!std::is_void_v<T>) return std::move(*handle_.promise().value);
    }

private:
    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    std::coroutine_handle<promise_type> handle_;
};

}  // namespace kv::sim
