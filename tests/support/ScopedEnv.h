#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace testsupport {

// Sets an environment variable (or, with nullopt, removes it) for one scope, and puts back what
// was there before.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : m_name(name)
        , m_old(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                : std::nullopt) {
        set(value);
    }
    ~ScopedEnv() { set(m_old); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }

    const char* m_name;
    std::optional<QByteArray> m_old;
};

} // namespace testsupport
