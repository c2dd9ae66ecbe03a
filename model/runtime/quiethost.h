#pragma once

// Surroundings that show nothing: every question is answered Yes, every dialog is cancelled and no
// file is read or written. The program runs behind it when nobody watches, as when a plan is
// rebuilt in a scratch program before it is applied, and in the timings.

#include <string>
#include <vector>

#include "runtime/host.h"

namespace spindex {

class QuietHost : public Host {
public:
    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon, const std::string&) override {
        ++messages;
        texts.push_back(text);
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> openFileName(const std::string&) override { return {}; }
    std::string writeFile(const std::string&, const std::string&) override { return "nothing is written here"; }
    std::string readFile(const std::string&, std::string& content, std::int64_t) override {
        content.clear();
        return "nothing is read here";
    }
    void printWindow(const std::string&) override {}
    void printerSetup(const std::string&) override {}
    bool startProgram(const std::string&) override { return false; }
    bool fileExists(const std::string&) override { return false; }
    std::string showDocument(const std::string&) override { return "nothing is shown here"; }
    void programEnded() override {}

    int messages = 0;               // message boxes the program would have shown
    std::vector<std::string> texts; // and their texts, in order
};

} // namespace spindex
