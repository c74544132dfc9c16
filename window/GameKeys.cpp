#include "window/GameKeys.h"

TGameKeyPress GameKeyOf(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    // The keypad's flag says where a key is, not what it means.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool plain = (mods & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (mods == Qt::ControlModifier && key == Qt::Key_N)
        return {TGameKey::NewPuzzle, {}};
    if (!plain)
        return {};
    switch (key) {
    case Qt::Key_F2: return {TGameKey::NewPuzzle, {}};
    case Qt::Key_F1: return {TGameKey::HowToPlay, {}};
    case Qt::Key_Backspace: return {TGameKey::BackSpace, {}};
    case Qt::Key_Escape: return {TGameKey::ClearWord, {}};
    default: break;
    }
    if (text.size() != 1)
        return {};
    const QChar upper = text.at(0).toUpper();
    if (upper < u'A' || upper > u'Z')
        return {};
    return {TGameKey::Letter, upper};
}
