{ psoracle - command-line runner around the real RemObjects Pascal Script
  engine (Debian package lazarus-src-2.2), used as a reference oracle.

  Engine set-up mirrors the described host program:
    - TPSPreProcessor, MainFileName = '', OnNeedFile reads files from disk
      (main script by full path, includes relative to the current dir);
    - TPSPascalCompiler, OnUses('SYSTEM') registers the host functions and
      the import libraries std, classes, dateutils, dll; any other unit fails;
      with -u also the compile-time halves of the user-interface libraries,
      classes and graphics before controls: std, classes, graphics, controls,
      stdctrls, forms, dateutils, buttons, extctrls, menus, dll (their
      run-time halves need the LCL, so -u scripts are compiled, not run);
      AllowNoBegin and AllowNoEnd are on;
    - TPSExec + TPSRuntimeClassImporter, host functions registered at run time;
    - script entry points have the signature
        function F(var V: Variant): Boolean
      and are called with TPSExec.RunProc on a hand-built parameter list whose
      first item is a btPointer variant aimed at the caller's Variant (so the
      script works on it in place), the second the Boolean result.
  Note: uPSUtils comes after SysUtils in the uses list and shadows StrToInt,
  IntToStr, FloatToStr, StrToFloat; this file qualifies them with SysUtils.

  Usage: see README.md next to this file. }
program psoracle;

{$MODE DELPHI}{$H+}

uses
  {$IFDEF UNIX}cwstring,{$ENDIF}
  SysUtils, Classes, Variants,
  uPSUtils, uPSCompiler, uPSRuntime, uPSPreProcessor,
  uPSC_std, uPSR_std, uPSC_classes, uPSR_classes,
  uPSC_dateutils, uPSR_dateutils, uPSC_dll, uPSR_dll,
  uPSC_graphics, uPSC_controls, uPSC_stdctrls, uPSC_forms, uPSC_buttons,
  uPSC_extctrls, uPSC_menus;

{$IFDEF UNIX}
{$LINKLIB c}
type
  TTimeSpec = record
    tv_sec: Int64;
    tv_nsec: Int64;
  end;

function libc_clock_gettime(clk: LongInt; tp: Pointer): LongInt; cdecl;
  external 'c' name 'clock_gettime';
{$ENDIF}

var
  TraceHost: Boolean = False;   { PSORACLE_TRACE=1: host functions log to stderr }
  Verbose: Boolean = False;     { -v: print hints/warnings even on success }
  AdjustMsgs: Boolean = False;  { -a: map message positions back through includes }
  UiUnits: Boolean = False;     { -u: register the user-interface units at compile time }
  DumpDeclarations: Boolean = False; { declarations mode: print the classes at SYSTEM }
  NoDupRegister: Boolean = False; { PSORACLE_NODUP=1: AllowDuplicateRegister := False }
  CallMode: string = 'ref';     { PSORACLE_CALL=ref|copy|pvar, see DoVarCall }
  StackPresize: LongInt = 0;    { PSORACLE_STACK=bytes: pre-size the VM stack after loading }

function NowNs: Int64;
{$IFDEF UNIX}
var
  ts: TTimeSpec;
begin
  libc_clock_gettime(1 {CLOCK_MONOTONIC}, @ts);
  Result := ts.tv_sec * 1000000000 + ts.tv_nsec;
end;
{$ELSE}
begin
  Result := GetTickCount64 * 1000000;
end;
{$ENDIF}

procedure Trace(const S: string);
begin
  if TraceHost then
    System.WriteLn(StdErr, '[host] ', S);
end;

{ ---------------------------------------------------------------------------
  Host functions (native side). Declarations given to the compiler are in
  RegisterHostCompileTime; these are registered with RegisterDelphiFunction.
  --------------------------------------------------------------------------- }

function H_IntToHexStr(VarIn: LongInt): string;
begin
  Trace('IntToHexStr');
  Result := SysUtils.Format('%x', [VarIn]);
end;

function H_Pos(Substr: string; S: string): Integer;
begin
  Trace('Pos');
  Result := System.Pos(Substr, S);
end;

function H_Copy(S: string; Index: Integer; Count: Integer): string;
begin
  Trace('Copy');
  Result := System.Copy(S, Index, Count);
end;

procedure H_Delete(var S: string; Index: Integer; Count: Integer);
begin
  Trace('Delete');
  System.Delete(S, Index, Count);
end;

function H_Format(const Fmt: string; const Args: array of const): string;
begin
  Trace('Format');
  Result := SysUtils.Format(Fmt, Args);
end;

{ Leading spaces, an optional sign, then decimal digits or hexadecimal digits
  after '$', 'x', 'X', '0x' or '0X'. Code 0 on success, else the 1-based
  position of the first character that cannot be used (1 for an empty text). }
procedure H_ValInt(const S: string; var Res: Integer; var Code: Integer);
var
  I, N, D, Digits: Integer;
  Neg, Hex: Boolean;
  V: QWord;
begin
  Trace('ValInt');
  Res := 0; Code := 0;
  N := Length(S); I := 1;
  while (I <= N) and (S[I] = ' ') do Inc(I);
  Neg := False;
  if (I <= N) and (S[I] in ['+', '-']) then begin Neg := S[I] = '-'; Inc(I); end;
  Hex := False;
  if (I <= N) and (S[I] = '$') then begin Hex := True; Inc(I); end
  else if (I <= N) and (S[I] in ['x', 'X']) then begin Hex := True; Inc(I); end
  else if (I < N) and (S[I] = '0') and (S[I + 1] in ['x', 'X']) then begin Hex := True; Inc(I, 2); end;
  if I > N then begin Code := I; Exit; end;
  V := 0; Digits := 0;
  while I <= N do
  begin
    case S[I] of
      '0'..'9': D := Ord(S[I]) - Ord('0');
      'a'..'f': if Hex then D := Ord(S[I]) - Ord('a') + 10 else D := -1;
      'A'..'F': if Hex then D := Ord(S[I]) - Ord('A') + 10 else D := -1;
    else
      D := -1;
    end;
    if D < 0 then begin Code := I; Exit; end;
    if Hex then
    begin
      if (V <> 0) or (D <> 0) then Inc(Digits);
      if Digits > 8 then begin Code := I; Exit; end;
      V := V * 16 + QWord(D);
    end
    else
    begin
      V := V * 10 + QWord(D);
      if (not Neg and (V > 2147483647)) or (Neg and (V > 2147483648)) then begin Code := I; Exit; end;
    end;
    Inc(I);
  end;
  if Hex then Res := Integer(LongWord(V)) else Res := Integer(Int64(V));
  if Neg then Res := -Res;
end;

procedure H_ValExt(const S: string; var Res: Extended; var Code: Integer);
begin
  Trace('ValExt');
  Val(S, Res, Code);
end;

function H_VarGetIndexed(VarIn: Variant; Index: Integer): Variant;
begin
  Trace('VarGetIndexed');
  if not Variants.VarIsArray(VarIn) then
    Result := VarIn
  else if (Index < VarArrayLowBound(VarIn, 1)) or (Index > VarArrayHighBound(VarIn, 1)) then
    Result := Byte(0)
  else
    Result := VarIn[Index];
end;

procedure H_VarSetIndexed(var VarIn: Variant; Index: Integer; Value: Variant);
begin
  Trace('VarSetIndexed');
  if Variants.VarIsArray(VarIn) and (Index >= VarArrayLowBound(VarIn, 1))
     and (Index <= VarArrayHighBound(VarIn, 1)) then
    VarIn[Index] := Value;
end;

function H_VarArraySize(VarIn: Variant): Integer;
begin
  Trace('VarArraySize');
  if Variants.VarIsArray(VarIn) then
    Result := VarArrayHighBound(VarIn, 1) - VarArrayLowBound(VarIn, 1) + 1
  else
    Result := 0;
end;

function H_VarIsArray(V: Variant): Boolean;
begin
  Trace('VarIsArray');
  Result := Variants.VarIsArray(V);
end;

function H_GetTickCount: LongInt;
begin
  Result := LongInt(Cardinal(GetTickCount64));
end;

{ oracle-only extra: not part of the described host API }
procedure H_WriteLn(S: string);
begin
  System.WriteLn(S);
end;

procedure RegisterHostCompileTime(C: TPSPascalCompiler);
begin
  C.AddDelphiFunction('function IntToHexStr(VarIn: LongInt): string');
  C.AddDelphiFunction('function Pos(Substr: string; S: string): Integer');
  C.AddDelphiFunction('function Copy(S: string; Index: Integer; Count: Integer): string');
  C.AddDelphiFunction('procedure Delete(var S: string; Index: Integer; Count: Integer)');
  C.AddDelphiFunction('function Format(const Format: string; const Args: array of const): string');
  C.AddDelphiFunction('procedure ValInt(const S: string; var Result: Integer; var Code: Integer)');
  C.AddDelphiFunction('procedure ValExt(const S: string; var Result: Extended; var Code: Integer)');
  C.AddDelphiFunction('function VarGetIndexed(VarIn: Variant; Index: Integer): Variant');
  C.AddDelphiFunction('procedure VarSetIndexed(var VarIn: Variant; Index: Integer; Value: Variant)');
  C.AddDelphiFunction('function VarArraySize(VarIn: Variant): Integer');
  C.AddDelphiFunction('function VarIsArray(V: Variant): Boolean');
  C.AddDelphiFunction('function GetTickCount: LongInt');
  C.AddDelphiFunction('procedure WriteLn(S: string)'); { oracle-only extra }
end;

procedure RegisterHostRunTime(E: TPSExec);
begin
  E.RegisterDelphiFunction(@H_IntToHexStr, 'IntToHexStr', cdRegister);
  E.RegisterDelphiFunction(@H_Pos, 'Pos', cdRegister);
  E.RegisterDelphiFunction(@H_Copy, 'Copy', cdRegister);
  E.RegisterDelphiFunction(@H_Delete, 'Delete', cdRegister);
  E.RegisterDelphiFunction(@H_Format, 'Format', cdRegister);
  E.RegisterDelphiFunction(@H_ValInt, 'ValInt', cdRegister);
  E.RegisterDelphiFunction(@H_ValExt, 'ValExt', cdRegister);
  E.RegisterDelphiFunction(@H_VarGetIndexed, 'VarGetIndexed', cdRegister);
  E.RegisterDelphiFunction(@H_VarSetIndexed, 'VarSetIndexed', cdRegister);
  E.RegisterDelphiFunction(@H_VarArraySize, 'VarArraySize', cdRegister);
  E.RegisterDelphiFunction(@H_VarIsArray, 'VarIsArray', cdRegister);
  E.RegisterDelphiFunction(@H_GetTickCount, 'GetTickCount', cdRegister);
  E.RegisterDelphiFunction(@H_WriteLn, 'WriteLn', cdRegister);
end;

{ ---------------------------------------------------------------------------
  Preprocessor / compiler callbacks
  --------------------------------------------------------------------------- }

function ReadWholeFile(const FileName: string; out Data: tbtString): Boolean;
var
  FS: TFileStream;
begin
  Result := False;
  Data := '';
  if not FileExists(FileName) then Exit;
  FS := TFileStream.Create(FileName, fmOpenRead or fmShareDenyNone);
  try
    SetLength(Data, FS.Size);
    if FS.Size > 0 then
      FS.ReadBuffer(Data[1], FS.Size);
    Result := True;
  finally
    FS.Free;
  end;
end;

// main script arrives by full path; an include directive's file name arrives
// exactly as written and is therefore resolved against the current directory
function PPNeedFile(Sender: TPSPreProcessor; const CallingFileName: tbtString;
  var FileName, Output: tbtString): Boolean;
begin
  Result := ReadWholeFile(string(FileName), Output);
end;

{ The classes the registered libraries declare, with their members' names,
  kinds and parameter and result types, sorted by name: the declarations the
  compiler accepted, so dropped members (unknown types) do not appear. }
function TypeText(T: TPSType): string;
begin
  if T = nil then
    Result := '?'
  else if (T is TPSArrayType) and ((T.Name = '') or (T.Name[1] = '!')) then
    Result := 'ARRAY OF ' + TypeText(TPSArrayType(T).ArrayTypeNo)
  else if (T.Name = 'NATIVESTRING') or (T.Name = 'PCHAR') or (T.Name = 'ANSISTRING') then
    Result := 'STRING'  { one string type in the engine it is compared with }
  else if T.Name <> '' then
    Result := string(T.Name)
  else
    Result := '?';
end;

function ParamsText(D: TPSParametersDecl; First: Integer): string;
var
  i: Integer;
begin
  Result := '';
  for i := First to D.ParamCount - 1 do
  begin
    if Result <> '' then Result := Result + ', ';
    case D.Params[i].Mode of
      pmOut: Result := Result + 'out ';
      pmInOut: Result := Result + 'var ';
    else ;
    end;
    Result := Result + TypeText(D.Params[i].aType);
  end;
end;

function ItemText(It: TPSDelphiClassItem): string;
const
  Access: array[TPSPropType] of string = ('rw', 'r', 'w');
var
  P: string;
begin
  if It is TPSDelphiClassItemProperty then
  begin
    P := ParamsText(It.Decl, 0);
    if P <> '' then P := '[' + P + ']';
    Result := 'property ' + string(It.Name) + P + ': ' + TypeText(It.Decl.Result) + ' ' +
      Access[TPSDelphiClassItemProperty(It).AccessType];
    Exit;
  end;
  if It is TPSDelphiClassItemConstructor then Result := 'constructor '
  else if It.Decl.Result <> nil then Result := 'function '
  else Result := 'procedure ';
  Result := Result + string(It.Name);
  P := ParamsText(It.Decl, 0);
  if P <> '' then Result := Result + '(' + P + ')';
  if (It.Decl.Result <> nil) and not (It is TPSDelphiClassItemConstructor) then
    Result := Result + ': ' + TypeText(It.Decl.Result);
end;

{ byte order, whatever the locale's collation says }
function ByteOrder(List: TStringList; A, B: Integer): Integer;
begin
  Result := CompareStr(List[A], List[B]);
end;

procedure PrintDeclarations(C: TPSPascalCompiler);
var
  Classes, Items: TStringList;
  T: TPSType;
  Cl: TPSCompileTimeClass;
  i, j: Integer;
  Head: string;
begin
  Classes := TStringList.Create;
  Items := TStringList.Create;
  try
    for i := 0 to C.GetTypeCount - 1 do
    begin
      T := C.GetType(i);
      if not (T is TPSClassType) then Continue;
      Cl := TPSClassType(T).Cl;
      Head := 'class ' + string(T.Name);
      if Cl.ClassInheritsFrom <> nil then
        Head := Head + '(' + string(Cl.ClassInheritsFrom.aType.Name) + ')';
      Items.Clear;
      for j := 0 to Cl.Count - 1 do
        Items.Add('  ' + ItemText(Cl.Items[j]));
      Items.CustomSort(@ByteOrder);
      if Items.Count > 0 then Head := Head + LineEnding + TrimRight(Items.Text);
      Classes.Add(Head);
    end;
    Classes.CustomSort(@ByteOrder);
    for i := 0 to Classes.Count - 1 do
      System.WriteLn(Classes[i]);
  finally
    Items.Free;
    Classes.Free;
  end;
end;

function CompUses(Sender: TPSPascalCompiler; const Name: tbtString): Boolean;
begin
  if Name = 'SYSTEM' then
  begin
    RegisterHostCompileTime(Sender);
    SIRegister_Std(Sender);
    SIRegister_Classes(Sender, True);
    if UiUnits then
    begin
      SIRegister_Graphics(Sender, True);
      SIRegister_Controls(Sender);
      SIRegister_StdCtrls(Sender);
      SIRegister_Forms(Sender);
    end;
    RegisterDateTimeLibrary_C(Sender);
    if UiUnits then
    begin
      SIRegister_Buttons(Sender);
      SIRegister_ExtCtrls(Sender);
      SIRegister_Menus(Sender);
    end;
    RegisterDll_Compiletime(Sender);
    if DumpDeclarations then PrintDeclarations(Sender);
    Result := True;
  end
  else
    Result := False; { no message is produced by the engine in this case }
end;

{ ---------------------------------------------------------------------------
  Script host object
  --------------------------------------------------------------------------- }

type
  { gives access to the protected VM stack }
  TExecAccess = class(TPSExec);

  TScriptHost = class
  public
    PP: TPSPreProcessor;
    Comp: TPSPascalCompiler;
    Exec: TPSExec;
    CI: TPSRuntimeClassImporter;
    constructor Create;
    destructor Destroy; override;
    function Load(const ScriptFile: string; CompileOnly: Boolean = False): Boolean;
  end;

  { a prepared call of  function F(var V: Variant): Boolean  }
  TVarCall = record
    ProcNo: Cardinal;
    Name: string;
    Params: TPSList;
    PV, PR: PPSVariant;   { PV: btPointer (ref mode) or btVariant (copy mode) }
    VarTypeRec: TPSTypeRec;
  end;

constructor TScriptHost.Create;
begin
  inherited Create;
  PP := TPSPreProcessor.Create;
  PP.OnNeedFile := PPNeedFile;
  PP.MainFileName := '';
  Comp := TPSPascalCompiler.Create;
  Comp.OnUses := CompUses;
  Comp.AllowNoBegin := True;
  Comp.AllowNoEnd := True;
  if NoDupRegister then
    Comp.AllowDuplicateRegister := False;
  Exec := TPSExec.Create;
  CI := TPSRuntimeClassImporter.Create;
  RIRegister_Std(CI);
  RIRegister_Classes(CI, True);
  RegisterClassLibraryRuntime(Exec, CI);
  RegisterDateTimeLibrary_R(Exec);
  RegisterDLLRuntime(Exec);
  RegisterHostRunTime(Exec);
end;

destructor TScriptHost.Destroy;
begin
  Exec.Free;
  CI.Free;
  Comp.Free;
  PP.Free;
  inherited Destroy;
end;

procedure PrintMessages(C: TPSPascalCompiler);
var
  i: Integer;
  M: TPSPascalCompilerMessage;
begin
  for i := 0 to C.MsgCount - 1 do
  begin
    M := C.Msg[i];
    System.WriteLn(Format('Error: %s at [%d, %d]', [M.Param, M.Row, M.Col]));
    System.WriteLn(M.MessageToString);
  end;
end;

function TScriptHost.Load(const ScriptFile: string; CompileOnly: Boolean): Boolean;
var
  Source, Code: tbtString;
begin
  Result := False;
  try
    PP.PreProcess(tbtString(ExpandFileName(ScriptFile)), Source);
  except
    on E: Exception do
    begin
      System.WriteLn('Preprocessor error: ', E.ClassName, ': ', E.Message);
      Exit;
    end;
  end;
  if not Comp.Compile(Source) then
  begin
    if AdjustMsgs then PP.AdjustMessages(Comp);
    System.WriteLn('Compile failed (', Comp.MsgCount, ' message(s))');
    PrintMessages(Comp);
    Exit;
  end;
  if AdjustMsgs then PP.AdjustMessages(Comp);
  if Verbose and (Comp.MsgCount > 0) then
  begin
    System.WriteLn('Compiled with ', Comp.MsgCount, ' message(s):');
    PrintMessages(Comp);
  end;
  if CompileOnly then
  begin
    System.WriteLn('Compiled');
    Result := True;
    Exit;
  end;
  Comp.GetOutput(Code);
  if not Exec.LoadData(Code) then
  begin
    System.WriteLn('Load failed: ', PSErrorToString(Exec.ExceptionCode, Exec.ExceptionString));
    Exit;
  end;
  { The engine's stack reallocation (TPSStack.SetCapacity) leaves stale
    pointers: recursion a few hundred frames deep then gives wrong results or
    access violations. Off by default so the oracle keeps the real behaviour. }
  if StackPresize > 0 then
    TExecAccess(Exec).FStack.Capacity := StackPresize;
  Result := True;
end;

{ find an internal (script) procedure by name; externals are skipped }
function FindScriptProc(E: TPSExec; const Name: string): Cardinal;
var
  i: Cardinal;
  U: tbtString;
  P: TPSProcRec;
begin
  U := FastUpperCase(tbtString(Name));
  if E.GetProcCount > 0 then
    for i := E.GetProcCount - 1 downto 0 do
    begin
      P := E.GetProcNo(i);
      if (P is TPSInternalProcRec) and (TPSInternalProcRec(P).ExportName = U) then
      begin
        Result := i;
        Exit;
      end;
    end;
  Result := InvalidVal;
end;

{ Prepare a call: checks that the export declaration is
  "function(var Variant): Boolean" and pre-allocates the parameter list for
  TPSExec.RunProc (parameters last-to-first, then the result):
  Params[0] = the Variant argument, Params[1] = the Boolean result.
  In 'ref' mode Params[0] is a btPointer variant whose DataDest is set to the
  caller's own Variant before each call, so the script works on it in place
  (true by-reference, no copies).  Returns '' or an error text. }
function PrepareVarCall(E: TPSExec; const Name: string; out C: TVarCall): string;
var
  Decl, ResS, ParS: tbtString;
  RT, PT: TPSTypeRec;
begin
  Result := '';
  FillChar(C, SizeOf(C), 0);
  C.Name := Name;
  C.ProcNo := FindScriptProc(E, Name);
  if C.ProcNo = InvalidVal then
  begin
    Result := 'function not found';
    Exit;
  end;
  Decl := TPSInternalProcRec(E.GetProcNo(C.ProcNo)).ExportDecl;
  ResS := GRFW(Decl);           { result type number or -1 }
  ParS := GRFW(Decl);           { '!N' = var param, '@N' = value param }
  if (ResS = '-1') or (ParS = '') or (Decl <> '') or (ParS[1] <> '!') then
  begin
    Result := 'signature is not function(var V: Variant): Boolean';
    Exit;
  end;
  RT := E.GetTypeNo(SysUtils.StrToInt(string(ResS)));
  PT := E.GetTypeNo(SysUtils.StrToInt(string(Copy(ParS, 2, MaxInt))));
  if (PT = nil) or (PT.BaseType <> btVariant) or (RT = nil) or (RT.RealSize <> 1) then
  begin
    Result := 'signature is not function(var V: Variant): Boolean';
    Exit;
  end;
  C.VarTypeRec := PT;
  if CallMode = 'copy' then
    C.PV := CreateHeapVariant(PT)
  else
    C.PV := CreateHeapVariant(E.FindType2(btPointer));
  C.PR := CreateHeapVariant(RT);
  C.Params := TPSList.Create;
  C.Params.Add(C.PV);
  C.Params.Add(C.PR);
end;

procedure FreeVarCall(var C: TVarCall);
begin
  if C.Params <> nil then
  begin
    DestroyHeapVariant(C.PV);
    DestroyHeapVariant(C.PR);
    C.Params.Free;
  end;
  FillChar(C, SizeOf(C), 0);
end;

function ParamVariant(const C: TVarCall): PVariant; inline;
begin
  Result := PVariant(@PPSVariantData(C.PV)^.Data);
end;

{ Run one call on V (in place in 'ref' mode; copied in and out in 'copy'
  mode; through TPSExec.RunProcPVar in 'pvar' mode).
  Returns True if no script exception; Err receives the engine's text. }
function DoVarCall(E: TPSExec; var C: TVarCall; var V: Variant; out Ret: Boolean;
  out Err: string): Boolean;
var
  Arr: array of Variant;
  R: Variant;
begin
  Err := '';
  Ret := False;
  if CallMode = 'pvar' then
  begin
    SetLength(Arr, 1);
    Arr[0] := V;
    try
      R := E.RunProcPVar(Arr, C.ProcNo);
      V := Arr[0];
      Ret := Boolean(R);
      Result := True;
    except
      on Ex: Exception do
      begin
        Err := Ex.Message;
        Result := False;
      end;
    end;
    Exit;
  end;
  if CallMode = 'copy' then
    ParamVariant(C)^ := V
  else
  begin
    PPSVariantPointer(C.PV)^.DataDest := @V;
    PPSVariantPointer(C.PV)^.DestType := C.VarTypeRec;
    PPSVariantPointer(C.PV)^.FreeIt := False;
  end;
  PByte(@PPSVariantData(C.PR)^.Data)^ := 0;
  E.RunProc(C.Params, C.ProcNo);
  if E.ExceptionCode <> erNoError then
  begin
    Err := string(PSErrorToString(E.ExceptionCode, E.ExceptionString));
    Result := False;
  end
  else
    Result := True;
  if CallMode = 'copy' then
    V := ParamVariant(C)^
  else
    PPSVariantPointer(C.PV)^.DataDest := nil;
  Ret := PByte(@PPSVariantData(C.PR)^.Data)^ <> 0;
end;

{ ---------------------------------------------------------------------------
  Printing helpers
  --------------------------------------------------------------------------- }

function VarDesc(const V: Variant): string;
var
  T: TVarType;
begin
  if Variants.VarIsArray(V) then
  begin
    Result := 'array[' + SysUtils.IntToStr(VarArrayLowBound(V, 1)) + '..' +
      SysUtils.IntToStr(VarArrayHighBound(V, 1)) + ']';
    Exit;
  end;
  T := VarType(V);
  case T of
    varEmpty: Result := 'varEmpty';
    varNull: Result := 'varNull';
    varOleStr, varString, varUString:
      Result := VarTypeAsText(T) + ' ''' + VarToStr(V) + '''';
  else
    try
      Result := VarTypeAsText(T) + ' ' + VarToStr(V);
    except
      Result := VarTypeAsText(T) + ' <unprintable>';
    end;
  end;
end;

procedure PrintVar(const Prefix: string; const V: Variant);
var
  i: Integer;
begin
  System.WriteLn(Prefix, VarDesc(V));
  if Variants.VarIsArray(V) then
    for i := VarArrayLowBound(V, 1) to VarArrayHighBound(V, 1) do
      System.WriteLn(StringOfChar(' ', Length(Prefix)), '[', i, '] ', VarDesc(V[i]));
end;

function ErrorText(const Name, Msg: string): string;
begin
  Result := 'Error in execution of function ' + Name + ' -> ' + Msg;
end;

{ ---------------------------------------------------------------------------
  Modes
  --------------------------------------------------------------------------- }

function CallNamed(H: TScriptHost; const Name: string; var V: Variant;
  Required: Boolean): Boolean;
var
  C: TVarCall;
  Err: string;
  Ret: Boolean;
begin
  Result := True;
  Err := PrepareVarCall(H.Exec, Name, C);
  if Err <> '' then
  begin
    if Required or (Err <> 'function not found') then
    begin
      System.WriteLn(ErrorText(Name, Err));
      Result := False;
    end
    else
      System.WriteLn(Name, ': not defined, skipped');
    Exit;
  end;
  try
    if DoVarCall(H.Exec, C, V, Ret, Err) then
    begin
      System.WriteLn(Name, ' -> ', BoolToStr(Ret, True));
      PrintVar('  V = ', V);
    end
    else
    begin
      System.WriteLn(ErrorText(Name, Err));
      if CallMode <> 'pvar' then
        System.WriteLn('  (engine: code=', Ord(H.Exec.ExceptionCode),
          ' procno=', H.Exec.ExceptionProcNo, ' pos=', H.Exec.ExceptionPos, ')');
      Result := False;
    end;
  finally
    FreeVarCall(C);
  end;
end;

function ModeRun(const Script: string): Integer;
var
  H: TScriptHost;
  V: Variant;
  ok: Boolean;
begin
  Result := 1;
  H := TScriptHost.Create;
  try
    if not H.Load(Script) then Exit;
    ok := True;
    V := Unassigned;
    if not CallNamed(H, 'Initialize', V, False) then ok := False;
    V := Unassigned;
    if not CallNamed(H, 'Main', V, False) then ok := False;
    V := Unassigned;
    if not CallNamed(H, 'Finalize', V, False) then ok := False;
    if ok then Result := 0 else Result := 2;
  finally
    H.Free;
  end;
end;

{ compiles without loading or running: for scripts whose classes have no
  run-time half here (-u) }
function ModeCompile(const Script: string): Integer;
var
  H: TScriptHost;
begin
  H := TScriptHost.Create;
  try
    if H.Load(Script, True) then Result := 0 else Result := 1;
  finally
    H.Free;
  end;
end;

function ModeDeclarations(const Script: string): Integer;
begin
  DumpDeclarations := True;
  Result := ModeCompile(Script);
end;

function ParseByteArg(const S: string): Integer;
begin
  Result := SysUtils.StrToInt(S);
  if (Result < 0) or (Result > 255) then
    raise Exception.CreateFmt('byte out of range: %s', [S]);
end;

{ typechar: a single character is taken as its code (e.g. N -> 78);
  anything longer is read as a number (decimal or $hex) }
function ParseTypeChar(const S: string): Integer;
begin
  if Length(S) = 1 then
    Result := Ord(S[1])
  else
    Result := ParseByteArg(S);
end;

function BuildArray(const B0, B1, B2, B3, ElemSize, TypeChar, Text: string): Variant;
begin
  Result := VarArrayCreate([0, 6], varVariant);
  Result[0] := Byte(ParseByteArg(B0));
  Result[1] := Byte(ParseByteArg(B1));
  Result[2] := Byte(ParseByteArg(B2));
  Result[3] := Byte(ParseByteArg(B3));
  Result[4] := Integer(SysUtils.StrToInt(ElemSize));
  Result[5] := Byte(ParseTypeChar(TypeChar));
  Result[6] := WideString(UTF8Decode(Text));
end;

function ModeConvert(const Script, Func: string; const A: array of string): Integer;
var
  H: TScriptHost;
  V: Variant;
begin
  Result := 1;
  H := TScriptHost.Create;
  try
    if not H.Load(Script) then Exit;
    V := BuildArray(A[0], A[1], A[2], A[3], A[4], A[5], A[6]);
    if CallNamed(H, Func, V, True) then Result := 0 else Result := 2;
  finally
    H.Free;
  end;
end;

function ModeBench(const Script, Func: string; N: Int64; const A: array of string): Integer;
var
  H: TScriptHost;
  C: TVarCall;
  Orig, V: Variant;
  Err: string;
  Ret: Boolean;
  i: Int64;
  t0, t1, tCalls, tLoop0, tLoop, tCal: Int64;
  nsPerCall: Double;
begin
  Result := 1;
  H := TScriptHost.Create;
  try
    if not H.Load(Script) then Exit;
    Err := PrepareVarCall(H.Exec, Func, C);
    if Err <> '' then
    begin
      System.WriteLn(ErrorText(Func, Err));
      Exit;
    end;
    try
      if Length(A) >= 7 then
        Orig := BuildArray(A[0], A[1], A[2], A[3], A[4], A[5], A[6])
      else
        Orig := BuildArray('0', '100', '0', '0', '2', 'N', '');
      { warm-up call, also checks that the function works }
      V := Orig;
      if not DoVarCall(H.Exec, C, V, Ret, Err) then
      begin
        System.WriteLn(ErrorText(Func, Err));
        Result := 2;
        Exit;
      end;
      { timer calibration: cost of one start/stop pair }
      t0 := NowNs;
      for i := 1 to 100000 do
      begin
        t1 := NowNs;
        t1 := NowNs;
      end;
      tCal := (NowNs - t0) div 100000;

      tCalls := 0;
      tLoop0 := NowNs;
      for i := 1 to N do
      begin
        V := Orig;                  { reset the array: not timed }
        t0 := NowNs;
        if not DoVarCall(H.Exec, C, V, Ret, Err) then
        begin
          System.WriteLn(ErrorText(Func, Err));
          Result := 2;
          Exit;
        end;
        t1 := NowNs;
        Inc(tCalls, t1 - t0);
      end;
      tLoop := NowNs - tLoop0;
      nsPerCall := (tCalls - tCal * N) / N;
      System.WriteLn(Format('bench %s: %d calls, last result %s',
        [Func, N, BoolToStr(Ret, True)]));
      System.WriteLn(Format('  calls only : %.1f ns/call, %.0f calls/s (timer pair %d ns subtracted)',
        [nsPerCall, 1e9 / nsPerCall, tCal]));
      System.WriteLn(Format('  whole loop : %.1f ns/iteration incl. array reset and timers',
        [tLoop / N]));
      PrintVar('  last V = ', V);
      Result := 0;
    finally
      FreeVarCall(C);
    end;
  finally
    H.Free;
  end;
end;

{ demonstrates TPSExec.GetProcAsMethodN on this platform }
function ModeMethodProbe(const Script, Func: string): Integer;
type
  TVarFunc = function(var V: Variant): Boolean of object;
var
  H: TScriptHost;
  M: TMethod;
  V: Variant;
  R: Boolean;
begin
  Result := 1;
  H := TScriptHost.Create;
  try
    if not H.Load(Script) then Exit;
    M := H.Exec.GetProcAsMethodN(tbtString(Func));
    System.WriteLn('GetProcAsMethodN: Code=', PtrUInt(M.Code) <> 0, ' Data=', PtrUInt(M.Data) <> 0);
    if M.Code = nil then Exit;
    V := VarArrayOf([1, 2, 3, 4, 5, 6, '']);
    R := TVarFunc(M)(V);
    System.WriteLn('returned ', Ord(R), ' (raw byte)');
    PrintVar('  V = ', V);
    Result := 0;
  finally
    H.Free;
  end;
end;

procedure Usage;
begin
  System.WriteLn('usage: psoracle [-v] [-a] [-u] run SCRIPT');
  System.WriteLn('       psoracle [-v] [-a] [-u] compile SCRIPT');
  System.WriteLn('       psoracle [-u] declarations SCRIPT  # the classes and members it declares');
  System.WriteLn('       psoracle [-v] [-a] convert SCRIPT FUNC b0 b1 b2 b3 elemsize typechar text');
  System.WriteLn('       psoracle bench SCRIPT FUNC N [b0 b1 b2 b3 elemsize typechar text]');
  System.WriteLn('       psoracle methodprobe SCRIPT FUNC');
  System.WriteLn('-u: also the compile-time user-interface units (controls, forms, ...)');
  System.WriteLn('env: PSORACLE_TRACE=1 log host calls to stderr; PSORACLE_NODUP=1 set');
  System.WriteLn('     AllowDuplicateRegister := False; PSORACLE_CALL=ref|copy|pvar how V is passed;');
  System.WriteLn('     PSORACLE_STACK=BYTES pre-size the VM stack (works around deep-recursion bug)');
end;

var
  Args: array of string;
  i, ArgC: Integer;
  Mode: string;
  Extra: array of string;
begin
  TraceHost := GetEnvironmentVariable('PSORACLE_TRACE') = '1';
  NoDupRegister := GetEnvironmentVariable('PSORACLE_NODUP') = '1';
  if GetEnvironmentVariable('PSORACLE_CALL') <> '' then
    CallMode := GetEnvironmentVariable('PSORACLE_CALL');
  StackPresize := SysUtils.StrToIntDef(GetEnvironmentVariable('PSORACLE_STACK'), 0);
  ArgC := 0;
  SetLength(Args, ParamCount);
  for i := 1 to ParamCount do
  begin
    if ParamStr(i) = '-v' then Verbose := True
    else if ParamStr(i) = '-a' then AdjustMsgs := True
    else if ParamStr(i) = '-u' then UiUnits := True
    else
    begin
      Args[ArgC] := ParamStr(i);
      Inc(ArgC);
    end;
  end;
  SetLength(Args, ArgC);
  if ArgC < 2 then
  begin
    Usage;
    Halt(64);
  end;
  Mode := Args[0];
  try
    if (Mode = 'run') and (ArgC = 2) then
      ExitCode := ModeRun(Args[1])
    else if (Mode = 'compile') and (ArgC = 2) then
      ExitCode := ModeCompile(Args[1])
    else if (Mode = 'declarations') and (ArgC = 2) then
      ExitCode := ModeDeclarations(Args[1])
    else if (Mode = 'convert') and (ArgC = 10) then
      ExitCode := ModeConvert(Args[1], Args[2], Copy(Args, 3, 7))
    else if (Mode = 'bench') and ((ArgC = 4) or (ArgC = 11)) then
    begin
      Extra := Copy(Args, 4, 7);
      ExitCode := ModeBench(Args[1], Args[2], StrToInt64(Args[3]), Extra);
    end
    else if (Mode = 'methodprobe') and (ArgC = 3) then
      ExitCode := ModeMethodProbe(Args[1], Args[2])
    else
    begin
      Usage;
      ExitCode := 64;
    end;
  except
    on E: Exception do
    begin
      System.WriteLn('psoracle: ', E.ClassName, ': ', E.Message);
      ExitCode := 3;
    end;
  end;
end.
