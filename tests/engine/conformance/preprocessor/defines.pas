{ DEFINE, UNDEF, IFDEF, IFNDEF, ELSE, ENDIF, nesting, and the predefined symbols. }
{$DEFINE FEATURE}
{$DEFINE OTHER}
{$UNDEF OTHER}
function Main(var V: Variant): Boolean;
begin
{$IFDEF FEATURE}
  WriteLn('FEATURE on');
{$ELSE}
  WriteLn('FEATURE off');
{$ENDIF}
{$IFDEF OTHER}
  WriteLn('OTHER on');
{$ELSE}
  WriteLn('OTHER off');
{$ENDIF}
{$IFNDEF MISSING}
  WriteLn('MISSING not defined');
{$ENDIF}
{$IFDEF FEATURE}
  {$IFDEF OTHER}
  WriteLn('nested wrong');
  {$ELSE}
  WriteLn('nested right');
  {$ENDIF}
{$ENDIF}
{$IFDEF feature}
  WriteLn('symbols are case-insensitive');
{$ELSE}
  WriteLn('symbols are case-sensitive');
{$ENDIF}
{$IFDEF VER23}
  WriteLn('VER23 defined');
{$ENDIF}
{$IFDEF MISSING}
  this text is skipped and never compiled ;;; begin
{$ENDIF}
  Result := True;
end;
