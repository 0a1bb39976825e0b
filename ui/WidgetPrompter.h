#pragma once

#include "core/Prompter.h"

#include <QString>

class QWidget;

// The real dialogs, parented to a window.
class WidgetPrompter final : public Prompter
{
public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(const QString& text, const QString& title) override;
    bool askYesNoDefaultNo(const QString& text, const QString& title) override;
    Answer askYesNoCancel(const QString& text, const QString& title) override;
    int askButtons(const QString& text, const QString& title, const QStringList& buttons,
                   int escapeIndex) override;
    std::optional<QString> askText(const QString& prompt, const QString& title,
                                   const QString& proposal) override;
    std::optional<int> askChoice(const QString& text, const QString& title,
                                 const QStringList& items) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix, const QString& proposal) override;
    void beep() override;

private:
    QWidget* m_parent;
    // The file dialogs open where the last one was left.
    QString m_lastFolder;
};
