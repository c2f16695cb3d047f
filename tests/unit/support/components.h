// Test doubles for the component model: a component whose answers a test
// scripts, a host that records what an installation showed and logged, a
// prompter that answers from a script, and a data folder for the
// per-computer record.
#pragma once

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "components/install_host.h"
#include "components/orvo_component.h"
#include "framework/prompter.h"
#include "launcher/special_settings.h"
#include "support/temp_folder.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

class ScriptedComponent : public OrvoComponent {
public:
    ScriptedComponent(const char* name, unsigned bit, bool installed = false, bool installSucceeds = true) {
        displayName = name;
        componentBit = bit;
        this->installed = installed;
        this->installSucceeds = installSucceeds;
    }
    bool IsInstalled() override {
        ++isInstalledCalls;
        return installed;
    }
    bool Install(InstallHost& host) override {
        ++installCalls;
        if (onInstall) onInstall(host);
        if (!installSucceeds) {
            AddMessage(failureMessage);
            return false;
        }
        installed = true;
        restartRequired = asksRestart;
        return true;
    }

    bool installed;
    bool installSucceeds;
    bool asksRestart = false;
    std::string failureMessage = "It failed.";
    std::function<void(InstallHost&)> onInstall;
    int isInstalledCalls = 0;
    int installCalls = 0;
};

class RecordingHost : public InstallHost {
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    HWND GetOwnerWindow() override { return nullptr; }
    void PumpMessages() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
    void LogLine(const std::string& text) override { log.push_back(text); }
    void SetMarquee(bool on) override { marquee = on; }
    void SetProgressRange(int low, int high) override {
        rangeLow = low;
        rangeHigh = high;
    }
    void SetProgressStep(int step) override { this->step = step; }
    void SetProgressPos(int position) override { this->position = position; }
    void StepProgress() override { position += step; }
    bool IsSilent() override {
        silentFlag.reset();
        return silent;
    }
    bool GetSilentFlag() override { return silentFlag.value_or(silent); }
    void SetSilentFlag(bool value) override { silentFlag = value; }
    int InstallMessageBox(const std::string& text, UINT type, int silentResult) override {
        boxes.push_back(text);
        boxTypes.push_back(type);
        if (onBox) onBox(text);
        if (GetSilentFlag()) return silentResult;
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool IsClosing() override { return closing; }
    bool DownloadFile(const std::string& displayName, const std::string& url, const std::string& target,
                      std::string& error) override {
        downloads.push_back(url + " -> " + target);
        if (onDownload) return onDownload(displayName, url, target, error);
        error = "no download in this test";
        return false;
    }

    bool silent = false; // the "/Silent" option
    std::optional<bool> silentFlag; // set by SetSilentFlag until IsSilent refreshes it
    bool closing = false;
    bool marquee = false;
    int rangeLow = 0, rangeHigh = 0, step = 0, position = 0, pumps = 0;
    std::vector<std::string> statuses, log, boxes;
    std::vector<UINT> boxTypes;
    std::deque<int> answers;
    // Called with the number of pumps so far / with the text of each box
    // before it is answered: where a test plays the user or the network.
    std::function<void(int)> onPump;
    std::vector<std::string> downloads; // "<url> -> <target>"
    std::function<bool(const std::string&, const std::string&, const std::string&, std::string&)> onDownload;
    std::function<void(const std::string&)> onBox;
};

// Answers message boxes from a script (then with fallback) and keeps what was asked.
class ScriptedAnswers : public fw::Prompter {
public:
    explicit ScriptedAnswers(std::deque<int> script = {}, int fallback = IDOK)
        : script_(std::move(script)), fallback_(fallback) {
        previous_ = fw::SetPrompter(this);
    }
    ~ScriptedAnswers() override { fw::SetPrompter(previous_); }
    int Ask(const std::string& text, UINT type) override { return AskWithCaption(text, type, fw::kApplicationTitle); }
    int AskWithCaption(const std::string& text, UINT type, const std::string& caption) override {
        asked.push_back(text);
        types.push_back(type);
        if (onAsk) onAsk(text);
        captions.push_back(caption);
        if (script_.empty()) return fallback_;
        int answer = script_.front();
        script_.pop_front();
        return answer;
    }
    std::vector<std::string> asked;
    std::vector<UINT> types;
    // Called before each answer: what the user does before clicking.
    std::function<void(const std::string&)> onAsk;
    std::vector<std::string> captions;

private:
    std::deque<int> script_;
    int fallback_;
    fw::Prompter* previous_ = nullptr;
};

// A throw-away installation whose data folder holds the per-computer record:
// the configuration file names the data folder, and the launcher "runs from"
// the installation folder.
class RecordFolders {
public:
    RecordFolders() {
        install = root.Subfolder("inst");
        data = root.Subfolder("data");
        config = root / "PELL.INI";
        WritePrivateProfileStringA("Settings", "sDir_Pel", data.c_str(), config.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, config.c_str());
        Reset();
    }
    ~RecordFolders() {
        SetModuleFolderForTests("");
        ResetPathState();
        ResetSpecialSettingCache();
        FlushINICache(nullptr);
    }
    // As a fresh process would see the files.
    void Reset() {
        ResetPathState();
        ResetSpecialSettingCache();
        FlushINICache(nullptr);
        SetModuleFolderForTests(install);
        SetConfigurationFile(config);
    }
    std::string RecordFile() const {
        char name[64] = "";
        DWORD size = sizeof(name);
        GetComputerNameA(name, &size);
        return data + "\\Session\\ComputerSettings\\" + name + ".ini";
    }

    TempFolder root{"orvo_record"};
    std::string install, data, config;
};

} // namespace test_support
