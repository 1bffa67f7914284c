// Host objects behind TStream and its descendants.
#pragma once

#include <pscript/memory.h>
#include <pscript/pscript.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarno {

// TStream: byte access at a position; origins 0 start, 1 current, 2 end.
struct StreamObject : pscript::ScriptObject {
  virtual int64_t ReadBytes(char* into, int64_t count) = 0;
  virtual int64_t WriteBytes(const char* from, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, int origin) = 0;
  virtual void SetSize(int64_t size) = 0;
  int64_t Size();
  std::string ReadRest();
  void WriteAll(const std::string& data);
};

// TMemoryStream, TStringStream.
struct MemoryStreamObject : StreamObject {
  std::string data;
  int64_t position = 0;
  pscript::MemoryCharge charge;  // data, against the scripts' memory limit
  // Replaces data, charging for the new bytes.
  void SetData(std::string bytes);
  int64_t ReadBytes(char* into, int64_t count) override;
  int64_t WriteBytes(const char* from, int64_t count) override;
  int64_t Seek(int64_t offset, int origin) override;
  void SetSize(int64_t size) override;
};

// TFileStream owns the descriptor it opened. A THandleStream made from a
// number has no descriptor: scripts do not reach descriptors they did not
// open this way, so it reads and writes nothing.
struct FileStreamObject : StreamObject {
  int descriptor = -1;
  int32_t handle = -1;  // what the Handle property shows
  ~FileStreamObject() override;
  void Open(const std::string& fileName, int32_t mode);
  int64_t ReadBytes(char* into, int64_t count) override;
  int64_t WriteBytes(const char* from, int64_t count) override;
  int64_t Seek(int64_t offset, int origin) override;
  void SetSize(int64_t size) override;
};

// A file's bytes for LoadFromFile; throws the RTL's open error, or an
// out-of-memory error for a file beyond what a memory stream may hold.
std::string ReadFileForStream(const std::string& fileName);
// Replaces a file's bytes for SaveToFile; throws the RTL's create error, also
// for a pipe, which would wait for a reader.
void WriteFileForStream(const std::string& fileName, std::string_view bytes);

}  // namespace tarno
