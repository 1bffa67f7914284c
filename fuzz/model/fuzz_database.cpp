// A file of any content opened as a channel database: loading either fails
// with one error or gives records that save back as an identical copy, and a
// save with an edited record either writes or fails cleanly.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Errors.h"
#include "FuzzLayouts.h"

namespace {

// The fields of the default dvbs section, without the script's conversions.
const char* const kLayout =
    "[F]\nDATABASE = SRV\n"
    "ITEM = Nr, 2, 2, #, , 1, , SRV.major\n"
    "ITEM = Name, 200, 2, /, $00, 2, , SRV.srvName\n"
    "ITEM = Fav1, 4, 4, #, , 3, Fav1, SRV_FAV.1\n"
    "ITEM = Skip, 1, 1, #, , 4, Skip, !SRV.numSel\n"
    "ITEM = Hide, 1, 1, #, , 5, Hide, SRV.hidden+hideGuide\n"
    "ITEM = ONID, 2, 2, #, , 6, , SRV_DVB.onid\n"
    "ITEM = kHz, 4, 4, #, , 7, , CHNL.freq\n"
    "ITEM = Provider, 100, 2, /, $00, 8, , PROV.provName\n"
    "ITEM = srvId, 8, 4, $, , -9, , SRV.srvId\n";

// One folder for the whole run, removed at exit.
class RunFolder {
 public:
  RunFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-database-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path_ = pattern;
  }
  ~RunFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

const std::string& Folder() {
  static const RunFolder folder;
  return folder.Path();
}

void Write(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = Folder() + "/F";
  const std::string copy = Folder() + "/copy";
  Write(input, data, size);
  tarno::TDataObject object = FuzzObject(kLayout);
  try {
    object.LoadFromFile(input);
  } catch (const tarno::DatabaseError&) {
    return 0;
  }
  if (!object.SaveToFile(copy, false) || Read(copy) != Read(input)) std::abort();
  if (object.Records.empty()) return 0;
  object.Records.front()[0] ^= 1;  // the number
  object.Records.front()[2] = 'X';  // the name
  object.Records.front()[202] ^= 0xFF;  // favourites list 1
  try {
    object.SaveToFile(copy, false);
  } catch (const tarno::DatabaseError&) {
  }
  return 0;
}
