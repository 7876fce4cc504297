#include "LensShortcuts.h"

#include "ConsoleControlIds.h"

using namespace ConsoleControl;

namespace {
// shift: 0 without Shift, 1 with it, -1 either way (the zoom keys: "+" is a
// shifted "=" on many keyboards).
struct LensShortcut {
    int buttonId;
    int key;
    int shift;
    const char* text;
};

constexpr LensShortcut kShortcuts[] = {
    {ZoomIn, Qt::Key_Plus, -1, "Ctrl++"},
    {ZoomIn, Qt::Key_Equal, -1, "Ctrl++"},
    {ZoomOut, Qt::Key_Minus, -1, "Ctrl+-"},
    {ZoomOut, Qt::Key_Underscore, -1, "Ctrl+-"},
    {FocusNear, Qt::Key_N, 0, "Ctrl+N"},
    {FocusFar, Qt::Key_F, 0, "Ctrl+F"},
    {IrisOpen, Qt::Key_O, 0, "Ctrl+O"},
    {IrisClose, Qt::Key_O, 1, "Ctrl+Shift+O"},
};
} // namespace

int LensShortcutButton(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's keys are the same keys.
    modifiers &= ~Qt::KeypadModifier;
    if ((modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::ControlModifier)
        return 0;
    const int shift = (modifiers & Qt::ShiftModifier) ? 1 : 0;
    for (const LensShortcut& s : kShortcuts)
        if (s.key == key && (s.shift < 0 || s.shift == shift))
            return s.buttonId;
    return 0;
}

bool LensShortcutReleases(int buttonId, int key)
{
    for (const LensShortcut& s : kShortcuts)
        if (s.buttonId == buttonId && s.key == key)
            return true;
    return false;
}

const char* LensShortcutText(int buttonId)
{
    for (const LensShortcut& s : kShortcuts)
        if (s.buttonId == buttonId)
            return s.text;
    return nullptr;
}
