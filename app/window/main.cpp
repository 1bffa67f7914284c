// TarnoChannelEdit: the channel-list editor's one window and its event loop.
#include <QApplication>

#include "TarnoChannelEditUnit001.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("TarnoChannelEdit"));
  tarno::window::TfrmTarnoChannelEdit frmTarnoChannelEdit;
  frmTarnoChannelEdit.show();
  return QApplication::exec();
}
