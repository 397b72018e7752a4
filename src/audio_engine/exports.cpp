// The library's exported entry points and the registry of live engine
// instances that every handle is checked against. No exception leaves an
// entry point: a failure is a result code.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "player.h"
#include "vimo_audio.h"

namespace {

using audio_engine::Player;

// Handles are numbers that are never given out twice, so that the handle of a
// released instance cannot reach a later one that reuses its memory. 0 is
// never a handle.
using Handle = std::uintptr_t;

struct Stream {
    Handle handle = 0;
    std::string target;  // as the player is given it
};

struct Instance {
    Handle system = 0;
    Handle channel = 0;  // the one channel, the same for every play
    std::vector<Stream> streams;
    Player player;

    Instance() = default;
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;
    ~Instance() { audio_engine::destroy_player(player); }
};

struct Registry {
    std::mutex mutex;
    Handle last_handle = 0;
    std::vector<std::unique_ptr<Instance>> instances;
};

// Never destroyed: a program that ends with a stream playing must not have
// its player torn down while the process exits.
Registry& registry() {
    static Registry* const instance = new Registry;
    return *instance;
}

template <class Opaque>
Handle handle_of(const Opaque* pointer) {
    return reinterpret_cast<Handle>(pointer);
}

template <class Opaque>
Opaque* pointer_of(Handle handle) {
    return reinterpret_cast<Opaque*>(handle);
}

// The live instance that `system` (or `channel`) names, or null. The registry
// must be locked.
Instance* instance_of(Registry& registry, const FMOD_SYSTEM* system) {
    for (const auto& instance : registry.instances)
        if (instance->system == handle_of(system)) return instance.get();
    return nullptr;
}

Instance* instance_of(Registry& registry, const FMOD_CHANNEL* channel) {
    for (const auto& instance : registry.instances)
        if (instance->channel == handle_of(channel)) return instance.get();
    return nullptr;
}

const Stream* stream_of(const Instance& instance, const FMOD_SOUND* sound) {
    for (const Stream& stream : instance.streams)
        if (stream.handle == handle_of(sound)) return &stream;
    return nullptr;
}

template <class Body>
int guarded(Body body) noexcept {
    try {
        return body();
    } catch (...) {  // out of memory or of threads
        return VIMO_AUDIO_ENGINE_FAILED;
    }
}

}  // namespace

extern "C" {

int FMOD_System_Create(FMOD_SYSTEM** system) {
    return guarded([&]() -> int {
        if (!system) return VIMO_AUDIO_BAD_ARGUMENT;
        *system = nullptr;
        auto instance = std::make_unique<Instance>();
        if (!audio_engine::create_player(instance->player)) return VIMO_AUDIO_ENGINE_FAILED;
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        instance->system = ++live.last_handle;
        instance->channel = ++live.last_handle;
        const Handle handle = instance->system;
        live.instances.push_back(std::move(instance));
        *system = pointer_of<FMOD_SYSTEM>(handle);
        return VIMO_AUDIO_OK;
    });
}

int FMOD_System_Init(FMOD_SYSTEM* system, int, unsigned int, void*) {
    return guarded([&]() -> int {
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        Instance* instance = instance_of(live, system);
        if (!instance) return VIMO_AUDIO_BAD_HANDLE;
        return audio_engine::start_player(instance->player) ? VIMO_AUDIO_OK : VIMO_AUDIO_ENGINE_FAILED;
    });
}

int FMOD_System_CreateStream(FMOD_SYSTEM* system, const char* name_or_address, unsigned int, void*,
                             FMOD_SOUND** sound) {
    return guarded([&]() -> int {
        if (sound) *sound = nullptr;
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        Instance* instance = instance_of(live, system);
        if (!instance) return VIMO_AUDIO_BAD_HANDLE;
        if (!instance->player.started) return VIMO_AUDIO_NOT_INITIALISED;
        if (!sound || !name_or_address) return VIMO_AUDIO_BAD_ARGUMENT;
        const std::string_view address(name_or_address, strnlen(name_or_address, audio_engine::max_address_bytes + 1));
        std::string target = audio_engine::stream_target(address);
        if (target.empty()) return VIMO_AUDIO_BAD_ARGUMENT;
        const Handle handle = ++live.last_handle;
        instance->streams.push_back({handle, std::move(target)});
        *sound = pointer_of<FMOD_SOUND>(handle);
        return VIMO_AUDIO_OK;
    });
}

int FMOD_System_PlaySound(FMOD_SYSTEM* system, int, FMOD_SOUND* sound, int paused, FMOD_CHANNEL** channel) {
    return guarded([&]() -> int {
        if (channel) *channel = nullptr;
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        Instance* instance = instance_of(live, system);
        const Stream* stream = instance ? stream_of(*instance, sound) : nullptr;
        if (!stream) return VIMO_AUDIO_BAD_HANDLE;
        if (!audio_engine::play(instance->player, stream->target, paused != 0))
            return instance->player.started ? VIMO_AUDIO_ENGINE_FAILED : VIMO_AUDIO_NOT_INITIALISED;
        if (channel) *channel = pointer_of<FMOD_CHANNEL>(instance->channel);
        return VIMO_AUDIO_OK;
    });
}

int FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume) {
    return guarded([&]() -> int {
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        Instance* instance = instance_of(live, channel);
        if (!instance) return VIMO_AUDIO_BAD_HANDLE;
        return audio_engine::set_volume(instance->player, volume) ? VIMO_AUDIO_OK : VIMO_AUDIO_ENGINE_FAILED;
    });
}

int FMOD_Channel_Stop(FMOD_CHANNEL* channel) {
    return guarded([&]() -> int {
        Registry& live = registry();
        std::lock_guard lock(live.mutex);
        Instance* instance = instance_of(live, channel);
        if (!instance) return VIMO_AUDIO_BAD_HANDLE;
        return audio_engine::stop(instance->player) ? VIMO_AUDIO_OK : VIMO_AUDIO_NOT_INITIALISED;
    });
}

int FMOD_System_Release(FMOD_SYSTEM* system) {
    return guarded([&]() -> int {
        std::unique_ptr<Instance> released;
        {
            Registry& live = registry();
            std::lock_guard lock(live.mutex);
            for (auto at = live.instances.begin(); at != live.instances.end(); ++at) {
                if ((*at)->system == handle_of(system)) {
                    released = std::move(*at);
                    live.instances.erase(at);
                    break;
                }
            }
        }
        if (!released) return VIMO_AUDIO_BAD_HANDLE;
        released.reset();  // ends the player outside the lock
        return VIMO_AUDIO_OK;
    });
}

int VIMO_Channel_GetTitle(FMOD_CHANNEL* channel, char* title, int size) {
    return guarded([&]() -> int {
        if (!title || size <= 0) return VIMO_AUDIO_BAD_ARGUMENT;
        title[0] = '\0';
        std::string text;
        {
            Registry& live = registry();
            std::lock_guard lock(live.mutex);
            Instance* instance = instance_of(live, channel);
            if (!instance) return VIMO_AUDIO_BAD_HANDLE;
            text = audio_engine::stream_title(instance->player);
        }
        const std::size_t length = std::min(text.size(), std::size_t(size) - 1);
        std::memcpy(title, text.data(), length);
        title[length] = '\0';
        return VIMO_AUDIO_OK;
    });
}

}  // extern "C"
