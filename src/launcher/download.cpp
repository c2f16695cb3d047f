#include "launcher/download.h"

#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "utils/temp_files.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

const char kSupportPhone[] = "1-800-555-0147";

namespace {

const char kAgent[] = "Pellmore Orvo";
// Anything smaller is an error page, not an installer.
const long kSmallestInstaller = 20000;
// A read blocks until its block is full: the block grows on a fast link (few,
// large reads are what makes a download fast) and shrinks on a slow one, so
// that the window still repaints every fraction of a second.
const DWORD kSmallestBlock = 16 * 1024;
const DWORD kFirstBlock = 64 * 1024;
const DWORD kLargestBlock = 1024 * 1024;
const DWORD kQuickReadMs = 50;
const DWORD kSlowReadMs = 250;
// The progress text and bar are refreshed at most this often.
const DWORD kRefreshMs = 250;

const char kNoConnection[] = "Was not able to obtain an Internet Connection!";
const char kConnectFailed[] =
    "Unable to connect to server.\nYou must have an Internet Connection to Perform this task.\n\nPlease logon to the "
    "Internet and try again.";
const char kCreateFailed[] = "Error Creating Download File.";
const char kDownloadFailed[] = "Error downloading file.";
const char kDownloadStopped[] = "The download was stopped: Pellmore Orvo was closed.";

struct InternetTraits {
    static HINTERNET Invalid() { return nullptr; }
    static bool Valid(HINTERNET h) { return h != nullptr; }
    static void Close(HINTERNET h) { InternetCloseHandle(h); }
};
using Internet = fw::UniqueHandle<HINTERNET, InternetTraits>;

std::string NotOnServer(const std::string& detail) {
    return fw::Format("Unable to locate update on server%s\nPlease contact Pellmore support at %s for assistance.",
                      detail.c_str(), kSupportPhone);
}

// The final status of an HTTP request; 0 when the handle has none (another scheme).
DWORD HttpStatus(HINTERNET request) {
    DWORD status = 0, size = sizeof(status);
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return status;
}

// The announced length, or -1 when the server sent none ("0" is a length).
long ContentLength(HINTERNET request) {
    char text[32] = "";
    DWORD size = sizeof(text);
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return -1;
    return fw::Atoi(text);
}

// The downloaded file, removed when this goes out of scope.
class TempDownload {
public:
    ~TempDownload() {
        file_.Reset();
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    bool Create() {
        if (!CreateDownloadTempFile(path_)) return false;
        file_.Reset(CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        return file_.Valid();
    }
    bool Write(const char* data, DWORD size) {
        DWORD written = 0;
        return WriteFile(file_.Get(), data, size, &written, nullptr) && written == size;
    }
    void Close() { file_.Reset(); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    fw::Handle file_;
};

// Puts the complete download in place beside the target first (moved when
// the volume allows, copied otherwise), so that the target's name only ever
// holds a whole file; an existing target stays.
void StoreUnderTarget(const std::string& download, const std::string& target) {
    std::string partial = target + ".download";
    DeleteFileA(partial.c_str());
    if (!MoveFileExA(download.c_str(), partial.c_str(), MOVEFILE_COPY_ALLOWED) ||
        !MoveFileA(partial.c_str(), target.c_str()))
        DeleteFileA(partial.c_str());
}

class Downloader {
public:
    Downloader(DownloadProgress& progress, const std::string& name) : progress_(progress), name_(name) {}

    bool Fetch(const std::string& url, TempDownload& file, std::string& error) {
        Internet session(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (!session) return Fail(error, kNoConnection);
        Internet request(InternetOpenUrlA(session.Get(), url.c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY, 1));
        if (!request) return Fail(error, kConnectFailed);

        // An error page has a body too: only a real answer is an installer.
        DWORD status = HttpStatus(request.Get());
        if (status != 0 && status != HTTP_STATUS_OK)
            return Fail(error, NotOnServer(fw::Format(" (HTTP status %lu).", status)));
        long size = ContentLength(request.Get());
        if (size >= 0 && size < kSmallestInstaller) return Fail(error, NotOnServer("."));

        if (!file.Create()) return Fail(error, kCreateFailed);
        if (size < 0) progress_.ShowBar(false);
        long long total = 0;
        if (!Receive(request.Get(), file, size, total, error)) return false;
        file.Close();
        // Without a length only what arrived tells an installer from an error page.
        if (total < kSmallestInstaller) return Fail(error, NotOnServer("."));
        return true;
    }

private:
    bool Fail(std::string& error, const std::string& text) {
        error = text;
        return false;
    }

    bool Receive(HINTERNET request, TempDownload& file, long size, long long& total, std::string& error) {
        std::vector<char> buffer(kLargestBlock);
        DWORD block = kFirstBlock;
        DWORD lastRefresh = GetTickCount();
        for (;;) {
            DWORD got = 0, started = GetTickCount();
            if (!InternetReadFile(request, buffer.data(), block, &got)) return Fail(error, kDownloadFailed);
            if (got == 0) break;
            DWORD took = GetTickCount() - started;
            if (took < kQuickReadMs && block < kLargestBlock)
                block *= 2;
            else if (took > kSlowReadMs && block > kSmallestBlock)
                block /= 2;
            if (!file.Write(buffer.data(), got)) return Fail(error, kDownloadFailed);
            total += got;
            if (GetTickCount() - lastRefresh >= kRefreshMs) {
                Refresh(total, size);
                lastRefresh = GetTickCount();
            }
            // The refresh lets the window see a close.
            if (progress_.Stopped()) return Fail(error, kDownloadStopped);
        }
        Refresh(total, size);
        // A connection dropped mid-body ends like a complete one.
        if (size >= 0 && total < size) return Fail(error, kDownloadFailed);
        return true;
    }

    void Refresh(long long total, long size) {
        if (size > 0) {
            int percent = static_cast<int>(static_cast<double>(total) / size * 100.0);
            progress_.SetBarPosition(percent);
            progress_.ShowProgressText(fw::Format("Downloading %s\n%ld KB of %ld KB (%d%%)", name_.c_str(),
                                                  static_cast<long>(total / 1024), size / 1024, percent));
        } else {
            progress_.ShowProgressText(
                fw::Format("Downloading %s: %ld KB", name_.c_str(), static_cast<long>(total / 1024)));
        }
    }

    DownloadProgress& progress_;
    std::string name_;
};

} // namespace

bool DownloadToFile(DownloadProgress& progress, const std::string& displayName, const std::string& url,
                    const std::string& target, std::string& error) {
    progress.SetMarquee(false);
    progress.SetStatus(fw::Format("Downloading %s...", displayName.c_str()));
    if (url.find('/') == std::string::npos) {
        error = "Invalid URL";
        return false;
    }

    TempDownload file;
    Downloader downloader(progress, displayName);
    bool fetched = downloader.Fetch(url, file, error);
    progress.ShowBar(true);
    if (!fetched) return false;

    std::string absolute = target;
    MakeFullPath(absolute);
    StoreUnderTarget(file.Path(), absolute);
    if (GetFileAttributesA(absolute.c_str()) == INVALID_FILE_ATTRIBUTES) {
        error = fw::Format("Unable to find download file '%s'.", absolute.c_str());
        return false;
    }
    progress.SetMarquee(true);
    progress.SetStatus(fw::Format("Installing %s... (This may take a few minutes.)", displayName.c_str()));
    return true;
}
