#pragma once

#include "sequence/SequenceRow.h"
#include "views/LampRules.h"
#include "views/PictureSets.h"

#include <QList>
#include <QString>
#include <array>

// Which picture each frame of a video shows: the steps of one or two
// sequences played out as playback plays them (loops repeated, the start
// pause left out), each change of step on the frame nearest its true time,
// so that the video lasts the show's duration within one frame and does not
// drift over a long show. Between two sequences a title card names the next.
class VideoPlan
{
public:
    static constexpr int FramesPerSecond = 30;
    // How long the title card between two sequences stays.
    static constexpr int TitleFrames = 45;
    // A video of more than an hour would be a file without use.
    static constexpr qint64 MaxMs = 60 * 60 * 1000;

    enum class Status
    {
        Ok,
        Empty,   // a sequence has no steps
        Held,    // a step of no duration would hold playback for good (stepRow())
        TooLong, // the video would last more than MaxMs; stepRow() is the step that passes it
    };

    // A stretch of frames that show the same: a set of car pictures
    // (PictureSets) or, with title >= 0, the title card titles()[title].
    struct Run
    {
        int picture = -1;
        int title = -1;
        qint64 frames = 0;
        friend bool operator==(const Run&, const Run&) = default;
    };

    VideoPlan(const LampOptions& options, const std::array<int, 4>& bases);

    // Plays a sequence after what is planned; a title card comes first when
    // `title` is not empty. False, and the plan unchanged, when it cannot be played.
    bool addSequence(const QList<SequenceRow>& rows, const QString& title = QString());

    Status status() const { return m_status; }
    int stepRow() const { return m_stepRow; }
    const QList<Run>& runs() const { return m_runs; }
    const QList<PictureSets::Ids>& pictures() const { return m_sets.sets(); }
    const QStringList& titles() const { return m_titles; }
    qint64 frameCount() const { return m_frames; }
    // The shows' duration as playback plays them, title cards included.
    qint64 totalMs() const { return m_totalMs; }

private:
    void append(const Run& run);

    PictureSets m_sets;
    Status m_status = Status::Ok;
    int m_stepRow = 0;
    QList<Run> m_runs;
    QStringList m_titles;
    qint64 m_frames = 0;
    qint64 m_totalMs = 0;
};
