// TStream, THandleStream, TFileStream, TCustomMemoryStream, TMemoryStream and
// TStringStream of the classes import library. Read and Write take their
// buffer as a string by value, as the import declares them: Read can only
// tell how much it read.
#include "ClassLibraries.h"
#include "ClassLibraryHelpers.h"
#include "HostFiles.h"
#include "StreamClasses.h"

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tarno {

using pscript::NativeCall;
using pscript::Value;
using namespace classlib;

namespace {
// Positions are LongInt at the script's side; a memory stream stays well
// below that so that a script cannot ask the editor for gigabytes.
constexpr int64_t kMaxStreamSize = std::numeric_limits<int32_t>::max();
constexpr int64_t kMaxMemoryStreamSize = int64_t{1} << 28;
constexpr size_t kCopyChunk = 64 * 1024;  // Read, ReadBuffer and CopyFrom move data in pieces of this size

[[noreturn]] void MemoryStreamTooLarge() { throw std::runtime_error("Out of memory while expanding memory stream"); }
}  // namespace

// ------------------------------------------------------------------ stream objects

int64_t StreamObject::Size() {
  int64_t here = Seek(0, 1);
  int64_t end = Seek(0, 2);
  Seek(here, 0);
  return end;
}

std::string StreamObject::ReadRest() {
  std::string out(static_cast<size_t>(std::max<int64_t>(0, Size() - Seek(0, 1))), '\0');
  out.resize(static_cast<size_t>(ReadBytes(out.data(), static_cast<int64_t>(out.size()))));
  return out;
}

void StreamObject::WriteAll(const std::string& data) {
  if (WriteBytes(data.data(), static_cast<int64_t>(data.size())) != static_cast<int64_t>(data.size()))
    throw std::runtime_error("Stream write error");
}

int64_t MemoryStreamObject::ReadBytes(char* into, int64_t count) {
  int64_t n = std::clamp<int64_t>(static_cast<int64_t>(data.size()) - position, 0, std::max<int64_t>(count, 0));
  std::copy_n(data.data() + position, n, into);
  position += n;
  return n;
}

int64_t MemoryStreamObject::WriteBytes(const char* from, int64_t count) {
  if (count <= 0) return 0;
  if (position + count > kMaxMemoryStreamSize) MemoryStreamTooLarge();
  if (position + count > static_cast<int64_t>(data.size())) {
    pscript::reserveCharged(charge, data, static_cast<size_t>(position + count));
    data.resize(static_cast<size_t>(position + count));
  }
  std::copy_n(from, count, data.data() + position);
  position += count;
  return count;
}

void MemoryStreamObject::SetData(std::string bytes) {
  charge.set(bytes.capacity());
  data = std::move(bytes);
}

int64_t MemoryStreamObject::Seek(int64_t offset, int origin) {
  int64_t base = origin == 1 ? position : origin == 2 ? static_cast<int64_t>(data.size()) : 0;
  position = std::clamp<int64_t>(base + offset, 0, kMaxStreamSize);
  return position;
}

void MemoryStreamObject::SetSize(int64_t size) {
  if (size < 0 || size > kMaxMemoryStreamSize) MemoryStreamTooLarge();
  pscript::reserveCharged(charge, data, static_cast<size_t>(size));
  data.resize(static_cast<size_t>(size));
  position = std::min(position, size);
}

FileStreamObject::~FileStreamObject() {
  if (descriptor >= 0) ::close(descriptor);
}

void FileStreamObject::Open(const std::string& fileName, int32_t mode) {
  bool create = (mode & 0xFF00) == 0xFF00;
  if (create) {
    descriptor = OpenForScript(fileName, O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (descriptor < 0) throw std::runtime_error("Unable to create file \"" + fileName + "\"");
  } else {
    OpenMode m = DecodeOpenMode(mode);
    int access = m.access == 1 ? O_WRONLY : m.access == 2 ? O_RDWR : O_RDONLY;
    descriptor = m.valid ? OpenForScript(fileName, access) : -1;
    if (descriptor < 0) throw std::runtime_error("Unable to open file \"" + fileName + "\"");
  }
  handle = descriptor;
}

int64_t FileStreamObject::ReadBytes(char* into, int64_t count) {
  if (descriptor < 0 || count <= 0) return 0;
  ssize_t n = ::read(descriptor, into, static_cast<size_t>(count));
  return n < 0 ? 0 : n;
}

int64_t FileStreamObject::WriteBytes(const char* from, int64_t count) {
  if (descriptor < 0 || count <= 0) return 0;
  ssize_t n = ::write(descriptor, from, static_cast<size_t>(count));
  return n < 0 ? 0 : n;
}

int64_t FileStreamObject::Seek(int64_t offset, int origin) {
  if (descriptor < 0) return 0;
  off_t r = ::lseek(descriptor, offset, origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET);
  return r < 0 ? -1 : r;
}

void FileStreamObject::SetSize(int64_t size) {
  if (descriptor < 0) return;
  if (size < 0 || ::ftruncate(descriptor, size) != 0) throw std::runtime_error("Stream write error");
}

std::string ReadFileForStream(const std::string& fileName) {
  const int descriptor = OpenForScript(fileName, O_RDONLY);
  if (descriptor < 0) throw std::runtime_error("Unable to open file \"" + fileName + "\"");
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{descriptor};
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || info.st_size > kMaxMemoryStreamSize) MemoryStreamTooLarge();
  std::string data(static_cast<size_t>(info.st_size), '\0');  // a device reports size 0 and gives nothing
  data.resize(ReadFully(descriptor, data.data(), data.size()).done);
  return data;
}

void WriteFileForStream(const std::string& fileName, std::string_view bytes) {
  const int descriptor = OpenForScript(fileName, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (descriptor < 0) throw std::runtime_error("Unable to create file \"" + fileName + "\"");
  const Transfer written = WriteFully(descriptor, bytes.data(), bytes.size());
  ::close(descriptor);
  if (written.failed) throw std::runtime_error("Stream write error");
}

// ------------------------------------------------------------------ natives

namespace {
StreamObject& Stream(NativeCall& c) { return Self<StreamObject>(c); }
StreamObject& StreamArg(NativeCall& c, int i) {
  auto* s = c.exec().objectAs<StreamObject>(c.arg(i));
  if (!s) throw pscript::ScriptError(pscript::ErrorKind::NullPointerException, "");
  return *s;
}

int64_t ReadDiscarding(StreamObject& s, int64_t count) {
  char scratch[kCopyChunk];
  int64_t done = 0;
  while (done < count) {
    int64_t n = s.ReadBytes(scratch, std::min<int64_t>(count - done, static_cast<int64_t>(kCopyChunk)));
    if (n <= 0) break;
    done += n;
  }
  return done;
}

// Bytes from the buffer string; a count past its end writes what it has.
int64_t WriteFromBuffer(StreamObject& s, const NativeCall& c) {
  std::string_view buffer = c.arg(1).rawString();
  int64_t count = std::clamp<int64_t>(IntArg(c, 2), 0, static_cast<int64_t>(buffer.size()));
  return s.WriteBytes(buffer.data(), count);
}

void Read(NativeCall& c) { ReturnInt(c, ReadDiscarding(Stream(c), IntArg(c, 2))); }
void Write(NativeCall& c) { ReturnInt(c, WriteFromBuffer(Stream(c), c)); }
void ReadBuffer(NativeCall& c) {
  if (ReadDiscarding(Stream(c), IntArg(c, 2)) != std::max<int64_t>(IntArg(c, 2), 0))
    throw std::runtime_error("Stream read error");
}
void WriteBuffer(NativeCall& c) {
  if (WriteFromBuffer(Stream(c), c) != std::max<int64_t>(IntArg(c, 2), 0)) throw std::runtime_error("Stream write error");
}
void Seek(NativeCall& c) { ReturnInt(c, Stream(c).Seek(IntArg(c, 1), static_cast<int>(IntArg(c, 2)))); }
void CopyFrom(NativeCall& c) {
  StreamObject& source = StreamArg(c, 1);
  int64_t count = IntArg(c, 2);
  if (count == 0) {  // the whole source, from its start
    source.Seek(0, 0);
    count = source.Size();
  }
  count = std::clamp<int64_t>(count, 0, kMaxStreamSize);
  StreamObject& target = Stream(c);
  char chunk[kCopyChunk];
  for (int64_t done = 0; done < count;) {
    int64_t want = std::min<int64_t>(count - done, static_cast<int64_t>(kCopyChunk));
    if (source.ReadBytes(chunk, want) != want) throw std::runtime_error("Stream read error");
    if (target.WriteBytes(chunk, want) != want) throw std::runtime_error("Stream write error");
    done += want;
  }
  ReturnInt(c, count);
}
void GetPosition(NativeCall& c) { ReturnInt(c, Stream(c).Seek(0, 1)); }
void SetPosition(NativeCall& c) { Stream(c).Seek(IntArg(c, 1), 0); }
void GetSize(NativeCall& c) { ReturnInt(c, Stream(c).Size()); }
void SetSize(NativeCall& c) { Stream(c).SetSize(IntArg(c, 1)); }

void HandleCreate(NativeCall& c) { Self<FileStreamObject>(c).handle = static_cast<int32_t>(IntArg(c, 1)); }
void GetHandle(NativeCall& c) { ReturnInt(c, Self<FileStreamObject>(c).handle); }
void FileCreate(NativeCall& c) { Self<FileStreamObject>(c).Open(StrArg(c, 1), static_cast<int32_t>(IntArg(c, 2))); }


void SaveToStream(NativeCall& c) {
  auto& self = Self<MemoryStreamObject>(c);
  StreamArg(c, 1).WriteAll(self.data);
}
void SaveToFile(NativeCall& c) { WriteFileForStream(StrArg(c, 1), Self<MemoryStreamObject>(c).data); }
void MemoryClear(NativeCall& c) { Self<MemoryStreamObject>(c).SetSize(0); }
void LoadFromStream(NativeCall& c) {
  StreamObject& source = StreamArg(c, 1);
  source.Seek(0, 0);
  auto& self = Self<MemoryStreamObject>(c);
  if (source.Size() > kMaxMemoryStreamSize) MemoryStreamTooLarge();
  self.SetData(source.ReadRest());
  self.position = 0;
}
void LoadFromFile(NativeCall& c) {
  auto& self = Self<MemoryStreamObject>(c);
  self.SetData(ReadFileForStream(StrArg(c, 1)));
  self.position = 0;
}
void StringStreamCreate(NativeCall& c) { Self<MemoryStreamObject>(c).SetData(StrArg(c, 1)); }

const Member kStreamMethods[] = {
    {"function Read(Buffer: string; Count: LongInt): LongInt;", "Read", Read},
    {"function Write(Buffer: string; Count: LongInt): LongInt;", "Write", Write},
    {"function Seek(Offset: LongInt; Origin: Word): LongInt;", "Seek", Seek},
    {"procedure ReadBuffer(Buffer: string; Count: LongInt);", "ReadBuffer", ReadBuffer},
    {"procedure WriteBuffer(Buffer: string; Count: LongInt);", "WriteBuffer", WriteBuffer},
    {"function CopyFrom(Source: TStream; Count: Integer): LongInt;", "CopyFrom", CopyFrom},
};
const Property kStreamProperties[] = {
    {"property Position: LongInt read write;", "Position", GetPosition, SetPosition},
    {"property Size: LongInt read write;", "Size", GetSize, SetSize},
};
const Member kHandleStreamMethods[] = {{"constructor Create(AHandle: Integer);", "Create", HandleCreate}};
const Property kHandleStreamProperties[] = {{"property Handle: Integer read;", "Handle", GetHandle, nullptr}};
const Member kFileStreamMethods[] = {{"constructor Create(FileName: string; Mode: Word);", "Create", FileCreate}};
const Member kStringStreamMethods[] = {{"constructor Create(AString: string);", "Create", StringStreamCreate}};
const Member kCustomMemoryStreamMethods[] = {
    {"procedure SaveToStream(Stream: TStream);", "SaveToStream", SaveToStream},
    {"procedure SaveToFile(FileName: string);", "SaveToFile", SaveToFile},
};
const Member kMemoryStreamMethods[] = {
    {"procedure Clear;", "Clear", MemoryClear},
    {"procedure LoadFromStream(Stream: TStream);", "LoadFromStream", LoadFromStream},
    {"procedure LoadFromFile(FileName: string);", "LoadFromFile", LoadFromFile},
    {"procedure SetSize(NewSize: LongInt);", "SetSize", SetSize},
};

template <size_t M>
void DeclareMethods(pscript::Compiler& compiler, const char* cls, const Member (&methods)[M]) {
  for (const Member& m : methods) compiler.addClassMember(cls, m.declaration);
}
template <size_t M>
void BindMethods(pscript::ClassImporter& importer, const char* cls, const Member (&methods)[M]) {
  for (const Member& m : methods) importer.registerMethod(cls, m.name, m.fn);
}

std::unique_ptr<pscript::ScriptObject> NewMemoryStream() { return std::make_unique<MemoryStreamObject>(); }
std::unique_ptr<pscript::ScriptObject> NewFileStream() { return std::make_unique<FileStreamObject>(); }
}  // namespace

void DeclareStreamBase(pscript::Compiler& compiler) {
  compiler.addClass("TStream", "TObject", true);
  DeclareMembers(compiler, "TStream", kStreamMethods, kStreamProperties);
}

void DeclareStreamClasses(pscript::Compiler& compiler) {
  compiler.addClass("THandleStream", "TStream");
  DeclareMembers(compiler, "THandleStream", kHandleStreamMethods, kHandleStreamProperties);
  compiler.addClass("TFileStream", "THandleStream");
  DeclareMethods(compiler, "TFileStream", kFileStreamMethods);
  compiler.addClass("TStringStream", "TStream");
  DeclareMethods(compiler, "TStringStream", kStringStreamMethods);
  compiler.addClass("TCustomMemoryStream", "TStream", true);
  DeclareMethods(compiler, "TCustomMemoryStream", kCustomMemoryStreamMethods);
  compiler.addClass("TMemoryStream", "TCustomMemoryStream");
  DeclareMethods(compiler, "TMemoryStream", kMemoryStreamMethods);
  // Declared, never bound: there are no program resources to read here, so a
  // script that makes one does not load.
  compiler.addClass("TResourceStream", "TCustomMemoryStream");
  compiler.addClassMember("TResourceStream", "constructor Create(Instance: THandle; ResName: string; ResType: PChar);");
  compiler.addClassMember("TResourceStream", "constructor CreateFromID(Instance: THandle; ResID: Integer; ResType: PChar);");
}

void BindStreamClasses(pscript::ClassImporter& importer) {
  // An abstract TStream made by a script behaves as an empty memory stream.
  importer.registerClass("TStream", "TObject", NewMemoryStream);
  BindMembers(importer, "TStream", kStreamMethods, kStreamProperties);
  importer.registerClass("THandleStream", "TStream", NewFileStream);
  BindMembers(importer, "THandleStream", kHandleStreamMethods, kHandleStreamProperties);
  importer.registerClass("TFileStream", "THandleStream", NewFileStream);
  BindMethods(importer, "TFileStream", kFileStreamMethods);
  importer.registerClass("TStringStream", "TStream", NewMemoryStream);
  BindMethods(importer, "TStringStream", kStringStreamMethods);
  importer.registerClass("TCustomMemoryStream", "TStream", NewMemoryStream);
  BindMethods(importer, "TCustomMemoryStream", kCustomMemoryStreamMethods);
  importer.registerClass("TMemoryStream", "TCustomMemoryStream", NewMemoryStream);
  BindMethods(importer, "TMemoryStream", kMemoryStreamMethods);
}

}  // namespace tarno
