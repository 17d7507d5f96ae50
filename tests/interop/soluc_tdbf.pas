{ Writes a solution table as Sesionix's engine does, through Free Pascal's TDbf at
  dBase level 7: DIA and HORA are binary integers (I), the text fields C.
  Usage: soluc_tdbf TABLE.DBF ROWS.TXT
  ROWS.TXT holds one row per line, in Windows-1252:
  ASIG|TAREA|DIA|HORA|MARCO|CODGRUPO|PROF|AULA }
program soluc_tdbf;
{$mode objfpc}{$H+}
uses SysUtils, Classes, db, dbf;
var
  T: TDbf;
  Lineas, Partes: TStringList;
  i: Integer;
begin
  if ParamCount <> 2 then
  begin
    WriteLn(StdErr, 'Uso: soluc_tdbf TABLA.DBF FILAS.TXT');
    Halt(2);
  end;
  T := TDbf.Create(nil);
  Lineas := TStringList.Create;
  Partes := TStringList.Create;
  try
    T.FilePathFull := ExtractFilePath(ExpandFileName(ParamStr(1)));
    T.TableName := ExtractFileName(ParamStr(1));
    T.TableLevel := 7;
    T.FieldDefs.Add('ASIG', ftString, 10);
    T.FieldDefs.Add('TAREA', ftString, 10);
    T.FieldDefs.Add('DIA', ftInteger);
    T.FieldDefs.Add('HORA', ftInteger);
    T.FieldDefs.Add('MARCO', ftString, 1);
    T.FieldDefs.Add('CODGRUPO', ftString, 10);
    T.FieldDefs.Add('PROF', ftString, 10);
    T.FieldDefs.Add('AULA', ftString, 10);
    T.CreateTable;
    T.Open;
    Lineas.LoadFromFile(ParamStr(2));
    Partes.Delimiter := '|';
    Partes.StrictDelimiter := True;
    for i := 0 to Lineas.Count - 1 do
    begin
      if Lineas[i] = '' then Continue;
      Partes.DelimitedText := Lineas[i];
      T.Append;
      T.FieldByName('ASIG').AsString := Partes[0];
      T.FieldByName('TAREA').AsString := Partes[1];
      T.FieldByName('DIA').AsInteger := StrToInt(Partes[2]);
      T.FieldByName('HORA').AsInteger := StrToInt(Partes[3]);
      T.FieldByName('MARCO').AsString := Partes[4];
      T.FieldByName('CODGRUPO').AsString := Partes[5];
      T.FieldByName('PROF').AsString := Partes[6];
      T.FieldByName('AULA').AsString := Partes[7];
      T.Post;
    end;
    T.Close;
  except
    on E: Exception do
    begin
      WriteLn(StdErr, 'soluc_tdbf: ', E.Message);
      Halt(1);
    end;
  end;
  Partes.Free;
  Lineas.Free;
  T.Free;
end.
