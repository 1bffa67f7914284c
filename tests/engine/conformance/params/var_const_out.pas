{ Parameter modes: value, var, const, out for integers, strings and reals. }
procedure ByValue(I: Integer; S: string);
begin
  I := I + 1; S := S + '!';
end;
procedure ByVar(var I: Integer; var S: string; var D: Double);
begin
  I := I + 1; S := S + '!'; D := D * 2;
end;
function ByConst(const I: Integer; const S: string): string;
begin
  Result := S + IntToStr(I);
end;
procedure ByOut(out I: Integer; out S: string);
begin
  I := 42; S := 'out';
end;
procedure OutReadsOld(out I: Integer);
begin
  I := I + 1;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
  D: Double;
begin
  I := 1; S := 'a'; D := 1.5;
  ByValue(I, S); WriteLn('value: ' + IntToStr(I) + ' ' + S);
  ByVar(I, S, D); WriteLn('var: ' + IntToStr(I) + ' ' + S + ' ' + FloatToStr(D));
  WriteLn('const: ' + ByConst(I, S));
  ByOut(I, S); WriteLn('out: ' + IntToStr(I) + ' ' + S);
  I := 10; OutReadsOld(I); WriteLn('out reads old value: ' + IntToStr(I));
  Result := True;
end;
