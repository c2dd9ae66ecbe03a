#include "reportlayout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace spindex::report {

namespace {
constexpr std::size_t TotalLabelWidth = 35;
constexpr std::size_t TotalValueWidth = 7;
constexpr std::size_t SetLabelWidth = 18;
constexpr std::size_t SetValueWidth = 7;
constexpr std::size_t HeightValueWidth = 15;

std::string totalLine(const ReportInput& input, std::size_t k) {
    return rightAlign(input.totalLabels[k], TotalLabelWidth) + "  " + rightAlign(input.totalValues[k], TotalValueWidth);
}
std::string setLine(const SetRecord& set, std::size_t k) {
    return rightAlign(set.labels[k], SetLabelWidth) + rightAlign(set.values[k], SetValueWidth);
}
std::string heightLine(const SetRecord& set) {
    return rightAlign("Drive Height", SetLabelWidth) +
           rightAlign(set.halfHeight ? "Half Height" : "Low Profile", HeightValueWidth);
}
} // namespace

std::string rightAlign(std::string_view text, std::size_t width) {
    if (text.size() >= width)
        return std::string(text.substr(0, width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

int lineHeight(int points) {
    return points * 23;
}

std::vector<PrintedLine> displayLines(const ReportInput& input) {
    std::vector<PrintedLine> lines;
    int y = 0;
    int size = 11;
    bool emphasis = false;
    auto print = [&](int x, std::string text) {
        lines.push_back({x, y, size, emphasis, std::move(text)});
        y += lineHeight(size);
    };
    for (std::size_t k = 0; k < 4; ++k)
        print(1000, totalLine(input, k));
    print(0, "\r\r\r");

    int column = 1000;
    y = 1800;
    for (std::size_t t = 0; t < input.sets.size(); ++t) {
        const SetRecord& set = input.sets[t];
        if (!set.defined())
            break;
        if (t == 4) {
            column = 5500;
            y = 1800;
        }
        size = 15;
        emphasis = true;
        print(column, "  Logical Drive   " + std::to_string(t) + " " + "   ");
        size = 9;
        emphasis = false;
        for (std::size_t k = 0; k < 5; ++k)
            print(column, "   " + setLine(set, k));
        print(column, "   " + heightLine(set));
        print(0, "\r");
    }
    return lines;
}

std::vector<std::string> textLines(const ReportInput& input) {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < 4; ++k)
        lines.push_back(totalLine(input, k));
    lines.insert(lines.end(), 3, std::string());
    for (std::size_t t = 0; t < input.sets.size(); ++t) {
        const SetRecord& set = input.sets[t];
        if (!set.defined())
            break;
        lines.push_back("Logical Drive " + std::to_string(t));
        for (std::size_t k = 0; k < 5; ++k)
            lines.push_back(setLine(set, k));
        lines.push_back(heightLine(set));
        lines.emplace_back();
    }
    return lines;
}

std::string textFile(const ReportInput& input) {
    std::string content;
    for (const std::string& line : textLines(input))
        content += line + "\r\n";
    return content;
}

std::string writeFileReplacing(const std::string& path, const std::string& content) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return "the folder does not exist";
    if (fs::exists(target, ec) && fs::is_directory(target, ec))
        return "it is a folder";
    if (fs::exists(target, ec)) {
        // An existing file that may not be written stays as it is, as a user would expect.
        const auto perms = fs::status(target, ec).permissions();
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe ||
            (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) == fs::perms::none)
            return "no permission to write it";
    }
    std::random_device random;
    const fs::path temporary =
        folder / (".~" + target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return std::strerror(errno);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ec);
            return "the file could not be written completely";
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return ec.message();
    }
    return {};
}

} // namespace spindex::report
