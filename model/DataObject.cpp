#include "FileSystem.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {

TDataObject::TDataObject(const std::string& settingsPath, const std::string& dataFileName) {
  ReadLayout(settingsPath, dataFileName);
}

TDataObject::TDataObject(Layout layout)
    : Items(std::move(layout.Items)), HasHeader(layout.HasHeader), Header(layout.Header) {
  if (!layout.Database.empty()) Database = DescribeDatabase(layout.Database, Items);
}

void TDataObject::ReadLayout(const std::string& settingsPath, const std::string& dataFileName) {
  HasHeader = false;
  Header = kDefaultHeader;
  Records.clear();
  Items.clear();
  *this = TDataObject(ReadLayoutFrom(ReadWholeFile(settingsPath), dataFileName));
}

int32_t TDataObject::RecordSize() const {
  return Items.empty() ? 0 : Items.back().Offset + Items.back().Size;
}

}  // namespace tarno
