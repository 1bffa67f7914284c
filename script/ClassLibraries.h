// The std and classes import libraries: compile-time declarations and
// run-time bindings of TObject, TComponent, TStrings, streams and TBits.
#pragma once

namespace pscript {
class Compiler;
class ClassImporter;
}  // namespace pscript

namespace tarno {

// TObject, TPersistent, TComponent and their types.
void DeclareStdClasses(pscript::Compiler& compiler);
void BindStdClasses(pscript::ClassImporter& importer);

// TStrings and TStringList (needs TStream declared first).
void DeclareStringListClasses(pscript::Compiler& compiler);
void BindStringListClasses(pscript::ClassImporter& importer);

// TStream first (TStrings refers to it), the other streams after TBits.
void DeclareStreamBase(pscript::Compiler& compiler);
void DeclareStreamClasses(pscript::Compiler& compiler);
void BindStreamClasses(pscript::ClassImporter& importer);

void DeclareBitsClass(pscript::Compiler& compiler);
void BindBitsClass(pscript::ClassImporter& importer);

// TParser, a token reader over a TStream (needs the streams declared first).
void DeclareParserClass(pscript::Compiler& compiler);
void BindParserClass(pscript::ClassImporter& importer);

// TCollection, TCollectionItem and TOwnedCollection.
void DeclareCollectionClasses(pscript::Compiler& compiler);
void BindCollectionClasses(pscript::ClassImporter& importer);

// The classes library as a whole: its types and constants, then the classes.
void DeclareClassesLibrary(pscript::Compiler& compiler);
void BindClassesLibrary(pscript::ClassImporter& importer);

}  // namespace tarno
