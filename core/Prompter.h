#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every message box, input box and file dialog of the program goes through
// this interface, so that windows can be driven by tests that answer them.
class Prompter
{
public:
    enum class Icon
    {
        None,
        Information,
        Exclamation,
        Question,
        Critical
    };

    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    virtual ~Prompter() = default;

    // A message with an OK button. An empty title means the application title.
    virtual void message(const QString& text, const QString& title, Icon icon) = 0;
    // A question with Yes and No; true only for Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // The same with No as the default button, for a question whose Yes destroys something.
    virtual bool askYesNoDefaultNo(const QString& text, const QString& title)
    {
        return askYesNo(text, title);
    }
    // A question with Yes, No and Cancel, for anything that could lose work:
    // Escape and the window's close button mean Cancel.
    virtual Answer askYesNoCancel(const QString& text, const QString& title) = 0;
    // A question whose answers are the given buttons (captions with "&"
    // mnemonics), the first the default; the index of the one pressed.
    // Escape and the window's close button give escapeIndex, which is the
    // answer that loses nothing. Where nobody can be asked, that is the answer.
    virtual int askButtons(const QString& text, const QString& title, const QStringList& buttons,
                           int escapeIndex)
    {
        Q_UNUSED(text);
        Q_UNUSED(title);
        Q_UNUSED(buttons);
        return escapeIndex;
    }
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& title,
                                           const QString& proposal) = 0;
    // A choice among items (at least one); the index of the chosen one, nullopt when cancelled.
    virtual std::optional<int> askChoice(const QString& text, const QString& title,
                                         const QStringList& items) = 0;
    // File dialogs; nullopt when cancelled. filter uses Qt's "Name (*.ext)" form.
    virtual std::optional<QString> openFileName(const QString& title, const QString& filter) = 0;
    // proposal: the name the save dialog starts with, with its folder when
    // it has one (else the folder last used).
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix,
                                                const QString& proposal = QString()) = 0;
    virtual void beep() = 0;
};
