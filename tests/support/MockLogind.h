#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>
#include <vector>

namespace testsupport {

// A private D-Bus daemon in its own temporary folder, optionally with python-dbusmock's logind
// template on it, for tests of anything that talks to logind. Nothing here reaches a real bus:
// the daemon listens only inside the temporary folder, and both processes are killed when the
// object goes (or when the test process dies).
class MockLogind {
public:
    struct Call {
        QString method;
        QVariantList args;
    };

    static inline const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
    static inline const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");

    explicit MockLogind(bool withLogind = true);
    ~MockLogind();
    MockLogind(const MockLogind&) = delete;
    MockLogind& operator=(const MockLogind&) = delete;

    // Empty when everything started; else what went wrong.
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path(); }
    // The daemon's address as it printed it (unix:path=<folder>/...,guid=...).
    QString address() const { return m_address; }
    // The test's own connection to the daemon.
    QDBusConnection connection() const;
    // A further connection for the code under test.
    QDBusConnection newConnection();
    // The bus id (guid) of the daemon behind a connection.
    static QString busId(const QDBusConnection& bus);
    // Whether the logind mock owns its name and answers on its control interface.
    bool answering();

    // org.freedesktop.DBus.Mock on the object at path (python code as dbusmock runs it).
    bool addMethod(const QString& path, const QString& interface, const QString& name,
                   const QString& inSig, const QString& outSig, const QString& code);
    // AddSession of the logind template; returns the session's object path.
    QString addSession(const QString& id);
    std::vector<Call> calls(const QString& path = ManagerPath);

private:
    bool startDaemon();
    bool startLogind();
    QDBusMessage mockCall(const QString& path, const QString& method, const QVariantList& args);

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_logind;
    QString m_address;
    QString m_connectionName;
    int m_extraConnections = 0;
    QStringList m_extraNames;
    QString m_error;
};

} // namespace testsupport
