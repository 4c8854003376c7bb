// The message boxes as the user sees them.
#include "ui/common/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/common/jpeg_loader.h"

namespace kelvra {
namespace {

// The date entry's message about the calendar reform, breaks and blanks as the program has them.
const QString kGapMessage = QStringLiteral(
    "Invalid Date: Following the conversion from the Julian\n\rCalendar to the Gregorian "
    "Calendar, the date following\n\r4 October 1582 was 15 October 1582. Any date "
    "between \n\rthese has no meaning.");

struct ShownBox {
  QString text;    // what the box's text label holds
  int height = 0;  // pixels, the label's laid-out height
};

// Shows `text` in a real, modal box, reads its text label as laid out on the screen, and
// closes it with its OK button.
ShownBox ShowAndRead(void (*show)(const QString&), const QString& text) {
  ShownBox shown;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll.stop();
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label != nullptr) {
      shown.text = label->text();
      shown.height = label->height();
    }
    box->button(QMessageBox::Ok)->click();
  });
  poll.start(10);
  show(text);
  return shown;
}

TEST(MessageBox, ALineFeedAndCarriageReturnMakeOneLineBreak) {
  const ShownBox gap = ShowAndRead(ShowError, kGapMessage);
  QString plainBreaks = kGapMessage;
  plainBreaks.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  const ShownBox fourLines = ShowAndRead(ShowError, plainBreaks);
  ASSERT_GT(fourLines.height, 0);
  EXPECT_EQ(gap.height, fourLines.height);  // no blank line at the breaks
  EXPECT_EQ(gap.text.toStdString(),
            "Invalid Date: Following the conversion from the Julian\n"
            "Calendar to the Gregorian Calendar, the date following\n"
            "4 October 1582 was 15 October 1582. Any date between \n"
            "these has no meaning.");
}

TEST(MessageBox, OtherMessagesAreShownAsTheyAreGiven) {
  for (const QString& text : {MissingFileMessage(QStringLiteral("Kelvra8.dat")),
                              QStringLiteral("The page could not be printed.\nNo printer"),
                              QStringLiteral("Date must lie between 1 and 30")}) {
    EXPECT_EQ(ShowAndRead(ShowMessage, text).text, text);
  }
}

}  // namespace
}  // namespace kelvra
