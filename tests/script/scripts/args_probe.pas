{ Conversion functions that show what the host passes and keeps in the array. }
function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

{ Appends "b0.b1.b2.b3/size/type" and bumps index 4, which the host keeps. }
function Probe_DataToText(var V: Variant): Boolean;
var
  S: string;
  N: Integer;
begin
  S := VarGetIndexed(V, 6);
  S := S + IntToStr(VarGetIndexed(V, 0)) + '.' + IntToStr(VarGetIndexed(V, 1)) + '.' +
       IntToStr(VarGetIndexed(V, 2)) + '.' + IntToStr(VarGetIndexed(V, 3)) + '/' +
       IntToStr(VarGetIndexed(V, 4)) + '/' + IntToStr(VarGetIndexed(V, 5)) + ';';
  VarSetIndexed(V, 6, S);
  N := VarGetIndexed(V, 4);
  VarSetIndexed(V, 4, N + 10);
  Result := True;
end;

{ Leaves values that are wider than a byte, or no number at all. }
function Wide_TextToData(var V: Variant): Boolean;
begin
  VarSetIndexed(V, 0, 258);
  VarSetIndexed(V, 1, -1);
  VarSetIndexed(V, 2, 'not a number');
  VarSetIndexed(V, 3, 'x');
  VarSetIndexed(V, 6, '');
  Result := True;
end;

{ Replaces the whole array by a number. }
function Clobber_TextToData(var V: Variant): Boolean;
begin
  V := 5;
  Result := True;
end;

function Stop_DataToText(var V: Variant): Boolean;
begin
  Result := False;
end;
