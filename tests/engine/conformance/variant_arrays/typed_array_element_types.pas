{ A dynamic array assigned to a Variant: its elements keep their own var
  types (Integer, Boolean, Byte, enumerations as Byte), characters and
  strings become OleStr. }
type TE = (eA, eB);
function Main(var V: Variant): Boolean;
var Z: Variant; IA: array of Integer; BA: array of Boolean; CA: array of Char; YA: array of Byte; DA: array of Double; EN: array of TE; LA: array of Int64; WA: array of WideString;
  SA: array[0..1] of Integer;
begin
  IA := [1, 2]; Z := IA; WriteLn('Integer ' + IntToStr(VarType(Z[0])));
  SetLength(BA, 1); BA[0] := True; Z := BA; WriteLn('Boolean ' + IntToStr(VarType(Z[0])));
  SetLength(CA, 1); CA[0] := 'x'; Z := CA; WriteLn('Char ' + IntToStr(VarType(Z[0])));
  SetLength(YA, 1); YA[0] := 7; Z := YA; WriteLn('Byte ' + IntToStr(VarType(Z[0])));
  SetLength(DA, 1); DA[0] := 7; Z := DA; WriteLn('Double ' + IntToStr(VarType(Z[0])));
  SetLength(EN, 1); EN[0] := eB; Z := EN; WriteLn('enum ' + IntToStr(VarType(Z[0])));
  SetLength(LA, 1); LA[0] := 7; Z := LA; WriteLn('Int64 ' + IntToStr(VarType(Z[0])));
  SetLength(WA, 1); WA[0] := 'w'; Z := WA; WriteLn('WideString ' + IntToStr(VarType(Z[0])));
  V := BA;
  Result := True;
end;
