// Files that a script opens with FileOpen and FileCreate. Handles are POSIX
// descriptors in a 32-bit integer, -1 for none. Only descriptors that this
// script opened are usable through the handle functions, so a script cannot
// read, move or close the editor's own files; those it leaves open are
// closed with the script host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

namespace pscript {
class Value;
}

namespace tarno {

// FileOpen mode bits: 0-1 access (0 read, 1 write, 2 both), 4-7 sharing
// (0/1 none, 2 deny write, 3 deny read, 4 deny none). Sharing is only checked
// for validity: POSIX has no mandatory share modes, and advisory locks would
// not stop other programs anyway.
struct OpenMode {
  int access = 0;
  int sharing = 0;
  bool valid = false;
};
OpenMode DecodeOpenMode(int32_t mode);

// open(2) for the script's file functions, close-on-exec. A pipe or socket,
// which would keep the script (and the window) waiting for a peer, and a
// folder are refused with -1, as a failed open. A character device opens
// non-blocking, so that a terminal cannot make the script wait either.
int OpenForScript(const std::string& fileName, int flags, unsigned mode = 0);

// What a whole read or write moved: it goes on after an interrupted call and
// stops at count bytes, the end of the file, or an error (failed).
struct Transfer {
  size_t done = 0;
  bool failed = false;
};
Transfer ReadFully(int descriptor, void* into, size_t count);
Transfer WriteFully(int descriptor, const void* from, size_t count);

class HostFiles {
 public:
  HostFiles() = default;
  ~HostFiles();
  HostFiles(const HostFiles&) = delete;
  HostFiles& operator=(const HostFiles&) = delete;

  int32_t Open(const std::string& fileName, int32_t mode);
  int32_t Create(const std::string& fileName);
  // Offset from the start (origin 0), the current position (1) or the end (2).
  int32_t Seek(int32_t handle, int32_t offset, int32_t origin);
  void Close(int32_t handle);

  // The Variant's current type chooses what is read or written (see the .cpp).
  int32_t ReadInto(int32_t handle, pscript::Value& buffer, int32_t count);
  int32_t WriteFrom(int32_t handle, const pscript::Value& buffer, int32_t count);

  size_t OpenCount() const { return open_.size(); }

 private:
  bool Owns(int32_t handle) const { return open_.count(handle) != 0; }
  int32_t Adopt(int descriptor);
  int32_t ReadBytes(int32_t handle, void* into, size_t count);
  int32_t WriteBytes(int32_t handle, const void* from, size_t count);

  std::set<int32_t> open_;
};

}  // namespace tarno
