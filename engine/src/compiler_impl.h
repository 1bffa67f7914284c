// The compiler's shared state: one recursive-descent pass from tokens to
// typed VM code. Split over compile_*.cpp by concern.
#pragma once

#include "lexer.h"
#include "module.h"
#include "class_types.h"
#include "engine_limits.h"
#include "types.h"

#include <pscript/pscript.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>

namespace pscript {

// Thrown after the first error has been recorded: compilation stops there.
struct CompileStop {};

// An expression's value: a compile-time constant, or a slot (a variable
// read in place, or a temporary that the expression computed).
struct Expr {
  enum class K { Const, Slot, Temp } k = K::Const;
  Type* type = nullptr;
  int32_t slot = 0;
  Value cval;
  bool raw = false;  // integer value not yet narrowed to its type (casts, negation)
  Type* relabeled = nullptr;  // a pending cast: the type the value in the slot really has
  static constexpr int kMaxPatches = 4;
  int patch[kMaxPatches] = {-1, -1, -1, -1};  // code positions of the dst operands that wrote the temp
};

// Something assignable: a variable, or a path of indexes and fields from one.
struct Designator {
  bool baseIsRef = false;  // the base slot holds a reference (var parameter)
  int32_t slot = 0;
  struct Step { bool field; int32_t value; Type* type; };
  std::vector<Step> steps;  // index slots / field numbers, each with the type it yields
  bool strChar = false;     // last step indexes a string
  int32_t charIndex = 0;
  bool varElem = false;     // last step indexes a variant array (through VarArrayGet/VarArraySet)
  int32_t varIndex = 0;
  Type* type = nullptr;
  bool writable = true;
  // Objects: a property of the object in slot propSelf (read or written
  // later), a method call's result, or a member named inside "with".
  const PropSym* prop = nullptr;
  int32_t propSelf = 0;
  std::vector<int32_t> propArgs;
  bool called = false;
  bool withMember = false;  // the member is Parser::withMemberTok_
};

struct LocalVar {
  Type* type = nullptr;
  int32_t slot = 0;
  bool byRef = false;
  bool used = false;
  bool isConst = false;
  std::string spelled;
  int row = 0, col = 0;
  size_t pos = 0;
};

struct ProcSym {
  ProcSig sig;
  bool native = false;
  int32_t index = -1;         // script procedure or native index (-1: not yet used)
  std::string nativeName;     // upper case
  bool bodyDone = false;
  bool forward = false;
  bool intrinsic = false;
  bool used = false;  // called already: a script routine may no longer take its name
  bool clash = false; // a host function that replaced a built-in of the same name
  Token declared;  // the routine keyword of its first declaration
};

struct LoopLabels {
  std::vector<int> breakJumps, continueJumps;
  int continueTarget = -1;
};

struct LabelInfo {
  std::string name;      // upper case
  int32_t seq = -1;      // order among placed labels and gotos; -1: not placed
  int codePos = 0;
};

struct GotoInfo {
  int32_t label = 0;     // index into ProcBuilder::labels
  int32_t seq = 0;
  int patchAt = 0;
};

struct ProcBuilder {
  ProcDesc* desc = nullptr;
  ProcSym* sym = nullptr;
  std::unordered_map<std::string, LocalVar> locals;
  int32_t localsEnd = 1;
  int32_t tempTop = 1;
  std::vector<LoopLabels> loops;
  std::vector<int> exitJumps;
  std::vector<Designator> withScopes;
  bool resultUsed = false;
  std::vector<LabelInfo> labels;
  std::vector<GotoInfo> gotos;
  int32_t jumpSeq = 0;  // counts label placements and gotos
  std::vector<std::pair<int32_t, int32_t>> closedBlocks;  // [from, to) in jumpSeq
  int row = 0, col = 0;
  size_t pos = 0;
};

class Parser {
 public:
  Parser(std::vector<Message>& msgs, std::string_view src);
  Module module;

  // Setup before the source is compiled.
  void defineStandardTypes();
  bool declareFunction(std::string_view decl, bool builtin);
  void compileProgram(Compiler& owner);

  // ---- tokens and messages (compiler.cpp)
  void next();
  bool accept(Tok k);
  void expect(Tok k, const char* what);
  [[noreturn]] void error(const std::string& text, const std::string& param = {});
  [[noreturn]] void errorAt(const Token& at, const std::string& text, const std::string& param = {});
  void warning(const Token& at, const std::string& text, const std::string& param);
  void hint(int row, int col, size_t pos, const std::string& text, const std::string& param);
  std::string identifier();

  // ---- declarations (compiler.cpp)
  void programHeader();
  void usesClause(Compiler& owner);
  void constSection();
  void typeSection();
  void varSection(bool global);
  void routine(bool isFunction);
  ProcSig routineHeading(bool isFunction, std::string& upperName);
  std::vector<Param> parameterList(const std::string& ownerUpper = {});

  // ---- names a declaration may not take (compile_duplicates.cpp)
  bool routineNameTaken(const std::string& upper);
  [[noreturn]] void duplicate(const Token& at, const std::string& name);
  void checkVariableName(const Token& at, bool global);
  void checkTypeName(const Token& at);
  void checkConstName(const Token& at);
  void checkLabelName(const Token& at);
  void checkParameterName(const Token& at, const std::string& owner, const std::vector<Param>& earlier,
                          const std::vector<Token>& group);
  Type* typeSpec(const std::string& name = {});
  Type* namedType(const std::string& upper);
  Type* newType(TK kind, std::string name = {});
  Type* recordType(const std::string& name);
  Type* arrayType(const std::string& name);
  void registerAggregate(Type* t);
  void finishGlobalsInit();
  void hintsForGlobals();

  // ---- code emission (compiler.cpp)
  int emit(Op op, std::initializer_list<int32_t> operands);
  int here() const { return static_cast<int>(cur->desc->code.size()); }
  void patchJump(int at, int target) { cur->desc->code[static_cast<size_t>(at)] = target; }
  // Points the routine's exits at its end; without finally parts an exit is a plain jump.
  void patchExits(const ProcBuilder& b);
  int32_t temp(int n = 1);
  int32_t constSlot(const Value& v);
  int32_t newGlobal() { return ~(module.globalCount++); }
  void emitRaise(ErrorKind kind, const std::string& param);

  // ---- expressions (compile_expr.cpp)
  Expr expression();
  Expr simpleExpression();
  Expr term();
  Expr factor();
  Expr identifierFactor();
  Expr literalConst(Type* t, Value v);
  Expr binary(Tok op, Expr a, Expr b, const Token& at);
  Expr compare(Tok op, Expr a, Expr b, const Token& at);
  Expr foldConst(Tok op, const Expr& a, const Expr& b, const Token& at, bool& folded);
  int32_t operand(const Expr& e);
  Expr toTemp(const Expr& e);
  Expr convert(const Expr& e, Type* target, const Token& at);
  bool assignable(const Type* from, const Type* to) const;
  void storeInto(int32_t slot, const Expr& e, Type* target, const Token& at);
  Expr load(const Designator& d);
  Expr suffixOf(const Expr& value);
  Designator valueDesignator(const Expr& value);
  Expr variantElement(const Designator& d, const Expr* value);
  int32_t refOf(const Designator& d);
  void assignTo(const Designator& d, const Expr& e, const Token& at);
  bool designatorFor(const Token& name, Designator& d);
  void designatorSuffix(Designator& d);
  Expr callRoutine(ProcSym& p, const Token& at);
  void callArguments(ProcSym& p, int32_t argBase, const Token& at);

  // ---- casts (compile_casts.cpp)
  Expr typeCast(Type* t, const Token& at);
  Expr ordCast(const Token& at);
  bool castCompatible(const Type* to, const Type* from) const;
  bool foldCast(Type* to, const Expr& e, Expr& out);
  Expr pendingCast(const Expr& e, Type* to);
  Expr settleCast(const Expr& e);
  Expr castSource(const Expr& e);
  Expr castValue(const Expr& src, Type* to, const Token& at);
  Expr failedCast(Type* to, bool asException);
  // An expression whose pending cast the caller converts into its destination.
  Expr keptExpression() { keepCast_ = true; return expression(); }
  void deferFoldMismatch() { foldError_ = true; }
  void notAVariable();
  bool lastCombined_ = false;  // the last expression (at its top) applied an operator
  bool keepCast_ = false;    // the next expression() leaves a pending cast to its caller
  bool nestedExpr_ = false;  // the next expression() is part of a larger one (parentheses, Ord, Chr)
  bool foldError_ = false;   // a constant cast failed: Type mismatch where the expression ends

  // markVariants: the items of an array of const, where Variants stay marked as such.
  Expr arrayConstructor(Type* elemHint, bool markVariants = false);
  Expr setOrArrayConstructor();
  Expr constExpression();
  ProcSym* findProc(const std::string& upper);
  int32_t nativeIndexFor(ProcSym& p);
  Expr intOp(Op op, const Expr& a, const Expr& b, Type* resultType);
  bool variantOperandFits(Tok op, const Type* other) const;
  bool typedLeftComparesVariant(const Expr& a, const Expr& b, Expr& x, Expr& y, const Token& at);
  Expr asLeftReadsIt(const Type* left, const Expr& right, const Token& at, bool arithmetic = false);
  Expr realOp(Op op, const Expr& a, const Expr& b, Type* resultType, const Token& at);
  Expr unary(Tok op, Expr e, const Token& at);
  Expr withPatch(int32_t slot, Type* t, int at1, int at2 = -1);
  Expr chainNarrow(const Expr& t, Type* to, int32_t kind);
  int32_t popTemps(int32_t mark) { int32_t old = cur->tempTop; cur->tempTop = mark; return old; }

  // ---- procedural types (compile_proctypes.cpp)
  Type* procType(const std::string& name);
  Expr procAddress();
  bool isProcValue(const Type* t) const;
  Expr compareProcValues(Tok op, const Expr& a, const Expr& b);
  Expr callThrough(const Expr& fn, const Token& at);
  Expr callResult(int32_t argBase, Type* result);

  // ---- interfaces (compile_interfaces.cpp)
  void defineInterfaceRoot();
  Type* interfaceType(const std::string& name);
  void interfaceMethod();
  bool interfaceAssignable(const Type* from, const Type* to) const;
  Expr compareInterfaces(Tok op, const Expr& a, const Expr& b);
  Expr interfaceToVariant();

  // ---- external routines (compile_external.cpp)
  void externalDeclaration(ProcSym& sym);
  bool externalsAllowed_ = false;

  // ---- goto and label (compile_goto.cpp)
  void labelSection();
  LabelInfo* findLabel(const std::string& upper);
  void placeLabel(LabelInfo& label);
  void gotoStatement();
  void checkJumps(int32_t fromSeq);
  bool jumpsStayOutside(int32_t fromSeq, int32_t toSeq) const;
  void finishLabels();

  // ---- intrinsics handled by the compiler (compile_intrinsics.cpp)
  bool isIntrinsic(const std::string& upper) const;
  Expr intrinsic(const std::string& upper, const Token& at, bool asStatement);

  // ---- imported classes (compile_classes.cpp)
  bool declareText(std::string_view text);
  bool declareClass(std::string_view name, std::string_view ancestor, bool isAbstract);
  bool declareClassMember(std::string_view className, std::string_view decl);
  std::string describeClasses() const;
  // Parses a host's declaration text with body, the script's parse state kept
  // aside; false (and no messages left) when the text does not compile.
  bool parseHostText(std::string_view text, const std::function<void()>& body);
  void expectEndOfText() { if (tok_.kind != Tok::Eof) error("Syntax error"); }
  void methodDeclaration(ClassInfo& info, Type* cls);
  void propertyDeclaration(ClassInfo& info);
  int32_t objectNative(const std::string& name, int32_t argCount);
  Expr memberCall(const MethodSym& m, const Expr* self, const std::string& native, const Token& at);
  Expr constructorCall(Type* cls, const Token& at);
  void indexArguments(const PropSym& p, std::vector<int32_t>& out);
  void pendingProperty(Designator& d, const PropSym& p, const Expr& self);
  void memberAccess(Designator& d, const Token& name);
  void settleProperty(Designator& d);
  bool objectSuffix(Designator& d);
  Expr readProperty(const Designator& d);
  void writeProperty(const Designator& d, const Expr& value, const Token& at);
  bool withMemberFor(const Token& name, Designator& d);
  bool withObjectExpression(Designator& d);
  void objectStatement(const Expr& object);
  Type* classTypeName(bool anyType = false);
  Expr objectTest(Tok op, const Expr& obj, Type* cls, const Token& at);
  void failAtRunTime(ErrorKind kind);
  std::deque<ClassInfo> classStore_;
  Token withMemberTok_;  // member named inside "with", until designatorSuffix takes it

  // ---- statements (compile_stmt.cpp)
  void block();
  void compoundStatement();
  void statement();
  void statementList(Tok end1, Tok end2 = Tok::Eof);
  void assignmentOrCall();
  void ifStatement();
  void whileStatement();
  void repeatStatement();
  void forStatement();
  void caseStatement();
  void tryStatement();
  void exitStatement();
  void breakContinue(bool isBreak);
  // Argument type errors surface where the reference engine checks them: at
  // the end of the statement.
  void deferMismatch() { if (!deferred_) deferred_ = true; }
  bool deferred_ = false;
  bool lastEndsItself_ = false;
  bool inConstDeclaration_ = false;  // "not" of a Boolean constant is a Type mismatch there
  bool declaringHost_ = false;  // parsing a host declaration (addFunction): array of const allowed
  void withStatement();
  void condJump(const Expr& cond, bool jumpIfTrue, int& patchAt);
  void routineBody(ProcSym& sym, ProcDesc& desc);
  void hintsForLocals(const ProcBuilder& b, const Token& nameAt);

  // ---- state
  std::vector<Message>& msgs_;
  Lexer lex_;
  Token tok_, prev_;
  Token routineNameTok_;
  bool allowNoBegin = false, allowNoEnd = false;
  int depth_ = 0;
  std::deque<Type> typeStore_;
  std::deque<ProcSig> sigStore_;
  std::unordered_map<std::string, Type*> types_;
  std::unordered_map<std::string, Expr> consts_;
  std::unordered_map<std::string, LocalVar> globals_;
  std::unordered_map<std::string, std::unique_ptr<ProcSym>> procs_;
  std::vector<std::pair<int32_t, Type*>> aggregateGlobals_;
  std::map<std::pair<int, std::string>, int32_t> constSlots_;
  std::unordered_map<std::string, int32_t> nativeIndex_;
  std::vector<int64_t> typeValues_;  // typeValueCount of each module type
  ProcBuilder* cur = nullptr;
  ProcBuilder initProc_;
  // well-known types
  Type *tInt = nullptr, *tInt64 = nullptr, *tByte = nullptr, *tCardinal = nullptr, *tBool = nullptr,
       *tChar = nullptr, *tWChar = nullptr, *tStr = nullptr, *tWStr = nullptr, *tReal = nullptr,
       *tVariant = nullptr, *tVoid = nullptr, *tNil = nullptr, *tVarArray = nullptr,
       *tArrayOfConst = nullptr, *tWord = nullptr;
};

}  // namespace pscript
