#pragma once

// The configuration report: what the report window draws and what the text file holds, both built
// from the texts of the main window at the moment the report is asked for.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace spindex::report {

struct SetRecord {
    std::array<std::string, 5> labels; // Raid Level, Number of Drives, ...
    std::array<std::string, 5> values;
    bool halfHeight = false;
    bool defined() const { return !values[0].empty(); }
};

struct ReportInput {
    std::array<std::string, 4> totalLabels;
    std::array<std::string, 4> totalValues;
    std::array<SetRecord, 8> sets;
};

// A line of positioned text: twips from the top left of the drawing area.
struct PrintedLine {
    int x = 0;
    int y = 0;
    int size = 0; // points
    bool emphasis = false;
    std::string text;
    bool operator==(const PrintedLine&) const = default;
};

// The text right-aligned in a field of the width; a longer text keeps its first characters (a label:
// a value longer than its field is written whole after a blank instead).
std::string rightAlign(std::string_view text, std::size_t width);

// Height of one printed line in twips for a font size in points.
int lineHeight(int points);

std::vector<PrintedLine> displayLines(const ReportInput& input);
std::vector<std::string> textLines(const ReportInput& input);
// The lines joined with CR LF after each, as the file holds them.
std::string textFile(const ReportInput& input);

} // namespace spindex::report
