#include "app/VideoExport.h"

#include "app/AnimationExport.h"
#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SaveFailureText.h"
#include "sequence/FileCommands.h"
#include "sequence/SequenceDocument.h"
#include "shell/LinkTarget.h"
#include "vehicle/ParameterDialog.h"
#include "vehicle/VehicleConfig.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/PictureBook.h"
#include "views/video/VideoFrames.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLocale>
#include <QProgressDialog>
#include <QUrl>

namespace {

const QSize Sizes[] = {{1280, 720}, {1920, 1080}, {1080, 1080}};

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, int current)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(current);
    return box;
}

} // namespace

VideoDialog::VideoDialog(AppContext& ctx, const QStringList& sequenceNames, const VideoChoice& start,
                         QWidget* parent)
    : QDialog(parent)
{
    const LangText& t = ctx.texts;
    setObjectName(QStringLiteral("VideoDialog"));
    setWindowTitle(t.text(VideoExport::MenuText));
    auto* form = new QFormLayout(this);
    m_format = combo(this, "combFormat", {QStringLiteral("MP4 (H.264)"), QStringLiteral("WebM (VP9)")},
                     start.format == VideoWriter::Format::WebM ? 1 : 0);
    int size = 1;
    for (int i = 0; i < 3; ++i)
        size = Sizes[i] == start.size ? i : size;
    m_size = combo(this, "combGroesse",
                   {QStringLiteral("1280 \u00d7 720"), QStringLiteral("1920 \u00d7 1080"),
                    t.text(VideoExport::SquareText)},
                   size);
    m_sequence = combo(this, "combSequenz", sequenceNames + QStringList{t.text(VideoExport::BothText)},
                       start.sequence);
    m_view = combo(this, "combAnsicht", {t.text(VideoExport::DayText), t.text(408)}, start.night ? 1 : 0);
    m_caption = new QCheckBox(t.text(VideoExport::CaptionText), this);
    m_caption->setObjectName(QStringLiteral("chkUnterschrift"));
    m_caption->setChecked(start.caption);
    form->addRow(t.text(VideoExport::FormatText), m_format);
    form->addRow(t.text(VideoExport::SizeText), m_size);
    form->addRow(t.text(VideoExport::SequenceText), m_sequence);
    form->addRow(t.text(407), m_view);
    form->addRow(m_caption);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

VideoChoice VideoDialog::choice() const
{
    VideoChoice c;
    c.format = m_format->currentIndex() == 1 ? VideoWriter::Format::WebM : VideoWriter::Format::Mp4;
    c.size = Sizes[std::clamp(m_size->currentIndex(), 0, 2)];
    c.sequence = std::clamp(m_sequence->currentIndex(), 0, 2);
    c.night = m_view->currentIndex() == 1;
    c.caption = m_caption->isChecked();
    return c;
}

VideoExport::VideoExport(AppContext& ctx, MainWindow& window) : QObject(&window), m_ctx(ctx), m_window(window)
{
    connect(m_window.ui().ExportVideo, &QAction::triggered, this, &VideoExport::exportVideo);
}

void VideoExport::applyTexts()
{
    m_window.ui().ExportVideo->setText(m_ctx.texts.text(MenuText) + QStringLiteral("..."));
}

void VideoExport::exportVideo()
{
    const MainWindowUi& ui = m_window.ui();
    VideoChoice start = m_last;
    start.sequence = m_ctx.document.activeSequence();
    start.night = m_window.carViews().night();
    VideoDialog dialog(m_ctx, {ui.sequenceName(0), ui.sequenceName(1)}, start, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_last = dialog.choice();
    write(m_last);
}

void VideoExport::write(const VideoChoice& choice)
{
    const SequenceDocument& doc = m_ctx.document;
    const LangText& t = m_ctx.texts;
    const MainWindowUi& ui = m_window.ui();
    const VehicleConfig& vehicle = m_ctx.vehicle;
    VideoPlan plan(LampOptions::of(doc.vehicleCode(), vehicle), vehicle.pictureBasesByView());
    const QString name = choice.sequence == 2 ? ui.sequenceName(0) + QLatin1Char('+') + ui.sequenceName(1)
                                              : ui.sequenceName(choice.sequence);
    if (choice.sequence != 1)
        plan.addSequence(doc.table(0).rows());
    if (choice.sequence != 0)
        plan.addSequence(doc.table(1).rows(), choice.sequence == 2 ? ui.sequenceName(1) : QString());
    if (plan.status() != VideoPlan::Status::Ok) {
        AnimationExport::refuse(m_ctx, plan.status() == VideoPlan::Status::Empty ? 0 : plan.stepRow());
        return;
    }

    const bool webm = choice.format == VideoWriter::Format::WebM;
    const QString suffix = webm ? QStringLiteral("webm") : QStringLiteral("mp4");
    const std::optional<QString> chosen =
        m_ctx.prompter.saveFileName(t.text(MenuText) + QStringLiteral(" \u2013 ") + name,
                                    webm ? QStringLiteral("WebM (*.webm)") : QStringLiteral("MP4 (*.mp4)"),
                                    suffix, m_window.fileCommands().exportProposal(name, suffix));
    if (!chosen || chosen->isEmpty())
        return;
    QString file = *chosen;
    if (QFileInfo(file).suffix().toLower() != suffix)
        file += QLatin1Char('.') + suffix;

    VideoFrames::Look look{choice.size, choice.night, QString(), ui.carViews->plateBoxes()};
    if (choice.caption) {
        const QString vehicleName =
            m_window.parameterDialog().selectionCaption().section(QLatin1Char(':'), -1);
        const QLocale locale = languageLocale(m_ctx.languageName);
        look.caption = vehicleName.simplified() + QStringLiteral("  \u2013  ") + name +
                       QStringLiteral("  \u2013  ") +
                       locale.toString(double(plan.totalMs()) / 1000.0, 'f', 1) + QStringLiteral(" s");
    }
    VideoFrames frames(plan, look);

    QProgressDialog progress(&m_window); // with Qt's own Cancel button, in the program's language
    progress.setObjectName(QStringLiteral("VideoProgress"));
    progress.setLabelText(t.text(ProgressText));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setRange(0, int(std::min<qint64>(plan.frameCount(), 1 << 30)));
    SafeSave::Result failure;
    const VideoWriter writer(choice.format, choice.size);
    const VideoWriter::Result result = writer.write(
        file, plan, [&frames](const VideoPlan::Run& run) { return frames.render(run); },
        [&progress](qint64 done, qint64) {
            progress.setValue(int(std::min<qint64>(done, progress.maximum())));
            return !progress.wasCanceled();
        },
        &failure);
    progress.reset();
    if (result == VideoWriter::Result::Failed) {
        m_ctx.prompter.message(t.text(FailedText) + QStringLiteral("\r\n") +
                                   SaveFailureText::reason(t, failure),
                               QString(), Prompter::Icon::Exclamation);
        return;
    }
    if (result != VideoWriter::Result::Written)
        return;
    const int open =
        m_ctx.prompter.askButtons(t.text(SavedText) + QStringLiteral("\r\n") + QDir::toNativeSeparators(file),
                                  QString(), {QStringLiteral("OK"), t.text(OpenFolderText)}, 0);
    if (open == 1)
        desktopLauncher().openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
}
