// The window, its dialogs and the grid's dialogs in German, chosen by the
// locale; the English texts without a translator are the ones of the code.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QTranslator>

#include "CellNames.h"
#include "CellStore.h"
#include "PrintOptions.h"
#include "QtWindowDialogs.h"
#include "Translations.h"
#include "TzebGridCellNamesF.h"
#include "TzebGridPreviewF.h"
#include "TzebGridQueryF.h"
#include "WindowFixture.h"

namespace tarno::window::test {
namespace {

constexpr int kButtonTextMargin = 8;  // a push button's frame and padding, left and right together

QString WithoutAccelerator(QString text) { return text.remove(QLatin1Char('&')); }

// The captions of the button panel that do not fit their controls.
QStringList CaptionsCutOff(const QWidget& panel) {
  QStringList cutOff;
  for (const QPushButton* button : panel.findChildren<QPushButton*>()) {
    const int needed = QFontMetrics(button->font()).horizontalAdvance(WithoutAccelerator(button->text()));
    if (needed + kButtonTextMargin > button->width()) cutOff << button->text();
  }
  // Check box captions wrap at blanks: each word must fit on its line, the lines into the box.
  for (const WrappedCheckBox* box : panel.findChildren<WrappedCheckBox*>()) {
    const QLabel* label = box->findChild<QLabel*>();
    const QFontMetrics metrics(label->font());
    for (const QString& word : label->text().split(QLatin1Char(' ')))
      if (metrics.horizontalAdvance(word) > label->width()) cutOff << label->text();
    if (label->heightForWidth(label->width()) > label->height()) cutOff << label->text();
  }
  return cutOff;
}

class TranslationTest : public WindowFixture {
 protected:
  void TearDown() override {
    WindowFixture::TearDown();
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;  // uninstalls it
  }
  void InGerman() {
    ASSERT_TRUE(InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany), TARNO_BIN_DIR "/"));
  }
  // Every control of the button panel shown, as after F12 with a file of records with a header.
  void ShowEveryControl() {
    for (QWidget* control : Control("pnlButtons")->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      control->show();
  }
};

TEST_F(TranslationTest, EnglishNeedsNoTranslator) {
  EXPECT_FALSE(InstallTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates), TARNO_BIN_DIR "/"));
  EXPECT_FALSE(InstallTranslations(*qApp, QLocale(QLocale::German), "/nonexistent/bin/"));
}

TEST_F(TranslationTest, TheWindowSpeaksGerman) {
  InGerman();
  WriteDefaultScript();
  ExtractSampleFiles();
  Start();
  EXPECT_EQ(window->windowTitle(), "  Tarno Channel Editor für Samsung-Fernseher V1.01");
  EXPECT_EQ(window->LogLines().front(), "Protokoll gestartet");
  EXPECT_EQ(Control<QPushButton>("btnLoad")->text(), "Laden");
  EXPECT_EQ(Control<QPushButton>("btnLoad")->toolTip(), "Eine Datei wird geladen und angezeigt.");
  EXPECT_EQ(Text("txtExtractedFile"), "Kein aktives Archiv");
  EXPECT_EQ(Control<QPushButton>("btnSetMoveRow")->text(), "Ziel-Zeile: 1");
  EXPECT_EQ(Control<WrappedCheckBox>("chkUpdateCrc")->text(), "Beim Speichern neue CRCs erzeugen");

  LoadCableMap();
  EXPECT_EQ(Text("txtLoadedFile"), "Datei 'map-CableD' geladen");
  EXPECT_EQ(window->windowTitle(), "  Datei 'map-CableD' geladen");
  EXPECT_EQ(dialogs->openRequests.back().title, "Zu bearbeitende Datenbank- oder Einstellungsdatei auswählen");
  Click("btnSetMoveRow");
  EXPECT_TRUE(Control<QPushButton>("btnSetMoveRow")->text().startsWith("Ziel gesetzt: "));
  Click("btnMoveRow");
  EXPECT_TRUE(Control<QPushButton>("btnSetMoveRow")->text().startsWith("Nächstes Ziel: "));

  dialogs->Answer(std::nullopt);
  Click("btnExportCsv");
  EXPECT_EQ(dialogs->saveRequests.back().title, "CSV exportieren");
  EXPECT_EQ(dialogs->saveRequests.back().filter, "CSV-Dateien|*.csv|Alle Dateien|*.*");
}

TEST_F(TranslationTest, EveryCaptionFitsItsControlInEitherLanguage) {
  Start();
  ShowEveryControl();
  EXPECT_EQ(CaptionsCutOff(*Control("pnlButtons")), QStringList());
  window.reset();

  InGerman();
  Start();
  ShowEveryControl();
  EXPECT_EQ(CaptionsCutOff(*Control("pnlButtons")), QStringList());
  // The two hint lines at the bottom stay apart.
  EXPECT_LE(Control("txtFind")->geometry().right(), Control("txtUndo")->geometry().left());
  EXPECT_LE(Control("txtUndo")->geometry().right(), Control("pnlButtons")->width());
}

TEST_F(TranslationTest, TheGridsDialogsSpeakGerman) {
  InGerman();
  tarno::grid::CellStore cells;
  TzebGridQueryF query(cells);
  EXPECT_EQ(query.windowTitle(), "Abfrage");
  EXPECT_EQ(query.btnApply->text(), "&Anwenden");

  tarno::grid::CellNames names;
  TzebGridCellNamesF cellNames(names, QString(), QStringLiteral("A1"));
  EXPECT_EQ(cellNames.windowTitle(), "Zellnamen");
  QStringList buttons;
  for (const QPushButton* button : cellNames.findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_TRUE(buttons.contains("Name &hinzufügen")) << buttons.join(", ").toStdString();
  EXPECT_TRUE(buttons.contains("Abbrechen"));

  tarno::grid::TPrintOptions options = tarno::grid::DefaultPrintOptions(9);
  TzebGridPreviewF preview(cells, options, QFont());
  EXPECT_EQ(preview.windowTitle(), "Vorschau");
  EXPECT_EQ(preview.findChild<QToolButton*>("btnprint")->text(), "Drucken");
  EXPECT_EQ(preview.findChild<QCheckBox*>("ckborders")->text(), "Rahmen");
  EXPECT_EQ(preview.findChild<QLabel*>("lblpages")->text(), "von 1");
}

TEST_F(TranslationTest, QtsOwnButtonsAndTheScriptsMessageBoxesSpeakGermanToo) {
  InGerman();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja") << "Qt's own translation (qt6-translations-l10n)";
  EXPECT_EQ(QtWindowDialogs::tr("&Retry"), "&Wiederholen");
  EXPECT_EQ(QtWindowDialogs::tr("Save changes to '%1'?").arg("map-CableD"), "Änderungen an 'map-CableD' speichern?");
}

}  // namespace
}  // namespace tarno::window::test
