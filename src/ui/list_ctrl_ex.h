// The report list of the diagnostics dialog: sorts by a click on a column
// header (per-column comparison rules, a sort arrow, the sorted column
// shaded), shows a text when empty, selects full rows, sizes its columns to
// fit, and leaves the mouse wheel to its parent when nothing needs
// scrolling. Optional: a context menu and a Delete-key protocol with the
// parent.
#pragma once

#include "framework/subclass.h"
#include "ui/list_compare.h"

#include <commctrl.h>

#include <string>
#include <vector>

// What a column keeps when it gives up room for the sorted column: never less
// than nothing, since -1 and -2 would mean "size automatically".
int ColumnWidthAfterGiving(int width, int given);

// The list's header: laid out one pixel in from the list's frame.
class CHeaderCtrlEx : public CSubclassedWnd {
protected:
    bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CListCtrlEx : public CSubclassedWnd {
public:
    // Orders two items given by index; the built-in one compares the sort
    // column's texts by its comparison type.
    using CompareFunction = int(CALLBACK*)(LPARAM item1, LPARAM item2, LPARAM list);

    CListCtrlEx();
    ~CListCtrlEx() override;

    virtual void Sort(int column, bool ascending);
    void SetColumnType(int column, ListCompareType type);
    virtual ListCompareType GetColumnType(int column);
    void AutoSizeColumns();

    void SetEmptyText(const std::string& text) { emptyText_ = text; }
    void SetContextMenu(UINT menuId, int subMenu) {
        menuId_ = menuId;
        subMenu_ = subMenu;
    }
    void SetDeleteMessage(UINT message) { deleteMessage_ = message; }
    void SetCustomDrawMessage(UINT message) { customDrawMessage_ = message; }
    void SetSortEmphasis(bool on) { emphasis_ = on; }
    void SetCompareFunction(CompareFunction compare) { compare_ = compare; }

    int GetSortColumn() const { return sortColumn_; }
    bool IsSortAscending() const { return ascending_; }
    CHeaderCtrlEx& GetHeader() { return header_; }

    // Small helpers over the list-view messages.
    int InsertColumn(int index, const std::string& heading, int width);
    int InsertItem(int index, const std::string& text, LPARAM data = 0);
    void SetItemText(int item, int column, const std::string& text);
    std::string GetItemText(int item, int column) const;
    int GetItemCount() const;
    int GetColumnCount() const;
    std::string GetColumnHeading(int column) const;

    // The background of a cell: shaded in the sort column under the emphasis
    // (on a white window), button face when disabled.
    COLORREF CellBackground(int column) const;

    // Whether the common controls draw sort arrows themselves (version 6);
    // asked once. Tests set the answer (-1 asks again).
    static bool HasSortArrows();
    static void SetCommonControlsMajorForTests(int major);

    static constexpr COLORREF kSortShade = 0x00F7F7F7;

protected:
    void OnSubclassed() override;
    bool OnReflectedNotify(NMHDR* header, LRESULT& result) override;
    bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static int CALLBACK BuiltInCompare(LPARAM item1, LPARAM item2, LPARAM list);
    void ShowSortIndicator();
    void RemoveSortIndicators();
    void EraseBackground(HDC dc);
    LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);
    bool OnDeleteKey();
    void ShowContextMenu(LPARAM where);
    bool ClickOnNoItem(LPARAM lParam) const;
    int HeaderTextWidth(int column) const;

    int sortColumn_ = -1;
    bool ascending_ = true;
    std::string emptyText_;
    CHeaderCtrlEx header_;
    ListCompareType sortType_ = kCompareSmartText;
    UINT menuId_ = 0;
    int subMenu_ = 0;
    bool emphasis_ = true;
    CompareFunction compare_;
    std::vector<unsigned short> columnTypes_; // 0xFFFF: the default rule
    UINT deleteMessage_ = 0;
    UINT customDrawMessage_ = 0;
    std::vector<HBITMAP> arrows_; // drawn arrows by column (older common controls)
};
