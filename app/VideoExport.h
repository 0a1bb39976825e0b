#pragma once

#include "views/video/VideoWriter.h"

#include <QDialog>
#include <QObject>
#include <QSize>

struct AppContext;
class MainWindow;
class QCheckBox;
class QComboBox;

// What the video dialog asks: format, size, which sequence, day or night,
// and whether a caption line names vehicle, sequence and duration.
struct VideoChoice
{
    VideoWriter::Format format = VideoWriter::Format::Mp4;
    QSize size{1920, 1080};
    int sequence = 0; // 0 greeting, 1 farewell, 2 both one after the other
    bool night = false;
    bool caption = true;
};

class VideoDialog : public QDialog
{
    Q_OBJECT
public:
    VideoDialog(AppContext& ctx, const QStringList& sequenceNames, const VideoChoice& start, QWidget* parent);
    VideoChoice choice() const;

private:
    QComboBox* m_format = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_sequence = nullptr;
    QComboBox* m_view = nullptr;
    QCheckBox* m_caption = nullptr;
};

// File > export video: the dialog, the file name, the writing with a
// progress window and Cancel, and a message naming the file at the end with
// a button that opens its folder.
class VideoExport : public QObject
{
    Q_OBJECT
public:
    static constexpr int MenuText = 413;
    static constexpr int FormatText = 414;
    static constexpr int SizeText = 415;
    static constexpr int SequenceText = 416;
    static constexpr int DayText = 417;
    static constexpr int BothText = 418;
    static constexpr int CaptionText = 419;
    static constexpr int SquareText = 420;
    static constexpr int ProgressText = 421;
    static constexpr int SavedText = 422;
    static constexpr int OpenFolderText = 423;
    static constexpr int FailedText = 424;

    VideoExport(AppContext& ctx, MainWindow& window);

    void applyTexts();
    // Asks with the dialog, then writes.
    void exportVideo();
    // Asks for the file name and writes the video as chosen.
    void write(const VideoChoice& choice);

private:
    AppContext& m_ctx;
    MainWindow& m_window;
    VideoChoice m_last;
};
