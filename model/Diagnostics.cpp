#include "Diagnostics.h"

#include "FileSystem.h"
#include "PtcCable.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

bool ReadAndWrite(const std::string& iniFileName, const std::string& extractFolder, const std::string& name,
                  bool regenerateChecksums) {
  TDataObject data(iniFileName, name);
  if (!data.HasLayout()) return false;
  return data.LoadFromFile(extractFolder + name) &&
         data.SaveToFile(extractFolder + name + ".OUT", regenerateChecksums);
}

}  // namespace

int RunReadWriteTest(const std::string& iniFileName, const std::string& extractFolder, bool regenerateChecksums,
                     const LogSink& log) {
  log("Read/Write test start");
  int failures = 0;
  for (const char* name : ReadWriteTestFiles) {
    const bool succeeded = ReadAndWrite(iniFileName, extractFolder, name, regenerateChecksums);
    log(std::string("Processing ") + name + (succeeded ? " succeeded" : " failed"));
    if (!succeeded) ++failures;
  }
  if (failures == 0) {
    log("Read/Write test ended. You should now have identical copies of the files with an .OUT extension.");
  } else {
    log("Read/Write test ended. Some parts (" + std::to_string(failures) + ") failed.");
    log("Only the succeeded parts have created identical copies of the files with an .OUT extension.");
  }
  return failures;
}

void GeneratePtcCableFile(const std::string& path, const LogSink& log) {
  WriteFileAtomically(path, GeneratePtcCableTable());
  log("Generated PtcCable style file");
}

}  // namespace tarno
