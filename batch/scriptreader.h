#pragma once

// Reading a script line into words.
//
// Words are separated by blanks (spaces and tabs). A double quote opens a quoted part of a word that
// runs to the next unescaped double quote; inside it blanks belong to the word, `\"` is a quote and
// `\\` a backslash (any other backslash stays as it is). `""` is the empty word. Outside quotes every
// character but the blank is taken literally, backslashes included (Windows paths).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spindex::batch {

// Whether the line holds no command: blank, or a comment (first non-blank character `#`).
bool isSkipped(std::string_view line);

// The words of the line, or nothing with the reason in error (an unterminated quote).
std::optional<std::vector<std::string>> splitWords(std::string_view line, std::string& error);

} // namespace spindex::batch
