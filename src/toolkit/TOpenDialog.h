#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The file-open dialog: Execute asks the user for one existing file and tells whether one was
// chosen; FileName is then its full path. A cancelled dialog changes nothing.
//
// The filter is written as pairs "description|patterns" joined by "|", patterns separated by
// ";". Patterns of a file extension match it in either case ("*.WAV" shows a.wav and B.Wav too),
// and "*.exe" matches every file, since programs here carry no extension.
//
// The dialog leaves nothing behind: Qt's file dialog would keep its last folder and its layout
// in a settings file of the user's, and the program keeps no files.
class TOpenDialog : public QObject {
    Q_OBJECT
public:
    // What the chooser is given: the parent window, the name filters in Qt's form and the
    // current file name; it gives back the chosen path, or nothing on cancel.
    using Chooser = std::function<std::optional<QString>(
        QWidget* parent, const QStringList& filters, const QString& fileName)>;

    TOpenDialog(QObject* owner, const QString& name);

    QString Filter() const { return m_filter; }
    void SetFilter(const QString& filter) { m_filter = filter; }
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }

    bool Execute();

    // Tests put their own chooser in; an empty one brings back the file dialog.
    void SetChooser(Chooser chooser);

    // The filter in Qt's form: one "description (patterns)" per pair.
    static QStringList NameFilters(const QString& filter);
    // The file dialog itself, as Execute runs it by default.
    static std::optional<QString> RunFileDialog(QWidget* parent, const QStringList& filters,
                                                const QString& fileName);
    // Makes Qt's settings (where the file dialog would keep its state) read nothing and write
    // nothing. Done once, before the first file dialog.
    static void KeepNoSettings();

private:
    QString m_filter;
    QString m_fileName;
    Chooser m_chooser;
};
