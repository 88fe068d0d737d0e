// web_keys.h -- the page's key names (KeyboardEvent.code) as the game's key codes
#pragma once

namespace hm {

// The game's code of the physical key named code ("KeyA", "ArrowLeft",
// "Numpad7"...), 0 for a key the game does not know.
int key_from_dom_code(const char *code);

}  // namespace hm
