// The session bus as the desktop uses it, on a private dbus-daemon: a
// notification reaches a stand-in notification service and nothing waits when
// there is none; the media player answers calls and property reads, takes a
// volume, and announces what changed.
#include "platform/desktop_bus.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QObject>
#include <QThread>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "support/private_bus.h"

namespace {

using platform::MediaRequest;
using platform::NowPlaying;

const QString player_service = QStringLiteral("org.mpris.MediaPlayer2.vimo_duzi");
const QString player_path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString player_interface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString properties_interface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int wait_ms = 5000;

// Runs the toolkit until `done` says so; false when it never does.
bool spin_until(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(wait_ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

// A connection of the test's own to the private bus, as another program; a
// name never used before, since the toolkit hands out an old connection again by its name.
QDBusConnection connect_as(const QString& name, const std::string& address) {
    static int count = 0;
    return QDBusConnection::connectToBus(QString::fromStdString(address), name + QString::number(++count));
}

// Stands in for the desktop's notification service and keeps each Notify's arguments.
class FakeNotificationService final : public QDBusVirtualObject {
public:
    explicit FakeNotificationService(QDBusConnection bus) : bus_(std::move(bus)) {
        bus_.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), this);
        bus_.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~FakeNotificationService() override { bus_.unregisterObject(QStringLiteral("/org/freedesktop/Notifications")); }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
        if (message.member() != QLatin1String("Notify")) return false;
        calls.push_back(message.arguments());
        bus_.send(message.createReply(QVariant::fromValue(uint(calls.size()))));
        return true;
    }
    std::vector<QList<QVariant>> calls;

private:
    QDBusConnection bus_;
};

// Keeps every PropertiesChanged the player sends.
class ChangeRecorder final : public QObject {
    Q_OBJECT
public:
    std::vector<QVariantMap> changes;
public Q_SLOTS:
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&) {
        if (interface == player_interface) changes.push_back(properties);
    }
};

class DesktopBus : public ::testing::Test {
protected:
    void SetUp() override {
        if (!bus.failure().empty()) GTEST_SKIP() << bus.failure();
    }
    test::PrivateBus bus;
};

TEST_F(DesktopBus, ANotificationReachesTheDesktopsService) {
    FakeNotificationService service(connect_as("notifications", bus.address()));
    platform::SessionBus session("vimo-duzi");
    session.notify("Vimo Duzi", "Dentist <b>3 pm</b>");
    ASSERT_TRUE(spin_until([&] { return !service.calls.empty(); }));
    const QList<QVariant>& args = service.calls[0];
    ASSERT_EQ(args.size(), 8);
    EXPECT_EQ(args[0].toString(), "Vimo Duzi");  // the application
    EXPECT_EQ(args[1].toUInt(), 0u);             // replaces no earlier one
    EXPECT_EQ(args[2].toString(), "vimo-duzi");  // its icon
    EXPECT_EQ(args[3].toString(), "Dentist <b>3 pm</b>") << "the summary, which is never markup";
    EXPECT_EQ(args[4].toString(), "");
    const QVariantMap hints = qdbus_cast<QVariantMap>(args[6]);
    EXPECT_EQ(hints.value("desktop-entry").toString(), "vimo-duzi");
    EXPECT_EQ(hints.value("urgency").toInt(), 2);
}

TEST_F(DesktopBus, WithoutANotificationServiceNothingIsKeptForLater) {
    platform::SessionBus session("vimo-duzi");
    session.notify("Vimo Duzi", "nobody listens");
    session.notify("Vimo Duzi", "still nobody");
    FakeNotificationService service(connect_as("notifications-later", bus.address()));
    session.notify("Vimo Duzi", "now");
    ASSERT_TRUE(spin_until([&] { return !service.calls.empty(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(service.calls.size(), 1u);
    EXPECT_EQ(service.calls[0][3].toString(), "now");
}

TEST(DesktopBusAbsent, WithoutASessionBusEverythingIsANoOp) {
    const char* saved_address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* saved_runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string address = saved_address ? saved_address : "", runtime = saved_runtime ? saved_runtime : "";
    test::TempFolder empty_runtime;
    for (const char* value : {"", "unix:path=/nonexistent/vd-bus"}) {
        SCOPED_TRACE(value);
        setenv("DBUS_SESSION_BUS_ADDRESS", value, 1);
        setenv("XDG_RUNTIME_DIR", empty_runtime.path().c_str(), 1);  // no "bus" socket there
        platform::SessionBus session("vimo-duzi");
        session.notify("Vimo Duzi", "no bus");
        int requests = 0;
        EXPECT_FALSE(session.publish_player(
            "vimo_duzi", "Vimo Duzi", [&](MediaRequest) { ++requests; }, nullptr));
        session.show_playing({.status = NowPlaying::Status::Playing});
        EXPECT_EQ(session.player_name(), "");
    }
    if (saved_address) setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    else unsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (saved_runtime) setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
}

class MediaPlayerOnTheBus : public DesktopBus {
protected:
    void SetUp() override {
        DesktopBus::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(session.publish_player(
            "vimo_duzi", "Vimo Duzi", [this](MediaRequest r) { requests.push_back(r); },
            [this](int v) { volumes.push_back(v); }));
        client = connect_as("client", bus.address());
    }

    // Calls `method` of `interface` on the player and waits for the answer.
    QDBusMessage call(const QString& interface, const QString& method, const QList<QVariant>& args = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(player_service, player_path, interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = client.asyncCall(message);
        EXPECT_TRUE(spin_until([&] { return pending.isFinished(); })) << method.toStdString();
        return pending.reply();
    }
    QVariantMap all(const QString& interface) {
        const QDBusMessage reply = call(properties_interface, "GetAll", {interface});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().isEmpty() ? QVariantMap{} : qdbus_cast<QVariantMap>(reply.arguments()[0]);
    }

    platform::SessionBus session{"vimo-duzi"};
    std::vector<MediaRequest> requests;
    std::vector<int> volumes;
    QDBusConnection client{QString()};
};

TEST_F(MediaPlayerOnTheBus, EachMethodIsOneRequest) {
    EXPECT_EQ(session.player_name(), player_service.toStdString());
    struct Row {
        const char* interface;
        const char* method;
        MediaRequest request;
    };
    const Row rows[] = {
        {"org.mpris.MediaPlayer2.Player", "Play", MediaRequest::Play},
        {"org.mpris.MediaPlayer2.Player", "Pause", MediaRequest::Pause},
        {"org.mpris.MediaPlayer2.Player", "PlayPause", MediaRequest::PlayPause},
        {"org.mpris.MediaPlayer2.Player", "Stop", MediaRequest::Stop},
        {"org.mpris.MediaPlayer2.Player", "Next", MediaRequest::Next},
        {"org.mpris.MediaPlayer2.Player", "Previous", MediaRequest::Previous},
        {"org.mpris.MediaPlayer2", "Raise", MediaRequest::Raise},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.method);
        requests.clear();
        const QDBusMessage reply = call(row.interface, row.method);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        EXPECT_EQ(requests, std::vector<MediaRequest>{row.request});
    }
    requests.clear();
    EXPECT_EQ(call("org.mpris.MediaPlayer2", "Quit").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(call(player_interface, "Seek", {qlonglong(5000000)}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(call(player_interface, "Rewind").type(), QDBusMessage::ErrorMessage) << "no such method";
    EXPECT_TRUE(requests.empty()) << "the program is not ended, nor sought in, from outside";
}

TEST_F(MediaPlayerOnTheBus, PropertiesShowWhatPlays) {
    const QVariantMap root = all("org.mpris.MediaPlayer2");
    EXPECT_EQ(root.value("Identity").toString(), "Vimo Duzi");
    EXPECT_EQ(root.value("DesktopEntry").toString(), "vimo-duzi");
    EXPECT_TRUE(root.value("CanRaise").toBool());
    EXPECT_FALSE(root.value("CanQuit").toBool());
    EXPECT_EQ(all(player_interface).value("PlaybackStatus").toString(), "Stopped");

    session.show_playing({.status = NowPlaying::Status::Playing,
                          .title = "Blue",
                          .artist = "Band",
                          .album = "Sky",
                          .track_number = 7,
                          .location = "/music/a b.mp3",
                          .volume = 60,
                          .can_play = true,
                          .can_pause = true,
                          .can_go_next = true,
                          .can_go_previous = true});
    const QVariantMap player = all(player_interface);
    EXPECT_EQ(player.value("PlaybackStatus").toString(), "Playing");
    EXPECT_DOUBLE_EQ(player.value("Volume").toDouble(), 0.6);
    EXPECT_TRUE(player.value("CanGoNext").toBool());
    EXPECT_TRUE(player.value("CanPause").toBool());
    EXPECT_FALSE(player.value("CanSeek").toBool());
    const QVariantMap metadata = qdbus_cast<QVariantMap>(player.value("Metadata"));
    EXPECT_EQ(metadata.value("xesam:title").toString(), "Blue");
    EXPECT_EQ(metadata.value("xesam:artist").toStringList(), QStringList{"Band"});
    EXPECT_EQ(metadata.value("xesam:album").toString(), "Sky");
    EXPECT_EQ(metadata.value("xesam:trackNumber").toInt(), 7);
    EXPECT_EQ(metadata.value("xesam:url").toString(), "file:///music/a%20b.mp3");
    EXPECT_TRUE(metadata.contains("mpris:trackid"));

    const QDBusMessage one = call(properties_interface, "Get", {player_interface, "PlaybackStatus"});
    ASSERT_FALSE(one.arguments().isEmpty());
    EXPECT_EQ(one.arguments()[0].value<QDBusVariant>().variant().toString(), "Playing");
    EXPECT_EQ(call(properties_interface, "Get", {player_interface, "Colour"}).type(), QDBusMessage::ErrorMessage);
}

TEST_F(MediaPlayerOnTheBus, AVolumeSetFromOutsideIsRequestedInHundredths) {
    for (const double volume : {0.25, 1.7, -0.5}) {
        const QDBusMessage reply =
            call(properties_interface, "Set", {player_interface, "Volume", QVariant::fromValue(QDBusVariant(volume))});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage);
    }
    EXPECT_EQ(volumes, (std::vector<int>{25, 100, 0})) << "clamped to what the slider holds";
}

TEST_F(MediaPlayerOnTheBus, EachChangeIsAnnouncedWithWhatChanged) {
    ChangeRecorder recorder;
    ASSERT_TRUE(client.connect(QString(), player_path, properties_interface, "PropertiesChanged", &recorder,
                               SLOT(changed(QString, QVariantMap, QStringList))));
    NowPlaying now{.status = NowPlaying::Status::Playing, .title = "Blue", .location = "/music/a.mp3", .volume = 50};
    session.show_playing(now);
    ASSERT_TRUE(spin_until([&] { return recorder.changes.size() == 1; }));
    EXPECT_EQ(recorder.changes[0].value("PlaybackStatus").toString(), "Playing");
    EXPECT_TRUE(recorder.changes[0].contains("Metadata"));

    now.status = NowPlaying::Status::Paused;
    session.show_playing(now);
    session.show_playing(now);  // the same again: nothing to announce
    now.volume = 20;
    session.show_playing(now);
    ASSERT_TRUE(spin_until([&] { return recorder.changes.size() >= 3; }));
    QCoreApplication::processEvents();
    ASSERT_EQ(recorder.changes.size(), 3u);
    EXPECT_EQ(recorder.changes[1].keys(), QStringList{"PlaybackStatus"});
    EXPECT_EQ(recorder.changes[1].value("PlaybackStatus").toString(), "Paused");
    EXPECT_EQ(recorder.changes[2].keys(), QStringList{"Volume"});
    EXPECT_DOUBLE_EQ(recorder.changes[2].value("Volume").toDouble(), 0.2);
}

TEST_F(MediaPlayerOnTheBus, ASecondProgramGetsANameOfItsOwn) {
    platform::SessionBus second("vimo-duzi");
    ASSERT_TRUE(second.publish_player("vimo_duzi", "Vimo Duzi", nullptr, nullptr));
    EXPECT_EQ(second.player_name(), player_service.toStdString() + ".instance" + std::to_string(getpid()));
}

}  // namespace

#include "desktop_bus_test.moc"
