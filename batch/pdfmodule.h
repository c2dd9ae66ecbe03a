#pragma once

// The batch tool's PDF drawing lives in a module of its own, loaded the first time a script writes a
// PDF: the tool itself links only QtCore, so a script without PDF output starts without Qt's GUI
// library. The module starts that library on its offscreen platform, which needs no display.

#include <string>

namespace spindex {
class MainForm;
class ReportForm;
} // namespace spindex

namespace spindex::batch {

// What to draw: the main window's proposal (planFile names the plan's file, "" for none), or the
// report window's report.
struct PdfRequest {
    const MainForm* proposalOf = nullptr;
    std::string planFile;
    const ReportForm* report = nullptr;
};

// The module's one entry point: draws the request into pdf; empty on success, else the reason.
using DrawPdf = std::string (*)(const PdfRequest& request, std::string& pdf);
inline constexpr const char* DrawPdfSymbol = "spindexBatchDrawPdf";
// Ends Qt's GUI library before the tool ends, so that it lets go of what its fonts hold.
using EndPdf = void (*)();
inline constexpr const char* EndPdfSymbol = "spindexBatchEndPdf";

} // namespace spindex::batch
