#pragma once

#include "sequence/SequenceFile.h"

#include <QObject>
#include <QString>
#include <optional>

struct AppContext;
class LangText;
class QLabel;
class QWidget;
class WindowOps;

// The File menu's document commands: New, Open, Save, Save As.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    // The language text that says a save failed and the document was kept.
    static constexpr int SaveFailedText = 145;
    // A file that cannot be opened: "could not be read" before its name; the
    // three texts after it give the reason (cannot open, checksum, content).
    static constexpr int UnreadableText = 220;

    // The main window's controls this part binds to.
    struct Controls
    {
        QLabel* labPos = nullptr;
    };

    FileCommands(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent = nullptr);

    // The message of a failed save or export: the save-failed text, then why.
    static QString saveFailedMessage(const LangText& texts, const SafeSave::Result& result);

    // Each returns true when it ran to its end (not cancelled, not failed).
    // New and Open first ask whether a changed document is to be saved (Yes,
    // No, Cancel); Cancel, or a save that is cancelled or fails, stops them,
    // so no work is lost. A file that cannot be read replaces nothing: the
    // open document stays as it was and a message names the file and why.
    bool newDocument();
    bool open();
    // Open without the dialog (a recent file, a file dropped on the window):
    // the same question first, the same handling of a refused file.
    bool openFile(const QString& fileName);
    // Reads a copy of a document (a backup) and gives the document the name
    // it had, fileName (empty: untitled). Nothing is asked; the document then
    // differs from its file until it is saved. A copy that cannot be read
    // replaces nothing.
    bool openCopy(const QString& copyFile, const QString& fileName);
    // A show to start from (one of the library's): after the same question
    // as New it becomes an untitled document, so that Save asks for a name.
    bool newFrom(const SequenceContent& content);
    // Saves under the document's name while that file exists, else as Save As.
    // A failed save says so and keeps the document, its name and its rows.
    bool save();
    bool saveAs();

    // The document's part of the window caption: its file's name (the window
    // keeps the full path as its file path), or text 392 ("Neu") when untitled.
    QString captionName() const;
    static constexpr int UntitledText = 392;
    // The name an export of the show suggests: the show's name (text 392 when
    // untitled), " - " and part when given, the suffix; in the show's folder.
    QString exportProposal(const QString& part, const QString& suffix) const;
    // The open and save dialogs' file type: text 393 ("Dateien") and the pattern.
    QString filter() const;
    static constexpr int FilterText = 393;

signals:
    // A file was read by Open or written by Save or Save As.
    void opened(const QString& fileName);
    void saved(const QString& fileName);

private:
    bool load(const QString& fileName);
    // Puts content that was read and checked in place of the document.
    void show(const SequenceContent& content, const QString& fileName);
    void reportUnreadable(const QString& fileName, SequenceFile::ReadStatus status);
    // False when the user wanted the changes saved and they were not.
    bool offerToSave();
    std::optional<QString> askSaveName();
    bool writeTo(const QString& fileName);

    AppContext& m_ctx;
    Controls m_ui;
    WindowOps& m_ops;
};
