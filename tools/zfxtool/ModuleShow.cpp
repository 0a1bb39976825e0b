#include "tools/zfxtool/ModuleShow.h"

#include "module/HandshakeReply.h"
#include "module/ImageSource.h"
#include "sequence/SequenceFile.h"
#include "tools/zfxtool/Command.h"
#include "vehicle/VehicleCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A stored duration as the editor reads it: list index 0 to 13, else 2.
int durationIndex(const SettingsStore& settings, const char* key)
{
    const int index =
        settings.number(QString::fromLatin1(SettingsStore::Section), QString::fromLatin1(key)).value_or(2);
    return index >= 0 && index < VehicleOptions::ListItemCount ? index : 2;
}

} // namespace

ModuleShow::ModuleShow()
    : m_ctx(m_settings, m_texts, m_prompter, m_document, m_vehicle, m_module), m_options(m_ctx)
{
    // The tool speaks English whatever language the editor was set to; the
    // language files lie beside the programs.
    m_ctx.programFolder = QCoreApplication::applicationDirPath();
    m_texts.load(QDir(m_ctx.programFolder).filePath(QStringLiteral("English.zfl")));
    m_ctx.developerMode = developerMode();
}

bool ModuleShow::developerMode() const
{
    return m_settings.get(QString::fromLatin1(SettingsStore::SectionUpper),
                          QStringLiteral("Entwickerstatus")) == QLatin1String("Wahr");
}

bool ModuleShow::load(const QString& fileName, QTextStream& err)
{
    const SequenceFile::ReadResult file = SequenceFile::readContent(fileName, true);
    if (file.status != SequenceFile::ReadStatus::Ok) {
        reportReadFailure(err, fileName, file);
        return false;
    }
    setContent(file.content);
    m_document.setFileName(fileName);
    return true;
}

void ModuleShow::setContent(const SequenceContent& content)
{
    m_document.setContent(content);
    m_options.setListIndex(VehicleOptions::List::combBegruessung, durationIndex(m_settings, "Time_Kommen"));
    m_options.setListIndex(VehicleOptions::List::combVerabschiedung, durationIndex(m_settings, "Time_Gehen"));
    m_options.ApplyDocumentVehicle();
    m_ctx.vehicle.codedVehicleNumber = VehicleCatalogue::codedVehicleNumber(m_document.vehicleCode())
                                           .value_or(m_ctx.vehicle.codedVehicleNumber);
}

ImageInput ModuleShow::input() const
{
    return ImageSource::input(m_document, m_options, m_ctx.vehicle.codedVehicleNumber);
}

QList<VehicleOptions::Option> ModuleShow::adaptTo(const HandshakeReply& reply)
{
    m_ctx.module.moduleType = reply.moduleType;
    m_ctx.module.moduleVersion = reply.moduleVersion;
    return ImageSource::adaptToEdition(m_options);
}

bool ModuleShow::greetingLight() const
{
    return m_options.isChecked(VehicleOptions::Option::chkCommingHome_Auf);
}
