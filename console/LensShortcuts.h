#pragma once
#include <Qt>

// The keys that hold the console's lens buttons as the mouse does: Ctrl with
// a key that none of the console's fields uses, so typing never moves a lens.
// A press starts the motion and the key's release stops it.

// The lens button (its control id) a key press holds, or 0.
int LensShortcutButton(int key, Qt::KeyboardModifiers modifiers);

// Whether letting go of the key ends the hold of that button. Only the key
// counts: the operator may have let go of Ctrl first.
bool LensShortcutReleases(int buttonId, int key);

// The shortcut as the button's tool tip shows it ("Ctrl+N"), or nullptr.
const char* LensShortcutText(int buttonId);
