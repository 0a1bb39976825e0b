#include "app/AnimationExport.h"

#include "app/Comforts.h"
#include "app/MainWindow.h"
#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/Prompter.h"
#include "core/SaveFailureText.h"
#include "sequence/FileCommands.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleConfig.h"
#include "views/CarViewsController.h"
#include "views/CarViewsPanel.h"
#include "views/ShowAnimation.h"

#include <QAction>
#include <QFileInfo>
#include <QProgressDialog>
#include <QRadioButton>

AnimationExport::AnimationExport(AppContext& ctx, MainWindow& window)
    : QObject(&window), m_ctx(ctx), m_window(window)
{
    connect(m_window.ui().ExportAnimation, &QAction::triggered, this, &AnimationExport::exportAnimation);
}

void AnimationExport::applyTexts()
{
    m_window.ui().ExportAnimation->setText(m_ctx.texts.text(MenuText) + QStringLiteral("..."));
}

void AnimationExport::refuse(AppContext& ctx, int stepRow)
{
    const LangText& t = ctx.texts;
    if (stepRow == 0)
        ctx.prompter.message(t.text(Comforts::NothingToExportText), QString(), Prompter::Icon::Information);
    else
        ctx.prompter.message(t.text(UnplayableText) + QLatin1Char(' ') + QString::number(stepRow), QString(),
                             Prompter::Icon::Exclamation);
}

double AnimationExport::askScale()
{
    const LangText& t = m_ctx.texts;
    const QSize half = ShowAnimation::frameSizeAt(ShowAnimation::DefaultScale);
    const QSize full = ShowAnimation::frameSizeAt(1.0);
    auto caption = [](const QString& text, QSize size) -> QString {
        return text + QStringLiteral(" (%1 \u00d7 %2)").arg(size.width()).arg(size.height());
    };
    switch (m_ctx.prompter.askButtons(
        t.text(SizeQuestionText), t.text(MenuText),
        {caption(t.text(HalfSizeText), half), caption(t.text(FullSizeText), full), t.text(328)}, 2)) {
    case 0:
        return ShowAnimation::DefaultScale;
    case 1:
        return 1.0;
    default:
        return 0;
    }
}

void AnimationExport::exportAnimation()
{
    const SequenceDocument& doc = m_ctx.document;
    const LangText& t = m_ctx.texts;
    const int k = doc.activeSequence();
    const VehicleConfig& vehicle = m_ctx.vehicle;
    ShowAnimation animation(doc.table(k).rows(), LampOptions::of(doc.vehicleCode(), vehicle),
                            vehicle.pictureBasesByView(), m_window.ui().carViews->plateBoxes());
    if (animation.status() != ShowAnimation::Status::Ok) {
        refuse(m_ctx, animation.status() == ShowAnimation::Status::Empty ? 0 : animation.stepRow());
        return;
    }
    // Half size keeps the file small for forums; full size reads on a phone held sideways.
    const double scale = askScale();
    if (scale <= 0)
        return;
    animation.setScale(scale);

    // The dialog's title names the sequence that is written.
    const QString sequence = m_window.ui().sequenceName(k);
    const std::optional<QString> chosen = m_ctx.prompter.saveFileName(
        t.text(MenuText) + QStringLiteral(" \u2013 ") + sequence, QStringLiteral("GIF (*.gif)"),
        QStringLiteral("gif"), m_window.fileCommands().exportProposal(sequence, QStringLiteral("gif")));
    if (!chosen || chosen->isEmpty())
        return;
    QString file = *chosen;
    if (QFileInfo(file).suffix().toLower() != QLatin1String("gif"))
        file += QStringLiteral(".gif");

    QProgressDialog progress(&m_window); // with Qt's own Cancel button, in the program's language
    progress.setLabelText(t.text(ProgressText));
    progress.setRange(0, 1);
    progress.setObjectName(QStringLiteral("AnimationProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // a short show is written before the window would appear
    progress.setAutoReset(false);
    // A modal progress window lets the event loop run in setValue, so Cancel is heard.
    const GifWriter::Progress report = [&progress](int done, int total) {
        if (progress.maximum() != total)
            progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    SafeSave::Result failure;
    const GifWriter::Result result =
        animation.writeGif(file, m_window.carViews().pictures(), report, &failure);
    progress.reset();
    if (result == GifWriter::Result::Failed)
        m_ctx.prompter.message(t.text(FailedText) + QStringLiteral("\r\n") +
                                   SaveFailureText::reason(t, failure),
                               QString(), Prompter::Icon::Exclamation);
}
