{ A record with a dynamic array field inside a dynamic array: the field is
  shared after a record copy until it is resized. }
type
  TNode = record
    Name: string;
    Kids: array of Integer;
  end;
function Main(var V: Variant): Boolean;
var
  Nodes: array of TNode;
  N: TNode;
begin
  SetLength(Nodes, 1);
  Nodes[0].Name := 'root';
  SetLength(Nodes[0].Kids, 2);
  Nodes[0].Kids[0] := 1;
  N := Nodes[0];
  N.Kids[0] := 99;
  N.Name := 'copy';
  WriteLn(Nodes[0].Name + ' ' + IntToStr(Nodes[0].Kids[0]));
  SetLength(N.Kids, 5);
  N.Kids[1] := 77;
  WriteLn(IntToStr(Nodes[0].Kids[1]) + ' ' + IntToStr(Length(Nodes[0].Kids)));
  Result := True;
end;
