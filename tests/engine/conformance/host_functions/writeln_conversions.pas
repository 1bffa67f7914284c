{ The runner's WriteLn(S: string) with Char, WideString and Variant arguments
  (a non-clashing host function converts its arguments). }
function Main(var V: Variant): Boolean;
var
  C: Char;
  W: WideString;
  X: Variant;
begin
  C := 'c'; WriteLn(C);
  W := 'wide'; WriteLn(W);
  X := 'variant'; WriteLn(X);
  X := 42; WriteLn(X);
  WriteLn('');
  WriteLn('after empty line');
  Result := True;
end;
