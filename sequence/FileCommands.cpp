#include "sequence/FileCommands.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SaveFailureText.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"
#include "ui/WindowOps.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace {
const QString Suffix = QStringLiteral("zfx");
} // namespace

FileCommands::FileCommands(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_ops(ops)
{
}

QString FileCommands::captionName() const
{
    return m_ctx.document.isUntitled() ? m_ctx.texts.text(UntitledText)
                                       : QFileInfo(m_ctx.document.fileName()).fileName();
}

QString FileCommands::exportProposal(const QString& part, const QString& suffix) const
{
    const SequenceDocument& doc = m_ctx.document;
    QString name =
        doc.isUntitled() ? m_ctx.texts.text(UntitledText) : QFileInfo(doc.fileName()).completeBaseName();
    if (!part.isEmpty())
        name += QStringLiteral(" - ") + part;
    // Characters no file name may hold on some desktop become blanks.
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
    name.replace(unsafe, QStringLiteral(" "));
    name = name.simplified() + u'.' + suffix;
    return doc.isUntitled() ? name : QFileInfo(doc.fileName()).absoluteDir().filePath(name);
}

QString FileCommands::filter() const
{
    return m_ctx.texts.text(FilterText) + QStringLiteral(" (*.zfx)");
}

bool FileCommands::offerToSave()
{
    if (SequenceFile::documentUnchanged(m_ctx.document))
        return true;
    switch (m_ctx.prompter.askYesNoCancel(m_ctx.texts.text(90), QString())) {
    case Prompter::Answer::Yes:
        return save();
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

bool FileCommands::newDocument()
{
    if (!offerToSave())
        return false;
    SequenceDocument& doc = m_ctx.document;
    doc.clear();
    doc.setFileName(QString());
    m_ops.refreshCaption();
    m_ui.labPos->setText(QStringLiteral("Position 0"));
    return true;
}

bool FileCommands::newFrom(const SequenceContent& content)
{
    if (!offerToSave())
        return false;
    show(content, QString());
    m_ops.refreshCaption();
    return true;
}

bool FileCommands::open()
{
    if (!offerToSave())
        return false;
    const std::optional<QString> name = m_ctx.prompter.openFileName(m_ctx.texts.text(126), filter());
    if (!name || name->isEmpty())
        return false;
    return load(*name);
}

bool FileCommands::openFile(const QString& fileName)
{
    if (!offerToSave())
        return false;
    return load(fileName);
}

bool FileCommands::load(const QString& fileName)
{
    // The file is read and checked before it replaces anything, so a file
    // that cannot be read leaves the open document as it was.
    const SequenceFile::ReadResult read = SequenceFile::readContent(fileName, true);
    if (read.status != SequenceFile::ReadStatus::Ok) {
        reportUnreadable(fileName, read.status);
        return false;
    }
    show(read.content, fileName);
    m_ops.refreshCaption();
    emit opened(fileName);
    return true;
}

bool FileCommands::openCopy(const QString& copyFile, const QString& fileName)
{
    const SequenceFile::ReadResult read = SequenceFile::readContent(copyFile, true);
    if (read.status != SequenceFile::ReadStatus::Ok) {
        reportUnreadable(copyFile, read.status);
        return false;
    }
    show(read.content, fileName);
    m_ops.refreshCaption();
    return true;
}

void FileCommands::show(const SequenceContent& content, const QString& fileName)
{
    SequenceDocument& doc = m_ctx.document;
    doc.setContent(content);
    doc.setFileName(fileName);
    m_ops.applyDocumentVehicle();
    m_ops.modellauswahl();
    m_ops.lichtAus();
}

void FileCommands::reportUnreadable(const QString& fileName, SequenceFile::ReadStatus status)
{
    const LangText& t = m_ctx.texts;
    int reason = UnreadableText + 1; // cannot be opened
    if (status == SequenceFile::ReadStatus::ChecksumMismatch)
        reason = UnreadableText + 2;
    else if (status == SequenceFile::ReadStatus::Damaged)
        reason = UnreadableText + 3;
    const QString crLf = QStringLiteral("\r\n");
    m_ctx.prompter.message(t.text(UnreadableText) + crLf + QDir::toNativeSeparators(fileName) + crLf + crLf +
                               t.text(reason),
                           t.text(82), Prompter::Icon::Exclamation);
}

bool FileCommands::save()
{
    const QString current = m_ctx.document.fileName();
    if (!current.isEmpty() && QFileInfo(current).isFile())
        return writeTo(current);
    return saveAs();
}

bool FileCommands::saveAs()
{
    const std::optional<QString> name = askSaveName();
    return name && writeTo(*name);
}

std::optional<QString> FileCommands::askSaveName()
{
    std::optional<QString> name =
        m_ctx.prompter.saveFileName(m_ctx.texts.text(126), filter(), Suffix, m_ctx.document.fileName());
    if (!name || name->isEmpty())
        return std::nullopt;
    if (QFileInfo(*name).suffix().isEmpty())
        *name += QLatin1Char('.') + Suffix;
    return name;
}

QString FileCommands::saveFailedMessage(const LangText& texts, const SafeSave::Result& result)
{
    const QString reason = SaveFailureText::reason(texts, result);
    return reason.isEmpty() ? texts.text(SaveFailedText)
                            : texts.text(SaveFailedText) + QStringLiteral("\r\n\r\n") + reason;
}

bool FileCommands::writeTo(const QString& fileName)
{
    SequenceDocument& doc = m_ctx.document;
    const SafeSave::Result written = SequenceFile::write(fileName, doc);
    if (!written) {
        // The document stays as it is, so the message must not say it was cleared.
        m_ctx.prompter.message(saveFailedMessage(m_ctx.texts, written), m_ctx.texts.text(82),
                               Prompter::Icon::Exclamation);
        return false;
    }
    doc.setFileName(fileName);
    m_ops.refreshCaption();
    emit saved(fileName);
    return true;
}
