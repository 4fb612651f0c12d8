// Opening programs, documents, folders and URLs for real: xdg-open runs in a private desktop set-up
// (own home, config and data folders, no session bus) whose handlers are recording scripts, so we
// see exactly which argv each opened text produced.
#include "platform/Shell.h"

#include "support/Wait.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Texts that a shell would split, quote or run something from.
const QString kHostile = QStringLiteral(R"(a b 'c' "d"; $(touch marker) `touch marker2` & e)");

class ShellOpen : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        m_dir = QDir(m_root.path());
        for (const char* sub : {"home", "config", "config-dirs", "data/applications", "data-dirs",
                                "bin", "records", "empty-path", "work"})
            ASSERT_TRUE(m_dir.mkpath(sub));
        m_work = m_dir.filePath("work");
        m_records = m_dir.filePath("records");

        m_savedPath = qgetenv("PATH");
        m_browser = writeRecorder(m_dir.filePath("bin/record-browser"), "browser");
        m_mimeHandler = writeRecorder(m_dir.filePath("bin/record-mime"), "mime");
        writeRecorder(m_dir.filePath("bin/tavorine-test-tool"), "tool");
        writeFile(m_dir.filePath("config/mimeapps.list"), "[Default Applications]\n"
                                                          "inode/directory=recorder.desktop\n"
                                                          "text/plain=recorder.desktop\n");
        writeFile(m_dir.filePath("data/applications/recorder.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" +
                      m_mimeHandler.toUtf8() + " %f\n");

        m_savedCwd = QDir::currentPath();
        qputenv("PATH", m_dir.filePath("bin").toUtf8() + ":" + m_savedPath);
        qputenv("HOME", m_dir.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_dir.filePath("config-dirs").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir.filePath("data-dirs").toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
        qputenv("DISPLAY", ":tavorine-test"); // only looked at for being set
        qputenv("BROWSER", m_browser.toUtf8());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        for (const char* name : {"WAYLAND_DISPLAY", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                 "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION", "XDG_MENU_PREFIX"})
            qunsetenv(name);
        // Whatever a shell would have run from a text lands here.
        ASSERT_TRUE(QDir::setCurrent(m_work));
    }

    void TearDown() override {
        EXPECT_FALSE(QFile::exists(m_dir.filePath("work/marker")));
        EXPECT_FALSE(QFile::exists(m_dir.filePath("work/marker2")));
        qputenv("PATH", m_savedPath);
        QDir::setCurrent(m_savedCwd);
    }

    static void writeFile(const QString& path, const QByteArray& content, bool executable = false) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(content);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
    }

    // A script that writes its argv[0] and arguments, NUL-separated, to records/<name> in one
    // rename, so a record that exists is complete. It brings its own PATH, since a test may take
    // ours away.
    QString writeRecorder(const QString& path, const char* name) {
        const QByteArray out = (m_records + "/" + name).toUtf8();
        writeFile(path,
                  "#!/bin/sh\nPATH='" + m_savedPath + "'\nprintf '%s\\0' \"$0\" \"$@\" > '" + out +
                      ".part' && mv '" + out + ".part' '" + out + "'\n",
                  true);
        return path;
    }

    // The argv a recorder saw, once its record appears; the records folder is emptied for the
    // next one. Fails when any other recorder ran too.
    QStringList recorded(const QString& name) {
        const QString path = m_records + "/" + name;
        if (!testsupport::waitUntil([&] { return QFile::exists(path); }, 20000))
            return {QStringLiteral("<nothing recorded by %1>").arg(name)};
        EXPECT_EQ(QDir(m_records).entryList(QDir::Files), QStringList{name});
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList argv = QString::fromUtf8(file.readAll()).split(QChar(u'\0'));
        if (!argv.isEmpty() && argv.back().isEmpty())
            argv.removeLast();
        file.close();
        for (const QString& entry : QDir(m_records).entryList(QDir::Files))
            QFile::remove(m_records + "/" + entry);
        return argv;
    }

    QTemporaryDir m_root;
    QDir m_dir;
    QString m_work, m_records, m_browser, m_mimeHandler;
    QByteArray m_savedPath;
    QString m_savedCwd;
    platform::Shell m_shell;
};

TEST_F(ShellOpen, ProgramsStartThemselvesWithTheirPathAsOneArgument) {
    const QString program = m_dir.filePath("bin/" + kHostile);
    writeRecorder(program, "program");
    ASSERT_TRUE(m_shell.Open(program));
    EXPECT_EQ(recorded("program"), QStringList{program});

    // A bare name is looked up on PATH and started, not handed to the desktop.
    ASSERT_TRUE(m_shell.Open("tavorine-test-tool"));
    EXPECT_EQ(recorded("tool"), QStringList{m_dir.filePath("bin/tavorine-test-tool")});
}

TEST_F(ShellOpen, EverythingElseGoesToTheDesktopAsOneArgument) {
    const QString document = m_dir.filePath("work/" + kHostile + ".txt");
    writeFile(document, "plain words\n");
    const QString folder = m_dir.filePath("work/" + kHostile + " folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    // Executable, but neither a binary nor a script with its interpreter line.
    const QString notes = m_dir.filePath("work/notes");
    writeFile(notes, "plain words\n", true);
    writeFile(m_dir.filePath("work/-x.txt"), "plain words\n");
    const QString url = "https://example.invalid/p a t h?q='x'\"y\";$(touch " + m_work +
                        "/marker)&r=`touch " + m_work + "/marker2`#end";

    const struct {
        QString what;
        QString handler;
        QString argument;
    } cases[] = {
        {document, "mime", document},
        {folder, "mime", folder},
        {notes, "mime", notes},
        // A leading "-" must not read as an option of xdg-open or the handler.
        {"-x.txt", "mime", "./-x.txt"},
        {url, "browser", url},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_shell.Open(c.what)) << c.what.toStdString();
        const QString handler = c.handler == "mime" ? m_mimeHandler : m_browser;
        EXPECT_EQ(recorded(c.handler), (QStringList{handler, c.argument})) << c.what.toStdString();
    }
}

TEST_F(ShellOpen, NothingToOpenStartsNothing) {
    EXPECT_FALSE(m_shell.Open(""));
    EXPECT_FALSE(m_shell.Open(QString::fromUtf16(u"tavorine-test-tool\0 x", 21)));

    // Without xdg-open only a program can be started, and a failure is reported at once.
    qputenv("PATH", m_dir.filePath("empty-path").toUtf8());
    EXPECT_FALSE(m_shell.Open("https://example.invalid/"));
    EXPECT_FALSE(m_shell.Open(m_work));
    EXPECT_TRUE(m_shell.Open(m_dir.filePath("bin/tavorine-test-tool")));
    EXPECT_EQ(recorded("tool"), QStringList{m_dir.filePath("bin/tavorine-test-tool")});
    EXPECT_TRUE(QDir(m_records).isEmpty());
}

} // namespace
