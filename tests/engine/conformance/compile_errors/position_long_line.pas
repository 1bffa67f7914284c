function Main(var V: Variant): Boolean; var I, J, K: Integer; begin I := 1; J := 2; K := I + J; I := K * J; J := I - K; K := K + Missing; Result := True; end;
