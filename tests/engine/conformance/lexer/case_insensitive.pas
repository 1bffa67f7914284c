{ Keywords and identifiers are case-insensitive; globals, routines and types too. }
TYPE
  tmyrec = RECORD
    FieldOne: INTEGER;
  END;

VAR
  GlobalCounter: integer;

PROCEDURE Bump;
BEGIN
  globalcounter := GLOBALCOUNTER + 1;
END;

Function Main(Var V: Variant): Boolean;
Var
  R: TMYREC;
  s: STRING;
Begin
  BUMP; bump; BuMp;
  r.fieldone := 7;
  S := 'Mixed';
  writeln('counter=' + inttostr(GlobalCounter));
  WRITELN('field=' + IntToStr(R.FIELDONE));
  WriteLn(s + ' ' + UPPERCASE(s) + ' ' + lowercase(S));
  RESULT := TRUE;
END;
