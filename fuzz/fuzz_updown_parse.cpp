// The set-time boxes: whatever is typed, the number in force is a whole number within the range,
// taken from the box only when its text is plain digits within the range, and otherwise the one
// before. Checked two ways: the text reading on its own against a reference reading that cannot
// overflow, and an up-down control bound to a box, driven by a sequence of typing, arrow steps
// and range changes, against a model of the same rules.
//
// Input: an 8-byte header (int32 min, int32 max) and a text for the reading on its own, then
// NUL-separated steps for the control, each an operation byte and its argument: 0 type text,
// 1 step by int32, 2 set min, 3 set max, 4 set position (int32 arguments, little-endian).
#include "FuzzInput.h"
#include "toolkit/TEdit.h"
#include "toolkit/TUpDown.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

namespace {

// Plain ASCII digits with a value in [min, max]; leading zeros are fine.
std::optional<int> reference(const QString& text, int min, int max) {
    if (text.isEmpty())
        return std::nullopt;
    qsizetype first = 0;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    while (first + 1 < text.size() && text[first] == u'0')
        ++first;
    if (text.size() - first > 10) // more than any int can hold
        return std::nullopt;
    const long long value = text.mid(first).toLongLong();
    if (value < min || value > max)
        return std::nullopt;
    return int(value);
}

// The up-down's rules: the range is kept ordered, a position is clamped into it and written into
// the box, and reading the position first takes the box's text if it is a number in range.
struct Model {
    int min = 0, max = 100, position = 0;
    QString text = QStringLiteral("0");

    void setPosition(long long p) {
        position = int(std::clamp<long long>(p, min, max));
        text = QString::number(position);
    }
    int read() {
        if (const auto typed = reference(text, min, max))
            position = *typed;
        return position;
    }
};

void check(TUpDown& upDown, TEdit& edit, Model& model) {
    if (edit.text() != model.text)
        fuzzinput::fail("the box's text differs from the model");
    const int expected = model.read();
    const int position = upDown.Position();
    if (position != expected)
        fuzzinput::fail("the up-down's position differs from the model");
    if (position < upDown.Min() || position > upDown.Max())
        fuzzinput::fail("the up-down's position is outside its range");
    if (upDown.Min() != model.min || upDown.Max() != model.max)
        fuzzinput::fail("the up-down's range differs from the model");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_updown_parse";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzzinput::Fields in(data, size, 8);
    const auto min = fuzzinput::integer<std::int32_t>(in.header(), 0);
    const auto max = fuzzinput::integer<std::int32_t>(in.header(), 4);
    const QString text = in.text(0);
    if (ParseUpDownText(text, min, max) != reference(text, min, max))
        fuzzinput::fail("ParseUpDownText differs from the reference reading");

    QWidget parent;
    auto* edit = new TEdit(&parent, QStringLiteral("Edit1"));
    auto* upDown = new TUpDown(&parent, QStringLiteral("UpDown1"));
    upDown->SetMax(100);
    upDown->SetMin(0);
    upDown->SetPosition(0);
    upDown->SetAssociate(edit);
    Model model;
    check(*upDown, *edit, model);
    for (std::size_t i = 1; i < in.count() && i < 64; ++i) {
        const std::vector<std::uint8_t>& step = in.bytes(i);
        if (step.empty())
            continue;
        const auto arg = fuzzinput::integer<std::int32_t>(step, 1);
        switch (step[0] % 5) {
        case 0:
            edit->setText(fuzzinput::Fields::decode(step.data() + 1, step.size() - 1));
            // A box may keep only part of a long text: the model reads what the box holds.
            model.text = edit->text();
            break;
        case 1:
            model.setPosition((long long)model.read() + arg);
            upDown->StepBy(arg);
            break;
        case 2:
            model.min = arg;
            model.max = std::max(model.max, arg);
            model.setPosition(model.position);
            upDown->SetMin(arg);
            break;
        case 3:
            model.max = arg;
            model.min = std::min(model.min, arg);
            model.setPosition(model.position);
            upDown->SetMax(arg);
            break;
        case 4:
            model.setPosition(arg);
            upDown->SetPosition(arg);
            break;
        }
        check(*upDown, *edit, model);
    }
    return 0;
}
