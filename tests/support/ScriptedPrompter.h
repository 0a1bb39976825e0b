#pragma once

#include "core/Prompter.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers the program's questions from a script and records everything it
// was shown, so tests can drive windows without real dialogs.
class ScriptedPrompter final : public Prompter
{
public:
    struct Shown
    {
        enum class Kind
        {
            Message,
            Question,
            Input,
            Choice,
            OpenFile,
            SaveFile
        };
        Kind kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    // Answers, used in order. A question without a scripted answer is answered No,
    // an input or file dialog without one is cancelled.
    QQueue<bool> yesNoAnswers;
    // Answers to Yes/No/Cancel questions; without one, Cancel.
    QQueue<Answer> yesNoCancelAnswers;
    QQueue<std::optional<QString>> textAnswers;
    // Answers to button questions (the index); without one, the escape button. The buttons
    // offered are kept.
    QQueue<int> buttonAnswers;
    QStringList buttonCaptions;
    // Answers to choices (the index); without one, cancelled. The items offered are kept.
    QQueue<std::optional<int>> choiceAnswers;
    QStringList choiceItems;
    QQueue<std::optional<QString>> fileAnswers;

    QList<Shown> shown;
    int beeps = 0;

    void message(const QString& text, const QString& title, Icon icon) override
    {
        shown.append({Shown::Kind::Message, text, title, icon});
    }
    bool askYesNo(const QString& text, const QString& title) override
    {
        shown.append({Shown::Kind::Question, text, title, Icon::Question});
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }
    Answer askYesNoCancel(const QString& text, const QString& title) override
    {
        shown.append({Shown::Kind::Question, text, title, Icon::Question});
        return yesNoCancelAnswers.isEmpty() ? Answer::Cancel : yesNoCancelAnswers.dequeue();
    }
    int askButtons(const QString& text, const QString& title, const QStringList& buttons,
                   int escapeIndex) override
    {
        shown.append({Shown::Kind::Question, text, title, Icon::Question});
        buttonCaptions = buttons;
        return buttonAnswers.isEmpty() ? escapeIndex : buttonAnswers.dequeue();
    }
    std::optional<QString> askText(const QString& prompt, const QString& title, const QString&) override
    {
        shown.append({Shown::Kind::Input, prompt, title, Icon::None});
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.dequeue();
    }
    std::optional<int> askChoice(const QString& text, const QString& title, const QStringList& items) override
    {
        shown.append({Shown::Kind::Choice, text, title, Icon::Question});
        choiceItems = items;
        return choiceAnswers.isEmpty() ? std::nullopt : choiceAnswers.dequeue();
    }
    std::optional<QString> openFileName(const QString& title, const QString&) override
    {
        shown.append({Shown::Kind::OpenFile, QString(), title, Icon::None});
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
    }
    // The save dialog's proposal is kept as its text.
    std::optional<QString> saveFileName(const QString& title, const QString&, const QString&,
                                        const QString& proposal) override
    {
        shown.append({Shown::Kind::SaveFile, proposal, title, Icon::None});
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
    }
    void beep() override { ++beeps; }

    // The texts of all messages and questions, in order.
    QStringList texts() const
    {
        QStringList out;
        for (const Shown& s : shown)
            out.append(s.text);
        return out;
    }
    void clear()
    {
        shown.clear();
        beeps = 0;
    }
};
