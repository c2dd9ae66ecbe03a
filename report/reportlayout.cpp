#include "reportlayout.h"

namespace spindex::report {

namespace {
constexpr std::size_t TotalLabelWidth = 35;
constexpr std::size_t TotalValueWidth = 7;
constexpr std::size_t SetLabelWidth = 18;
constexpr std::size_t SetValueWidth = 7;
constexpr std::size_t HeightValueWidth = 15;

// A number cut to its field would read as another number: one too long is written whole after a blank.
std::string valueField(std::string_view value, std::size_t width) {
    return value.size() > width ? " " + std::string(value) : rightAlign(value, width);
}

std::string totalLine(const ReportInput& input, std::size_t k) {
    return rightAlign(input.totalLabels[k], TotalLabelWidth) + "  " + valueField(input.totalValues[k], TotalValueWidth);
}
std::string setLine(const SetRecord& set, std::size_t k) {
    return rightAlign(set.labels[k], SetLabelWidth) + valueField(set.values[k], SetValueWidth);
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

} // namespace spindex::report
