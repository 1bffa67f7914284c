// The virtual machine: runs module code on a heap-allocated value stack.
// Script calls never recurse on the C++ stack.
#pragma once

#include "module.h"
#include "objects.h"

#include <pscript/pscript.h>

#include <deque>
#include <memory>
#include <vector>

namespace pscript {

struct Frame {
  const ProcDesc* proc;
  size_t pc;
  Value* fp;
};

// The call stack: fixed capacity (the depth limit), inline push and pop.
class FrameStack {
 public:
  void reserve(size_t capacity) {
    if (!data_) { data_ = std::make_unique<Frame[]>(capacity); cap_ = capacity; }
  }
  void push_back(const Frame& f) { data_[n_++] = f; }  // callers check size() < capacity()
  void pop_back() { --n_; }
  Frame& back() { return data_[n_ - 1]; }
  const Frame& back() const { return data_[n_ - 1]; }
  size_t size() const { return n_; }
  size_t capacity() const { return cap_; }
  bool empty() const { return n_ == 0; }

 private:
  std::unique_ptr<Frame[]> data_;
  size_t n_ = 0, cap_ = 0;
};

// A finally part that runs because of an error or a jump out of its try.
struct Pending {
  size_t depth;      // frames.size() when it was entered
  int32_t handler;   // start of the finally part
  bool isError;
  int32_t target;    // jump target when !isError
  ErrorKind kind;
  std::string param;
};

// One external routine of the loaded module and what it is bound to.
struct ExternalSlot {
  ExternalDecl decl;
  ExternalCall call;  // empty until bound
  const ExternalBinder* binder = nullptr;
};

// What a CallNative instruction calls: function, user data and argument count in one place.
struct BoundNative {
  NativeFn fn;
  void* user;
  int32_t argCount;
};

struct Exec::Impl {
  Module module;
  bool loaded = false;
  std::string loadError;
  std::vector<Value> globals;
  std::vector<int64_t> typeValues;  // typeValueCount of each module type
  std::vector<NativeFn> natives;
  std::vector<void*> nativeUser;
  std::vector<BoundNative> bound;  // natives with nativeUser and their argument counts, made by load
  struct Registered { NativeFn fn; void* user; };
  std::vector<std::pair<std::string, Registered>> registry;
  std::vector<std::pair<std::string, int>> procByName;  // sorted by upper name
  Value* stack = nullptr;
  Value* stackEnd = nullptr;
  FrameStack frames;
  std::vector<Pending> pending;
  ExternalBinder externalBinder;
  std::deque<ExternalSlot> externals;  // stable addresses: natives' user pointers
  // Binds the external routine n (exec_external.cpp); false with loadError set.
  bool addExternal(const NativeDesc& n);
  ObjectTable objects;
  std::deque<ObjectBinding> objectBindings;  // user data of the natives behind object members
  std::function<void()> attentionHandler;
  std::string stopReason;  // the message of the next abort; empty: "Script aborted"
  ~Impl();
};

class Vm {
 public:
  explicit Vm(Exec& e) : exec_(e), m_(*e.impl_) {}
  // Runs procedure proc with its frame at fp until it returns.
  void run(int proc, Value* fp);

 private:
  // Runs from start, the innermost frame, until the frame above baseDepth returns.
  void execute(size_t baseDepth, const ProcDesc* proc, size_t pc, Value* fp);
  bool unwind(ErrorKind kind, const std::string& param, size_t baseDepth);
  void releaseFrame(const Frame& f);
  const Handler* finallyLeft(size_t pc, int32_t target) const;
  size_t leave(const Handler* finallyPart, int32_t target);
  Value makeAggregate(int32_t type, size_t depth = 0);
  [[noreturn]] void stopAborted(size_t base, int proc);
  void handleError(ErrorKind kind, const std::string& param, size_t base, int proc);
  // Values one element of the dynamic array type takes (at least 1).
  int64_t elementValues(int32_t arrayType) const;
  void callNative(int32_t index, Value* base);

  Exec& exec_;
  Exec::Impl& m_;
};

}  // namespace pscript
