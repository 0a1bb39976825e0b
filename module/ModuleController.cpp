#include "module/ModuleController.h"
#include "vehicle/VehicleConfig.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "module/ConnectDialog.h"
#include "module/ImageSource.h"
#include "module/ModuleMessages.h"
#include "module/PortNames.h"
#include "module/SearchDialog.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/ParameterDialog.h"
#include "vehicle/VehicleCatalogue.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

ModuleController::ModuleController(AppContext& ctx, const Controls& controls, WindowOps& ops,
                                   ConnectDialog& connectDialog, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_ops(ops), m_connectDialog(connectDialog)
{
    for (int i = PortNames::FirstPort; i <= PortNames::LastPort; ++i) {
        if (QAction* port = m_ui.Port[std::size_t(i)])
            connect(port, &QAction::triggered, this, [this, i] { portClick(i); });
    }
    if (m_ui.Connect)
        connect(m_ui.Connect, &QMenu::aboutToShow, this, &ModuleController::refreshPortCaptions);
    if (m_ui.cmdDaten)
        connect(m_ui.cmdDaten, &QPushButton::clicked, this, &ModuleController::cmdDatenClick);
    if (m_ui.M_Type)
        connect(m_ui.M_Type, &QAction::triggered, this, &ModuleController::mTypeClick);
    if (m_ui.FindModule)
        connect(m_ui.FindModule, &QAction::triggered, this, &ModuleController::findModuleClick);
    if (m_ui.cmdSpeicherbedarf)
        connect(m_ui.cmdSpeicherbedarf, &QPushButton::clicked, this,
                &ModuleController::cmdSpeicherbedarfClick);

    connect(&m_session, &ModuleSession::connected, this, &ModuleController::connected);
    connect(&m_session, &ModuleSession::progress, this, &ModuleController::progress);
    connect(&m_session, &ModuleSession::finished, this, &ModuleController::finished);
    connect(&m_search, &ModuleSearch::trying, this, &ModuleController::searchTrying);
    connect(&m_search, &ModuleSearch::finished, this, &ModuleController::searchFinished);
    refreshPortCaptions();
}

void ModuleController::closePort()
{
    const bool wasBusy = isBusy();
    m_search.cancel();
    m_session.cancel();
    m_operation = Operation::None;
    if (wasBusy) {
        m_connectDialog.hide();
        if (m_searchDialog)
            m_searchDialog->hide();
        if (m_ui.Send_Progress)
            m_ui.Send_Progress->setValue(0);
        setBusy(false);
    }
}

QString ModuleController::portDevice(int n) const
{
    return PortNames::device(n, m_ctx.settings);
}

void ModuleController::refreshPortCaptions()
{
    // Picks up a [Ports] section edited while the program runs.
    m_ctx.settings.sync();
    const QStringList captions = m_captions.refresh(
        m_ctx.settings, PortNames::systemPortInfos(),
        [](const QString& device) { return QFileInfo::exists(device); },
        SearchMessages::missing(m_ctx.texts));
    for (int i = PortNames::FirstPort; i <= PortNames::LastPort; ++i) {
        if (QAction* port = m_ui.Port[std::size_t(i)])
            port->setText(captions.at(i - PortNames::FirstPort));
    }
}

void ModuleController::applyStoredPort(std::optional<int> port)
{
    if (port) {
        m_ctx.module.portNumber = *port;
        m_ui.labPort->setText(QStringLiteral(" Port: ") + QString::number(*port));
        for (int i = PortNames::FirstPort; i <= PortNames::LastPort; ++i)
            m_ui.Port[std::size_t(i)]->setChecked(i == *port);
    } else {
        m_ctx.module.portNumber = 1;
        m_ui.labPort->setText(QStringLiteral(" Port: 1"));
    }
}

void ModuleController::portClick(int index)
{
    if (isBusy())
        return;
    selectPort(index);
    if (const auto outcome = m_session.portProblem(portDevice(index))) {
        linkGone();
        if (const auto message = ModuleMessages::forOutcome(m_ctx.texts, *outcome, index))
            show(*message);
    }
}

void ModuleController::selectPort(int index)
{
    for (int i = PortNames::FirstPort; i <= PortNames::LastPort; ++i)
        m_ui.Port[std::size_t(i)]->setChecked(i == index);
    m_ctx.module.portNumber = index;
    // The choice is kept even when the port cannot be opened now (an adapter
    // not plugged in yet): tick, label and setting always agree.
    m_ctx.settings.save(QString::fromLatin1(SettingsStore::SectionUpper), QStringLiteral("Lampen_Port"),
                        QString::number(index));
    m_ui.labPort->setText(QStringLiteral(" Port: ") + QString::number(index));
}

ParameterDialog* ModuleController::parameterDialog() const
{
    return parent() ? parent()->findChild<ParameterDialog*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

ImageInput ModuleController::imageInput() const
{
    const ParameterDialog* dialog = parameterDialog();
    if (!dialog) {
        ImageInput in;
        for (int k = 0; k < 2; ++k)
            in.sequences[std::size_t(k)] = m_ctx.document.table(k).rows();
        in.codedVehicleNumber = m_ctx.vehicle.codedVehicleNumber;
        return in;
    }
    return ImageSource::input(m_ctx.document, dialog->options(), m_ctx.vehicle.codedVehicleNumber);
}

void ModuleController::setBusy(bool busy)
{
    // Everything that would open the port while it is in use.
    if (m_ui.M_Type)
        m_ui.M_Type->setEnabled(!busy);
    if (m_ui.cmdDaten)
        m_ui.cmdDaten->setEnabled(!busy);
    if (m_ui.FindModule)
        m_ui.FindModule->setEnabled(!busy);
    for (int i = PortNames::FirstPort; i <= PortNames::LastPort; ++i) {
        if (QAction* port = m_ui.Port[std::size_t(i)])
            port->setEnabled(!busy);
    }
    emit busyChanged(busy);
}

void ModuleController::cmdDatenClick()
{
    if (isBusy())
        return;
    m_ctx.module.memoryOnly = false;
    ParameterDialog* dialog = parameterDialog();
    const bool greeting = dialog && dialog->options().isChecked(VehicleOptions::Option::chkCommingHome_Auf);
    if (m_ctx.document.table(0).count() == 0 && !greeting)
        return;
    m_operation = Operation::Upload;
    setBusy(true);
    m_connectDialog.show();
    m_session.upload(portDevice(m_ctx.module.portNumber), m_ctx.developerMode, m_ctx.document.vehicleCode(),
                     imageInput(), [this](const HandshakeReply&) {
                         // The module's edition decides which light functions it takes.
                         QList<VehicleOptions::Option> lacking;
                         if (ParameterDialog* d = parameterDialog())
                             lacking = ImageSource::adaptToEdition(d->options());
                         m_ctx.module.memoryLimit = ModuleSession::UploadLimit;
                         return UploadPlan(imageInput(), lacking);
                     });
}

void ModuleController::mTypeClick()
{
    if (isBusy())
        return;
    m_ctx.module.memoryOnly = false;
    m_operation = Operation::Identify;
    setBusy(true);
    m_connectDialog.show();
    m_session.identify(portDevice(m_ctx.module.portNumber), m_ctx.developerMode);
}

void ModuleController::cmdSpeicherbedarfClick()
{
    m_ctx.module.memoryOnly = true;
    const int limit =
        m_ctx.module.memoryLimit > 0 ? m_ctx.module.memoryLimit : ModuleInfo::DefaultMemoryLimit;
    const UploadImage image = UploadImage::build(imageInput(), limit);
    switch (image.status) {
    case UploadImage::Status::Ok:
        show(ModuleMessages::memoryShare(m_ctx.texts, memoryShare(image.length, limit)));
        break;
    case UploadImage::Status::TooLarge:
        show(ModuleMessages::imageTooLarge(m_ctx.texts));
        break;
    case UploadImage::Status::Invalid:
        show(ModuleMessages::buildFailed(m_ctx.texts));
        break;
    case UploadImage::Status::HeaderOnly:
        break;
    }
}

void ModuleController::connected(const HandshakeReply& reply)
{
    applyReply(reply);
    m_connectDialog.hide();
}

void ModuleController::applyReply(const HandshakeReply& reply)
{
    ModuleInfo& info = m_ctx.module;
    info.connected = true;
    info.moduleType = reply.moduleType;
    info.moduleVersion = reply.moduleVersion;
    if (reply.hasCompileInfo) {
        info.compileDate = reply.compileDate;
        info.codedVehicle = reply.codedVehicle;
    }
    m_statusReply = reply;
    refreshStatus();
}

void ModuleController::refreshStatus()
{
    if (!m_ui.labInfo)
        return;
    if (m_statusReply && m_ctx.module.connected)
        m_ui.labInfo->setText(m_statusReply->statusText(m_ctx.texts.text(Identification::TypeText)));
    else
        m_ui.labInfo->setText(m_ctx.texts.text(m_statusText));
}

void ModuleController::progress(int address, int length)
{
    if (!m_ui.Send_Progress)
        return;
    if (m_ui.Send_Progress->maximum() != length)
        m_ui.Send_Progress->setRange(0, length);
    m_ui.Send_Progress->setValue(address);
}

void ModuleController::finished(const ModuleOutcome& outcome)
{
    const Operation operation = m_operation;
    m_operation = Operation::None;
    m_connectDialog.hide();
    if (m_ui.Send_Progress)
        m_ui.Send_Progress->setValue(0);
    setBusy(false);

    if (ModuleSession::linkFailed(outcome.kind))
        linkGone();
    if (operation == Operation::Identify && outcome.kind == ModuleOutcome::Kind::Identified &&
        outcome.reply) {
        showIdentification(*outcome.reply);
        return;
    }
    if (const auto message = ModuleMessages::forOutcome(m_ctx.texts, outcome, m_ctx.module.portNumber))
        show(*message);
}

void ModuleController::linkGone()
{
    // The module named in the status line is no longer reachable.
    m_ctx.module.connected = false;
    m_statusReply.reset();
    m_statusText = 103;
    refreshStatus();
}

void ModuleController::showIdentification(const HandshakeReply& reply, const QString& foundOn)
{
    if (ModuleSession::unsuitedForTypeFive(reply.moduleType, m_ctx.document.vehicleCode()))
        show(ModuleMessages::modelMismatch(m_ctx.texts));
    ParameterDialog* dialog = parameterDialog();
    if (dialog)
        dialog->Modul_Typ_Freigeben();
    m_ctx.module.memoryLimit = Identification::memoryLimit(reply.moduleType);
    QString compile;
    if (reply.hasCompileInfo)
        compile = Identification::compileInfo(m_ctx.texts, reply.compileDate, reply.codedVehicle,
                                              VehicleCatalogue::vehicleName(reply.codedVehicle));
    if (dialog && dialog->options().isChecked(VehicleOptions::Option::E6x_LCI_Modul) &&
        Identification::firmwareLacksLci(reply.moduleVersion)) {
        show(Identification::lciUpgrade(m_ctx.texts, reply.moduleType, reply.moduleVersion));
        dialog->options().setChecked(VehicleOptions::Option::E6x_LCI_Modul, false);
    }
    const ModuleMessage report =
        Identification::report(m_ctx.texts, reply.moduleType, reply.moduleVersion, compile);
    show(foundOn.isEmpty() ? report : SearchMessages::found(m_ctx.texts, foundOn, report));
}

void ModuleController::show(const ModuleMessage& message)
{
    m_ctx.prompter.message(message.text, message.title, message.icon);
}

void ModuleController::applyTexts()
{
    if (m_ui.FindModule)
        m_ui.FindModule->setText(SearchMessages::menuEntry(m_ctx.texts));
}

void ModuleController::findModuleClick()
{
    if (isBusy())
        return;
    m_ctx.settings.sync();
    const QList<ModuleSearch::Port> ports =
        ModuleSearch::candidates(m_ctx.settings, PortNames::systemPortInfos(), m_ctx.module.portNumber);
    if (ports.isEmpty()) {
        show(SearchMessages::noPorts(m_ctx.texts));
        return;
    }
    m_ctx.module.memoryOnly = false;
    m_operation = Operation::Search;
    setBusy(true);
    if (!m_searchDialog) {
        m_searchDialog = new SearchDialog(m_connectDialog.parentWidget());
        connect(m_searchDialog, &SearchDialog::canceled, this, &ModuleController::stopSearch);
    }
    m_searchDialog->setWindowTitle(SearchMessages::menuEntry(m_ctx.texts));
    m_searchDialog->show();
    m_search.start(ports, m_ctx.developerMode);
}

void ModuleController::searchTrying(int index, int count, const ModuleSearch::Port& port)
{
    m_searchDialog->showTrying(index + 1, count, SearchMessages::trying(m_ctx.texts, port));
}

void ModuleController::stopSearch()
{
    if (m_operation != Operation::Search)
        return;
    m_search.cancel();
    m_operation = Operation::None;
    m_searchDialog->hide();
    setBusy(false);
}

void ModuleController::searchFinished()
{
    m_operation = Operation::None;
    m_searchDialog->hide();
    setBusy(false);
    const QList<ModuleSearch::Try> answered = m_search.answered();
    if (answered.isEmpty()) {
        linkGone();
        show(SearchMessages::noneAnswered(m_ctx.texts, m_search.results()));
        return;
    }
    qsizetype pick = 0;
    if (answered.size() > 1) {
        const std::optional<int> choice = m_ctx.prompter.askChoice(
            SearchMessages::choiceQuestion(m_ctx.texts), SearchMessages::menuEntry(m_ctx.texts),
            SearchMessages::choices(m_ctx.texts, answered));
        if (!choice || *choice < 0 || *choice >= answered.size())
            return;
        pick = *choice;
    }
    choose(answered.at(pick));
}

void ModuleController::choose(const ModuleSearch::Try& found)
{
    const QString& device = found.port.device;
    // The numbering may have changed while the ports were tried.
    m_ctx.settings.sync();
    const QStringList system = PortNames::systemPorts();
    const int number = PortNames::assign(device, m_ctx.settings, system).value_or(0);
    const HandshakeReply reply = *found.outcome.reply;
    applyReply(reply);
    if (number > 0)
        selectPort(number);
    else
        show(SearchMessages::noNumber(m_ctx.texts, device));
    showIdentification(reply, ModuleMessages::portName(number, device));
}
