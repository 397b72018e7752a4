// The desktop bus seam: the user's session bus, through which the desktop
// shows notifications and its panels, media keys and phones control a media
// player (the MPRIS interface). Without a session bus every call does
// nothing and returns at once; nothing here ever waits for another program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// What the program plays, as the desktop's media controls show it.
struct NowPlaying {
    enum class Status { Stopped, Playing, Paused };
    Status status = Status::Stopped;
    std::string title, artist, album;  // UTF-8; "" when unknown
    int track_number = 0;              // 0 when unknown
    std::string location;              // the file's path or the stream's address; "" when none
    int volume = 0;                    // 0 to 100
    bool can_play = false, can_pause = false, can_go_next = false, can_go_previous = false;
    bool operator==(const NowPlaying&) const = default;
};

// What the desktop asks of the player.
enum class MediaRequest { Play, Pause, PlayPause, Stop, Next, Previous, Raise };

class DesktopBus {
public:
    virtual ~DesktopBus() = default;
    // Sends a desktop notification saying `text` (UTF-8, plain), from the
    // program named `application`, to the desktop's notification service when
    // there is one; does not wait for it.
    virtual void notify(const std::string& application, const std::string& text) = 0;
    // Publishes the media player under `name` ("vimo_duzi":
    // org.mpris.MediaPlayer2.vimo_duzi, or with ".instance<pid>" added when
    // another program holds that name). Each request, and each volume the
    // desktop sets (0 to 100), goes to its handler, which runs while the program
    // waits for events. False when there is no session bus.
    // `identity` is the name the controls show ("Vimo Duzi").
    virtual bool publish_player(const std::string& name, const std::string& identity,
                                std::function<void(MediaRequest)> on_request, std::function<void(int)> on_volume) = 0;
    // What the media controls show from now on; the desktop is told of each
    // property that changed. Nothing before publish_player.
    virtual void show_playing(const NowPlaying& now) = 0;
};

// Over the toolkit's D-Bus module. Meets the session bus at
// $DBUS_SESSION_BUS_ADDRESS, else at $XDG_RUNTIME_DIR/bus when that exists;
// never starts a bus of its own. `desktop_entry` is the program's menu entry
// without ".desktop" (its icon and its name for the desktop).
class SessionBus final : public DesktopBus {
public:
    explicit SessionBus(std::string desktop_entry);
    ~SessionBus() override;
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    void notify(const std::string& application, const std::string& text) override;
    bool publish_player(const std::string& name, const std::string& identity,
                        std::function<void(MediaRequest)> on_request, std::function<void(int)> on_volume) override;
    void show_playing(const NowPlaying& now) override;

    // The bus name the player holds; "" before it is published.
    std::string player_name() const;

private:
    struct Connection;
    std::string desktop_entry_;
    bool connect_tried_ = false;
    std::unique_ptr<Connection> connection_;
    Connection* connection();
};

// Keeps what it was asked; request() and set_volume() stand for the desktop.
class FakeDesktopBus final : public DesktopBus {
public:
    struct Notification {
        std::string application, text;
        bool operator==(const Notification&) const = default;
    };
    std::vector<Notification> notifications;
    std::vector<NowPlaying> shown;  // every show_playing, in order
    bool published = false;
    bool has_bus = true;  // false: publish_player fails, as without a session bus

    void notify(const std::string& application, const std::string& text) override {
        notifications.push_back({application, text});
    }
    bool publish_player(const std::string& name, const std::string& identity,
                        std::function<void(MediaRequest)> on_request, std::function<void(int)> on_volume) override;
    void show_playing(const NowPlaying& now) override { shown.push_back(now); }

    void request(MediaRequest r) {
        if (on_request_) on_request_(r);
    }
    void set_volume(int volume) {
        if (on_volume_) on_volume_(volume);
    }

private:
    std::function<void(MediaRequest)> on_request_;
    std::function<void(int)> on_volume_;
};

// The installed bus; until one is installed, one without a session bus.
DesktopBus& desktop_bus();
// Installs `bus` (nullptr: none again); returns the previous one.
DesktopBus* install_desktop_bus(DesktopBus* bus);

}  // namespace platform
