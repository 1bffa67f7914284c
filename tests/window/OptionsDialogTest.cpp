// The dialog of a command's further choices on the offscreen platform: Enter
// takes the preselected choices, clicks change them (radio buttons one of a
// group, check boxes each on its own), Escape cancels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "OptionsDialog.h"

namespace tarno::window::test {
namespace {

const OptionsQuestion kQuestion{"Apply reference list…",
                                {{"Carry over", {"Numbers", "Favourites"}, {true, false}, true},
                                 {"Channels the reference list lacks", {"After", "Delete", "Keep"}, {true, false, false},
                                  false}}};

template <typename Button>
void ClickButton(QWidget* dialog, const char* text) {
  for (Button* button : dialog->findChildren<Button*>())
    if (button->text() == QLatin1String(text)) button->click();
}

// Runs the dialog, doing what answer does once it is up.
std::optional<std::vector<OptionGroup>> Asked(const std::function<void(QWidget*)>& answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    answer(dialog);
  });
  return AskOptionsInDialog(nullptr, kQuestion);
}

TEST(OptionsDialog, EnterTakesThePreselectedChoices) {
  const auto answer = Asked([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
  ASSERT_TRUE(answer);
  EXPECT_EQ((*answer)[0].chosen, (std::vector<bool>{true, false}));
  EXPECT_EQ((*answer)[1].chosen, (std::vector<bool>{true, false, false}));
}

TEST(OptionsDialog, ClicksChangeTheChoicesAndEscapeCancels) {
  const auto answer = Asked([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Apply reference list…"));
    ClickButton<QCheckBox>(dialog, "Favourites");
    ClickButton<QCheckBox>(dialog, "Numbers");
    ClickButton<QRadioButton>(dialog, "Keep");
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ASSERT_TRUE(answer);
  EXPECT_EQ((*answer)[0].chosen, (std::vector<bool>{false, true}));
  EXPECT_EQ((*answer)[1].chosen, (std::vector<bool>{false, false, true}));

  EXPECT_FALSE(Asked([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }));
}

}  // namespace
}  // namespace tarno::window::test
