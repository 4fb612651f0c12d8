#pragma once

#include <QDBusConnection>
#include <QString>
#include <cstdint>

namespace platform {

// Power-off, restart and log-off requests to systemd-logind (org.freedesktop.login1) on the
// system bus. logind asks polkit whether this user may do it; that check is the shutdown
// privilege here. A request counts as accepted when logind gives a normal reply.
//
// Every call blocks the calling thread for at most the timeout given at construction (no hidden
// event loop runs meanwhile). Without a bus, or with nobody owning logind's name on it, the
// answer is false at once: the service is never started on demand.
class SessionControl {
public:
    static constexpr int DefaultTimeoutMs = 3000;

    // The system bus; libdbus takes its address from DBUS_SYSTEM_BUS_ADDRESS when that is set.
    SessionControl();
    explicit SessionControl(const QDBusConnection& bus, int timeoutMs = DefaultTimeoutMs);

    bool PowerOff();
    bool Reboot();
    // Ends this session: the one named by XDG_SESSION_ID, else the session logind finds for this
    // process.
    bool LogOff();

private:
    bool serviceRunning(int timeoutMs);
    bool managerCall(const QString& method, const QVariantList& args);

    QDBusConnection m_bus;
    int m_timeoutMs;
};

// The exit flags the program asks with: EWX_POWEROFF + EWX_FORCE (12) powers off, EWX_REBOOT +
// EWX_FORCE (6) restarts, EWX_LOGOFF + EWX_FORCE (4) logs off. Every request is forced, so those
// are the only combinations there are; any other value asks for nothing and gives false.
inline constexpr std::uint32_t ExitPowerOff = 12;
inline constexpr std::uint32_t ExitReboot = 6;
inline constexpr std::uint32_t ExitLogOff = 4;

// Hands the request to logind on the system bus; true when logind accepted it.
bool ShutdownWindowsFlags(std::uint32_t flags);

} // namespace platform
