#pragma once

#include "reportlayout.h"

namespace spindex {

class MainForm;
class Program;

// The report's content: the texts of the main window's totals and sets, read at this moment.
report::ReportInput reportInput(const MainForm& main);

// Asks for a file name and writes the report there as text; a failure is reported to the user.
void SaveReportText(Program& program);

} // namespace spindex
