/* The radio's audio engine: libvimo_audio.so, a shared library that the
 * program loads at run time and binds by name. It plays one network or file
 * stream per engine instance, through libmpv.
 *
 * Handles are opaque. A handle that is null, that this library never gave
 * out, or whose engine instance was released is refused with
 * VIMO_AUDIO_BAD_HANDLE and nothing else happens, so a caller may keep calling
 * with whatever handle it last stored.
 *
 * Every call returns at once: streams connect, buffer and play on threads of
 * the engine's own, and a station that never answers only leaves the engine
 * silent. Calls are meant to come from one thread; they are nevertheless safe
 * from several.
 *
 * Numeric locale: libmpv refuses to start unless LC_NUMERIC is "C". This
 * library never changes the process's locale; when LC_NUMERIC is anything
 * else, FMOD_System_Create fails with VIMO_AUDIO_ENGINE_FAILED. The program
 * sets LC_NUMERIC to "C" once at start. */
#ifndef VIMO_AUDIO_H
#define VIMO_AUDIO_H

#define VIMO_AUDIO_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FMOD_SYSTEM FMOD_SYSTEM;   /* one engine instance */
typedef struct FMOD_SOUND FMOD_SOUND;     /* a stream address opened on an instance */
typedef struct FMOD_CHANNEL FMOD_CHANNEL; /* the instance's one playing channel */

/* Results. Callers may ignore them; they say why a call did nothing. */
enum {
    VIMO_AUDIO_OK = 0,
    VIMO_AUDIO_BAD_HANDLE = 1,      /* null, unknown or released handle */
    VIMO_AUDIO_BAD_ARGUMENT = 2,    /* null out-pointer, or an address the engine does not open */
    VIMO_AUDIO_NOT_INITIALISED = 3, /* FMOD_System_Init has not succeeded on the instance */
    VIMO_AUDIO_ENGINE_FAILED = 4    /* libmpv refused (numeric locale, out of memory) */
};

/* The one mode FMOD_System_CreateStream knows: open a network or file stream. */
enum { VIMO_AUDIO_MODE_STREAM = 128 };

/* A new, uninitialised engine instance in *system; null there on failure. */
VIMO_AUDIO_API int FMOD_System_Create(FMOD_SYSTEM** system);

/* Readies the instance to open streams. The channel count, flags and driver
 * data are accepted and ignored: an instance plays one stream at a time. A
 * second call fails and changes nothing. */
VIMO_AUDIO_API int FMOD_System_Init(FMOD_SYSTEM* system, int max_channels, unsigned int flags, void* extra_driver_data);

/* Records `name_or_address` (NUL-terminated UTF-8, at most 8192 bytes) as a
 * stream of the instance and gives its handle in *sound; null there on
 * failure. Opened are "http://" and "https://" addresses (playlists they
 * answer with included) and paths of regular files. Nothing connects yet:
 * the stream is opened when it is played. `mode` other than
 * VIMO_AUDIO_MODE_STREAM and `extra_info` are ignored. */
VIMO_AUDIO_API int FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* name_or_address, unsigned int mode,
                                            void* extra_info, FMOD_SOUND** sound);

/* Starts playing `sound` on the instance's channel, replacing whatever played
 * there, at the channel's last volume (1.0 until set), held still when
 * `paused` is non-zero. Gives the channel in *channel when it is not null.
 * Returns before the station answers. The channel index is ignored. */
VIMO_AUDIO_API int FMOD_System_PlaySound(FMOD_SYSTEM* system, int channel_index, FMOD_SOUND* sound, int paused,
                                         FMOD_CHANNEL** channel);

/* Loudness as a listener hears it, linear from 0.0 (silent) to 1.0 (the
 * stream as recorded); values below 0 and NaN count as 0.0, values above 1 as
 * 1.0. Also kept for the channel's next play. */
VIMO_AUDIO_API int FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume);

/* Stops the stream and closes its connection; the channel stays usable. */
VIMO_AUDIO_API int FMOD_Channel_Stop(FMOD_CHANNEL* channel);

/* Stops the instance and frees it with its streams and channel; all their
 * handles are refused from then on. Does not wait for a stalled station. */
VIMO_AUDIO_API int FMOD_System_Release(FMOD_SYSTEM* system);

/* Beyond the seven calls above, which are all a caller needs, and bound only
 * when present. A station that drops is asked again up to three times in a
 * row, a second apart, before the channel falls silent.
 *
 * The title the station gives what it plays now on `channel` (its ICY
 * StreamTitle), written NUL-terminated into `title` of `size` bytes, cut to
 * fit; "" when the station gives none. The bytes are the station's own and
 * need not be UTF-8. */
VIMO_AUDIO_API int VIMO_Channel_GetTitle(FMOD_CHANNEL* channel, char* title, int size);

#ifdef __cplusplus
}
#endif

#endif /* VIMO_AUDIO_H */
