// The decisions of the task dialog that depend on no window: visual mode,
// metrics of push buttons and command links, the layout of the whole dialog,
// mnemonics, and the status form of a note.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// 0: Windows 2000/XP look; 1: later systems without a visual style, and
// systems before 2000; 2: later systems with an active visual style.
int TaskDialogVisualMode(DWORD majorVersion, bool themeActive);

// ---------------------------------------------------------------- push buttons

constexpr int kPushButtonHeight = 26;
constexpr int kPushButtonMinWidth = 75;
// The text width plus the frame, plus the box of a "BUTTON" check box.
int PushButtonWidth(int textWidth, bool checkBox);
// Whether a push button of this window class and added style is a check box:
// the "BUTTON" class (also for an empty class) with style bit 0x2.
bool IsCheckBoxButton(const std::string& windowClass, DWORD style);
// An empty class and "BUTTON" (in any case) are the platform's button.
bool IsPlatformButtonClass(const std::string& windowClass);

// ---------------------------------------------------------------- command links

constexpr int kCommandLinkMinWidth = 275;
constexpr int kCommandLinkMinHeight = 65;
// Where the texts start: 5 right of the icon (drawn 3 in), or 8 in.
int CommandLinkTextLeft(int iconWidth);
// The icon's top: 3 in, 7 lower for icons smaller than 32 pixels.
int CommandLinkIconTop(int iconHeight);
// The main text's size in points.
int CommandLinkMainTextPoints(DWORD styleFlags, int visualMode);
// The answer to BCM_GETIDEALSIZE: the measured size, at least 275 x 65.
SIZE CommandLinkIdealSize(int measuredWidth, int measuredHeight);

// The upper-case letter after the first single "&" of text ("&&" is a
// literal ampersand); 0 when there is none.
char MnemonicOf(const std::string& text);

// The status form of a note: the text before the first "^" stays the note,
// the text after it is the status. False (and note = the whole text) when
// there is no "^".
bool SplitStatusNote(const std::string& text, std::string& note, std::string& status);
// Green, or red for "Failed" in any case.
COLORREF StatusColour(const std::string& status);

// ---------------------------------------------------------------- layout

struct TaskDialogPushButtonBox {
    int width;
    bool leftGroup;
};

struct TaskDialogLayoutInput {
    bool hasHeader = false;
    SIZE header = {};          // the header panel's measured size
    std::vector<SIZE> links;   // each command link's ideal size, in display order
    std::vector<TaskDialogPushButtonBox> pushButtons; // in the order they were added
};

struct TaskDialogLayout {
    RECT header = {};
    std::vector<RECT> links;
    std::vector<RECT> pushButtons; // same order as the input
    RECT band = {};                // the button band, to the client's edges
    int clientWidth = 0;
    int clientHeight = 0;
    int focusButton = -1; // the leftmost right-aligned push button; -1 when none
};

// Every position in client pixels.
TaskDialogLayout ComputeTaskDialogLayout(const TaskDialogLayoutInput& input);

} // namespace ui
