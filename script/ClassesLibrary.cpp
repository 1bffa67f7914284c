// The classes import library: its types and constants, then its classes in
// the reference's order (TStream before TStrings, which refers to it).
#include "ClassLibraries.h"

#include <pscript/pscript.h>

namespace tarno {

namespace {
constexpr const char* kClassesDeclarations =
    "const soFromBeginning = 0; soFromCurrent = 1; soFromEnd = 2;"
    "toEOF = #0; toSymbol = #1; toString = #2; ToInteger = #3; toFloat = #4;"
    "fmCreate = $FFFF; fmOpenRead = 0; fmOpenWrite = 1; fmOpenReadWrite = 2;"
    "fmShareCompat = 0; fmShareExclusive = $10; fmShareDenyWrite = $20; fmShareDenyRead = $30;"
    "fmShareDenyNone = $40; SecsPerDay = 86400; MSecPerDay = 86400000; DateDelta = 693594;"
    "type TAlignment = (taLeftJustify, taRightJustify, taCenter);"
    "THelpEvent = function(Command: Word; Data: LongInt; var CallHelp: Boolean): Boolean;"
    "TGetStrProc = procedure(const S: string);"
    "TDuplicates = (dupIgnore, dupAccept, dupError);"
    "TOperation = (opInsert, opRemove);"
    "THandle = LongInt;"
    "TNotifyEvent = procedure(Sender: TObject);";
}  // namespace

void DeclareClassesLibrary(pscript::Compiler& compiler) {
  compiler.addDeclarations(kClassesDeclarations);
  DeclareStreamBase(compiler);
  DeclareStringListClasses(compiler);
  DeclareBitsClass(compiler);
  DeclareStreamClasses(compiler);
  DeclareParserClass(compiler);
  DeclareCollectionClasses(compiler);
}

void BindClassesLibrary(pscript::ClassImporter& importer) {
  BindStreamClasses(importer);
  BindStringListClasses(importer);
  BindBitsClass(importer);
  BindParserClass(importer);
  BindCollectionClasses(importer);
}

}  // namespace tarno
