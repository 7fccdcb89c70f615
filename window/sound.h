// The one way the program plays a sound: a WAV file of sons/ by name, with
// PlaySoundA's flags. Tests put a recorder in place of the speakers.
#ifndef SOUND_H
#define SOUND_H

#include <stdint.h>

// The signals, each named by its file under sons/.
extern const char SOUND_NOKIA_SMS[];
extern const char SOUND_BEEP[];
extern const char SOUND_BUZZ[];
extern const char SOUND_YOUPI[];
extern const char SOUND_FOGHORN[];
extern const char SOUND_TRUCKHORN[];

// Plays file (relative to the program folder) with the PlaySoundA flags
// (SND_FILENAME, SND_ASYNC). The result is not looked at: a missing file is
// the system's business.
void play_sound(const char *file, uint32_t flags);

// The usual play: asynchronous, so the engine never waits on a sound.
void play_sound_async(const char *file);

// A spoken announcement: the French file or the English one by the sound
// language setting; any other language says nothing.
void play_announcement(const char *french_file, const char *english_file);

// Tests: every play goes to hook instead of PlaySoundA; 0 restores the speakers.
typedef void (*SoundHook)(const char *file, uint32_t flags);
void set_sound_hook(SoundHook hook);

#endif
