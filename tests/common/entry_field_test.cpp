// What the number fields take as a number, and what they report.
#include "ui/common/entry_field.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "tests/support/message_log.h"

namespace kelvra {
namespace {

TEST(NumberFieldValue, TakesOnlyPlainDecimalDigits) {
  EXPECT_EQ(NumberFieldValue(""), 0);
  EXPECT_EQ(NumberFieldValue("  "), 0);
  EXPECT_EQ(NumberFieldValue(" 12 "), 12);
  EXPECT_EQ(NumberFieldValue("007"), 7);
  EXPECT_EQ(NumberFieldValue("65535"), 65535);
  EXPECT_EQ(NumberFieldValue("65536"), std::nullopt);  // would wrap a 16-bit field
  EXPECT_EQ(NumberFieldValue("-5"), std::nullopt);     // a sign is not typed: not a value
  EXPECT_EQ(NumberFieldValue("+5"), std::nullopt);
  EXPECT_EQ(NumberFieldValue("1a"), std::nullopt);
  EXPECT_EQ(NumberFieldValue("1 2"), std::nullopt);
  EXPECT_EQ(NumberFieldValue(QString::fromUtf8("\u0663")), std::nullopt);  // Arabic-Indic 3
}

TEST(ReadNumberField, EmptyBecomesZeroAndGarbageIsReported) {
  testing::MessageLog messages;
  QLineEdit field;
  EXPECT_EQ(ReadNumberField(field), 0);
  EXPECT_EQ(field.text(), "0");
  field.setText("x7");
  EXPECT_EQ(ReadNumberField(field), std::nullopt);
  ASSERT_EQ(messages.errors.size(), 1);
  EXPECT_EQ(messages.errors[0], "'x7' is not a valid integer value");
}

// Only printable characters other than a digit are thrown away: a key that types a control
// character (Tab "\t", Delete 0x7F, Escape 0x1B, Enter "\r") must reach the field and Qt.
TEST(DiscardedInNumberField, OnlyPrintableNonDigitsAreDiscarded) {
  const auto discarded = [](int key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    return DiscardedInNumberField(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
  };
  EXPECT_FALSE(discarded(Qt::Key_7, "7"));
  EXPECT_FALSE(discarded(Qt::Key_7, "7", Qt::KeypadModifier));
  EXPECT_FALSE(discarded(Qt::Key_Backspace, "\b"));
  EXPECT_FALSE(discarded(Qt::Key_Tab, "\t"));
  EXPECT_FALSE(discarded(Qt::Key_Backtab, "\t", Qt::ShiftModifier));
  EXPECT_FALSE(discarded(Qt::Key_Delete, "\x7f"));
  EXPECT_FALSE(discarded(Qt::Key_Escape, "\x1b"));
  EXPECT_FALSE(discarded(Qt::Key_Return, "\r"));
  EXPECT_FALSE(discarded(Qt::Key_Left, ""));
  EXPECT_FALSE(discarded(Qt::Key_Home, ""));
  EXPECT_FALSE(discarded(Qt::Key_V, "\x16", Qt::ControlModifier));
  EXPECT_FALSE(discarded(Qt::Key_A, "a", Qt::ControlModifier));
  EXPECT_TRUE(discarded(Qt::Key_A, "a"));
  EXPECT_TRUE(discarded(Qt::Key_A, "A", Qt::ShiftModifier));
  EXPECT_TRUE(discarded(Qt::Key_Minus, "-"));
  EXPECT_TRUE(discarded(Qt::Key_Space, " "));
  EXPECT_TRUE(discarded(Qt::Key_Period, "."));
  EXPECT_TRUE(discarded(Qt::Key_1, "12"));
  EXPECT_TRUE(discarded(Qt::Key_unknown, QString::fromUtf8("\u0663")));      // Arabic-Indic 3
  EXPECT_TRUE(discarded(Qt::Key_unknown, QString::fromUtf8("\U0001F600")));  // two UTF-16 units
}

}  // namespace
}  // namespace kelvra
