// The sound seam: PlaySoundA is called here and nowhere else.
#include "sound.h"

#include <windows.h>

#include <string.h>

#include "race_model.h"

const char SOUND_NOKIA_SMS[] = "sons/nokia-sms.wav";
const char SOUND_BEEP[] = "sons/beep1.wav";
const char SOUND_BUZZ[] = "sons/buzz.wav";
const char SOUND_YOUPI[] = "sons/youpi.wav";
const char SOUND_FOGHORN[] = "sons/foghorn.wav";
const char SOUND_TRUCKHORN[] = "sons/truckhorn.wav";

namespace {

SoundHook g_sound_hook;

}  // namespace

void play_sound(const char *file, uint32_t flags)
{
    if (g_sound_hook != 0) {
        g_sound_hook(file, flags);
        return;
    }
    PlaySoundA(file, NULL, flags);
}

void play_sound_async(const char *file)
{
    play_sound(file, SND_FILENAME | SND_ASYNC);
}

void play_announcement(const char *french_file, const char *english_file)
{
    if (strcmp(g_sound_language, SOUND_LANGUAGE_FRENCH) == 0)
        play_sound_async(french_file);
    else if (strcmp(g_sound_language, SOUND_LANGUAGE_ENGLISH) == 0)
        play_sound_async(english_file);
}

void set_sound_hook(SoundHook hook)
{
    g_sound_hook = hook;
}
