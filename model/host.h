#pragma once

// What the program asks of its surroundings: message boxes, the save dialog, printing and starting
// another program. The window build implements it with real dialogs; the batch tool and the tests
// implement it with scripted answers.

#include <optional>
#include <string>

namespace spindex {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Exclamation, Question, Information };
enum class MsgAnswer { Ok, Yes, No };

class Host {
public:
    virtual ~Host() = default;
    virtual MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) = 0;
    // The save-file dialog: the chosen path (default extension appended), or nothing on Cancel.
    virtual std::optional<std::string> saveFileName(const std::string& filter, const std::string& defaultExt) = 0;
    virtual void printWindow(const std::string& window) = 0;
    virtual void printerSetup(const std::string& window) = 0;
    // Starts a program in a normal window; false when it cannot be started.
    virtual bool startProgram(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual void programEnded() = 0;
};

} // namespace spindex
