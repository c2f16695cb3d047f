#include "ui/task_dialog_rules.h"

#include "framework/strings.h"

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

constexpr int kPushButtonFrame = 14;
constexpr int kCheckBoxExtra = 10;
constexpr int kPushButtonGap = 7;
constexpr int kPushButtonsLeft = 14;
constexpr int kPushButtonsRightMargin = 7;
constexpr int kMinimumDialogWidth = 314;
constexpr int kClientExtraWidth = 14;
constexpr int kHeaderOrigin = 10;
constexpr int kLinksLeftWithHeader = 49;
constexpr int kLinksLeftAlone = 10;
constexpr int kLinksTopAlone = 10;
constexpr int kLinksBelowHeader = 15;
constexpr int kLinkGap = 2;
constexpr int kBandBelowLastElement = 10;
constexpr int kClientBelowLastElement = 62;
constexpr int kPushButtonsBelowBandTop = 13;

constexpr int kIconInset = 3;
constexpr int kSmallIconDrop = 7;
constexpr int kIconTextGap = 5;
constexpr int kTextLeftWithoutIcon = 8;

constexpr COLORREF kStatusGreen = 0x0032C832;
constexpr COLORREF kStatusRed = 0x006464E6;

} // namespace

int TaskDialogVisualMode(DWORD majorVersion, bool themeActive) {
    if (majorVersion == 5) return 0;
    if (majorVersion < 5) return 1;
    return themeActive ? 2 : 1;
}

int PushButtonWidth(int textWidth, bool checkBox) {
    return std::max(kPushButtonMinWidth, textWidth + kPushButtonFrame + (checkBox ? kCheckBoxExtra : 0));
}

bool IsPlatformButtonClass(const std::string& windowClass) {
    return windowClass.empty() || fw::EqualsNoCase(windowClass, "BUTTON");
}

bool IsCheckBoxButton(const std::string& windowClass, DWORD style) {
    return IsPlatformButtonClass(windowClass) && (style & 0x2) != 0;
}

int CommandLinkTextLeft(int iconWidth) {
    return iconWidth > 0 ? kIconInset + iconWidth + kIconTextGap : kTextLeftWithoutIcon;
}

int CommandLinkIconTop(int iconHeight) { return iconHeight < 32 ? kIconInset + kSmallIconDrop : kIconInset; }

int CommandLinkMainTextPoints(DWORD styleFlags, int visualMode) {
    if (styleFlags & 0x2000) return 10;
    return visualMode == 2 ? 12 : 11;
}

SIZE CommandLinkIdealSize(int measuredWidth, int measuredHeight) {
    return SIZE{std::max(kCommandLinkMinWidth, measuredWidth), std::max(kCommandLinkMinHeight, measuredHeight)};
}

char MnemonicOf(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

bool SplitStatusNote(const std::string& text, std::string& note, std::string& status) {
    size_t caret = text.find('^');
    if (caret == std::string::npos) {
        note = text;
        status.clear();
        return false;
    }
    note = text.substr(0, caret);
    status = text.substr(caret + 1);
    return true;
}

COLORREF StatusColour(const std::string& status) {
    return fw::EqualsNoCase(status, "Failed") ? kStatusRed : kStatusGreen;
}

TaskDialogLayout ComputeTaskDialogLayout(const TaskDialogLayoutInput& input) {
    TaskDialogLayout layout;

    // The narrowest dialog still holds every push button with its gaps.
    int buttonsExtent = kPushButtonsLeft;
    for (const auto& button : input.pushButtons) buttonsExtent += button.width + kPushButtonGap;
    int contentWidth = std::max(kMinimumDialogWidth, buttonsExtent + kPushButtonGap);

    int bottom = 0;
    int linksLeft = kLinksLeftAlone;
    int y = kLinksTopAlone;
    if (input.hasHeader) {
        layout.header = {kHeaderOrigin, kHeaderOrigin, kHeaderOrigin + input.header.cx,
                         kHeaderOrigin + input.header.cy};
        contentWidth = std::max(contentWidth, static_cast<int>(layout.header.right));
        bottom = layout.header.bottom;
        linksLeft = kLinksLeftWithHeader;
        y = bottom + kLinksBelowHeader;
    }

    int linkWidth = kCommandLinkMinWidth;
    for (const SIZE& link : input.links) linkWidth = std::max(linkWidth, static_cast<int>(link.cx));
    for (const SIZE& link : input.links) {
        layout.links.push_back({linksLeft, y, linksLeft + linkWidth, y + static_cast<int>(link.cy)});
        bottom = y + link.cy;
        y = bottom + kLinkGap;
    }
    if (!input.links.empty()) contentWidth = std::max(contentWidth, linksLeft + linkWidth);

    layout.clientWidth = contentWidth + kClientExtraWidth;
    layout.clientHeight = bottom + kClientBelowLastElement;
    layout.band = {0, bottom + kBandBelowLastElement, layout.clientWidth, layout.clientHeight};

    // The left group runs from the left in the order added. The right group
    // is placed from the right edge leftwards starting with the last one
    // added, so it also reads in the order added (OK before Cancel) and the
    // last placed, the leftmost, is the first added.
    int buttonTop = layout.band.top + kPushButtonsBelowBandTop;
    layout.pushButtons.resize(input.pushButtons.size());
    int left = kPushButtonsLeft;
    for (size_t i = 0; i < input.pushButtons.size(); ++i) {
        if (!input.pushButtons[i].leftGroup) continue;
        layout.pushButtons[i] = {left, buttonTop, left + input.pushButtons[i].width, buttonTop + kPushButtonHeight};
        left += input.pushButtons[i].width + kPushButtonGap;
    }
    int right = layout.clientWidth - kPushButtonsRightMargin;
    for (size_t i = input.pushButtons.size(); i-- > 0;) {
        if (input.pushButtons[i].leftGroup) continue;
        layout.pushButtons[i] = {right - input.pushButtons[i].width, buttonTop, right, buttonTop + kPushButtonHeight};
        right -= input.pushButtons[i].width + kPushButtonGap;
        layout.focusButton = static_cast<int>(i);
    }
    return layout;
}

} // namespace ui
