#pragma once

class QMenu;
class QMenuBar;
class QWidget;

// Gives the visible entries of a menu bar (or a menu) and of all its menus one mnemonic
// each, none twice in one menu, and keeps them so: each menu is checked again
// as it opens, for entries that changed (recent files, a language switch).
void keepMnemonics(QWidget* menuOrBar);
// The same for one menu and its submenus, now. The bar's titles keep clear
// of the Alt keys of the buttons in `window` (when given).
void giveMnemonics(QWidget* menuOrBar, const QWidget* window = nullptr);
