// The session bus through the toolkit's D-Bus module: desktop notifications,
// and the media player object of the MPRIS interface, answered message by
// message (a virtual object: no generated adaptor code).
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QUrl>
#include <QVariantMap>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

#include "platform/desktop_bus.h"

namespace platform {

namespace {

const QString player_path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString root_interface = QStringLiteral("org.mpris.MediaPlayer2");
const QString player_interface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString properties_interface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString mpris_prefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString no_track = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
const QString track_path = QStringLiteral("/org/vimo_duzi/track/");

const QString notifications_service = QStringLiteral("org.freedesktop.Notifications");
const QString notifications_path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int notification_server_default_timeout = -1;
constexpr unsigned char urgency_critical = 2;  // stays until the user dismisses it, like the banner
constexpr double full_volume = 100.0;

QString text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// $DBUS_SESSION_BUS_ADDRESS, else the user's bus socket; "" when neither.
QString session_bus_address() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return address;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    const std::string socket = std::string(runtime) + "/bus";
    struct stat st {};
    if (::stat(socket.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) return {};
    return QStringLiteral("unix:path=") + text(socket);
}

QString status_name(NowPlaying::Status status) {
    switch (status) {
    case NowPlaying::Status::Playing: return QStringLiteral("Playing");
    case NowPlaying::Status::Paused: return QStringLiteral("Paused");
    case NowPlaying::Status::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QString location_url(const std::string& location) {
    if (!location.empty() && location.front() == '/')
        return QString::fromLatin1(QUrl::fromLocalFile(text(location)).toEncoded());
    return text(location);
}

// The player interface's introspection data: its methods, properties and signal as MPRIS names them.
const char* const player_xml = R"(<interface name="org.mpris.MediaPlayer2">
  <method name="Raise"/>
  <method name="Quit"/>
  <property name="CanQuit" type="b" access="read"/>
  <property name="CanRaise" type="b" access="read"/>
  <property name="HasTrackList" type="b" access="read"/>
  <property name="Identity" type="s" access="read"/>
  <property name="DesktopEntry" type="s" access="read"/>
  <property name="SupportedUriSchemes" type="as" access="read"/>
  <property name="SupportedMimeTypes" type="as" access="read"/>
</interface>
<interface name="org.mpris.MediaPlayer2.Player">
  <method name="Next"/>
  <method name="Previous"/>
  <method name="Pause"/>
  <method name="PlayPause"/>
  <method name="Stop"/>
  <method name="Play"/>
  <method name="Seek"><arg direction="in" name="Offset" type="x"/></method>
  <method name="SetPosition"><arg direction="in" name="TrackId" type="o"/><arg direction="in" name="Position" type="x"/></method>
  <method name="OpenUri"><arg direction="in" name="Uri" type="s"/></method>
  <signal name="Seeked"><arg name="Position" type="x"/></signal>
  <property name="PlaybackStatus" type="s" access="read"/>
  <property name="Rate" type="d" access="readwrite"/>
  <property name="Metadata" type="a{sv}" access="read"/>
  <property name="Volume" type="d" access="readwrite"/>
  <property name="Position" type="x" access="read"/>
  <property name="MinimumRate" type="d" access="read"/>
  <property name="MaximumRate" type="d" access="read"/>
  <property name="CanGoNext" type="b" access="read"/>
  <property name="CanGoPrevious" type="b" access="read"/>
  <property name="CanPlay" type="b" access="read"/>
  <property name="CanPause" type="b" access="read"/>
  <property name="CanSeek" type="b" access="read"/>
  <property name="CanControl" type="b" access="read"/>
</interface>
)";

struct PlayerMethod {
    const char* name;
    MediaRequest request;
};

constexpr PlayerMethod player_methods[] = {
    {"Play", MediaRequest::Play}, {"Pause", MediaRequest::Pause}, {"PlayPause", MediaRequest::PlayPause},
    {"Stop", MediaRequest::Stop}, {"Next", MediaRequest::Next},   {"Previous", MediaRequest::Previous},
};

// The object at /org/mpris/MediaPlayer2: answers calls and property reads,
// and tells the bus what changed.
class PlayerObject final : public QDBusVirtualObject {
public:
    QDBusConnection bus;
    QString identity, desktop_entry;
    std::function<void(MediaRequest)> on_request;
    std::function<void(int)> on_volume;
    NowPlaying now;
    int track = 0;  // counts the tracks shown, for their ids

    explicit PlayerObject(QDBusConnection connection) : bus(std::move(connection)) {}

    QString introspect(const QString&) const override { return QString::fromLatin1(player_xml); }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        const QString interface = message.interface();
        const QString member = message.member();
        if (interface == properties_interface) return properties_call(message, member);
        if (interface == root_interface || (interface.isEmpty() && member == QLatin1String("Raise"))) {
            if (member == QLatin1String("Raise")) request(MediaRequest::Raise);
            else if (member != QLatin1String("Quit")) return false;  // the program is not ended from outside
            bus.send(message.createReply());
            return true;
        }
        if (interface == player_interface || interface.isEmpty()) {
            for (const PlayerMethod& method : player_methods) {
                if (member == QLatin1String(method.name)) {
                    request(method.request);
                    bus.send(message.createReply());
                    return true;
                }
            }
            // Nothing to seek in, no address to open: accepted and ignored.
            if (member == QLatin1String("Seek") || member == QLatin1String("SetPosition") ||
                member == QLatin1String("OpenUri")) {
                bus.send(message.createReply());
                return true;
            }
        }
        return false;  // introspection and the rest: the toolkit's own answers
    }

    void request(MediaRequest r) {
        if (on_request) on_request(r);
    }

    QVariantMap metadata() const {
        QVariantMap map;
        const bool has_track = !now.location.empty() || !now.title.empty();
        map.insert(QStringLiteral("mpris:trackid"),
                   QVariant::fromValue(QDBusObjectPath(has_track ? track_path + QString::number(track) : no_track)));
        if (!now.title.empty()) map.insert(QStringLiteral("xesam:title"), text(now.title));
        if (!now.artist.empty()) map.insert(QStringLiteral("xesam:artist"), QStringList{text(now.artist)});
        if (!now.album.empty()) map.insert(QStringLiteral("xesam:album"), text(now.album));
        if (now.track_number > 0) map.insert(QStringLiteral("xesam:trackNumber"), now.track_number);
        if (!now.location.empty()) map.insert(QStringLiteral("xesam:url"), location_url(now.location));
        return map;
    }

    QVariantMap root_properties() const {
        return {
            {QStringLiteral("CanQuit"), false},
            {QStringLiteral("CanRaise"), true},
            {QStringLiteral("HasTrackList"), false},
            {QStringLiteral("Identity"), identity},
            {QStringLiteral("DesktopEntry"), desktop_entry},
            {QStringLiteral("SupportedUriSchemes"), QStringList{}},
            {QStringLiteral("SupportedMimeTypes"), QStringList{}},
        };
    }

    QVariantMap player_properties() const {
        return {
            {QStringLiteral("PlaybackStatus"), status_name(now.status)},
            {QStringLiteral("Rate"), 1.0},
            {QStringLiteral("Metadata"), metadata()},
            {QStringLiteral("Volume"), now.volume / full_volume},
            {QStringLiteral("Position"), qlonglong(0)},
            {QStringLiteral("MinimumRate"), 1.0},
            {QStringLiteral("MaximumRate"), 1.0},
            {QStringLiteral("CanGoNext"), now.can_go_next},
            {QStringLiteral("CanGoPrevious"), now.can_go_previous},
            {QStringLiteral("CanPlay"), now.can_play},
            {QStringLiteral("CanPause"), now.can_pause},
            {QStringLiteral("CanSeek"), false},
            {QStringLiteral("CanControl"), true},
        };
    }

    QVariantMap properties_of(const QString& interface) const {
        if (interface == root_interface) return root_properties();
        if (interface == player_interface) return player_properties();
        return {};
    }

    bool properties_call(const QDBusMessage& message, const QString& member) {
        const QList<QVariant> args = message.arguments();
        const QString interface = args.value(0).toString();
        if (member == QLatin1String("GetAll")) {
            bus.send(message.createReply(QVariant::fromValue(properties_of(interface))));
            return true;
        }
        const QString name = args.value(1).toString();
        if (member == QLatin1String("Get")) {
            const QVariantMap all = properties_of(interface);
            if (!all.contains(name)) {
                bus.send(message.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("No such property")));
                return true;
            }
            bus.send(message.createReply(QVariant::fromValue(QDBusVariant(all.value(name)))));
            return true;
        }
        if (member == QLatin1String("Set")) {
            if (interface == player_interface && name == QLatin1String("Volume")) {
                const double value = args.value(2).value<QDBusVariant>().variant().toDouble();
                if (std::isfinite(value) && on_volume)
                    on_volume(int(std::lround(std::clamp(value, 0.0, 1.0) * full_volume)));
            }
            // The rate stays 1: accepted and ignored, as the interface allows.
            bus.send(message.createReply());
            return true;
        }
        return false;
    }

    // Makes `next` what the controls show, and tells the bus what changed.
    void show(const NowPlaying& next) {
        if (next == now) return;
        const NowPlaying before = now;
        const bool new_track = next.location != before.location || next.title != before.title;
        if (new_track) ++track;
        now = next;
        QVariantMap changed;
        if (next.status != before.status) changed.insert(QStringLiteral("PlaybackStatus"), status_name(next.status));
        if (new_track || next.artist != before.artist || next.album != before.album ||
            next.track_number != before.track_number)
            changed.insert(QStringLiteral("Metadata"), metadata());
        if (next.volume != before.volume) changed.insert(QStringLiteral("Volume"), next.volume / full_volume);
        if (next.can_play != before.can_play) changed.insert(QStringLiteral("CanPlay"), next.can_play);
        if (next.can_pause != before.can_pause) changed.insert(QStringLiteral("CanPause"), next.can_pause);
        if (next.can_go_next != before.can_go_next) changed.insert(QStringLiteral("CanGoNext"), next.can_go_next);
        if (next.can_go_previous != before.can_go_previous)
            changed.insert(QStringLiteral("CanGoPrevious"), next.can_go_previous);
        if (changed.isEmpty()) return;
        QDBusMessage signal =
            QDBusMessage::createSignal(player_path, properties_interface, QStringLiteral("PropertiesChanged"));
        signal << player_interface << changed << QStringList{};
        bus.send(signal);
    }
};

std::atomic<int> connection_count{0};

}  // namespace

struct SessionBus::Connection {
    QString name;
    QDBusConnection bus;
    std::unique_ptr<PlayerObject> player;
    QString player_name;

    Connection(QString connection_name, QDBusConnection connection)
        : name(std::move(connection_name)), bus(std::move(connection)) {}
    ~Connection() {
        if (player) bus.unregisterObject(player_path);
        if (!player_name.isEmpty()) bus.unregisterService(player_name);
        player.reset();
        QDBusConnection::disconnectFromBus(name);
    }
};

SessionBus::SessionBus(std::string desktop_entry) : desktop_entry_(std::move(desktop_entry)) {}

SessionBus::~SessionBus() = default;

SessionBus::Connection* SessionBus::connection() {
    if (connect_tried_) return connection_.get();
    connect_tried_ = true;
    const QString address = session_bus_address();
    if (address.isEmpty()) return nullptr;
    const QString name = QStringLiteral("vimo-duzi-session-%1").arg(++connection_count);
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return nullptr;
    }
    connection_ = std::make_unique<Connection>(name, bus);
    return connection_.get();
}

void SessionBus::notify(const std::string& application, const std::string& text_utf8) {
    Connection* c = connection();
    if (!c) return;
    QDBusMessage call = QDBusMessage::createMethodCall(notifications_service, notifications_path, notifications_service,
                                                       QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), text(desktop_entry_)},
        {QStringLiteral("urgency"), QVariant::fromValue(urgency_critical)},
    };
    call << text(application) << 0u << text(desktop_entry_) << text(text_utf8) << QString() << QStringList{} << hints
         << notification_server_default_timeout;
    // Sent without waiting: with no notification service the bus's error answer is dropped.
    c->bus.send(call);
}

bool SessionBus::publish_player(const std::string& name, const std::string& identity,
                                std::function<void(MediaRequest)> on_request, std::function<void(int)> on_volume) {
    Connection* c = connection();
    if (!c || c->player) return false;
    auto player = std::make_unique<PlayerObject>(c->bus);
    player->identity = text(identity);
    player->desktop_entry = text(desktop_entry_);
    player->on_request = std::move(on_request);
    player->on_volume = std::move(on_volume);
    if (!c->bus.registerVirtualObject(player_path, player.get())) return false;
    c->player = std::move(player);

    QDBusConnectionInterface* names = c->bus.interface();
    const QString wanted = mpris_prefix + text(name);
    for (const QString& candidate : {wanted, wanted + QStringLiteral(".instance") + QString::number(::getpid())}) {
        if (names && names->registerService(candidate, QDBusConnectionInterface::DontQueueService,
                                            QDBusConnectionInterface::DontAllowReplacement)
                             .value() == QDBusConnectionInterface::ServiceRegistered) {
            c->player_name = candidate;
            return true;
        }
    }
    return false;
}

void SessionBus::show_playing(const NowPlaying& now) {
    if (connection_ && connection_->player) connection_->player->show(now);
}

std::string SessionBus::player_name() const {
    return connection_ ? connection_->player_name.toStdString() : std::string();
}

}  // namespace platform
