// Power-off, restart and log-off requests against python-dbusmock's logind on a private
// dbus-daemon. Nothing here may reach a real system bus: each test asserts that the bus it is about
// to use is its own daemon's before anything that could shut a machine down is called.
#include "platform/SessionControl.h"
#include "support/MockLogind.h"
#include "support/ScopedEnv.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <unistd.h>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using platform::SessionControl;
using testsupport::MockLogind;
using testsupport::ScopedEnv;

namespace {

const QString SessionsPath = QStringLiteral("/org/freedesktop/login1/session/");

// The guard that comes before every request: the bus is the daemon in the mock's own temporary
// folder, and the mock answers on it.
void assertSandboxed(MockLogind& mock, const QDBusConnection& bus) {
    ASSERT_EQ(mock.error(), QString());
    ASSERT_TRUE(mock.address().startsWith(QStringLiteral("unix:path=") + mock.folder() + "/"))
        << mock.address().toStdString();
    ASSERT_TRUE(bus.isConnected());
    const QString id = MockLogind::busId(bus);
    ASSERT_FALSE(id.isEmpty());
    ASSERT_EQ(id, MockLogind::busId(mock.connection()));
    ASSERT_TRUE(mock.answering());
}

QStringList methods(const std::vector<MockLogind::Call>& calls) {
    QStringList names;
    for (const auto& call : calls)
        names << call.method;
    return names;
}

qint64 timed(const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.elapsed();
}

} // namespace

// The program's own entry point, on the process's system bus: each exit-flag combination reaches
// the right logind method, and no other value asks anything. This is the only test in this
// process that touches QDBusConnection::systemBus(), which connects once per process.
TEST(SessionControlSystemBus, ExitFlagsReachLogindAndNothingElseAsks) {
    MockLogind mock;
    ASSERT_EQ(mock.error(), QString());
    ScopedEnv systemBus("DBUS_SYSTEM_BUS_ADDRESS", mock.address().toUtf8());
    ScopedEnv session("XDG_SESSION_ID", QByteArray("c7"));
    ASSERT_TRUE(qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")
                    .startsWith(QStringLiteral("unix:path=") + mock.folder() + "/"));
    ASSERT_NO_FATAL_FAILURE(assertSandboxed(mock, QDBusConnection::systemBus()));

    struct Case {
        std::uint32_t flags;
        QString method;
        QVariantList args;
    };
    const Case cases[] = {
        {12, QStringLiteral("PowerOff"), {false}},
        {6, QStringLiteral("Reboot"), {false}},
        {4, QStringLiteral("TerminateSession"), {QStringLiteral("c7")}},
        {0, {}, {}},
        {1, {}, {}},  // plain shut-down without power-off is not a request the program makes
        {2, {}, {}},  // unforced reboot
        {8, {}, {}},  // unforced power-off
        {5, {}, {}},  // shut-down + force
        {14, {}, {}}, // power-off and reboot at once
        {16, {}, {}},
        {0xFFFFFFFFu, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const size_t before = mock.calls().size();
        EXPECT_EQ(platform::ShutdownWindowsFlags(c.flags), !c.method.isEmpty());
        const auto calls = mock.calls();
        if (c.method.isEmpty()) {
            EXPECT_EQ(calls.size(), before);
            continue;
        }
        ASSERT_EQ(calls.size(), before + 1);
        EXPECT_EQ(calls.back().method, c.method);
        EXPECT_EQ(calls.back().args, c.args);
    }
}

// Without XDG_SESSION_ID (started from a service or a bare terminal), logind is asked which
// session this process is in, and that session is terminated.
TEST(SessionControl, LogOffWithoutSessionIdTerminatesTheSessionOfThisProcess) {
    MockLogind mock;
    const QString path = mock.addSession(QStringLiteral("c3"));
    ASSERT_EQ(path, SessionsPath + "c3");
    ASSERT_TRUE(mock.addMethod(MockLogind::ManagerPath, MockLogind::ManagerInterface,
                               QStringLiteral("GetSessionByPID"), QStringLiteral("u"),
                               QStringLiteral("o"),
                               QStringLiteral("ret = dbus.ObjectPath('%1')").arg(path)));
    ScopedEnv session("XDG_SESSION_ID", std::nullopt);
    const QDBusConnection bus = mock.newConnection();
    ASSERT_NO_FATAL_FAILURE(assertSandboxed(mock, bus));

    EXPECT_TRUE(SessionControl(bus).LogOff());

    std::vector<MockLogind::Call> lookups;
    for (const auto& call : mock.calls())
        if (call.method == "GetSessionByPID")
            lookups.push_back(call);
    ASSERT_EQ(lookups.size(), 1u);
    EXPECT_EQ(lookups.front().args, QVariantList{uint(::getpid())});
    EXPECT_FALSE(methods(mock.calls()).contains("TerminateSession"));
    EXPECT_EQ(methods(mock.calls(path)), QStringList{QStringLiteral("Terminate")});
}

// logind (or polkit behind it) saying no, at each step of each request, is a refusal.
TEST(SessionControl, ErrorRepliesAreRefusals) {
    MockLogind mock;
    const QString path = mock.addSession(QStringLiteral("c3"));
    ASSERT_FALSE(path.isEmpty());
    const QDBusConnection bus = mock.newConnection();
    ASSERT_NO_FATAL_FAILURE(assertSandboxed(mock, bus));
    const QString deny = QStringLiteral("raise dbus.exceptions.DBusException('no', "
                                        "name='org.freedesktop.DBus.Error.AccessDenied')");
    const QString found = QStringLiteral("ret = dbus.ObjectPath('%1')").arg(path);

    struct Case {
        const char* what;
        QString objectPath, interface, method, inSig, outSig, code;
        std::optional<QByteArray> sessionId;
        bool (SessionControl::*request)();
        std::function<void()> prepare;
    };
    const QString manager = MockLogind::ManagerInterface;
    const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
    const Case cases[] = {
        {"power-off denied",
         MockLogind::ManagerPath,
         manager,
         "PowerOff",
         "b",
         "",
         deny,
         std::nullopt,
         &SessionControl::PowerOff,
         {}},
        {"reboot denied",
         MockLogind::ManagerPath,
         manager,
         "Reboot",
         "b",
         "",
         deny,
         std::nullopt,
         &SessionControl::Reboot,
         {}},
        {"terminating the named session denied",
         MockLogind::ManagerPath,
         manager,
         "TerminateSession",
         "s",
         "",
         deny,
         QByteArray("c3"),
         &SessionControl::LogOff,
         {}},
        {"no session for this process",
         MockLogind::ManagerPath,
         manager,
         "GetSessionByPID",
         "u",
         "o",
         "raise dbus.exceptions.DBusException('none', "
         "name='org.freedesktop.login1.NoSessionForPID')",
         std::nullopt,
         &SessionControl::LogOff,
         {}},
        {"terminating the found session denied", path, sessionInterface, "Terminate", "", "", deny,
         std::nullopt, &SessionControl::LogOff,
         [&] {
             mock.addMethod(MockLogind::ManagerPath, manager, "GetSessionByPID", "u", "o", found);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.prepare)
            c.prepare();
        ASSERT_TRUE(mock.addMethod(c.objectPath, c.interface, c.method, c.inSig, c.outSig, c.code));
        ScopedEnv session("XDG_SESSION_ID", c.sessionId);
        SessionControl control(bus);
        EXPECT_FALSE((control.*c.request)());
        EXPECT_TRUE(methods(mock.calls(c.objectPath)).contains(c.method));
    }
}

// Nobody to ask: no bus at all, or a bus without logind. Both refuse at once rather than waiting
// for a timeout or for the bus to start a service.
TEST(SessionControl, NoBusOrNoServiceRefusesAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDBusConnection noBus = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("absent")),
        QStringLiteral("session-control-no-bus"));
    ASSERT_FALSE(noBus.isConnected());

    MockLogind busOnly(false);
    ASSERT_EQ(busOnly.error(), QString());
    const QDBusConnection noService = busOnly.newConnection();
    ASSERT_TRUE(
        busOnly.address().startsWith(QStringLiteral("unix:path=") + busOnly.folder() + "/"));
    ASSERT_EQ(MockLogind::busId(noService), MockLogind::busId(busOnly.connection()));

    ScopedEnv session("XDG_SESSION_ID", std::nullopt);
    for (const QDBusConnection& bus : {noBus, noService}) {
        SessionControl control(bus, 10000);
        for (auto request :
             {&SessionControl::PowerOff, &SessionControl::Reboot, &SessionControl::LogOff}) {
            bool accepted = true;
            EXPECT_LT(timed([&] { accepted = (control.*request)(); }), 1000);
            EXPECT_FALSE(accepted);
        }
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("session-control-no-bus"));
}

// A logind that takes the request and never answers: the caller gets false within its bound,
// also when the hang is in the second step of a log-off.
TEST(SessionControl, HungServiceRefusesWithinTheTimeout) {
    const int timeoutMs = 1000;
    const QString hang = QStringLiteral("time.sleep(15)");
    struct Case {
        const char* what;
        bool (SessionControl::*request)();
        bool hangInSession;
    };
    const Case cases[] = {
        {"power-off", &SessionControl::PowerOff, false},
        {"log-off, found session's terminate", &SessionControl::LogOff, true},
    };
    ScopedEnv session("XDG_SESSION_ID", std::nullopt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MockLogind mock;
        const QString path = mock.addSession(QStringLiteral("c3"));
        ASSERT_FALSE(path.isEmpty());
        if (c.hangInSession) {
            ASSERT_TRUE(mock.addMethod(
                MockLogind::ManagerPath, MockLogind::ManagerInterface, "GetSessionByPID", "u", "o",
                QStringLiteral("time.sleep(0.6); ret = dbus.ObjectPath('%1')").arg(path)));
            ASSERT_TRUE(
                mock.addMethod(path, "org.freedesktop.login1.Session", "Terminate", "", "", hang));
        } else {
            ASSERT_TRUE(mock.addMethod(MockLogind::ManagerPath, MockLogind::ManagerInterface,
                                       "PowerOff", "b", "", hang));
        }
        const QDBusConnection bus = mock.newConnection();
        ASSERT_NO_FATAL_FAILURE(assertSandboxed(mock, bus));

        SessionControl control(bus, timeoutMs);
        bool accepted = true;
        const qint64 elapsed = timed([&] { accepted = (control.*c.request)(); });
        EXPECT_FALSE(accepted);
        EXPECT_LT(elapsed, timeoutMs + 1500);
    }
}
