#include "views/video/VideoWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

QString errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// The encoder, the muxer and the picture conversion of one file, freed in any case.
struct Encoding
{
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scale = nullptr;
    bool opened = false;

    ~Encoding()
    {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (opened)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    // Sends a frame (null: the end) and writes what the encoder gives back.
    int send(const AVFrame* f)
    {
        int rc = avcodec_send_frame(codec, f);
        if (rc < 0)
            return rc;
        for (;;) {
            rc = avcodec_receive_packet(codec, packet);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return 0;
            if (rc < 0)
                return rc;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            rc = av_interleaved_write_frame(format, packet);
            if (rc < 0)
                return rc;
        }
    }
};

} // namespace

VideoWriter::Format VideoWriter::formatOf(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("webm"), Qt::CaseInsensitive) == 0
               ? Format::WebM
               : Format::Mp4;
}

VideoWriter::Result VideoWriter::write(const QString& fileName, const VideoPlan& plan, const Render& render,
                                       const Progress& progress, SafeSave::Result* failure) const
{
    auto fail = [failure](SafeSave::Error error, const QString& reason) {
        if (failure)
            *failure = {error, reason};
        return Result::Failed;
    };
    if (plan.status() != VideoPlan::Status::Ok || plan.frameCount() == 0)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("nothing to encode"));
    if (m_size.width() < 16 || m_size.height() < 16 || m_size.width() % 2 || m_size.height() % 2)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("the video size must be even"));
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return fail(SafeSave::Error::NotRegularFile, QStringLiteral("not a regular file"));

    // A name beside the target, removed again unless the video is complete.
    const bool webm = m_format == Format::WebM;
    QTemporaryFile part(target.absoluteDir().filePath(QStringLiteral(".") + target.fileName() +
                                                      QStringLiteral(".XXXXXX.part")));
    if (!part.open())
        return fail(SafeSave::Error::CannotCreate, part.errorString());
    part.close();
    const QByteArray partName = QFile::encodeName(part.fileName());

    // Failures are reported to the caller; the encoders' own chatter is not wanted.
    av_log_set_level(AV_LOG_ERROR);
    Encoding e;
    int rc = avformat_alloc_output_context2(&e.format, nullptr, webm ? "webm" : "mp4", partName.constData());
    const AVCodec* encoder = avcodec_find_encoder(webm ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
    if (rc < 0 || !e.format || !encoder)
        return fail(SafeSave::Error::ContentFailed,
                    QStringLiteral("no %1 encoder in this FFmpeg")
                        .arg(webm ? QStringLiteral("VP9") : QStringLiteral("H.264")));
    e.stream = avformat_new_stream(e.format, nullptr);
    e.codec = avcodec_alloc_context3(encoder);
    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    if (!e.stream || !e.codec || !e.frame || !e.packet)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("out of memory"));

    AVCodecContext* c = e.codec;
    c->width = m_size.width();
    c->height = m_size.height();
    c->time_base = AVRational{1, VideoPlan::FramesPerSecond};
    c->framerate = AVRational{VideoPlan::FramesPerSecond, 1};
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->gop_size = 2 * VideoPlan::FramesPerSecond;
    c->thread_count = 0; // as many as the machine has
    if (webm) {
        // Real-time settings: the car pictures are still between the steps.
        av_opt_set(c->priv_data, "deadline", "realtime", 0);
        av_opt_set_int(c->priv_data, "cpu-used", 8, 0);
        av_opt_set_int(c->priv_data, "row-mt", 1, 0);
        av_opt_set_int(c->priv_data, "crf", 30, 0);
        c->bit_rate = 0;
    } else {
        av_opt_set(c->priv_data, "preset", "veryfast", 0);
        av_opt_set(c->priv_data, "crf", "20", 0);
        c->profile = FF_PROFILE_H264_HIGH;
    }
    if (e.format->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    rc = avcodec_open2(c, encoder, nullptr);
    if (rc < 0)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("the encoder refused: ") + errorText(rc));
    rc = avcodec_parameters_from_context(e.stream->codecpar, c);
    e.stream->time_base = c->time_base;
    e.stream->avg_frame_rate = c->framerate;
    if (rc >= 0)
        rc = avio_open(&e.format->pb, partName.constData(), AVIO_FLAG_WRITE);
    if (rc < 0)
        return fail(SafeSave::Error::CannotCreate, errorText(rc));
    e.opened = true;
    AVDictionary* options = nullptr;
    if (!webm)
        av_dict_set(&options, "movflags", "+faststart", 0);
    rc = avformat_write_header(e.format, &options);
    av_dict_free(&options);
    auto writeFailed = [&](int code) {
        const bool full = code == AVERROR(ENOSPC) || code == AVERROR(EFBIG) ||
                          e.format->pb->error == AVERROR(ENOSPC) || e.format->pb->error == AVERROR(EFBIG);
        return fail(full ? SafeSave::Error::DiskFull : SafeSave::Error::WriteFailed, errorText(code));
    };
    if (rc < 0)
        return writeFailed(rc);

    e.frame->format = c->pix_fmt;
    e.frame->width = c->width;
    e.frame->height = c->height;
    if (av_frame_get_buffer(e.frame, 0) < 0)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("out of memory"));
    e.scale = sws_getContext(c->width, c->height, AV_PIX_FMT_BGRA, c->width, c->height, AV_PIX_FMT_YUV420P,
                             SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!e.scale)
        return fail(SafeSave::Error::ContentFailed, QStringLiteral("no picture conversion"));

    qint64 pts = 0;
    const qint64 total = plan.frameCount();
    bool afterTitle = false;
    for (const VideoPlan::Run& run : plan.runs()) {
        // A title card and what follows it start afresh: no trace of the frame before.
        const bool cut = run.title >= 0 || afterTitle;
        afterTitle = run.title >= 0;
        QImage picture = render(run);
        if (picture.size() != m_size)
            return fail(SafeSave::Error::ContentFailed, QStringLiteral("a picture of the wrong size"));
        picture = std::move(picture).convertToFormat(QImage::Format_RGB32); // BGRA in memory
        // The encoder may still hold the last picture: a fresh buffer for the next.
        if (av_frame_make_writable(e.frame) < 0)
            return fail(SafeSave::Error::ContentFailed, QStringLiteral("out of memory"));
        const uint8_t* source[1] = {picture.constBits()};
        const int stride[1] = {int(picture.bytesPerLine())};
        sws_scale(e.scale, source, stride, 0, c->height, e.frame->data, e.frame->linesize);
        for (qint64 k = 0; k < run.frames; ++k) {
            e.frame->pts = pts++;
            e.frame->pict_type = k == 0 && cut ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
            rc = e.send(e.frame);
            if (rc < 0)
                return writeFailed(rc);
            if (progress && (pts % 15 == 0 || pts == total) && !progress(pts, total)) {
                if (failure)
                    *failure = {SafeSave::Error::Cancelled, QStringLiteral("cancelled")};
                return Result::Cancelled;
            }
        }
    }
    rc = e.send(nullptr);
    if (rc >= 0)
        rc = av_write_trailer(e.format);
    if (rc < 0)
        return writeFailed(rc);
    avio_flush(e.format->pb);
    if (e.format->pb->error < 0)
        return writeFailed(e.format->pb->error);
    rc = avio_closep(&e.format->pb);
    e.opened = false;
    if (rc < 0)
        return writeFailed(rc);

    // Complete and on the disk: then it takes the target's place in one step.
    {
        QFile written(part.fileName());
        if (!written.open(QIODevice::ReadOnly) || SafeSave::dataSync(written.handle()) != 0)
            return fail(errno == ENOSPC ? SafeSave::Error::DiskFull : SafeSave::Error::WriteFailed,
                        QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (std::rename(partName.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return fail(SafeSave::Error::CannotReplace, QString::fromLocal8Bit(std::strerror(errno)));
    part.setAutoRemove(false);
    return Result::Written;
}
