#include "board_accessible.h"

#include "game/cells.h"
#include "game/words.h"

namespace quandrel {
namespace {

constexpr long kTable = -1;

BSTR Bstr(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
    if (text != nullptr) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text, wide);
    return text;
}

void SetLong(VARIANT* variant, long value) {
    variant->vt = VT_I4;
    variant->lVal = value;
}

long ChildId(int cell) { return cell + 1; }

// Screen readers speak focus, name and description changes of the focused object: words to
// speak become the description of the cell they are about (get_accDescription gives them).
DWORD WinEventOf(AccessEvent::Kind kind) {
    switch (kind) {
        case AccessEvent::Kind::Focus: return EVENT_OBJECT_FOCUS;
        case AccessEvent::Kind::Renamed: return EVENT_OBJECT_NAMECHANGE;
        case AccessEvent::Kind::Speak: return EVENT_OBJECT_DESCRIPTIONCHANGE;
    }
    return EVENT_OBJECT_DESCRIPTIONCHANGE;
}

}  // namespace

BoardAccessible::BoardAccessible(HWND hwnd, const Game& game, std::function<double()> scale)
    : hwnd_(hwnd), game_(&game), scale_(std::move(scale)) {}

void BoardAccessible::Tell(const std::vector<AccessEvent>& events) {
    for (const AccessEvent& event : events) {
        const long child =
            event.cell == AccessEvent::kBoardItself ? CHILDID_SELF : ChildId(event.cell);
        NotifyWinEvent(WinEventOf(event.kind), hwnd_, OBJID_CLIENT, child);
    }
}

std::optional<int> BoardAccessible::CellOf(const VARIANT& child) const {
    if (child.vt != VT_I4) return std::nullopt;
    if (child.lVal == CHILDID_SELF) return kTable;
    if (child.lVal >= 1 && child.lVal <= kCells) return static_cast<int>(child.lVal - 1);
    return std::nullopt;
}

// IUnknown -----------------------------------------------------------------------------------

HRESULT BoardAccessible::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, kIidIAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG BoardAccessible::AddRef() { return ++references_; }

ULONG BoardAccessible::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

// IDispatch ----------------------------------------------------------------------------------

HRESULT BoardAccessible::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT BoardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT BoardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT BoardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                UINT*) {
    return E_NOTIMPL;
}

// IAccessible --------------------------------------------------------------------------------

HRESULT BoardAccessible::get_accParent(IDispatch** parent) {
    if (parent == nullptr) return E_POINTER;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    return AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

HRESULT BoardAccessible::get_accChildCount(long* count) {
    if (count == nullptr) return E_POINTER;
    *count = kCells;
    return S_OK;
}

// The cells are simple elements: a client asks the table about them by child id.
HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    const auto cell = CellOf(child);
    return cell && *cell != kTable ? S_FALSE : E_INVALIDARG;
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const auto cell = CellOf(child);
    if (!cell) return E_INVALIDARG;
    *name = Bstr(*cell == kTable ? std::string(kBoardName) : game_->CellName(*cell));
    return S_OK;
}

HRESULT BoardAccessible::get_accValue(VARIANT, BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT BoardAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) return E_POINTER;
    *description = nullptr;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const auto cell = CellOf(child);
    if (!cell) return E_INVALIDARG;
    const std::string note = *cell == kTable ? std::string() : game_->CellNote(*cell);
    if (note.empty()) return S_FALSE;
    *description = Bstr(note);
    return S_OK;
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    const auto cell = CellOf(child);
    if (!cell) return E_INVALIDARG;
    SetLong(role, *cell == kTable ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL);
    return S_OK;
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const auto cell = CellOf(child);
    if (!cell) return E_INVALIDARG;
    const bool focused = GetFocus() == hwnd_ &&
                         (*cell == kTable ? !game_->cursorCell() : game_->cursorCell() == *cell);
    SetLong(state, STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0));
    return S_OK;
}

HRESULT BoardAccessible::get_accHelp(VARIANT, BSTR* help) {
    if (help == nullptr) return E_POINTER;
    *help = nullptr;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file == nullptr || topic == nullptr) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    if (shortcut == nullptr) return E_POINTER;
    *shortcut = nullptr;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accFocus(VARIANT* child) {
    if (child == nullptr) return E_POINTER;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != hwnd_) {
        child->vt = VT_EMPTY;
        return S_FALSE;
    }
    const auto cursor = game_->cursorCell();
    SetLong(child, cursor ? ChildId(*cursor) : CHILDID_SELF);
    return S_OK;
}

HRESULT BoardAccessible::get_accSelection(VARIANT* children) {
    if (children == nullptr) return E_POINTER;
    children->vt = VT_EMPTY;
    return S_FALSE;
}

HRESULT BoardAccessible::get_accDefaultAction(VARIANT, BSTR* action) {
    if (action == nullptr) return E_POINTER;
    *action = nullptr;
    return S_FALSE;
}

HRESULT BoardAccessible::accSelect(long, VARIANT) { return DISP_E_MEMBERNOTFOUND; }

HRESULT BoardAccessible::accLocation(long* left, long* top, long* width, long* height,
                                     VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    const auto cell = CellOf(child);
    if (!cell) return E_INVALIDARG;
    const PixelRect area = *cell == kTable ? BoardRect(scale_()) : CellRect(*cell, scale_());
    POINT corner{area.left, area.top};
    ClientToScreen(hwnd_, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
}

HRESULT BoardAccessible::accNavigate(long, VARIANT, VARIANT* end) {
    if (end == nullptr) return E_POINTER;
    end->vt = VT_EMPTY;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT BoardAccessible::accHitTest(long left, long top, VARIANT* child) {
    if (child == nullptr) return E_POINTER;
    if (game_ == nullptr) return CO_E_OBJNOTCONNECTED;
    POINT point{left, top};
    ScreenToClient(hwnd_, &point);
    const double scale = scale_();
    if (const auto cell = CellAt(point.x, point.y, scale)) {
        SetLong(child, ChildId(*cell));
        return S_OK;
    }
    if (BoardRect(scale).Contains(point.x, point.y)) {
        SetLong(child, CHILDID_SELF);
        return S_OK;
    }
    child->vt = VT_EMPTY;
    return S_FALSE;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT BoardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT BoardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace quandrel
