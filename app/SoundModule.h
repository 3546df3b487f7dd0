// The entry points of the sound module, looked up by name once the module is loaded.
#pragma once

namespace barkmoor {

// The number of audio outputs Qt Multimedia sees.
using AudioOutputsEntry = int (*)();
inline constexpr const char *AudioOutputsName = "barkmoor_audio_outputs";

// A bark of its own: made, played (returning at once; the sample loads on the first play,
// and not at all while there is no audio output), deleted before the application object goes.
using BarkNewEntry = void *(*)();
using BarkPlayEntry = void (*)(void *);
using BarkDeleteEntry = void (*)(void *);
inline constexpr const char *BarkNewName = "barkmoor_bark_new";
inline constexpr const char *BarkPlayName = "barkmoor_bark_play";
inline constexpr const char *BarkDeleteName = "barkmoor_bark_delete";

// The module's file name without its platform's prefix and suffix (QLibrary adds them).
inline constexpr const char *SoundModuleName = "barkmoor_sound";

} // namespace barkmoor
