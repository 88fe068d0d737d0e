// web_keys.cpp -- the browser's physical key names mapped to the game's key codes
#include "platform/web_keys.h"

#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace hm {

namespace {

struct named_key {
    const char *name;
    int code;
};

// Keys named by position, as a US keyboard labels them: the game reads
// positions too, whatever the layout prints on the caps.
const named_key NAMED[] = {
    {"Escape", K_ESC}, {"Backquote", K_TILDE}, {"Minus", K_MINUS}, {"Equal", K_EQUALS},
    {"Backspace", K_BACKSPACE}, {"Tab", K_TAB}, {"BracketLeft", K_OPENBRACE},
    {"BracketRight", K_CLOSEBRACE}, {"Enter", K_ENTER}, {"Semicolon", K_COLON}, {"Quote", K_QUOTE},
    {"Backslash", K_BACKSLASH}, {"IntlBackslash", K_BACKSLASH2}, {"Comma", K_COMMA},
    {"Period", K_STOP}, {"Slash", K_SLASH}, {"Space", K_SPACE}, {"Insert", K_INSERT},
    {"Delete", K_DEL}, {"Home", K_HOME}, {"End", K_END}, {"PageUp", K_PGUP}, {"PageDown", K_PGDN},
    {"ArrowLeft", K_LEFT}, {"ArrowRight", K_RIGHT}, {"ArrowUp", K_UP}, {"ArrowDown", K_DOWN},
    {"NumpadDivide", K_SLASH_PAD}, {"NumpadMultiply", K_ASTERISK}, {"NumpadSubtract", K_MINUS_PAD},
    {"NumpadAdd", K_PLUS_PAD}, {"NumpadDecimal", K_DEL_PAD}, {"NumpadEnter", K_ENTER_PAD},
    {"PrintScreen", K_PRTSCR}, {"Pause", K_PAUSE}, {"ShiftLeft", K_LSHIFT}, {"ShiftRight", K_RSHIFT},
    {"ControlLeft", K_LCONTROL}, {"ControlRight", K_RCONTROL}, {"AltLeft", K_ALT},
    {"AltRight", K_ALTGR}, {"MetaLeft", K_LWIN}, {"MetaRight", K_RWIN}, {"ContextMenu", K_MENU},
    {"ScrollLock", K_SCRLOCK}, {"NumLock", K_NUMLOCK}, {"CapsLock", K_CAPSLOCK},
};

// The number after prefix in code ("F12" -> 12), -1 when code is not prefix
// followed by digits alone.
int numbered(const char *code, const char *prefix)
{
    size_t n = std::strlen(prefix);
    if (std::strncmp(code, prefix, n) != 0 || !code[n] || std::strlen(code + n) > 2) return -1;
    for (const char *p = code + n; *p; p++)
        if (*p < '0' || *p > '9') return -1;
    return std::atoi(code + n);
}

}  // namespace

int key_from_dom_code(const char *code)
{
    if (!code) return 0;
    if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && !code[4])
        return K_A + (code[3] - 'A');
    int n = numbered(code, "Digit");
    if (n >= 0 && n <= 9) return K_0 + n;
    n = numbered(code, "Numpad");
    if (n >= 0 && n <= 9) return K_0_PAD + n;
    n = numbered(code, "F");
    if (n >= 1 && n <= 12) return K_F1 + (n - 1);
    for (const named_key &k : NAMED)
        if (std::strcmp(code, k.name) == 0) return k.code;
    return 0;
}

}  // namespace hm
