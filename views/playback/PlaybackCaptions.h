#pragma once

#include <QString>

class LangText;

// How playback came to an end; it decides the captions of the two buttons.
enum class PlaybackEnd
{
    None,       // still playing
    ButtonStop, // a button stopped it
    Normal,     // the tick after the last row
    InsideLoop, // the last pass of a loop that ends on the last row
};

// The captions of cmdSilulation and cmdSimWeiter.
struct PlaybackCaptions
{
    QString simulation;
    QString simWeiter;

    friend bool operator==(const PlaybackCaptions&, const PlaybackCaptions&) = default;
};

namespace Playback {

// While playing both buttons read text 380 ("Anhalten"): either stops.
inline constexpr int StopText = 380;
PlaybackCaptions playingCaptions(const LangText& texts);
// The captions once playback has ended the given way.
PlaybackCaptions idleCaptions(PlaybackEnd end, const LangText& texts);

} // namespace Playback
