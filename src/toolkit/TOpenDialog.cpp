#include "toolkit/TOpenDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace {

// "*.WAV" becomes "*.[wW][aA][vV]", so the dialog shows the files whatever the case of their
// extension; letters elsewhere and the wildcards stay.
QString anyCase(const QString& pattern) {
    if (pattern.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("*");
    QString out;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            out += QLatin1Char('[');
            out += c.toLower();
            out += c.toUpper();
            out += QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

TOpenDialog::TOpenDialog(QObject* owner, const QString& name)
    : QObject(owner) {
    setObjectName(name);
}

void TOpenDialog::SetChooser(Chooser chooser) {
    m_chooser = std::move(chooser);
}

QStringList TOpenDialog::NameFilters(const QString& filter) {
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& p : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = p.trimmed();
            if (!trimmed.isEmpty())
                patterns << anyCase(trimmed);
        }
        if (patterns.isEmpty())
            continue;
        QString description = parts.at(i).trimmed();
        // Qt reads the patterns from the last parentheses, so none may stand in the description.
        description.replace(QLatin1Char('('), QLatin1Char('['))
            .replace(QLatin1Char(')'), QLatin1Char(']'));
        out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QStringLiteral(")");
    }
    return out;
}

void TOpenDialog::KeepNoSettings() {
    // Qt's file dialog opens its settings as QSettings(UserScope, "QtProject") in the native
    // format whatever the default format is, and writes them when it is destroyed. So the user
    // settings folder itself is moved to a place below a device file, where no folder can ever
    // be made: reads find nothing there and the write fails without a trace.
    static const bool done = [] {
        const QString nowhere = QStringLiteral("/dev/null/no-settings");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
        return true;
    }();
    (void)done;
}

std::optional<QString> TOpenDialog::RunFileDialog(QWidget* parent, const QStringList& filters,
                                                  const QString& fileName) {
    KeepNoSettings();
    const QFileInfo current(fileName);
    QFileDialog dialog(parent);
    // Qt's own dialog: the desktop's native one would note the file among its recent ones.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!fileName.isEmpty()) {
        dialog.setDirectory(current.absolutePath());
        dialog.selectFile(current.fileName());
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return chosen.first();
}

bool TOpenDialog::Execute() {
    QWidget* parent = qobject_cast<QWidget*>(this->parent());
    if (!parent)
        parent = QApplication::activeWindow();
    const QStringList filters = NameFilters(m_filter);
    const std::optional<QString> chosen = m_chooser ? m_chooser(parent, filters, m_fileName)
                                                    : RunFileDialog(parent, filters, m_fileName);
    if (!chosen)
        return false;
    m_fileName = *chosen;
    return true;
}
