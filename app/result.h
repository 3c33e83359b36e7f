#pragma once

#include <QString>

#include <tl/expected.hpp>

// A value, or the text that says why there is none; Result<> is success or that text.
// Written to read as std::expected, which this compiler does not have yet.
template <typename T = void> using Result = tl::expected<T, QString>;

// The failed result of any Result<T>: "return fail(text);".
inline tl::unexpected<QString> fail(const QString &text)
{
    return tl::unexpected<QString>(text);
}

// What failed, or an empty text when the result holds its value.
template <typename T> QString errorText(const Result<T> &result)
{
    return result ? QString() : result.error();
}
