// EXPECT_THROW_MESSAGE(statement, Type, text): the statement throws Type and its what() is
// exactly text. Another exception type escapes and fails the test with its own message.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kv::test {

template <class Expected, class Callable>
std::string ThrownMessage(Callable&& call) {
    try {
        call();
    } catch (const Expected& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

}  // namespace kv::test

#define EXPECT_THROW_MESSAGE(statement, Type, text) EXPECT_EQ(::kv::test::ThrownMessage<Type>([&] { statement; }), text)
