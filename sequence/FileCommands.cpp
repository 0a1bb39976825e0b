#include "sequence/FileCommands.h"

#include "app/MainWindowUi.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"
#include "ui/WindowOps.h"
#include "vehicle/ParameterDialog.h"

#include <QFileInfo>
#include <QLabel>
#include <QWidget>

namespace {
const QString Filter = QStringLiteral("Dateien (*.zfx)");
const QString Suffix = QStringLiteral("zfx");
const QString NewName = QStringLiteral("Neu");
} // namespace

FileCommands::FileCommands(AppContext& ctx, MainWindowUi& ui, WindowOps& ops, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(ui), m_ops(ops)
{
}

QString FileCommands::captionName() const
{
    if (!m_captionName.isEmpty())
        return m_captionName;
    return m_ctx.document.isUntitled() ? NewName : m_ctx.document.fileName();
}

void FileCommands::setCaptionName(const QString& name)
{
    m_captionName = name;
    m_ops.refreshCaption();
}

ParameterDialog* FileCommands::parameterDialog() const
{
    return m_ui.central ? m_ui.central->window()->findChild<ParameterDialog*>() : nullptr;
}

bool FileCommands::offerToSave()
{
    if (SequenceFile::documentUnchanged(m_ctx.document))
        return true;
    if (!m_ctx.prompter.askYesNo(m_ctx.texts.text(90), QString()))
        return true;
    return save();
}

bool FileCommands::newDocument()
{
    if (!offerToSave())
        return false;
    SequenceDocument& doc = m_ctx.document;
    doc.clear();
    doc.setFileName(QString());
    setCaptionName(NewName);
    m_ui.labPos->setText(QStringLiteral("Position 0"));
    return true;
}

bool FileCommands::open()
{
    if (!offerToSave())
        return false;
    const std::optional<QString> name = m_ctx.prompter.openFileName(m_ctx.texts.text(126), Filter);
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
    SequenceDocument& doc = m_ctx.document;
    if (SequenceFile::read(fileName, doc, true) != SequenceFile::ReadStatus::Ok) {
        // The document is now new and empty; the refused file is left alone.
        setCaptionName(NewName);
        m_ctx.prompter.message(m_ctx.texts.text(88), m_ctx.texts.text(82), Prompter::Icon::Exclamation);
        return false;
    }
    if (ParameterDialog* dialog = parameterDialog())
        dialog->applyDocumentVehicle();
    m_ops.modellauswahl();
    setCaptionName(fileName);
    m_ops.lichtAus();
    emit opened(fileName);
    return true;
}

bool FileCommands::openCopy(const QString& copyFile, const QString& fileName)
{
    SequenceDocument& doc = m_ctx.document;
    if (SequenceFile::read(copyFile, doc, true) != SequenceFile::ReadStatus::Ok) {
        setCaptionName(NewName);
        m_ctx.prompter.message(m_ctx.texts.text(88), m_ctx.texts.text(82), Prompter::Icon::Exclamation);
        return false;
    }
    doc.setFileName(fileName);
    if (ParameterDialog* dialog = parameterDialog())
        dialog->applyDocumentVehicle();
    m_ops.modellauswahl();
    setCaptionName(fileName.isEmpty() ? NewName : fileName);
    m_ops.lichtAus();
    return true;
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
    std::optional<QString> name = m_ctx.prompter.saveFileName(m_ctx.texts.text(126), Filter, Suffix);
    if (!name || name->isEmpty())
        return std::nullopt;
    if (QFileInfo(*name).suffix().isEmpty())
        *name += QLatin1Char('.') + Suffix;
    return name;
}

bool FileCommands::writeTo(const QString& fileName)
{
    SequenceDocument& doc = m_ctx.document;
    if (!SequenceFile::write(fileName, doc)) {
        // The document stays as it is, so the message must not say it was cleared.
        m_ctx.prompter.message(m_ctx.texts.text(SaveFailedText), m_ctx.texts.text(82),
                               Prompter::Icon::Exclamation);
        return false;
    }
    doc.setFileName(fileName);
    setCaptionName(fileName.endsWith(QLatin1String(".zfx"), Qt::CaseInsensitive) ? fileName.chopped(4)
                                                                                 : fileName);
    emit saved(fileName);
    return true;
}
