// The radio's engine library bound as the program binds it: loaded by name
// from the program's folder at the first radio command, its entry points
// resolved by name, one engine instance at a time, and the player's pause,
// mute and volume reaching the radio's channel. A stand-in library logs
// every call it gets.
#include <dlfcn.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "music/engine.h"
#include "music/player.h"
#include "music_fixture.h"

namespace {

class RadioEngine : public test::MusicScenario {
protected:
    void SetUp() override {}

    // Starts the program from a folder of its own holding `library` as its engine library.
    void start_beside(const std::string& library) {
        env.program = (work.path() / "program").string();
        std::filesystem::create_directories(env.program);
        std::filesystem::copy_file(library, env.program + "/libvimo_audio.so");
        data_file("[Global]\r\nVolume = 60\r\n");
        start();
    }

    std::string handle(const void* p) { return std::to_string(reinterpret_cast<std::uintptr_t>(p)); }
};

TEST_F(RadioEngine, BoundAtTheFirstRadioCommandNotAtStart) {
    start_beside(VD_ENGINE_STUB_FULL);
    EXPECT_EQ(state.Audio_Available, 1);
    EXPECT_EQ(state.Audio_Library, nullptr) << "nothing of the engine is loaded at start";

    click(core::GadgetWebRadio);
    ASSERT_NE(state.Audio_Library, nullptr);
    EXPECT_TRUE(dialogs.shown().empty());
    const music::EngineEntries& e = state.music.engine;
    EXPECT_TRUE(e.system_create && e.system_init && e.system_create_stream && e.system_play_sound &&
                e.channel_set_volume && e.channel_stop && e.system_release);
    EXPECT_EQ(engine_log(), "") << "binding calls nothing";
}

TEST_F(RadioEngine, AFileThatDoesNotLoadCountsAsNoEngine) {
    // The library the program would load is not one; a real one in the
    // working folder is not looked at.
    test::write_file(work.path() / "program" / "libvimo_audio.so", std::string(2000, 'x'));
    std::filesystem::copy_file(VD_ENGINE_STUB_FULL, working_file("libvimo_audio.so"));
    env.program = (work.path() / "program").string();
    data_file("");
    start();
    EXPECT_EQ(state.Audio_Available, 1) << "present at start";

    dialogs.answer(rt::MessageAnswer::Ok);
    click(core::GadgetWebRadio);
    EXPECT_EQ(state.Audio_Library, nullptr);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Erreur");
    EXPECT_EQ(dialogs.shown()[0].text, "La DLL libvimo_audio.so n'est pas présente dans le répertoire");
    EXPECT_EQ(dialogs.shown()[0].icon, rt::MessageIcon::Error);

    music::start_radio_stream(state, "http://station.example/stream", 1.0f);
    EXPECT_EQ(state.Radio_System, nullptr) << "no call through a library that did not load";
}

TEST_F(RadioEngine, OneInstanceAtATimeInTheRadiosOrder) {
    start_beside(VD_ENGINE_STUB_FULL);
    music::start_radio_stream(state, "http://one.example/live", 0.5f);
    const FMOD_SYSTEM* system = state.Radio_System;
    const FMOD_SOUND* sound = state.Radio_Sound;
    const FMOD_CHANNEL* channel = state.Radio_Channel;
    ASSERT_TRUE(system && sound && channel);
    EXPECT_EQ(engine_log(), "create " + handle(system) + "\ninit " + handle(system) + " 32 0 none\nstream " +
                                handle(system) + " http://one.example/live 128 none -> " + handle(sound) + "\nplay " +
                                handle(system) + " 1 " + handle(sound) + " 0 -> " + handle(channel) + "\nvolume " +
                                handle(channel) + " 0.50\n");

    // A second station: the first instance is stopped and released before the new one is made.
    music::start_radio_stream(state, "http://two.example/live", 0.25f);
    const std::string second = engine_log();
    EXPECT_EQ(second.substr(0, second.find("create")),
              "stop " + handle(channel) + "\nrelease " + handle(system) + "\n");
    EXPECT_NE(state.Radio_System, system);

    const FMOD_SYSTEM* running = state.Radio_System;
    const FMOD_CHANNEL* playing = state.Radio_Channel;
    music::stop_radio_stream(state);
    EXPECT_EQ(engine_log(), "stop " + handle(playing) + "\nrelease " + handle(running) + "\n");
    EXPECT_EQ(state.Radio_System, nullptr);
    EXPECT_EQ(state.Radio_Sound, nullptr);
    EXPECT_EQ(state.Radio_Channel, nullptr);

    // Stale handles are never passed on.
    music::stop_radio_stream(state);
    music::set_radio_volume(state, 1.0f);
    EXPECT_EQ(engine_log(), "");
}

TEST_F(RadioEngine, ThePlayersPauseMuteAndVolumeReachTheStation) {
    start_beside(VD_ENGINE_STUB_FULL);
    click(core::GadgetPause);
    click(core::GadgetMute);
    click(core::GadgetMute);
    EXPECT_EQ(engine_log(), "<no log>") << "nothing binds the engine before a station plays";

    click(core::GadgetWebRadio);  // binds the engine and opens the radio window,
    click(core::GadgetWebRadio);  // which closes again: the clock bar's slider leads
    music::start_radio_stream(state, "http://one.example/live", 0.6f);
    const std::string channel = handle(state.Radio_Channel);
    engine_log();

    click(core::GadgetPause);  // no music file: the radio is silenced all the same
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.00\n");
    click(core::GadgetPause);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.00\n") << "a second press does not give the sound back";

    click(core::GadgetMute);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.00\n");
    click(core::GadgetMute);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.60\n");
    rt::set_state(core::GadgetVolume, 35);
    click(core::GadgetVolume, rt::EventType::Change);
    EXPECT_EQ(engine_log(), "volume " + channel + " 0.35\n");

    const std::string system = handle(state.Radio_System);
    click(core::GadgetStop);
    EXPECT_EQ(engine_log(), "stop " + channel + "\nrelease " + system + "\n");
    EXPECT_EQ(state.Radio_Channel, nullptr);
    EXPECT_EQ(now_playing_background(), music::radio_idle_colour);

    // Without the library at start, the player never calls the engine.
    music::start_radio_stream(state, "http://one.example/live", 0.6f);
    engine_log();
    state.Audio_Available = 0;
    click(core::GadgetPause);
    click(core::GadgetMute);
    EXPECT_EQ(engine_log(), "");
}

TEST_F(RadioEngine, AMissingEntryPointIsNeverCalled) {
    start_beside(VD_ENGINE_STUB_WITHOUT_STOP);
    ASSERT_TRUE(music::radio_engine_usable(state));
    EXPECT_EQ(state.music.engine.channel_stop, nullptr);
    EXPECT_NE(state.music.engine.system_release, nullptr);
    music::start_radio_stream(state, "http://one.example/live", 1.0f);
    const std::string system = handle(state.Radio_System);
    engine_log();
    music::stop_radio_stream(state);
    EXPECT_EQ(engine_log(), "release " + system + "\n");
}

}  // namespace
