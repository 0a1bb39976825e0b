#pragma once

#include <QObject>

struct AppContext;
class MainWindow;

// File > export animation: the shown sequence (Öffnen or Schliessen) as an
// animated GIF of the four car views, each step as long as playback shows
// it. A progress window with Cancel follows the writing of a long show.
class AnimationExport : public QObject
{
    Q_OBJECT
public:
    static constexpr int MenuText = 291;
    static constexpr int ProgressText = 302;
    static constexpr int FailedText = 303;
    // A step of 0 s, or a show of more than a day; the step's number follows.
    static constexpr int UnplayableText = 304;
    // The size question: half as in the window's views, or full.
    static constexpr int SizeQuestionText = 425;
    static constexpr int HalfSizeText = 426;
    static constexpr int FullSizeText = 427;

    AnimationExport(AppContext& ctx, MainWindow& window);

    // Says why a show cannot be exported: no steps (stepRow 0), or the step
    // that holds playback for good or makes it too long.
    static void refuse(AppContext& ctx, int stepRow);

    // The menu entry's caption in the current language.
    void applyTexts();
    void exportAnimation();

private:
    // The scale chosen, 0 when cancelled.
    double askScale();

    AppContext& m_ctx;
    MainWindow& m_window;
};
