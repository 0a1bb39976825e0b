#pragma once

#include <QSet>
#include <QStringList>

// Keyboard mnemonics ("&Datei") for the captions of one menu, in any language.
namespace Mnemonics {

// The captions with one mnemonic each and no letter or digit twice (case
// does not count). A caption keeps its own mnemonic while that character is
// free; the others take the first free character that starts a word, else
// any free letter or digit outside brackets, else none. "&&" stays a
// literal ampersand.
// Characters in reserved (lower case) are left to others: the buttons of the
// window, whose Alt keys the menu bar's titles must not take.
QStringList assign(const QStringList& captions, const QSet<QChar>& reserved = {});

// The mnemonic character of a caption, lower case; a null QChar when it has none.
QChar of(const QString& caption);

// The caption without its mnemonic marker.
QString stripped(const QString& caption);

} // namespace Mnemonics
