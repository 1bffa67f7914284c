// The std and classes libraries' host objects: what conformance scripts
// cannot show (object counts after an owner goes, descriptors of file
// streams, list rules the reference's import does not reach).
#include <gtest/gtest.h>

#include <pscript/memory.h>
#include <pscript/pscript.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "StandardScriptFunctions.h"
#include "StreamClasses.h"
#include "StringListClasses.h"

namespace tarno {
namespace {

using pscript::Value;

// A script compiled and loaded with the runner's libraries (std, classes, dates).
struct LibraryScript {
  explicit LibraryScript(const std::string& text) {
    pscript::Compiler c;
    c.onUses = [](pscript::Compiler& comp, const std::string& unit) {
      if (unit != "SYSTEM") return false;
      RegisterRunnerLibrariesCompiletime(comp);
      return true;
    };
    compiled = c.compile(text);
    for (const auto& m : c.messages()) messages += m.toString() + "\n";
    exec.setClassImporter(&importer);
    RegisterRunnerLibrariesRuntime(exec, importer);
    loaded = compiled && exec.load(c.output());
  }
  std::string call(const std::string& name, Value& v) {
    try {
      exec.call(exec.findFunction(name), v);
    } catch (const pscript::RuntimeError& e) {
      return e.what();
    }
    return "";
  }
  pscript::ClassImporter importer;
  pscript::Exec exec;
  bool compiled = false, loaded = false;
  std::string messages;
};

TEST(ComponentOwnership, FreeingTheOwnerFreesWhatItOwnsAndAChildLeavesItsOwner) {
  LibraryScript s(
      "var Root, Child, Grandchild: TComponent;\n"
      "function Build(var V: Variant): Boolean;\n"
      "begin\n"
      "  Root := TComponent.Create(nil);\n"
      "  Child := TComponent.Create(Root);\n"
      "  Grandchild := TComponent.Create(Child);\n"
      "  TComponent.Create(Root);\n"
      "  Result := True;\n"
      "end;\n"
      "function DropChild(var V: Variant): Boolean;\n"
      "begin Child.Free; V := Root.ComponentCount; Result := True; end;\n"
      "function DropRoot(var V: Variant): Boolean;\n"
      "begin Root.Free; Result := True; end;\n"
      "function TouchGrandchild(var V: Variant): Boolean;\n"
      "begin V := Grandchild.Name; Result := True; end;\n"
      "begin end.");
  ASSERT_TRUE(s.loaded) << s.messages << s.exec.loadError();
  Value v;
  EXPECT_EQ(s.call("Build", v), "");
  EXPECT_EQ(s.exec.objectCount(), 4u);
  EXPECT_EQ(s.call("DropChild", v), "");
  EXPECT_EQ(v.toInt(), 1);
  EXPECT_EQ(s.exec.objectCount(), 2u);  // the child took the grandchild along
  EXPECT_EQ(s.call("TouchGrandchild", v), "Could not call proc");
  EXPECT_EQ(s.call("DropRoot", v), "");
  EXPECT_EQ(s.exec.objectCount(), 0u);
}

TEST(StringListRules, TextBreaksAndStrictDelimiting) {
  StringListObject l;
  l.SetText("a\rb\r\nc\n\nd");
  ASSERT_EQ(l.items.size(), 5u);
  EXPECT_EQ(l.items[1].text, "b");
  EXPECT_EQ(l.items[3].text, "");
  EXPECT_EQ(l.Text(), "a\nb\nc\n\nd");
  l.SetDelimitedText(" x ;\"q;\"\"r\";", ';', '"', true);
  ASSERT_EQ(l.items.size(), 3u);
  EXPECT_EQ(l.items[0].text, " x ");
  EXPECT_EQ(l.items[1].text, "q;\"r");
  EXPECT_EQ(l.items[2].text, "");
  EXPECT_EQ(l.DelimitedText(';', '"', true), " x ;\"q;\"\"r\";");
  EXPECT_EQ(l.DelimitedText(';', '\0', false), " x ;q;\"r;");  // no quote character: nothing is quoted
}

TEST(StringListRules, FindOnDuplicatesAndErrors) {
  StringListObject l;
  l.sorted = true;
  l.duplicates = Duplicates::Accept;
  for (const char* s : {"b", "a", "b", "c", "b"}) l.Add(s);
  int64_t at = -1;
  EXPECT_TRUE(l.Find("B", at));
  EXPECT_EQ(at, 1);  // the first of the equal items when duplicates are accepted
  l.duplicates = Duplicates::Ignore;
  EXPECT_TRUE(l.Find("b", at));
  EXPECT_GE(at, 1);
  EXPECT_LE(at, 3);
  EXPECT_THROW(l.CheckIndex(5), std::runtime_error);
  EXPECT_NO_THROW(l.CheckIndex(5, true));
  EXPECT_THROW(l.Insert(0, "x"), std::runtime_error);
}

class FileStreams : public ::testing::Test {
 protected:
  void SetUp() override {
    path = ::testing::TempDir() + "tarno_filestream_" + std::to_string(::getpid()) + ".bin";
    std::ofstream(path, std::ios::binary) << "0123456789";
  }
  void TearDown() override { std::remove(path.c_str()); }
  std::string path;
};

TEST_F(FileStreams, ModesAndDescriptors) {
  {
    FileStreamObject f;
    f.Open(path, 0);  // fmOpenRead
    EXPECT_EQ(f.Size(), 10);
    EXPECT_EQ(f.WriteBytes("x", 1), 0);  // read-only descriptor
    EXPECT_EQ(f.Seek(-4, 2), 6);
    EXPECT_EQ(f.ReadRest(), "6789");
    EXPECT_GE(f.handle, 0);
  }
  {
    FileStreamObject f;
    f.Open(path, 2);  // fmOpenReadWrite
    f.Seek(0, 2);
    f.WriteAll("AB");
    f.SetSize(4);
    EXPECT_EQ(f.Size(), 4);
  }
  {
    FileStreamObject f;
    f.Open(path, 0xFFFF);  // fmCreate truncates
    EXPECT_EQ(f.Size(), 0);
  }
  FileStreamObject missing;
  EXPECT_THROW(missing.Open(path + ".dir/none", 0), std::runtime_error);
  EXPECT_THROW(missing.Open(path, 0x0070), std::runtime_error);  // sharing mode out of range
  // A handle stream made from a number reaches no descriptor.
  FileStreamObject byNumber;
  byNumber.handle = 0;
  char c = 0;
  EXPECT_EQ(byNumber.ReadBytes(&c, 1), 0);
  EXPECT_EQ(byNumber.WriteBytes("x", 1), 0);
}

// Blocks of 4096 bytes as the RTL reads them: a token may span two, a NUL
// byte ends the block (what follows it in that block is skipped).
TEST(ParserReading, TokensAcrossBlocksNulBytesAndAFreedStream) {
  LibraryScript s(
      "var M: TMemoryStream; P: TParser;\n"
      "function Open(const B: string): string;\n"
      "begin M := TMemoryStream.Create; M.Write(B, Length(B)); M.Position := 0;\n"
      "  P := TParser.Create(M); Result := P.TokenString; end;\n"
      "function Long(var V: Variant): Boolean;\n"
      "var B: string; begin B := StringOfChar('a', 5000) + ' 12';\n"
      "  V := IntToStr(Length(Open(B))) + ' ' + IntToStr(P.SourcePos);\n"
      "  P.NextToken; V := V + ' ' + P.TokenString + ' ' + IntToStr(P.SourcePos); Result := True; end;\n"
      "function Nul(var V: Variant): Boolean;\n"
      "begin V := Open('x' + #0 + 'y'); V := V + IntToStr(Ord(P.NextToken)); Result := True; end;\n"
      "function FreeStreamFirst(var V: Variant): Boolean;\n"
      "var N: Integer; begin Open('a b'); M.Free; N := Ord(P.NextToken); N := N + Ord(P.NextToken);\n"
      "  P.Free; V := N; Result := True; end;\n"
      "function NumberedError(var V: Variant): Boolean;\n"
      "begin Open('a'); P.Error(5); Result := True; end;\n"
      "function NoStream(var V: Variant): Boolean;\n"
      "begin P := TParser.Create(nil); Result := True; end;\n"
      "begin end.");
  ASSERT_TRUE(s.loaded) << s.messages << s.exec.loadError();
  Value v;
  EXPECT_EQ(s.call("Long", v), "");
  EXPECT_EQ(v.toString(), "5000 5000 12 5003");
  EXPECT_EQ(s.call("Nul", v), "");
  EXPECT_EQ(v.toString(), "x0");
  EXPECT_EQ(s.call("FreeStreamFirst", v), "");
  EXPECT_EQ(v.toInt(), 1);  // the second token was already read; then the end
  EXPECT_NE(s.call("NumberedError", v).find("5 (at 1,2, stream offset 00000001)"), std::string::npos);
  EXPECT_NE(s.call("NoStream", v), "");
}

TEST(CollectionOwnership, TheCollectionFreesItsItemsAndAFreedItemLeavesIt) {
  LibraryScript s(
      "var C: TCollection; A: TCollectionItem;\n"
      "function Build(var V: Variant): Boolean;\n"
      "begin C := TCollection.Create; A := C.Add; C.Add; C.Insert(0); Result := True; end;\n"
      "function DropItem(var V: Variant): Boolean;\n"
      "begin A.Free; V := C.Count; Result := True; end;\n"
      "function DropCollection(var V: Variant): Boolean;\n"
      "begin C.Free; Result := True; end;\n"
      "begin end.");
  ASSERT_TRUE(s.loaded) << s.messages << s.exec.loadError();
  Value v;
  EXPECT_EQ(s.call("Build", v), "");
  EXPECT_EQ(s.exec.objectCount(), 4u);
  EXPECT_EQ(s.call("DropItem", v), "");
  EXPECT_EQ(v.toInt(), 2);
  EXPECT_EQ(s.exec.objectCount(), 3u);
  EXPECT_EQ(s.call("DropCollection", v), "");
  EXPECT_EQ(s.exec.objectCount(), 0u);
}

TEST(MemoryStreams, PositionsStayInsideTheData) {
  MemoryStreamObject m;
  m.WriteAll("abc");
  EXPECT_EQ(m.Seek(-10, 1), 0);
  EXPECT_EQ(m.Seek(5, 2), 8);  // past the end is allowed; reading there gives nothing
  char buf[4];
  EXPECT_EQ(m.ReadBytes(buf, 4), 0);
  m.WriteAll("z");
  EXPECT_EQ(m.Size(), 9);
  EXPECT_THROW(m.SetSize(-1), std::runtime_error);
  EXPECT_THROW(m.SetSize(int64_t{1} << 30), std::runtime_error);  // a script cannot ask for a gigabyte
  EXPECT_EQ(m.Size(), 9);
}

// What string lists and memory streams keep counts against the same limit
// as the script's own strings, and goes back when the objects go.
TEST(ScriptMemory, StringListsAndStreamsStopAtTheLimitAndGiveItBack) {
  const size_t before = pscript::scriptMemoryInUse();
  const char* const attacks[] = {
      "function Fill(var V: Variant): Boolean;\n"
      "var L: TStringList; s: string; i: Integer;\n"
      "begin\n"
      "  s := StringOfChar('x', 1000000); L := TStringList.Create;\n"
      "  for i := 1 to 1000 do L.Add(s);\n"
      "end;\n",
      "function Fill(var V: Variant): Boolean;\n"
      "var L: TStringList; s: string; i: Integer;\n"
      "begin\n"
      "  s := StringOfChar('x', 100000000); L := TStringList.Create;\n"
      "  for i := 1 to 10 do L.Text := L.Text + s + #10;\n"
      "end;\n",
      "function Fill(var V: Variant): Boolean;\n"
      "var M: array of TMemoryStream; s: string; i: Integer;\n"
      "begin\n"
      "  s := StringOfChar('x', 100000000); SetLength(M, 10);\n"
      "  for i := 0 to 9 do begin M[i] := TMemoryStream.Create; M[i].Write(s, Length(s)); end;\n"
      "end;\n",
  };
  for (const char* attack : attacks) {
    {
      LibraryScript s(std::string(attack) + "begin end.\n");
      ASSERT_TRUE(s.loaded) << s.messages;
      Value v;
      EXPECT_EQ(s.call("Fill", v), "Out Of Memory") << attack;
    }
    EXPECT_EQ(pscript::scriptMemoryInUse(), before) << attack;
  }
}

}  // namespace
}  // namespace tarno
