// The extended list: its comparison rules as one table, sorting by header
// clicks with both kinds of sort arrow, the header's layout, column sizing,
// and what it does with the mouse and the Delete key.
#include "ui/list_ctrl_ex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CompareCase {
    const char* a;
    const char* b;
    ListCompareType type;
    bool ascending;
    int sign; // of the result
};

int SignOf(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

TEST(ListCompare, Rules) {
    const CompareCase cases[] = {
        {"9", "10", kCompareSmartText, true, -1},
        {"9", "10", kCompareSmartText, false, 1},
        {"12", "", kCompareSmartText, true, -1},  // numbers above empty cells...
        {"12", "", kCompareSmartText, false, -1}, // ...in both directions
        {"", "7", kCompareSmartText, false, 1},
        {"apple", "Banana", kCompareSmartText, true, -1},
        {"5", "5", kCompareSmartText, true, 0},
        {"1/2/2024 9:00", "12/25/2023", kCompareSmartText, true, 1}, // dates by date
        {"1,200", "950", kCompareNumber, true, 1},
        {"1.5", "1.25", kCompareNumber, true, 1},
        {"- 3", "-4", kCompareNumber, true, 1},
        {"12/25/2023", "1/2/2024", kCompareDate, true, -1},
        {"12/25/2023 10:00", "12/25/2023", kCompareDate, true, 0}, // cut at the first space
        {"12/25/2023", "not a date", kCompareDate, true, -1},
        {"12/25/2023", "not a date", kCompareDate, false, 1},
        {"b", "A", kComparePlainText, true, 1},
        {"12", "12-1", kCompareNumberSuffix, true, -1},
        {"12-10", "12-9", kCompareNumberSuffix, true, 1},
        {"11-9", "12", kCompareNumberSuffix, true, -1},
    };
    for (const CompareCase& c : cases)
        EXPECT_EQ(SignOf(CompareListTexts(c.a, c.b, c.type, c.ascending)), c.sign)
            << "'" << c.a << "' vs '" << c.b << "' type " << c.type << (c.ascending ? " up" : " down");
    EXPECT_LT(CompareListItemData(-5, 3, true), 0);
    EXPECT_GT(CompareListItemData(-5, 3, false), 0);

    EXPECT_EQ(DefaultCompareType("Install date"), kCompareDate);
    EXPECT_EQ(DefaultCompareType("#"), kCompareNumber);
    EXPECT_EQ(DefaultCompareType("Name"), kCompareSmartText);
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        LRESULT answer = 0;
        if (ReflectNotifyToControl(lParam, answer)) return answer;
    }
    if (msg == WM_APP + 1) return 1; // the Delete-key question: yes, delete it
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvoListParent";
        RegisterClassA(&wc);
        parent = CreateWindowA("OrvoListParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                               wc.hInstance, nullptr);
        HWND window = CreateWindowA(WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 580, 360, parent,
                                    reinterpret_cast<HMENU>(1001), wc.hInstance, nullptr);
        ASSERT_TRUE(list.SubclassWindow(window));
        list.InsertColumn(0, "Name", 80);
        list.InsertColumn(1, "#", 60);
        const char* rows[][2] = {{"ten", "10"}, {"nine", "9"}, {"none", ""}, {"one thousand", "1,000"}};
        for (int i = 0; i < 4; ++i) {
            list.InsertItem(i, rows[i][0], i);
            list.SetItemText(i, 1, rows[i][1]);
        }
    }
    void TearDown() override {
        DestroyWindow(parent);
        CListCtrlEx::SetCommonControlsMajorForTests(-1);
    }
    void ClickHeader(int column) {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = list.GetSafeHwnd();
        click.hdr.idFrom = 1001;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iSubItem = column;
        SendMessageA(parent, WM_NOTIFY, 1001, reinterpret_cast<LPARAM>(&click));
    }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> texts;
        for (int i = 0; i < list.GetItemCount(); ++i) texts.push_back(list.GetItemText(i, column));
        return texts;
    }
    HDITEMA HeaderItem(int column) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT | HDI_BITMAP;
        SendMessageA(list.GetHeader().GetSafeHwnd(), HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
        return item;
    }

    HWND parent = nullptr;
    CListCtrlEx list;
};

TEST_F(ListCtrlTest, HeaderClicksSortThenReverseWithTheControlsArrows) {
    CListCtrlEx::SetCommonControlsMajorForTests(6);
    // "#" is a number column: thousands commas are read, an empty cell is 0.
    ClickHeader(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "9", "10", "1,000"}));
    EXPECT_TRUE(HeaderItem(1).fmt & HDF_SORTUP);
    ClickHeader(1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"1,000", "10", "9", ""}));
    EXPECT_TRUE(HeaderItem(1).fmt & HDF_SORTDOWN);
    ClickHeader(0);
    EXPECT_TRUE(list.IsSortAscending());
    EXPECT_EQ(Column(0), (std::vector<std::string>{"nine", "none", "one thousand", "ten"}));
    EXPECT_FALSE(HeaderItem(1).fmt & (HDF_SORTUP | HDF_SORTDOWN));
    EXPECT_TRUE(HeaderItem(0).fmt & HDF_SORTUP);
}

TEST_F(ListCtrlTest, OlderCommonControlsGetADrawnArrow) {
    CListCtrlEx::SetCommonControlsMajorForTests(5);
    ClickHeader(1);
    HDITEMA sorted = HeaderItem(1);
    EXPECT_EQ(sorted.fmt & (HDF_BITMAP | HDF_BITMAP_ON_RIGHT), HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
    EXPECT_NE(sorted.hbm, nullptr);
    EXPECT_FALSE(sorted.fmt & (HDF_SORTUP | HDF_SORTDOWN));
    ClickHeader(0);
    EXPECT_FALSE(HeaderItem(1).fmt & HDF_BITMAP) << "the arrow moves with the sort";
    EXPECT_TRUE(HeaderItem(0).fmt & HDF_BITMAP);
}

TEST_F(ListCtrlTest, SortedColumnIsShadedAndTheHeaderSitsInside) {
    list.Sort(1, true);
    if (GetSysColor(COLOR_WINDOW) == RGB(255, 255, 255)) {
        EXPECT_EQ(list.CellBackground(1), CListCtrlEx::kSortShade);
    }
    EXPECT_EQ(list.CellBackground(0), GetSysColor(COLOR_WINDOW));
    list.SetSortEmphasis(false);
    EXPECT_EQ(list.CellBackground(1), GetSysColor(COLOR_WINDOW));

    RECT area = {0, 0, 300, 200};
    WINDOWPOS position = {};
    HDLAYOUT layout = {&area, &position};
    SendMessageA(list.GetHeader().GetSafeHwnd(), HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    EXPECT_EQ(position.x, 1);
    EXPECT_EQ(position.y, 1);
    EXPECT_EQ(position.cx, 299);
}

TEST_F(ListCtrlTest, AutoSizeMakesRoomForTheArrowWithoutNegativeWidths) {
    list.InsertColumn(2, "x", 10);
    list.Sort(1, true);
    list.AutoSizeColumns();
    HWND window = list.GetSafeHwnd();
    EXPECT_GE(SendMessageA(window, LVM_GETCOLUMNWIDTH, 1, 0), 34) << "room for the heading and its arrow";
    EXPECT_GE(SendMessageA(window, LVM_GETCOLUMNWIDTH, 2, 0), 0);
    // -1 and -2 would size the last column automatically instead.
    EXPECT_EQ(ColumnWidthAfterGiving(10, 11), 0);
    EXPECT_EQ(ColumnWidthAfterGiving(10, 12), 0);
    EXPECT_EQ(ColumnWidthAfterGiving(10, 4), 6);

    // A sorted last column simply grows.
    list.Sort(2, true);
    list.AutoSizeColumns();
    EXPECT_GE(SendMessageA(window, LVM_GETCOLUMNWIDTH, 2, 0), 34);
}

TEST_F(ListCtrlTest, ClicksBesideItemsWheelAndDelete) {
    LVITEMA state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list.GetSafeHwnd(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    SendMessageA(list.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
    EXPECT_EQ(SendMessageA(list.GetSafeHwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);

    // Four rows fit: the wheel is the parent's.
    MSG msg;
    while (PeekMessageA(&msg, parent, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE)) {
    }
    SendMessageA(list.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(10, 10));
    EXPECT_TRUE(PeekMessageA(&msg, parent, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_REMOVE));

    list.SetDeleteMessage(WM_APP + 1);
    SendMessageA(list.GetSafeHwnd(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(1, 0), "none");
    EXPECT_EQ(SendMessageA(list.GetSafeHwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
}

} // namespace
