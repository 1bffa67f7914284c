{ A Variant stored into a Byte, Word, Char, WideChar, Boolean or enumeration:
  a one-character text gives its character code, a longer text is a Type
  Mismatch, a number converts (rounding to even) and wraps. Wider integers
  parse the text as a number. LongBool takes the number whole. }
type TE = (eA, eB, eC);
procedure Show(const What: string; X: Variant);
var B: Byte; W: Word; C: Char; Bo: Boolean; E: TE; I: Integer; SI: ShortInt; LB: LongBool; V: Variant;
begin
  try
    B := X; W := X; C := X; Bo := X; E := X; I := X; SI := X; LB := X;
    V := LB;
    WriteLn(What + ': Byte ' + IntToStr(B) + ' Word ' + IntToStr(W) + ' Char ' + IntToStr(Ord(C)) +
      ' Boolean ' + IntToStr(Ord(Bo)) + ' enum ' + IntToStr(Ord(E)) + ' Integer ' + IntToStr(I) +
      ' ShortInt ' + IntToStr(SI) + ' LongBool ' + IntToStr(VarType(V)) + '/' + IntToStr(V));
  except
    WriteLn(What + ': ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
end;
function Main(var V: Variant): Boolean;
begin
  Show('''7''', '7');
  Show('300', 300);
  Show('-1', -1);
  Show('2.5', 2.5);
  Show('3.5', 3.5);
  Show('True', True);
  Show('Unassigned', Unassigned);
  Show('5000000000', 5000000000);
  Show('''12''', '12');
  Show('Null', Null);
  Result := True;
end;
