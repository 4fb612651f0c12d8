// The dialogs' controls: the up-down's reading of its box and its stops, CR LF text of the memo,
// plain text of the rich edit, tick boxes and choices, the flat speed button, and the file-open
// dialog's filters, cancel and the settings file it must not leave behind.
#include "support/Wait.h"
#include "toolkit/MouseNotify.h"
#include "toolkit/TCheckBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TMemo.h"
#include "toolkit/TOpenDialog.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRadioGroup.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TUpDown.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A box with its arrows on a window of their own, as the set-time dialog has them.
struct BoundUpDown {
    explicit BoundUpDown(int max) {
        edit = new TEdit(&window, "Edit1");
        edit->SetBounds(10, 10, 41, 21);
        upDown = new TUpDown(&window, "UpDown1");
        upDown->SetBounds(51, 10, 16, 21);
        upDown->SetMin(0);
        upDown->SetMax(max);
        upDown->SetAssociate(edit);
        next = new TEdit(&window, "Edit2");
        next->SetBounds(80, 10, 41, 21);
        window.resize(140, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void type(const QString& text) {
        edit->clear();
        // QTest types ASCII only; other text goes in as an input method would put it.
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
    }
    QWidget window;
    TEdit* edit;
    TUpDown* upDown;
    TEdit* next;
};

} // namespace

TEST(UpDown, TypedWholeNumberInRangeIsTheValueInForceAndStaysAsTyped) {
    BoundUpDown b(59);
    EXPECT_EQ(b.edit->Text(), "0");
    b.type("42");
    EXPECT_EQ(b.upDown->Position(), 42);
    b.type("07");
    EXPECT_EQ(b.upDown->Position(), 7);
    EXPECT_EQ(b.edit->Text(), "07");
}

TEST(UpDown, AnythingElseLeavesThePreviousValueInForceAndTheTextAsTyped) {
    // An empty box is no number either: it keeps the previous value, like every text here.
    const char* bad[] = {
        "75", "60", "abc", "5x", "-5", "+5", " 5", "5 ", "1000000000000", "99999999999999999999",
        "",   "٥"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        BoundUpDown b(59);
        b.upDown->SetPosition(12);
        b.type(QString::fromUtf8(text));
        EXPECT_EQ(b.upDown->Position(), 12);
        EXPECT_EQ(b.edit->Text(), QString::fromUtf8(text));
        // An arrow steps from the value in force and writes it into the box.
        b.upDown->StepBy(1);
        EXPECT_EQ(b.edit->Text(), "13");
    }
}

TEST(UpDown, ArrowsAndArrowKeysStepByOneAndStopAtBothEnds) {
    for (int max : {99, 59}) {
        SCOPED_TRACE(max);
        BoundUpDown b(max);
        b.upDown->SetPosition(max - 1);
        for (int i = 0; i < 3; ++i)
            b.upDown->UpButton()->click();
        EXPECT_EQ(b.upDown->Position(), max);
        EXPECT_EQ(b.edit->Text(), QString::number(max));

        b.edit->setFocus();
        QTest::keyClick(b.edit, Qt::Key_Up);
        EXPECT_EQ(b.upDown->Position(), max) << "no wrap-around to 0";
        QTest::keyClick(b.edit, Qt::Key_Down);
        EXPECT_EQ(b.upDown->Position(), max - 1);

        b.upDown->SetPosition(1);
        b.upDown->DownButton()->click();
        b.upDown->DownButton()->click();
        QTest::keyClick(b.edit, Qt::Key_Down);
        EXPECT_EQ(b.upDown->Position(), 0) << "no wrap-around to max";
        EXPECT_EQ(b.edit->Text(), "0");
    }
}

TEST(UpDown, ArrowsAreNoTabStopAndTakeNoFocus) {
    BoundUpDown b(59);
    b.edit->setFocus();
    ASSERT_TRUE(testsupport::waitUntil([&] { return b.edit->hasFocus(); }));
    QTest::mouseClick(b.upDown->UpButton(), Qt::LeftButton);
    EXPECT_TRUE(b.edit->hasFocus());
    EXPECT_EQ(b.upDown->Position(), 1);
    QTest::keyClick(b.edit, Qt::Key_Tab);
    EXPECT_TRUE(b.next->hasFocus()) << "Tab goes from box to box";
    EXPECT_EQ(b.upDown->focusPolicy(), Qt::NoFocus);
}

TEST(Memo, TextIsItsLinesJoinedByCrLf) {
    QWidget window;
    TMemo memo(&window, "Memo1");
    memo.SetBounds(0, 0, 120, 80);
    struct Case {
        const char* set;
        const char* text;
        int lines;
    };
    const Case cases[] = {
        {"Message:", "Message:", 1}, {"a\nb", "a\r\nb", 2}, {"a\r\nb\rc", "a\r\nb\r\nc", 3},
        {"a\n", "a\r\n", 2},         {"", "", 1},           {"\r\n\r\n", "\r\n\r\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        memo.SetText(QString::fromLatin1(c.set));
        EXPECT_EQ(memo.Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(memo.Lines().size(), c.lines);
    }
    // Typed line breaks too; wrapping a long line on screen adds none.
    memo.SetText({});
    QTest::keyClicks(&memo, "one");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, QString(200, QChar(u'x')));
    EXPECT_EQ(memo.Text(), "one\r\n" + QString(200, QChar(u'x')));
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(RichEdit, MarkupStaysPlainTextAndThereAreNoScrollBars) {
    QWidget window;
    TRichEdit edit(&window, "RichEdit1");
    edit.SetBounds(0, 0, 200, 54);
    edit.SetText("<b>x</b> &amp; <i>y</i>");
    EXPECT_EQ(edit.toPlainText(), "<b>x</b> &amp; <i>y</i>");
    EXPECT_EQ(edit.Text(), "<b>x</b> &amp; <i>y</i>");
    edit.SetText("a\r\nb");
    EXPECT_EQ(edit.Text(), "a\r\nb");

    // Pasted HTML arrives as its text.
    auto* mime = new QMimeData;
    mime->setHtml("<b>bold</b>");
    mime->setText("<b>bold</b>");
    QApplication::clipboard()->setMimeData(mime);
    edit.SetText({});
    edit.paste();
    EXPECT_EQ(edit.toPlainText(), "<b>bold</b>");
    EXPECT_FALSE(edit.toHtml().contains("font-weight:700"));

    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit.lineWrapMode(), QTextEdit::WidgetWidth);
}

TEST(CheckBox, OnClickFollowsTogglesByMouseAndKeyboard) {
    QWidget window;
    TCheckBox box(&window, "CheckBox2");
    box.SetBounds(0, 0, 116, 17);
    box.SetCaption("Show Message");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<bool> seen;
    box.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &box);
        seen.push_back(box.Checked());
    };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, 8));
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(RadioButtons, TwoOnOneParentAreOneExclusivePairApartFromAGroupBesideThem) {
    QWidget window;
    // Made first, as on the actions dialog, so its items come first among the window's buttons.
    TRadioGroup group(&window, "RadioGroup1");
    group.SetItems({"Shutdown", "Restart", "Log off"});
    group.SetItemIndex(1);
    TRadioButton one(&window, "RadioButton1");
    TRadioButton two(&window, "RadioButton2");
    group.setGeometry(0, 0, 200, 40);
    one.setGeometry(0, 50, 100, 17);
    two.setGeometry(0, 70, 100, 17);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    one.SetChecked(true);
    EXPECT_EQ(group.ItemIndex(), 1);
    QTest::mouseClick(&two, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(one.Checked());
    EXPECT_EQ(group.ItemIndex(), 1);
    group.Button(2)->click();
    EXPECT_TRUE(two.Checked());
    one.SetChecked(true);
    two.SetChecked(true);
    EXPECT_FALSE(one.Checked());
    one.click();
    EXPECT_TRUE(one.Checked());
    EXPECT_FALSE(two.Checked());
    one.click();
    EXPECT_TRUE(one.Checked()) << "clicking the selected one does not clear it";
}

TEST(RadioGroup, ItemsInColumnsKeepTheirSelectionWhenDisabled) {
    QWidget window;
    TRadioGroup group(&window, "RadioGroup1");
    group.SetBounds(35, 297, 291, 36);
    group.SetCaption("Options");
    group.SetColumns(3);
    group.SetItems({"Shutdown", "Restart", "Log off"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(0);
    EXPECT_EQ(group.ItemIndex(), 0);

    // One row of three columns, left to right.
    const int top = group.Button(0)->y();
    EXPECT_LT(group.Button(0)->x(), group.Button(1)->x());
    EXPECT_LT(group.Button(1)->x(), group.Button(2)->x());
    EXPECT_EQ(group.Button(2)->y(), top);
    EXPECT_LE(group.Button(2)->geometry().right(), group.width());

    group.Button(2)->click();
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetEnabled(false);
    EXPECT_FALSE(group.Button(0)->isEnabled());
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetEnabled(true);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(group.Button(3), nullptr);
}

TEST(SpeedButton, FlatButtonShowsAnEdgeOnlyUnderThePointerAndClicksOnRelease) {
    QWidget window;
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(173, 173, 173));
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    window.resize(40, 40);
    TSpeedButton button(&window, "SpeedButton1");
    button.SetBounds(10, 10, 17, 17);
    button.SetFlat(true);
    QImage glyph(12, 10, QImage::Format_RGB32);
    glyph.fill(QColor(192, 192, 192));
    glyph.setPixel(5, 5, qRgb(0, 0, 0));
    button.SetGlyph(glyph);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const auto corner = [&] {
        return button.grab().toImage().pixel(0, 0) & 0xFFFFFF;
    };
    const QRgb face = 0xADADAD;
    EXPECT_EQ(corner(), face) << "flat: no edge while the pointer is elsewhere";
    // The silver ground of the glyph is not drawn.
    EXPECT_EQ(button.grab().toImage().pixel(3, 4) & 0xFFFFFF, face);
    button.CMMouseEnter();
    EXPECT_TRUE(button.Hot());
    EXPECT_NE(corner(), face);
    button.CMMouseLeave();
    EXPECT_EQ(corner(), face);

    int clicks = 0;
    button.OnClick = [&](QObject*) {
        ++clicks;
    };
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(clicks, 1);
    // Pressed on it, released elsewhere: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

TEST(OpenDialog, FiltersInQtFormMatchEitherCaseAndProgramsMatchEveryFile) {
    EXPECT_EQ(TOpenDialog::NameFilters("WAV Sound File|*.WAV"),
              QStringList{"WAV Sound File (*.[wW][aA][vV])"});
    EXPECT_EQ(TOpenDialog::NameFilters("Executable Files|*.exe"),
              QStringList{"Executable Files (*)"});
    EXPECT_EQ(TOpenDialog::NameFilters("Sounds (all)|*.wav;*.ogg|Any|*"),
              (QStringList{"Sounds [all] (*.[wW][aA][vV] *.[oO][gG][gG])", "Any (*)"}));
    EXPECT_EQ(TOpenDialog::NameFilters(""), QStringList{});
    EXPECT_EQ(TOpenDialog::NameFilters("Only a description"), QStringList{});
}

TEST(OpenDialog, CancelChangesNothingAndAChoiceGivesItsPath) {
    TOpenDialog dialog(nullptr, "OpenDialog1");
    dialog.SetFilter("WAV Sound File|*.WAV");
    dialog.SetFileName("/music/old.wav");
    QStringList filtersSeen;
    QString nameSeen;
    std::optional<QString> answer;
    dialog.SetChooser([&](QWidget*, const QStringList& filters, const QString& fileName) {
        filtersSeen = filters;
        nameSeen = fileName;
        return answer;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/music/old.wav");
    EXPECT_EQ(filtersSeen, TOpenDialog::NameFilters("WAV Sound File|*.WAV"));
    EXPECT_EQ(nameSeen, "/music/old.wav");

    answer = "/music/new.WAV";
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/music/new.WAV");
}

// The real file dialog: what it lists for the WAV filter, and no settings file once it is gone.
TEST(OpenDialog, RealDialogListsWavInAnyCaseAndLeavesNoSettingsFile) {
    QTemporaryDir config;
    QTemporaryDir files;
    ASSERT_TRUE(config.isValid() && files.isValid());
    // Where Qt's user settings would go, for this process.
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    for (const char* name : {"a.wav", "B.WAV", "c.Wav", "d.txt", "wav"}) {
        QFile f(files.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QStringList listed;
    QTimer::singleShot(0, [&] {
        QFileDialog* shown = nullptr;
        testsupport::waitUntil([&] {
            shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return shown != nullptr;
        });
        ASSERT_NE(shown, nullptr);
        auto* view = shown->findChild<QListView*>("listView");
        ASSERT_NE(view, nullptr);
        testsupport::waitUntil([&] { return view->model()->rowCount(view->rootIndex()) >= 3; });
        testsupport::runEventsFor(200);
        for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
            listed << view->model()->index(i, 0, view->rootIndex()).data().toString();
        shown->reject();
    });
    const auto chosen = TOpenDialog::RunFileDialog(
        nullptr, TOpenDialog::NameFilters("WAV Sound File|*.WAV"), files.filePath("a.wav"));
    EXPECT_FALSE(chosen.has_value());
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"B.WAV", "a.wav", "c.Wav"}));

    QStringList left;
    QDirIterator it(config.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        left << it.next();
    EXPECT_EQ(left, QStringList{}) << "the program keeps no files";
}
