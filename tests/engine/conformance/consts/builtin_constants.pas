{ Predefined constants: var* codes and TIFException ordinals (through a
  helper, because Ord() of an enum constant does not compile). }
function EO(E: TIFException): string;
begin
  Result := IntToStr(Ord(E));
end;

function BO(B: Boolean): string;
begin
  Result := IntToStr(Ord(B));
end;

function Main(var V: Variant): Boolean;
begin
  WriteLn('varEmpty=' + IntToStr(varEmpty) + ' varNull=' + IntToStr(varNull) + ' varSmallInt=' + IntToStr(varSmallInt));
  WriteLn('varInteger=' + IntToStr(varInteger) + ' varSingle=' + IntToStr(varSingle) + ' varDouble=' + IntToStr(varDouble));
  WriteLn('varCurrency=' + IntToStr(varCurrency) + ' varDate=' + IntToStr(varDate) + ' varOleStr=' + IntToStr(varOleStr));
  WriteLn('varDispatch=' + IntToStr(varDispatch) + ' varError=' + IntToStr(varError) + ' varBoolean=' + IntToStr(varBoolean));
  WriteLn('varVariant=' + IntToStr(varVariant) + ' varUnknown=' + IntToStr(varUnknown) + ' varShortInt=' + IntToStr(varShortInt));
  WriteLn('varByte=' + IntToStr(varByte) + ' varWord=' + IntToStr(varWord) + ' varLongWord=' + IntToStr(varLongWord));
  WriteLn('varInt64=' + IntToStr(varInt64) + ' varString=' + IntToStr(varString) + ' varTypeMask=' + IntToStr(varTypeMask));
  WriteLn('varArray=' + IntToStr(varArray) + ' varByRef=' + IntToStr(varByRef));
  WriteLn('ErNoError=' + EO(ErNoError) + ' erCannotImport=' + EO(erCannotImport) + ' erInvalidType=' + EO(erInvalidType));
  WriteLn('ErInternalError=' + EO(ErInternalError) + ' erInvalidHeader=' + EO(erInvalidHeader) + ' erInvalidOpcode=' + EO(erInvalidOpcode));
  WriteLn('erInvalidOpcodeParameter=' + EO(erInvalidOpcodeParameter) + ' erNoMainProc=' + EO(erNoMainProc) + ' erOutOfGlobalVarsRange=' + EO(erOutOfGlobalVarsRange));
  WriteLn('erOutOfProcRange=' + EO(erOutOfProcRange) + ' ErOutOfRange=' + EO(ErOutOfRange) + ' erOutOfStackRange=' + EO(erOutOfStackRange));
  WriteLn('ErTypeMismatch=' + EO(ErTypeMismatch) + ' erUnexpectedEof=' + EO(erUnexpectedEof) + ' erVersionError=' + EO(erVersionError));
  WriteLn('ErDivideByZero=' + EO(ErDivideByZero) + ' ErMathError=' + EO(ErMathError) + ' erCouldNotCallProc=' + EO(erCouldNotCallProc));
  WriteLn('erOutofRecordRange=' + EO(erOutofRecordRange) + ' erOutOfMemory=' + EO(erOutOfMemory) + ' erException=' + EO(erException));
  WriteLn('erNullPointerException=' + EO(erNullPointerException) + ' erNullVariantError=' + EO(erNullVariantError) + ' erInterfaceNotSupported=' + EO(erInterfaceNotSupported));
  WriteLn('erCustomError=' + EO(erCustomError));
  WriteLn('True=' + BO(True) + ' False=' + BO(False));
  Result := True;
end;
