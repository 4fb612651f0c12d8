#include "platform/SessionControl.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QVariant>
#include <unistd.h>

namespace platform {

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");

// A call that never asks the bus to start logind: an activation would hold us far beyond the
// timeout, and a logind that is not running will not shut anything down anyway.
QDBusMessage methodCall(const QString& service, const QString& path, const QString& interface,
                        const QString& method, const QVariantList& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(args);
    message.setAutoStartService(false);
    return message;
}

int remaining(const QDeadlineTimer& deadline) {
    return int(qMax<qint64>(1, deadline.remainingTime()));
}

} // namespace

SessionControl::SessionControl()
    : SessionControl(QDBusConnection::systemBus()) {
}

SessionControl::SessionControl(const QDBusConnection& bus, int timeoutMs)
    : m_bus(bus)
    , m_timeoutMs(timeoutMs) {
}

bool SessionControl::serviceRunning(int timeoutMs) {
    if (!m_bus.isConnected())
        return false;
    const QDBusMessage reply = m_bus.call(methodCall(QStringLiteral("org.freedesktop.DBus"),
                                                     QStringLiteral("/org/freedesktop/DBus"),
                                                     QStringLiteral("org.freedesktop.DBus"),
                                                     QStringLiteral("NameHasOwner"), {Service}),
                                          QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toBool();
}

bool SessionControl::managerCall(const QString& method, const QVariantList& args) {
    const QDeadlineTimer deadline(m_timeoutMs);
    if (!serviceRunning(remaining(deadline)))
        return false;
    const QDBusMessage reply =
        m_bus.call(methodCall(Service, ManagerPath, ManagerInterface, method, args), QDBus::Block,
                   remaining(deadline));
    return reply.type() == QDBusMessage::ReplyMessage;
}

// The boolean is logind's "interactive": false, so polkit decides without asking anyone.
bool SessionControl::PowerOff() {
    return managerCall(QStringLiteral("PowerOff"), {false});
}

bool SessionControl::Reboot() {
    return managerCall(QStringLiteral("Reboot"), {false});
}

bool SessionControl::LogOff() {
    const QString sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    if (!sessionId.isEmpty())
        return managerCall(QStringLiteral("TerminateSession"), {sessionId});

    // Started outside a login session's environment (from a service, say): logind still knows
    // which session this process belongs to.
    const QDeadlineTimer deadline(m_timeoutMs);
    if (!serviceRunning(remaining(deadline)))
        return false;
    const QDBusMessage found =
        m_bus.call(methodCall(Service, ManagerPath, ManagerInterface,
                              QStringLiteral("GetSessionByPID"), {uint(::getpid())}),
                   QDBus::Block, remaining(deadline));
    if (found.type() != QDBusMessage::ReplyMessage || found.arguments().isEmpty())
        return false;
    const QString session = found.arguments().constFirst().value<QDBusObjectPath>().path();
    if (session.isEmpty() || deadline.hasExpired())
        return false;
    const QDBusMessage reply =
        m_bus.call(methodCall(Service, session, SessionInterface, QStringLiteral("Terminate"), {}),
                   QDBus::Block, remaining(deadline));
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool ShutdownWindowsFlags(std::uint32_t flags) {
    switch (flags) {
    case ExitPowerOff:
        return SessionControl().PowerOff();
    case ExitReboot:
        return SessionControl().Reboot();
    case ExitLogOff:
        return SessionControl().LogOff();
    default:
        return false;
    }
}

} // namespace platform
