#pragma once

class QWidget;

// Gives the visible entries of a menu bar (or a menu) and of all its menus
// one mnemonic each, none twice in one menu. The bar's titles keep clear of
// the Alt keys of the buttons in `window` (when given).
void giveMnemonics(QWidget* menuOrBar, const QWidget* window = nullptr);
// Checks each menu under menuOrBar again as it opens, for entries that
// changed since (recent files, undo texts).
void keepMnemonics(QWidget* menuOrBar);
