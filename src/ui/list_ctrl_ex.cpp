#include "ui/list_ctrl_ex.h"

#include <shlwapi.h>

namespace {

const unsigned short kDefaultRule = 0xFFFF;
// Room for the arrow beside a sorted column's heading.
const int kSortArrowRoom = 34;
const int kArrowSize = 14;

int g_commonControlsMajor = -1;

int AskCommonControlsMajor() {
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl) return 0;
    auto getVersion =
        reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void (*)()>(GetProcAddress(comctl, "DllGetVersion")));
    if (!getVersion) return 0;
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    return SUCCEEDED(getVersion(&info)) ? static_cast<int>(info.dwMajorVersion) : 0;
}

// A 14 x 14 arrow on the button face, for common controls that draw none.
HBITMAP DrawSortArrow(HDC reference, bool ascending) {
    HDC dc = CreateCompatibleDC(reference);
    HBITMAP bitmap = CreateCompatibleBitmap(reference, kArrowSize, kArrowSize);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all = {0, 0, kArrowSize, kArrowSize};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
    const int left = 3, right = 10, top = ascending ? 4 : 9, bottom = ascending ? 9 : 4, middle = (left + right) / 2;
    HGDIOBJ oldPen = SelectObject(dc, shadow);
    MoveToEx(dc, middle, top, nullptr);
    LineTo(dc, left, bottom);
    if (!ascending) LineTo(dc, right, bottom);
    SelectObject(dc, light);
    MoveToEx(dc, middle, top, nullptr);
    LineTo(dc, right, bottom);
    if (ascending) LineTo(dc, left, bottom);
    SelectObject(dc, oldPen);
    DeleteObject(shadow);
    DeleteObject(light);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    return bitmap;
}

} // namespace

int ColumnWidthAfterGiving(int width, int given) { return width > given ? width - given : 0; }

bool CHeaderCtrlEx::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != HDM_LAYOUT) return false;
    result = Default(msg, wParam, lParam);
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (layout && layout->pwpos) {
        layout->pwpos->x += 1;
        layout->pwpos->cx -= 1;
        layout->pwpos->y += 1;
    }
    return true;
}

CListCtrlEx::CListCtrlEx() : compare_(&CListCtrlEx::BuiltInCompare) {}

CListCtrlEx::~CListCtrlEx() { RemoveSortIndicators(); }

bool CListCtrlEx::HasSortArrows() {
    if (g_commonControlsMajor < 0) g_commonControlsMajor = AskCommonControlsMajor();
    return g_commonControlsMajor > 5;
}

void CListCtrlEx::SetCommonControlsMajorForTests(int major) { g_commonControlsMajor = major; }

void CListCtrlEx::OnSubclassed() {
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (header) {
        header_.SubclassWindow(header);
        // The drawn arrows' margin from the start, so that headings sized to
        // fit before the first sort are not cut short by a wider one.
        if (!HasSortArrows()) ::SendMessageA(header, HDM_SETBITMAPMARGIN, 1, 0);
    }
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

int CListCtrlEx::InsertColumn(int index, const std::string& heading, int width) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(heading.c_str());
    column.cx = width;
    column.iSubItem = index;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int CListCtrlEx::InsertItem(int index, const std::string& text, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListCtrlEx::SetItemText(int item, int column, const std::string& text) {
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(text.c_str());
    SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
}

std::string CListCtrlEx::GetItemText(int item, int column) const {
    char buffer[1024] = "";
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = buffer;
    cell.cchTextMax = sizeof(buffer);
    ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
    return buffer;
}

int CListCtrlEx::GetItemCount() const { return static_cast<int>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }

int CListCtrlEx::GetColumnCount() const {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string CListCtrlEx::GetColumnHeading(int column) const {
    char buffer[256] = "";
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT;
    info.pszText = buffer;
    info.cchTextMax = sizeof(buffer);
    ::SendMessageA(m_hWnd, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

void CListCtrlEx::SetColumnType(int column, ListCompareType type) {
    if (column < 0) return;
    if (static_cast<size_t>(column) >= columnTypes_.size()) columnTypes_.resize(column + 1, kDefaultRule);
    columnTypes_[column] = type;
}

ListCompareType CListCtrlEx::GetColumnType(int column) {
    if (column >= 0 && static_cast<size_t>(column) < columnTypes_.size() && columnTypes_[column] != kDefaultRule)
        return static_cast<ListCompareType>(columnTypes_[column]);
    return DefaultCompareType(GetColumnHeading(column));
}

void CListCtrlEx::Sort(int column, bool ascending) {
    if (column < 0) return;
    sortColumn_ = column;
    ascending_ = ascending;
    sortType_ = GetColumnType(column);
    if (emphasis_) ShowSortIndicator();
    if (compare_) SendMessage(LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(compare_));
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CALLBACK CListCtrlEx::BuiltInCompare(LPARAM item1, LPARAM item2, LPARAM list) {
    auto* self = reinterpret_cast<CListCtrlEx*>(list);
    int count = self->GetItemCount();
    if (item1 < 0 || item1 >= count) return -1;
    if (item2 < 0 || item2 >= count) return -2;
    if (self->sortType_ == kCompareItemData) {
        LVITEMA a = {}, b = {};
        a.mask = b.mask = LVIF_PARAM;
        a.iItem = static_cast<int>(item1);
        b.iItem = static_cast<int>(item2);
        self->SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&a));
        self->SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&b));
        return CompareListItemData(a.lParam, b.lParam, self->ascending_);
    }
    return CompareListTexts(self->GetItemText(static_cast<int>(item1), self->sortColumn_),
                            self->GetItemText(static_cast<int>(item2), self->sortColumn_), self->sortType_,
                            self->ascending_);
}

void CListCtrlEx::ShowSortIndicator() {
    HWND header = header_.GetSafeHwnd();
    if (!header) return;
    int columns = GetColumnCount();
    bool arrows = HasSortArrows();
    if (!arrows) {
        ::SendMessageA(header, HDM_SETBITMAPMARGIN, 1, 0);
        RemoveSortIndicators();
        arrows_.assign(columns, nullptr);
    }
    HDC reference = GetDC(header);
    for (int column = 0; column < columns; ++column) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        ::SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN | HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
        if (column == sortColumn_) {
            if (arrows) {
                item.fmt |= ascending_ ? HDF_SORTUP : HDF_SORTDOWN;
            } else {
                arrows_[column] = DrawSortArrow(reference, ascending_);
                item.mask |= HDI_BITMAP;
                item.hbm = arrows_[column];
                item.fmt |= HDF_BITMAP | HDF_BITMAP_ON_RIGHT;
            }
        }
        ::SendMessageA(header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
    }
    ReleaseDC(header, reference);
}

void CListCtrlEx::RemoveSortIndicators() {
    HWND header = header_.GetSafeHwnd();
    if (header && IsWindow(header)) {
        int columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
        for (int column = 0; column < columns; ++column) {
            HDITEMA item = {};
            item.mask = HDI_FORMAT;
            ::SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
            item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN | HDF_BITMAP | HDF_BITMAP_ON_RIGHT);
            item.mask |= HDI_BITMAP;
            item.hbm = nullptr;
            ::SendMessageA(header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
        }
    }
    for (HBITMAP arrow : arrows_)
        if (arrow) DeleteObject(arrow);
    arrows_.clear();
}

int CListCtrlEx::HeaderTextWidth(int column) const {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0));
    std::string text = GetColumnHeading(column);
    HDC dc = GetDC(header);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(header, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(header, dc);
    return size.cx;
}

void CListCtrlEx::AutoSizeColumns() {
    HWND header = header_.GetSafeHwnd();
    SendMessage(WM_SETREDRAW, FALSE);
    if (header) ::SendMessageA(header, WM_SETREDRAW, FALSE, 0);
    int columns = GetColumnCount();
    for (int column = 0; column < columns; ++column) SendMessage(LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
    if (emphasis_ && sortColumn_ >= 0 && sortColumn_ < columns) {
        int wanted = HeaderTextWidth(sortColumn_) + kSortArrowRoom;
        int width = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, sortColumn_));
        if (width < wanted) {
            SendMessage(LVM_SETCOLUMNWIDTH, sortColumn_, wanted);
            int last = columns - 1;
            // The last column gives the room; a sorted last column just grows.
            if (last != sortColumn_) {
                int lastWidth = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, last));
                SendMessage(LVM_SETCOLUMNWIDTH, last, ColumnWidthAfterGiving(lastWidth, wanted - width));
            }
        }
    }
    if (header) ::SendMessageA(header, WM_SETREDRAW, TRUE, 0);
    SendMessage(WM_SETREDRAW, TRUE);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

COLORREF CListCtrlEx::CellBackground(int column) const {
    if (!IsWindowEnabled(m_hWnd)) return GetSysColor(COLOR_BTNFACE);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    if (emphasis_ && column == sortColumn_ && window == RGB(255, 255, 255)) return kSortShade;
    return window;
}

LRESULT CListCtrlEx::CustomDraw(NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        draw->clrTextBk = CellBackground(draw->iSubItem);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

bool CListCtrlEx::OnReflectedNotify(NMHDR* header, LRESULT& result) {
    if (header->code == LVN_COLUMNCLICK) {
        int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
        Sort(column, column != sortColumn_ || !ascending_);
        result = 0;
        return true;
    }
    if (header->code == NM_CUSTOMDRAW) {
        result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
        if (customDrawMessage_)
            result = ::SendMessageA(GetParent(m_hWnd), customDrawMessage_, reinterpret_cast<WPARAM>(header),
                                    reinterpret_cast<LPARAM>(&result));
        return true;
    }
    return false;
}

void CListCtrlEx::EraseBackground(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    bool enabled = IsWindowEnabled(m_hWnd) != FALSE;
    int columns = GetColumnCount();
    std::vector<int> order(columns > 0 ? columns : 1);
    if (columns > 0) SendMessage(LVM_GETCOLUMNORDERARRAY, columns, reinterpret_cast<LPARAM>(order.data()));
    int x = client.left - GetScrollPos(m_hWnd, SB_HORZ);
    for (int i = 0; i < columns; ++i) {
        int width = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, order[i]));
        RECT strip = {x, client.top, x + width, client.bottom};
        HBRUSH brush = CreateSolidBrush(CellBackground(order[i]));
        FillRect(dc, &strip, brush);
        DeleteObject(brush);
        x += width;
    }
    RECT rest = {x, client.top, client.right, client.bottom};
    FillRect(dc, &rest, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));

    if (GetItemCount() == 0 && !emptyText_.empty()) {
        RECT text = client;
        if (HWND header = header_.GetSafeHwnd()) {
            RECT headerRect;
            GetWindowRect(header, &headerRect);
            text.top += headerRect.bottom - headerRect.top;
        }
        InflateRect(&text, -4, -4);
        SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        SetBkColor(dc, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
        DrawTextA(dc, emptyText_.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
    }
}

bool CListCtrlEx::ClickOnNoItem(LPARAM lParam) const {
    LVHITTESTINFO hit = {};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    return ::SendMessageA(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0;
}

bool CListCtrlEx::OnDeleteKey() {
    int selected = static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (!deleteMessage_ || selected < 0) return false;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = selected;
    SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (::SendMessageA(GetParent(m_hWnd), deleteMessage_, selected, item.lParam) != 1) return true;
    SendMessage(LVM_DELETEITEM, selected);
    int count = GetItemCount();
    if (count == 0) return true;
    int next = selected < count ? selected : count - 1;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, next, reinterpret_cast<LPARAM>(&state));
    return true;
}

void CListCtrlEx::ShowContextMenu(LPARAM where) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId_));
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, subMenu_);
    POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == static_cast<LPARAM>(-1) || (at.x == -1 && at.y == -1)) {
        RECT rect;
        GetWindowRect(m_hWnd, &rect);
        at = {rect.left + 5, rect.top + 5};
    }
    // The commands belong to the dialog that holds the list.
    HWND owner = GetParent(m_hWnd);
    if (owner && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) owner = GetParent(owner);
    if (popup) TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    DestroyMenu(menu);
}

bool CListCtrlEx::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        // A click beside the items keeps the selection.
        if (!ClickOnNoItem(lParam)) return false;
        result = 0;
        return true;
    case WM_MOUSEWHEEL:
        if (SendMessage(LVM_GETCOUNTPERPAGE) < GetItemCount()) return false;
        PostMessageA(GetParent(m_hWnd), msg, wParam, lParam);
        result = 0;
        return true;
    case WM_KEYDOWN:
        if (wParam != VK_DELETE || !OnDeleteKey()) return false;
        result = 0;
        return true;
    case WM_CONTEXTMENU:
        if (!menuId_) return false;
        ShowContextMenu(lParam);
        result = 0;
        return true;
    case WM_DESTROY:
        RemoveSortIndicators();
        return false;
    default:
        return false;
    }
}
