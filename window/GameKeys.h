#pragma once
// The keys of the game window: a typed letter presses a letter button of
// the cross, Backspace is Back Space, Escape is Clear Word, Ctrl+N and F2
// are New Puzzle and F1 is How To Play. GameKeyOf only names the key's
// meaning; the window decides where it acts.
#include <QString>
#include <Qt>

enum class TGameKey { None, Letter, BackSpace, ClearWord, NewPuzzle, HowToPlay };

struct TGameKeyPress {
    TGameKey key = TGameKey::None;
    QChar letter; // the upper-case letter of a TGameKey::Letter
};

// What a key pressed in the game window means (None: nothing of the game).
TGameKeyPress GameKeyOf(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// Keys that edit a text field (letters, Backspace, Escape) as opposed to
// the commands that act from anywhere.
inline bool IsEditingKey(TGameKey key)
{
    return key == TGameKey::Letter || key == TGameKey::BackSpace || key == TGameKey::ClearWord;
}
