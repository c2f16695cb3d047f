// Fetching a prerequisite's installer from the vendor's web server with the
// platform's internet functions, showing progress in the launcher window, and
// storing it under its final name only when it arrived whole.
#pragma once

#include <string>

// What a download shows while it runs. The launcher window implements it;
// tests record it.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    // A step the user should read: shown with the window's pause.
    virtual void SetStatus(const std::string& text) = 0;
    // A progress refresh: shown at once, the window repainted, no pause.
    virtual void ShowProgressText(const std::string& text) = 0;
    virtual void SetBarPosition(int percent) = 0;
    virtual void ShowBar(bool visible) = 0;
    virtual void SetMarquee(bool on) = 0;
    // The user closed the window: the download ends at the next block.
    virtual bool Stopped() { return false; }
};

// Whom users call when the server has no installer for them.
extern const char kSupportPhone[];

// Downloads url into target (made absolute). True when target exists
// afterwards: a target that already existed is kept as it was. Otherwise false
// with a user-readable error. Fewer bytes than an installer has are refused
// whatever the server announced. Nothing partial is ever left under the
// target's name, and the temporary download file is removed on every path.
bool DownloadToFile(DownloadProgress& progress, const std::string& displayName, const std::string& url,
                    const std::string& target, std::string& error);
