#pragma once

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/ModuleInfo.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "module/UploadImage.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleConfig.h"
#include "vehicle/VehicleOptions.h"

#include <QTextStream>

struct HandshakeReply;

// A show file made ready for the module outside the editor, for the image
// and upload commands: the file's sequences, the light functions that the
// file's option string gives through the rules of the options dialog, the
// greeting and farewell durations from the user's settings, as the editor
// reads them, and the English texts for the module's messages.
class ModuleShow
{
public:
    ModuleShow();

    // Reads the file as File Open does; false (reported on err) when it cannot.
    bool load(const QString& fileName, QTextStream& err);
    // Takes a show as a file would bring it.
    void setContent(const SequenceContent& content);

    ImageInput input() const;
    // The options a module of this type takes (as before every upload); returns
    // the ticked ones its edition does not carry out.
    QList<VehicleOptions::Option> adaptTo(const HandshakeReply& reply);

    const LangText& texts() const { return m_texts; }
    const SequenceDocument& document() const { return m_document; }
    // The vehicle as the options of the file set it up (headlamps, rings, fog lamps).
    const VehicleConfig& vehicle() const { return m_vehicle; }
    const VehicleOptions& options() const { return m_options; }
    bool developerMode() const;
    bool greetingLight() const;

private:
    // The options model reports through its own signal; nothing is asked here.
    class QuietPrompter final : public Prompter
    {
    public:
        void message(const QString&, const QString&, Icon) override {}
        bool askYesNo(const QString&, const QString&) override { return false; }
        Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
        std::optional<QString> askText(const QString&, const QString&, const QString&) override { return {}; }
        std::optional<int> askChoice(const QString&, const QString&, const QStringList&) override
        {
            return {};
        }
        std::optional<QString> openFileName(const QString&, const QString&) override { return {}; }
        std::optional<QString> saveFileName(const QString&, const QString&, const QString&,
                                            const QString&) override
        {
            return {};
        }
        void beep() override {}
    };

    SettingsStore m_settings;
    LangText m_texts;
    QuietPrompter m_prompter;
    SequenceDocument m_document;
    VehicleConfig m_vehicle;
    ModuleInfo m_module;
    AppContext m_ctx;
    VehicleOptions m_options;
};
