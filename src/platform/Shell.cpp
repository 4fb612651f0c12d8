#include "platform/Shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A file we start ourselves: a regular file with the execute bit that the kernel can run, a
// binary or a script with its interpreter line. Anything else (a document, a folder, a script
// without "#!") is for the desktop to open. The file is opened without blocking and checked again
// once open, so a FIFO put in its place cannot hang us.
bool isProgramFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    char head[4] = {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const ssize_t got = regular ? ::read(fd, head, sizeof head) : 0;
    ::close(fd);
    return (got >= 4 && std::memcmp(head,
                                    "\x7f"
                                    "ELF",
                                    4) == 0) ||
           (got >= 2 && head[0] == '#' && head[1] == '!');
}

} // namespace

bool Shell::Open(const QString& what) {
    if (what.isEmpty() || what.contains(QChar(u'\0')))
        return false;
    // No program we start may read the text as one of its options.
    const QString target = what.startsWith(u'-') ? QStringLiteral("./") + what : what;

    QString program;
    if (!what.contains(u'/'))
        program = QStandardPaths::findExecutable(what);
    if (program.isEmpty() && isProgramFile(target))
        program = QFileInfo(target).absoluteFilePath(); // a bare name would be looked up on PATH
    if (!program.isEmpty())
        return QProcess::startDetached(program, {});

    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    return QProcess::startDetached(opener, {target});
}

} // namespace platform
