#include "ui/WidgetPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString titleOrApp(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}
} // namespace

void WidgetPrompter::message(const QString& text, const QString& title, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(titleOrApp(title));
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool WidgetPrompter::askYesNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, titleOrApp(title), text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    return box.exec() == QMessageBox::Yes;
}

bool WidgetPrompter::askYesNoDefaultNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, titleOrApp(title), text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Prompter::Answer WidgetPrompter::askYesNoCancel(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, titleOrApp(title), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

int WidgetPrompter::askButtons(const QString& text, const QString& title, const QStringList& buttons,
                               int escapeIndex)
{
    QMessageBox box(QMessageBox::Question, titleOrApp(title), text, QMessageBox::NoButton, m_parent);
    QList<QPushButton*> pushButtons;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        // Roles only place the buttons as the desktop does; the answer is the button's index.
        const QMessageBox::ButtonRole role = i == escapeIndex ? QMessageBox::RejectRole
                                             : i == 0         ? QMessageBox::AcceptRole
                                                              : QMessageBox::DestructiveRole;
        pushButtons.append(box.addButton(buttons.at(i), role));
    }
    if (!pushButtons.isEmpty())
        box.setDefaultButton(pushButtons.first());
    if (escapeIndex >= 0 && escapeIndex < pushButtons.size())
        box.setEscapeButton(pushButtons.at(escapeIndex));
    box.exec();
    const qsizetype pressed = pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return pressed >= 0 ? int(pressed) : escapeIndex;
}

std::optional<QString> WidgetPrompter::askText(const QString& prompt, const QString& title,
                                               const QString& proposal)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, titleOrApp(title), prompt, QLineEdit::Normal, proposal, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<int> WidgetPrompter::askChoice(const QString& text, const QString& title,
                                             const QStringList& items)
{
    bool ok = false;
    const QString answer = QInputDialog::getItem(m_parent, titleOrApp(title), text, items, 0, false, &ok);
    if (!ok || !items.contains(answer))
        return std::nullopt;
    return int(items.indexOf(answer));
}

std::optional<QString> WidgetPrompter::openFileName(const QString& title, const QString& filter)
{
    const QString name = QFileDialog::getOpenFileName(m_parent, title, m_lastFolder, filter);
    if (name.isEmpty())
        return std::nullopt;
    m_lastFolder = QFileInfo(name).absolutePath();
    return name;
}

std::optional<QString> WidgetPrompter::saveFileName(const QString& title, const QString& filter,
                                                    const QString& defaultSuffix, const QString& proposal)
{
    const QFileInfo proposed(proposal);
    const QString start = proposal.isEmpty()      ? m_lastFolder
                          : proposed.isAbsolute() ? proposal
                                                  : QDir(m_lastFolder).filePath(proposal);
    QFileDialog dialog(m_parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(name).absolutePath();
    return name;
}

void WidgetPrompter::beep()
{
    QApplication::beep();
}
