#include "scriptreader.h"

namespace spindex::batch {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}
} // namespace

bool isSkipped(std::string_view line) {
    for (char c : line) {
        if (isBlank(c))
            continue;
        return c == '#';
    }
    return true;
}

std::optional<std::vector<std::string>> splitWords(std::string_view line, std::string& error) {
    std::vector<std::string> words;
    words.reserve(4);
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n)
            break;
        std::string word;
        while (i < n && !isBlank(line[i])) {
            if (line[i] != '"') {
                // The unquoted run up to the next blank or quote, at once.
                size_t end = i;
                while (end < n && !isBlank(line[end]) && line[end] != '"')
                    ++end;
                word.append(line.substr(i, end - i));
                i = end;
                continue;
            }
            ++i; // the opening quote
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < n && (line[i] == '"' || line[i] == '\\'))
                    word += line[i++];
                else
                    word += c;
            }
            if (!closed) {
                error = "unterminated quote";
                return std::nullopt;
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

} // namespace spindex::batch
