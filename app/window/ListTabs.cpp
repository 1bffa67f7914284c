// The tabs above the grid: the active archive's channel lists in words
// ("Cable digital", "Satellite" …), then its other files, then any list loaded
// from elsewhere. Choosing a tab shows its list, reading it the first time;
// every list stays open with its edits and undo history until the lists are
// closed (another archive, Load, Exit).
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QShortcut>
#include <QTabBar>
#include <algorithm>

#include "ChannelDocument.h"
#include "ChannelListNames.h"
#include "ExtractionRecord.h"
#include "TarnoChannelEditUnit001.h"
#include "TelevisionArchive.h"
#include "TzebGrid.h"
#include "WaitCursor.h"

namespace tarno::window {
namespace {

QString TabCaption(const std::string& entryName) {
  const editing::ChannelListName* list = editing::ChannelListOf(entryName);
  if (!list) return QString::fromStdString(entryName);
  return QCoreApplication::translate(editing::kListNamesContext, std::string(list->words).c_str());
}

// A tab's data: the list's path, that path made absolute and normal (to
// find the open list, computed once), and the caption without the unsaved mark.
struct TabData {
  std::string path;
  std::string samePath;
  QString caption;
};
QVariant ToVariant(const TabData& data) {
  return QStringList{QString::fromStdString(data.path), QString::fromStdString(data.samePath), data.caption};
}
TabData FromVariant(const QVariant& variant) {
  const QStringList parts = variant.toStringList();
  if (parts.size() != 3) return {};
  return {parts[0].toStdString(), parts[1].toStdString(), parts[2]};
}

}  // namespace

void TfrmTarnoChannelEdit::CreateListTabs() {
  tabLists = new QTabBar(pnlDatabase);
  tabLists->setObjectName(QStringLiteral("tabLists"));
  tabLists->setFocusPolicy(Qt::NoFocus);  // the keys below switch lists wherever the focus is
  tabLists->setExpanding(false);
  tabLists->setUsesScrollButtons(true);
  tabLists->setDocumentMode(true);
  tabLists->hide();
  pnlDatabase->layout()->addWidget(tabLists);
  connect(tabLists, &QTabBar::currentChanged, this, &TfrmTarnoChannelEdit::ChooseListTab);
  // A click on the tab already current matters too: after an extraction the
  // first tab is current with nothing read yet.
  connect(tabLists, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index == tabLists->currentIndex()) ChooseListTab(index);
  });
  for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] { ShowNextTab(step); });
  }
}

void TfrmTarnoChannelEdit::ShowListTabs() {
  const QSignalBlocker quiet(tabLists);
  while (tabLists->count() > 0) tabLists->removeTab(0);
  std::vector<std::string> shownPaths;
  const auto addTab = [&](const std::string& path, const QString& caption, const QString& hint) {
    const int tab = tabLists->addTab(caption);
    shownPaths.push_back(AbsoluteArchivePath(path));
    tabLists->setTabData(tab, ToVariant({path, shownPaths.back(), caption}));
    tabLists->setTabToolTip(tab, hint);
  };
  if (ArchiveIsActive())
    for (const std::string& entry : editing::EntriesInTabOrder(archive_->EntryNames()))
      addTab(extractFolder_ + entry, TabCaption(entry), QString::fromStdString(entry));
  for (const OpenList& list : lists_) {
    const std::string& path = list.document->Path();
    if (std::find(shownPaths.begin(), shownPaths.end(), list.samePath) == shownPaths.end())
      addTab(path, QString::fromStdString(list.document->FileName()), QString::fromStdString(path));
  }
  tabLists->setVisible(tabLists->count() > 0);
  MarkUnsavedTabs();
}

// The tab of the list on show is current; a tab with unsaved edits ends in "*".
void TfrmTarnoChannelEdit::MarkUnsavedTabs() {
  if (!tabLists) return;
  const QSignalBlocker quiet(tabLists);
  for (int tab = 0; tab < tabLists->count(); ++tab) {
    const TabData tabData = FromVariant(tabLists->tabData(tab));
    const std::optional<size_t> list = OpenListAt(tabData.samePath);
    const bool unsaved = list && lists_[*list].document->HasUnsavedEdits();
    QString caption = tabData.caption;
    if (unsaved) caption += QStringLiteral(" *");
    if (tabLists->tabText(tab) != caption) tabLists->setTabText(tab, caption);
    if (list && *list == activeList_ && tabLists->currentIndex() != tab) tabLists->setCurrentIndex(tab);
  }
}

void TfrmTarnoChannelEdit::ChooseListTab(int index) {
  if (index < 0 || index >= tabLists->count()) return;
  const TabData tabData = FromVariant(tabLists->tabData(index));
  const ScopeExit updateVisibility([this] { UpdateControlVisibility(); });
  RunCommand([this, &tabData] {
    if (const std::optional<size_t> open = OpenListAt(tabData.samePath)) {
      ShowList(*open);
    } else {
      OpenListOfTab(tabData.path);
    }
  });
  MarkUnsavedTabs();  // a list that could not be read leaves the tab of the one on show current
}

// The list joins the open ones; those stay as they are, also when it cannot be read.
bool TfrmTarnoChannelEdit::OpenListOfTab(const std::string& path) {
  const WaitCursor wait;
  const size_t shownBefore = activeList_;
  auto document = NewDocument(path);
  const LogSink log = [this](const std::string& line) { Log(line); };
  const auto showListBefore = [this] { Document() ? ShowListLoaded() : ShowNothingLoaded(); };
  bool read = false;
  try {
    read = document->ReadFile(log);
  } catch (...) {
    showListBefore();
    throw;
  }
  if (!read) {
    showListBefore();
    return false;
  }
  OpenDocument(std::move(document));
  bool filled = false;
  try {
    filled = Document()->FillCells(log);
  } catch (...) {
    CloseNewestList(shownBefore);
    throw;
  }
  if (!filled) {
    CloseNewestList(shownBefore);
    return false;
  }
  ShowFilledList();
  return true;
}

void TfrmTarnoChannelEdit::ShowList(size_t index) {
  if (index >= lists_.size()) return;
  if (index != activeList_) {
    if (Grid()) Grid()->hide();
    activeList_ = index;
  }
  Grid()->show();
  ShowListLoaded();
  MarkUnsavedTabs();
  Grid()->setFocus();
}

void TfrmTarnoChannelEdit::ShowNextTab(int step) {
  const int count = tabLists->count();
  if (count == 0) return;
  const int current = std::max(0, tabLists->currentIndex());
  const int next = ((current + step) % count + count) % count;
  tabLists->setCurrentIndex(next);  // reads or shows it
}

std::optional<size_t> TfrmTarnoChannelEdit::OpenListAt(const std::string& samePath) const {
  for (size_t i = 0; i < lists_.size(); ++i)
    if (lists_[i].samePath == samePath) return i;
  return std::nullopt;
}

}  // namespace tarno::window
