{ A multi-line comment
  spanning lines
  before the error } function Main(var V: Variant): Boolean; begin Result := (* c *) Nope; end;
