// "Pellmore Updater": lists what still holds the local program folder,
// refreshes the list on a worker thread (one at a time), closes itself with
// OK as soon as nothing is left, and can close the programs by force.
#pragma once

#include "framework/critical_section.h"
#include "framework/dialog.h"
#include "localinstall/in_use_resources.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

class ResourceInUseDlg : public CDialog {
public:
    // The worker's note that a refresh has finished.
    static const UINT kRefreshedMessage = 2225;
    static const UINT_PTR kRefreshTimer = 1;

    explicit ResourceInUseDlg(std::shared_ptr<IInUseResourceManager> manager, HWND parent = nullptr);
    // Waits for a refresh that is still running.
    ~ResourceInUseDlg() override;

    // Lets the manager fill the current in-use list and returns its size; 0
    // without doing anything when there is no manager, the dialog is
    // stopping or the list is busy elsewhere. Any thread; never waits.
    int Refresh();
    bool IsRefreshing() const { return refreshing_; }
    bool IsStopping() const { return stopping_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Timer 1: starts a worker refresh unless one runs or the dialog stops.
    void OnRefreshTimer();
    // Shows the current list; closes the dialog with OK when it is empty.
    void UpdateList();
    // No new refresh starts, Cancel is disabled, a running one is waited for.
    void Stop();

private:
    void RunWorkerRefresh();
    bool EnterList();
    void LeaveList();

    std::shared_ptr<IInUseResourceManager> manager_;
    CWnd list_;
    std::string lastShown_; // the entries last put into the list box, joined
    std::atomic<bool> stopping_{false};
    std::atomic<bool> refreshing_{false};
    CriticalSection lock_;
    std::atomic<bool> lockEntered_{false};
    IInUseResourceManager::StringList current_;
    UINT_PTR timer_ = 0;
    std::string prompt_;
    std::thread worker_;
    HWND window_ = nullptr; // where the worker posts; fixed before the first worker starts
};
