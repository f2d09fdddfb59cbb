// The help the control offers: the file it names at creation, opened on its contents
// from the pop-up menu and closed when the control goes away.
#pragma once

#include <string>
#include <vector>

namespace control {

// The platform's help viewer.
class HelpService {
public:
    virtual ~HelpService() = default;
    // Opens the contents of the help file.
    virtual void openContents(const std::string& helpFile) = 0;
    // Closes whatever the viewer shows of that file.
    virtual void quit(const std::string& helpFile) = 0;
};

// Records the calls, for tests and unattended runs, where nothing is shown.
class RecordingHelpService : public HelpService {
public:
    struct Call {
        std::string command;  // "contents" or "quit"
        std::string file;
    };
    void openContents(const std::string& helpFile) override { calls.push_back({"contents", helpFile}); }
    void quit(const std::string& helpFile) override { calls.push_back({"quit", helpFile}); }
    std::vector<Call> calls;
};

// The help file of the control in the application's folder (or another page of the help
// beside it).
inline std::string HelpFilePath(const std::string& appPath, const std::string& name = "ControleEditDntVardec.html") {
    if (!appPath.empty() && appPath.back() == '/') return appPath + name;
    return appPath + "/" + name;
}

}  // namespace control
