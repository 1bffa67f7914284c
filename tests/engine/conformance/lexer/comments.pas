{ All three comment forms, comments containing the other forms' delimiters,
  and comment text that looks like code. }
function Main(var V: Variant): Boolean;
var
  I: Integer; // a line comment ends at the line break
begin
  I := 1; { brace comment with (* inside *) and // inside }
  I := I + (* paren-star with { brace } inside *) 2;
  // I := 100;
  { I := 200; }
  (* I := 300; *)
  I := I {inline} * {again} 10;
  WriteLn('I=' + IntToStr(I));
  WriteLn('text with { and (* and // is not a comment');
  I := 5 //* not a paren comment start after a line comment
  ;
  WriteLn('I=' + IntToStr(I));
  Result := True;
end;
