// SPDX-License-Identifier: MIT
// Text pasted into the input line. Any bytes, as UTF-8, go through PastedIntoInput and the
// engine, which must answer. The same bytes also spell a pasted column of numbers (signs,
// decimals, group separators, blanks, any line breaks between them): its line must evaluate
// to the sum of the numbers as the engine reads each alone.
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "tests/support/result_check.h"
#include "window/pasted_text.h"

namespace {

constexpr auto kMode = vimbo::AngleMode::Degrees;

std::string Evaluate(const QString& text) {
    return vimbo::EvaluateExpression(text.toStdString(), {}, kMode);
}

// Reads the bytes as choices, one at a time; 0 once they run out.
class Choices {
  public:
    Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return next_ >= size_; }
    unsigned pick(unsigned count) { return empty() ? 0 : data_[next_++] % count; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

// At most 15 digits, so that the engine reads the number in the line as it reads it alone
// (it rounds every value to 15 significant digits).
QString Number(Choices& choices) {
    static constexpr std::array<const char*, 3> kSigns{"", "-", "+"};
    QString number = QString::fromLatin1(kSigns[choices.pick(3)]);
    unsigned digitsLeft = 15;
    const auto digits = [&](unsigned count) {
        for (; count > 0 && digitsLeft > 0; --count, --digitsLeft) {
            number += QChar(u'0' + choices.pick(10));
        }
    };
    const unsigned groups = 1 + choices.pick(4);
    for (unsigned group = 0; group < groups; ++group) {
        if (group > 0) {
            number += choices.pick(2) == 0 ? u',' : u' ';
        }
        digits(group == 0 ? 1 + choices.pick(3) : 3);
    }
    if (choices.pick(2) == 1) {
        number += u'.';
        digits(choices.pick(5));
    }
    return number;
}

QString Break(Choices& choices) {
    static constexpr std::array<char16_t, 9> kBreaks{u'\n', u'\r', u'\t',  u'\v', u'\f',
                                                     u' ',  0x85,  0x2028, 0x2029};
    QString text;
    for (unsigned length = 1 + choices.pick(4); length > 0; --length) {
        text += QChar(kBreaks[choices.pick(kBreaks.size())]);
    }
    if (!text.contains(u' ') || text.trimmed().isEmpty()) {
        text += u'\n';  // blanks alone are part of a number, not a break
    }
    return text;
}

void CheckColumn(const std::uint8_t* data, std::size_t size) {
    Choices choices(data, size);
    QString pasted = choices.pick(2) == 0 ? QString() : Break(choices);
    std::string sumOfValues;  // each number as the engine reads it alone, added up
    for (unsigned count = 1 + choices.pick(6); count > 0 && !choices.empty(); --count) {
        const QString number = Number(choices);
        const std::string alone = Evaluate(number);
        if (!vimbo::IsPlainNumber(alone)) {
            return;  // not a number the engine reads: no column of numbers
        }
        sumOfValues += (sumOfValues.empty() ? "(" : "+(") + alone + ")";
        pasted += number + Break(choices);
    }
    if (sumOfValues.empty()) {
        return;
    }
    const std::string sum = Evaluate(QString::fromStdString(sumOfValues));
    const QString line = vimbo::PastedIntoInput(pasted);
    if (const std::string result = Evaluate(line); result != sum) {
        vimbo::test_support::ReportBadResult(
            pasted.toStdString(), result + " from " + line.toStdString() + ", not the sum " + sum);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString pasted =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString line = vimbo::PastedIntoInput(pasted);
    if (const std::string result = Evaluate(line); !vimbo::test_support::IsValidResult(result)) {
        vimbo::test_support::ReportBadResult(line.toStdString(), result);
    }
    CheckColumn(data, size);
    return 0;
}
