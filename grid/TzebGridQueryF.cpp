#include "TzebGridQueryF.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "QueryFilter.h"
#include "Utf8Text.h"

using tarno::grid::FilterParseResult;

TzebGridQueryF::TzebGridQueryF(tarno::grid::CellStore& cells, QWidget* parent) : QDialog(parent), cells_(cells) {
  setWindowTitle(tr("Query Builder"));
  FieldsList = new QListWidget(this);
  FieldsList->setObjectName(QStringLiteral("FieldsList"));
  oplist = new QListWidget(this);
  oplist->setObjectName(QStringLiteral("oplist"));
  oplist->addItems({QStringLiteral("="), QStringLiteral("<>"), QStringLiteral(">"), QStringLiteral("<"),
                    QStringLiteral("LIKE")});
  oplist->setMaximumWidth(60);
  querymemo = new QPlainTextEdit(this);
  querymemo->setObjectName(QStringLiteral("querymemo"));
  btnApply = new QPushButton(tr("&Apply"), this);
  btnShowAll = new QPushButton(tr("&Show All"), this);
  btnClose = new QPushButton(tr("&Close"), this);

  auto* lists = new QHBoxLayout;
  lists->addWidget(FieldsList);
  lists->addWidget(oplist);
  lists->addWidget(querymemo, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnApply);
  buttons->addWidget(btnShowAll);
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(buttons);
  resize(560, 300);

  connect(FieldsList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { InsertAtCaret(QStringLiteral("[") + item->text() + QStringLiteral("]")); });
  connect(oplist, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { InsertAtCaret(QStringLiteral(" ") + item->text() + QStringLiteral(" ")); });
  connect(btnApply, &QPushButton::clicked, this, &TzebGridQueryF::Apply);
  connect(btnShowAll, &QPushButton::clicked, this, &TzebGridQueryF::ShowAll);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  ShowMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
  LoadFields();
}

void TzebGridQueryF::LoadFields() {
  FieldsList->clear();
  for (int c = 1; c < cells_.ColCount(); ++c) {
    FieldsList->addItem(tarno::grid::ToQString(cells_.Text(c, 0)));
  }
}

void TzebGridQueryF::InsertAtCaret(const QString& text) {
  querymemo->insertPlainText(text);
  querymemo->setFocus();
}

void TzebGridQueryF::Apply() {
  const std::string text = tarno::grid::JoinFilterLines(querymemo->toPlainText().toStdString());
  if (tarno::grid::ParseAndApplyFilter(text, cells_) == FilterParseResult::TooComplex && ShowMessage)
    ShowMessage(tr("Filter too complex"));
}

void TzebGridQueryF::ShowAll() { tarno::grid::ShowAllRows(cells_); }
