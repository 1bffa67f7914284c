{ %f rounds the decimal form half away from zero (1.005 and 2.675 are just
  below the half as doubles); * takes width and precision from the arguments. }
function Main(var V: Variant): Boolean;
begin
  WriteLn(Format('[%.2f] [%.2f] [%.1f] [%.0f] [%.0f]', [1.005, 2.675, -0.05, -0.5, 2.5]));
  WriteLn(Format('[%8.3f] [%-8.1f] [%.3f]', [3.14159, 9.96, 0.0015]));
  WriteLn(Format('[%*.*f] [%-*d] [%*s]', [7, 2, 1.125, 5, 42, 4, 'ab']));
  WriteLn(Format('[%.4f] [%.2f] [%.1f]', [123456.78905, 99.995, 1e-10]));
  WriteLn(Format('[%n] [%.1n] [%.0n]', [1234567.891, -9876.55, 999.5]));
  Result := True;
end;
