#include "views/playback/PlaybackCaptions.h"

#include "core/LangText.h"

namespace Playback {

PlaybackCaptions playingCaptions(const LangText& texts)
{
    return {texts.text(StopText), texts.text(StopText)};
}

PlaybackCaptions idleCaptions(PlaybackEnd end, const LangText& texts)
{
    switch (end) {
    case PlaybackEnd::Normal:
        return {QStringLiteral("Simulation |>"), QStringLiteral("Simulation >>")};
    case PlaybackEnd::InsideLoop:
        return {texts.text(20), texts.text(21)};
    case PlaybackEnd::None:
    case PlaybackEnd::ButtonStop:
        break;
    }
    return {QStringLiteral("Simula&tion |>"), QStringLiteral("Simulation >>")};
}

} // namespace Playback
