#include "support/MockLogind.h"

#include "support/Wait.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <csignal>
#include <sys/prctl.h>

namespace testsupport {

namespace {

const QString LogindService = QStringLiteral("org.freedesktop.login1");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
// Debian's own interpreter is the one that has dbusmock; another python3 earlier on PATH may not.
const QString Python = QStringLiteral("/usr/bin/python3");

int nextConnection = 0;

// Should the test process die, its daemons die with it instead of lingering.
void dieWithParent(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QVariant plain(const QVariant& value) {
    if (value.canConvert<QDBusVariant>())
        return value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

MockLogind::MockLogind(bool withLogind) {
    m_connectionName = QStringLiteral("mock-logind-%1").arg(++nextConnection);
    if (!m_dir.isValid())
        m_error = QStringLiteral("no temporary folder");
    else if (startDaemon() && withLogind)
        startLogind();
}

MockLogind::~MockLogind() {
    QDBusConnection::disconnectFromBus(m_connectionName);
    for (const QString& name : m_extraNames)
        QDBusConnection::disconnectFromBus(name);
    stop(m_logind);
    stop(m_daemon);
}

bool MockLogind::startDaemon() {
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write the bus configuration");
        return false;
    }
    file.write(
        QStringLiteral(
            R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
            .arg(m_dir.path().toHtmlEscaped())
            .toUtf8());
    file.close();

    dieWithParent(m_daemon);
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return false;
    }
    const bool printed = waitUntil([&] { return m_daemon.canReadLine(); }, 10000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (!printed || m_address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon printed no address: ") +
                  QString::fromUtf8(m_daemon.readAllStandardError());
        return false;
    }
    if (!connection().isConnected()) {
        m_error = QStringLiteral("cannot connect to the private bus at ") + m_address;
        return false;
    }
    return true;
}

bool MockLogind::startLogind() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_logind.setProcessEnvironment(environment);
    m_logind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_logind.setStandardOutputFile(QProcess::nullDevice());
    dieWithParent(m_logind);
    m_logind.start(Python,
                   {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                    QStringLiteral("--template"), QStringLiteral("logind")});
    if (!m_logind.waitForStarted(5000)) {
        m_error = QStringLiteral("the logind mock did not start: ") + m_logind.errorString();
        return false;
    }
    if (!waitUntil([&] { return m_logind.state() != QProcess::Running || answering(); }, 20000) ||
        !answering()) {
        m_error = QStringLiteral("the logind mock did not answer");
        return false;
    }
    return true;
}

QDBusConnection MockLogind::connection() const {
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

QDBusConnection MockLogind::newConnection() {
    const QString name =
        QStringLiteral("%1-client-%2").arg(m_connectionName).arg(++m_extraConnections);
    m_extraNames << name;
    return QDBusConnection::connectToBus(m_address, name);
}

QString MockLogind::busId(const QDBusConnection& bus) {
    const QDBusMessage reply = QDBusConnection(bus).call(
        QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
        QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toString();
}

bool MockLogind::answering() {
    return mockCall(ManagerPath, QStringLiteral("GetCalls"), {}).type() ==
           QDBusMessage::ReplyMessage;
}

QDBusMessage MockLogind::mockCall(const QString& path, const QString& method,
                                  const QVariantList& args) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(LogindService, path, MockInterface, method);
    message.setArguments(args);
    message.setAutoStartService(false);
    return connection().call(message, QDBus::Block, 5000);
}

bool MockLogind::addMethod(const QString& path, const QString& interface, const QString& name,
                           const QString& inSig, const QString& outSig, const QString& code) {
    return mockCall(path, QStringLiteral("AddMethod"), {interface, name, inSig, outSig, code})
               .type() == QDBusMessage::ReplyMessage;
}

QString MockLogind::addSession(const QString& id) {
    const QDBusMessage reply =
        mockCall(ManagerPath, QStringLiteral("AddSession"),
                 {id, QStringLiteral("seat0"), uint(1000), QStringLiteral("tester"), true});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toString();
}

std::vector<MockLogind::Call> MockLogind::calls(const QString& path) {
    std::vector<Call> result;
    const QDBusMessage reply = mockCall(path, QStringLiteral("GetCalls"), {});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    // a(tsav): time stamp, method name, arguments
    const QDBusArgument log = reply.arguments().constFirst().value<QDBusArgument>();
    log.beginArray();
    while (!log.atEnd()) {
        Call call;
        qulonglong stamp = 0;
        log.beginStructure();
        log >> stamp >> call.method;
        log.beginArray();
        while (!log.atEnd()) {
            QDBusVariant value;
            log >> value;
            call.args << plain(value.variant());
        }
        log.endArray();
        log.endStructure();
        result.push_back(call);
    }
    log.endArray();
    return result;
}

} // namespace testsupport
