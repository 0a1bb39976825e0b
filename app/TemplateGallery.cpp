#include "app/TemplateGallery.h"

#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "module/ModuleController.h"
#include "module/UploadImage.h"
#include "sequence/FileCommands.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"
#include "vehicle/VehicleConfig.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/HitTest.h"
#include "views/ShowPreview.h"
#include "views/playback/PlayOrder.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

namespace {

bool german(const AppContext& ctx)
{
    return ctx.languageName == QLatin1String("Deutsch");
}

} // namespace

TemplateDialog::TemplateDialog(AppContext& ctx, MainWindow& window, const ShowLibrary& library,
                               const QList<ShowAdapter::Result>& shows, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_window(window), m_library(library), m_shows(shows),
      m_family(ShowLibrary::familyOf(ctx.document.vehicleCode()))
{
    const LangText& t = ctx.texts;
    setObjectName(QStringLiteral("TemplateDialog"));
    setWindowTitle(t.text(TemplateGallery::MenuText));
    auto* grid = new QGridLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstVorlagen"));
    m_list->setAccessibleName(t.text(TemplateGallery::MenuText));
    m_list->setMinimumWidth(260);
    grid->addWidget(m_list, 0, 0, 3, 1);
    m_preview = new ShowPreview(this);
    m_preview->setObjectName(QStringLiteral("imaVorschau"));
    const VehicleConfig& vehicle = ctx.vehicle;
    m_preview->setVehicle(LampOptions::of(ctx.document.vehicleCode(), vehicle), vehicle.pictureBasesByView(),
                          window.ui().carViews->plateBoxes(), window.carViews().night());
    grid->addWidget(m_preview, 0, 1);
    m_about = new QLabel(this);
    m_about->setObjectName(QStringLiteral("labBeschreibung"));
    m_about->setWordWrap(true);
    m_about->setMaximumWidth(m_preview->sizeHint().width() + 40);
    grid->addWidget(m_about, 1, 1);
    m_figures = new QLabel(this);
    m_figures->setObjectName(QStringLiteral("labWerte"));
    grid->addWidget(m_figures, 2, 1);
    m_all = new QCheckBox(t.text(TemplateGallery::AllText), this);
    m_all->setObjectName(QStringLiteral("chkAlle"));
    grid->addWidget(m_all, 3, 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 3, 1);
    grid->setRowStretch(1, 1);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_all, &QCheckBox::toggled, this, &TemplateDialog::fill);
    connect(m_list, &QListWidget::currentRowChanged, this, &TemplateDialog::selected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // A vehicle of no family the library knows sees every show.
    m_all->setChecked(m_family.isEmpty());
    fill();
}

void TemplateDialog::fill()
{
    m_list->clear();
    const QList<ShowLibrary::Entry>& entries = m_library.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ShowLibrary::Entry& e = entries.at(i);
        if (!m_all->isChecked() && e.family != m_family)
            continue;
        auto* item =
            new QListWidgetItem(e.name(german(m_ctx)) + QStringLiteral("  \u2013  ") + e.family, m_list);
        item->setData(Qt::UserRole, int(i));
    }
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    selected();
}

int TemplateDialog::chosen() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void TemplateDialog::selected()
{
    const int i = chosen();
    if (i < 0 || i >= m_shows.size()) {
        m_about->clear();
        m_figures->clear();
        m_preview->play({}, {});
        return;
    }
    const SequenceContent& show = m_shows.at(i).content;
    m_about->setText(m_library.entries().at(i).description(german(m_ctx)));
    // What it takes of the module, as an upload of it would build it.
    ImageInput input = m_window.moduleController().imageInput();
    for (std::size_t k = 0; k < 2; ++k)
        input.sequences[k] = show.sequences[k];
    const int limit = m_ctx.module.memoryLimit;
    const UploadImage image = UploadImage::build(input, limit);
    const QLocale locale = languageLocale(m_ctx.languageName);
    auto seconds = [&locale](const QList<SequenceRow>& rows) {
        return locale.toString(double(PlayOrder::of(rows).totalMs) / 1000.0, 'f', 1);
    };
    m_figures->setText(
        m_ctx.texts.text(TemplateGallery::FiguresText)
            .arg(seconds(show.sequences[0]), seconds(show.sequences[1]))
            .arg(image.status == UploadImage::Status::Ok ? memoryShare(image.length, limit) : 100));
    m_preview->play(show.sequences[0], show.sequences[1]);
}

TemplateGallery::TemplateGallery(AppContext& ctx, MainWindow& window)
    : QObject(&window), m_ctx(ctx), m_window(window)
{
    connect(m_window.ui().NeuVorlage, &QAction::triggered, this, &TemplateGallery::newFromTemplate);
}

void TemplateGallery::applyTexts()
{
    m_window.ui().NeuVorlage->setText(m_ctx.texts.text(MenuText) + QStringLiteral("..."));
}

ShowAdapter::Result TemplateGallery::adapted(const ShowLibrary::Entry& entry) const
{
    const SequenceFile::ReadResult read = SequenceFile::readContent(entry.file, true);
    const SequenceContent content =
        read.status == SequenceFile::ReadStatus::Ok ? read.content : SequenceContent{};
    // The lamps of the show's own car are judged with the user's equipment.
    ShowAdapter::Result result =
        ShowAdapter::adapt(content, m_ctx.vehicle, m_ctx.document.vehicleCode(), m_ctx.vehicle);
    // The user's light functions stay as they are set.
    result.content.parameterString = m_ctx.document.parameterString();
    return result;
}

QList<ShowAdapter::Result> TemplateGallery::adaptedShows(const ShowLibrary& library) const
{
    QList<ShowAdapter::Result> shows;
    for (const ShowLibrary::Entry& entry : library.entries())
        shows.append(adapted(entry));
    return shows;
}

void TemplateGallery::newFromTemplate()
{
    const ShowLibrary library = ShowLibrary::load(ShowLibrary::folderBeside(m_ctx.programFolder));
    if (library.entries().isEmpty()) {
        m_ctx.prompter.message(m_ctx.texts.text(EmptyText), QString(), Prompter::Icon::Exclamation);
        return;
    }
    const QList<ShowAdapter::Result> shows = adaptedShows(library);
    TemplateDialog dialog(m_ctx, m_window, library, shows, &m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0)
        return;
    open(shows.at(dialog.chosen()));
}

bool TemplateGallery::open(const ShowLibrary& library, int entry)
{
    if (entry < 0 || entry >= library.entries().size())
        return false;
    return open(adapted(library.entries().at(entry)));
}

bool TemplateGallery::open(const ShowAdapter::Result& show)
{
    if (!m_window.fileCommands().newFrom(show.content))
        return false;
    if (!show.dropped.empty()) {
        QString text = m_ctx.texts.text(DroppedText);
        for (const ShowGridLamps::MissingLamp& m : show.dropped)
            text +=
                QStringLiteral("\r\n  - ") + HitTest::lampName(m.lamp.textNumber, m.lamp.suffix, m_ctx.texts);
        m_ctx.prompter.message(text, QString(), Prompter::Icon::Information);
    }
    return true;
}
