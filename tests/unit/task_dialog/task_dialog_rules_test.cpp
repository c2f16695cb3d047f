// The window-free decisions of the task dialog: where everything goes for
// the sizes measured, which push buttons are check boxes, which letter
// chooses a link and how a status note splits.
#include "ui/task_dialog_rules.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

int Width(const RECT& r) { return r.right - r.left; }

} // namespace

TEST(TaskDialogLayout, HeaderLinksAndOneRightButtonAsTheUpdatePrompt) {
    TaskDialogLayoutInput input;
    input.hasHeader = true;
    input.header = {400, 60};
    input.links = {{300, 65}, {420, 80}};
    input.pushButtons = {{75, false}};
    TaskDialogLayout layout = ComputeTaskDialogLayout(input);

    EXPECT_EQ(layout.header.left, 10);
    EXPECT_EQ(layout.header.top, 10);
    EXPECT_EQ(layout.header.bottom, 70);
    ASSERT_EQ(layout.links.size(), 2u);
    // Below the header, indented past its icon, 2 apart, all as wide as the widest.
    EXPECT_EQ(layout.links[0].left, 49);
    EXPECT_EQ(layout.links[0].top, 85);
    EXPECT_EQ(layout.links[0].bottom, 150);
    EXPECT_EQ(layout.links[1].top, 152);
    EXPECT_EQ(layout.links[1].bottom, 232);
    EXPECT_EQ(Width(layout.links[0]), 420);
    EXPECT_EQ(Width(layout.links[1]), 420);
    // The widest element decides the width; the band follows the last link.
    EXPECT_EQ(layout.clientWidth, 49 + 420 + 14);
    EXPECT_EQ(layout.band.top, 242);
    EXPECT_EQ(layout.clientHeight, 232 + 62);
    EXPECT_EQ(layout.band.bottom, layout.clientHeight);
    ASSERT_EQ(layout.pushButtons.size(), 1u);
    EXPECT_EQ(layout.pushButtons[0].right, layout.clientWidth - 7);
    EXPECT_EQ(layout.pushButtons[0].top, 242 + 13);
    EXPECT_EQ(layout.pushButtons[0].bottom - layout.pushButtons[0].top, 26);
    EXPECT_EQ(layout.focusButton, 0);
}

TEST(TaskDialogLayout, NarrowContentKeepsTheMinimumWidthAndLinksStartAtTheLeftWithoutHeader) {
    TaskDialogLayoutInput input;
    input.links = {{200, 65}};
    input.pushButtons = {{75, false}};
    TaskDialogLayout layout = ComputeTaskDialogLayout(input);
    ASSERT_EQ(layout.links.size(), 1u);
    EXPECT_EQ(layout.links[0].left, 10);
    EXPECT_EQ(layout.links[0].top, 10);
    EXPECT_EQ(Width(layout.links[0]), 275) << "links are at least 275 wide";
    EXPECT_EQ(layout.clientWidth, 314 + 14);

    // Nothing but buttons: the band alone.
    TaskDialogLayoutInput bare;
    bare.pushButtons = {{75, false}};
    TaskDialogLayout onlyBand = ComputeTaskDialogLayout(bare);
    EXPECT_EQ(onlyBand.band.top, 10);
    EXPECT_EQ(onlyBand.clientHeight, 62);
}

TEST(TaskDialogLayout, ManyButtonsWidenTheDialogAndBothGroupsStayApart) {
    TaskDialogLayoutInput input;
    input.hasHeader = true;
    input.header = {100, 40};
    // Left: a check box; right, as added: Retry, Yes, No, OK, Cancel.
    input.pushButtons = {{120, true}, {75, false}, {75, false}, {75, false}, {75, false}, {75, false}};
    TaskDialogLayout layout = ComputeTaskDialogLayout(input);
    int extent = 14 + 120 + 5 * 75 + 6 * 7; // start, widths, a gap after each
    EXPECT_EQ(layout.clientWidth, extent + 7 + 14);

    const auto& b = layout.pushButtons;
    EXPECT_EQ(b[0].left, 14);
    // The right group reads in the order added and ends 7 from the edge.
    for (size_t i = 1; i + 1 < b.size(); ++i) EXPECT_EQ(b[i].right + 7, b[i + 1].left) << i;
    EXPECT_EQ(b[5].right, layout.clientWidth - 7);
    EXPECT_GT(b[1].left, b[0].right + 7 - 1) << "the groups do not overlap";
    EXPECT_EQ(layout.focusButton, 1) << "focus on the leftmost right-aligned button, the first added";

    TaskDialogLayoutInput leftOnly;
    leftOnly.pushButtons = {{75, true}, {90, true}};
    TaskDialogLayout left = ComputeTaskDialogLayout(leftOnly);
    EXPECT_EQ(left.pushButtons[1].left, 14 + 75 + 7);
    EXPECT_EQ(left.focusButton, -1);
}

TEST(TaskDialogPushButtons, OnlyThePlatformsButtonsAreCheckBoxes) {
    EXPECT_TRUE(IsCheckBoxButton("", BS_CHECKBOX));
    EXPECT_TRUE(IsCheckBoxButton("button", BS_AUTOCHECKBOX));
    EXPECT_FALSE(IsCheckBoxButton("BUTTON", BS_PUSHBUTTON));
    EXPECT_FALSE(IsCheckBoxButton("OrvoTaskDialogButton", BS_CHECKBOX)) << "only the platform's buttons";
    EXPECT_TRUE(IsPlatformButtonClass(""));
    EXPECT_TRUE(IsPlatformButtonClass("Button"));
    EXPECT_FALSE(IsPlatformButtonClass("SysLink"));
}

TEST(TaskDialogCommandLinks, MnemonicIsTheLetterAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(MnemonicOf("&Install Virtual Printer"), 'I');
    EXPECT_EQ(MnemonicOf("Re&pair"), 'P');
    EXPECT_EQ(MnemonicOf("Save && &quit"), 'Q');
    EXPECT_EQ(MnemonicOf("Fish && Chips"), 0);
    EXPECT_EQ(MnemonicOf("Trailing &"), 0);
    EXPECT_EQ(MnemonicOf("Continue Working in Orvo"), 0);
    EXPECT_EQ(MnemonicOf("Option &2"), '2');
}

TEST(TaskDialogCommandLinks, StatusNoteSplitsAtTheCaretAndFailedIsRed) {
    std::string note, status;
    EXPECT_TRUE(SplitStatusNote("Pellmore Virtual Printer^Installed", note, status));
    EXPECT_EQ(note, "Pellmore Virtual Printer");
    EXPECT_EQ(status, "Installed");
    EXPECT_TRUE(SplitStatusNote("^", note, status));
    EXPECT_EQ(note, "");
    EXPECT_EQ(status, "");
    EXPECT_FALSE(SplitStatusNote("No status here", note, status));
    EXPECT_EQ(note, "No status here");
    EXPECT_EQ(status, "");

    EXPECT_EQ(StatusColour("Installed"), static_cast<COLORREF>(0x0032C832));
    EXPECT_EQ(StatusColour("failed"), static_cast<COLORREF>(0x006464E6));
    EXPECT_EQ(StatusColour("FAILED"), static_cast<COLORREF>(0x006464E6));
    EXPECT_EQ(StatusColour("Failed twice"), static_cast<COLORREF>(0x0032C832));
}
