#pragma once

#include "core/Prompter.h"
#include "module/ModuleSearch.h"
#include "vehicle/VehicleOptions.h"

#include <QString>
#include <QStringList>
#include <optional>

class LangText;
struct ModuleOutcome;

// A message box of the module link: its text, title and icon. An empty
// title stands for the application's title.
struct ModuleMessage
{
    QString text;
    QString title;
    Prompter::Icon icon = Prompter::Icon::None;
};

// The messages of the port, the handshake, the upload and the memory
// requirement, composed from the language texts.
namespace ModuleMessages {

// The port as the Connection menu names it, "Com 2  (/dev/ttyUSB0)"; the
// device alone when no number reaches it, "Com 2" when it stands for no device.
QString portName(int portNumber, const QString& device);

// port: the port's name (portName).
ModuleMessage portNotAvailable(const LangText& t, const QString& port);
ModuleMessage portBusy(const LangText& t, const QString& port);
// ownerGroup: the group that owns the device, left out when empty.
ModuleMessage portNoPermission(const LangText& t, const QString& port, const QString& device,
                               const QString& ownerGroup);
ModuleMessage notConnected(const LangText& t);
// Something answered the handshake, but not as the module does.
ModuleMessage replyNotRecognised(const LangText& t);
ModuleMessage modelMismatch(const LangText& t);
ModuleMessage imageTooLarge(const LangText& t);
ModuleMessage buildFailed(const LangText& t);
ModuleMessage wrongEcho(const LangText& t);
ModuleMessage noAnswer(const LangText& t);
// The port failed while byte address of length was being sent.
ModuleMessage linkLost(const LangText& t, int address, int length);
// The caption of an option in the vehicle window, from the language texts.
QString optionCaption(const LangText& t, VehicleOptions::Option option);
// The line naming the ticked options the module's edition does not carry
// out; empty when there are none.
QString notCarriedOut(const LangText& t, const QList<VehicleOptions::Option>& options);
// notCarriedOut: the ticked options left out for the module's edition, named after the share.
ModuleMessage sent(const LangText& t, int share, const QList<VehicleOptions::Option>& notCarriedOut = {});
ModuleMessage memoryShare(const LangText& t, int share);

// The message that ends an operation, if any (an identification's own
// report and a header-only document have none here). portNumber: the "Com n"
// the device was reached under, 0 for none.
std::optional<ModuleMessage> forOutcome(const LangText& t, const ModuleOutcome& outcome, int portNumber);

} // namespace ModuleMessages

// The texts of the module search.
namespace SearchMessages {

// The word for a port that is not there ("fehlt").
QString missing(const LangText& t);
// The menu entry.
QString menuEntry(const LangText& t);
// The progress line while a port is tried.
QString trying(const LangText& t, const ModuleSearch::Port& port);
// "Com 2  (/dev/ttyUSB0)", or the device alone when it has no number.
QString portName(const ModuleSearch::Port& port);
// The module answered on the port (its name): the identification's report,
// headed by the port.
ModuleMessage found(const LangText& t, const QString& port, const ModuleMessage& report);
// One port's result: "Com 2  (/dev/ttyUSB0): keine Antwort".
QString line(const LangText& t, const ModuleSearch::Try& result);
// The question when several ports answer, and its choices (one per port).
QString choiceQuestion(const LangText& t);
QStringList choices(const LangText& t, const QList<ModuleSearch::Try>& answered);
// No port answered: every port with its result, what to check, and how to
// get the right to a refused device.
ModuleMessage noneAnswered(const LangText& t, const QList<ModuleSearch::Try>& results);
// There was no port to try.
ModuleMessage noPorts(const LangText& t);
// The module answered on a device that no "Com n" can be given to.
ModuleMessage noNumber(const LangText& t, const QString& device);

} // namespace SearchMessages

// What the identification shows about a module that answered.
namespace Identification {

// The memory a module of this type has for the image.
int memoryLimit(const QString& moduleType);
// The firmware version read as a number, as far as it is one ("2.2" -> 2.2).
double versionNumber(const QString& moduleVersion);
// Firmware 2.2 and older cannot drive the LCI rear-light module.
bool firmwareLacksLci(const QString& moduleVersion);
// The upgrade message shown before the LCI option is switched off again.
ModuleMessage lciUpgrade(const LangText& t, const QString& moduleType, const QString& moduleVersion);
// "Software Compiler Datum: ..." and "Codiert für das Modell: ..." (texts 399
// and 400); a vehicle number the name table does not reach is shown as the number.
QString compileInfo(const LangText& t, const QString& compileDate, int codedVehicle,
                    const QString& vehicleName);
// The word before the module type ("Typ"); text 401.
inline constexpr int TypeText = 401;
// The edition and its functions; text 163 alone for an unknown type.
// compileInformation is appended when not empty.
ModuleMessage report(const LangText& t, const QString& moduleType, const QString& moduleVersion,
                     const QString& compileInformation);

} // namespace Identification
