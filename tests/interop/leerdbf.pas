{ leerdbf: dumps any dBase table as plain text, read through Free Pascal's TDbf, so that
  tests can check the tables our engine writes against an independent reader.

  Usage: leerdbf TABLA.dbf

  Output, UTF-8, one item per line:
    NIVEL <n>                          TDbf's table level: 3, 4, 7, 25 (FoxPro), 30 (Visual FoxPro)
    PAGINA <n>                         code page of the stored text (1252 for Windows-1252)
    CAMPOS <n>                         number of fields, then one line per field in file order:
    CAMPO <nombre> <tipo> <ancho> <decimales>
                                       tipo is the stored kind letter (C, N, I, L, D, ...)
    FILAS <n>                          rows not deleted, then for each of them in stored order:
    FILA <n>                           its 1-based position in the file
    <nombre>=<valor>                   one line per field, in file order
  Values: text without its trailing blanks, converted to UTF-8; numbers in their shortest
  form with "." as decimal separator ("4", "-2.5"); logical "T" or "F"; dates as YYYYMMDD;
  an empty value for a blank field (a number, logical or date never set).
  Exit status: 0; 1 with a message on standard error when the table cannot be read. }
program leerdbf;

{$mode objfpc}{$H+}

uses
  cwstring, SysUtils, Classes, db, dbf, dbf_fields;

type
  TSinTraduccion = class
    { Keeps the stored bytes: this program converts the text itself. }
    function Copiar(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
  end;

function TSinTraduccion.Copiar(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
begin
  Result := StrLen(Src);
  if Src <> Dest then
    Move(Src^, Dest^, Result + 1);
end;

function TextoUtf8(const Bytes: RawByteString; Pagina: Cardinal): UTF8String;
var
  r: RawByteString;
begin
  r := Bytes;
  SetCodePage(r, Pagina, False);
  Result := UTF8Encode(UnicodeString(r));
end;

function Valor(T: TDbf; Campo: TField; Tipo: Char): UTF8String;
begin
  if Campo.IsNull then
    Exit('');
  case Tipo of
    'C', 'V': Result := TextoUtf8(TrimRight(Campo.AsString), T.CodePage);
    'L': if Campo.AsBoolean then Result := 'T' else Result := 'F';
    'D': Result := FormatDateTime('yyyymmdd', Campo.AsDateTime);
  else
    Result := Campo.AsString;
  end;
end;

var
  T: TDbf;
  Traductor: TSinTraduccion;
  i, filas: Integer;
  Def: TDbfFieldDef;
  Salida: TStringList;
begin
  if ParamCount <> 1 then
  begin
    WriteLn(StdErr, 'Uso: leerdbf TABLA.dbf');
    Halt(1);
  end;
  DefaultFormatSettings.DecimalSeparator := '.';
  T := TDbf.Create(nil);
  Traductor := TSinTraduccion.Create;
  Salida := TStringList.Create;
  try
    try
      T.FilePathFull := ExtractFilePath(ExpandFileName(ParamStr(1)));
      T.TableName := ExtractFileName(ParamStr(1));
      T.ReadOnly := True;
      T.OnTranslate := @Traductor.Copiar;
      T.Open;
      Salida.Add('NIVEL ' + IntToStr(T.TableLevel));
      Salida.Add('PAGINA ' + IntToStr(T.CodePage));
      Salida.Add('CAMPOS ' + IntToStr(T.DbfFieldDefs.Count));
      for i := 0 to T.DbfFieldDefs.Count - 1 do
      begin
        Def := T.DbfFieldDefs.Items[i];
        Salida.Add('CAMPO ' + Def.FieldName + ' ' + Def.NativeFieldType + ' ' + IntToStr(Def.Size) + ' ' +
          IntToStr(Def.Precision));
      end;
      filas := 0;
      T.First;
      while not T.EOF do
      begin
        Inc(filas);
        T.Next;
      end;
      Salida.Add('FILAS ' + IntToStr(filas));
      T.First;
      while not T.EOF do
      begin
        Salida.Add('FILA ' + IntToStr(T.PhysicalRecNo));
        for i := 0 to T.DbfFieldDefs.Count - 1 do
        begin
          Def := T.DbfFieldDefs.Items[i];
          Salida.Add(Def.FieldName + '=' + Valor(T, T.FieldByName(Def.FieldName), Def.NativeFieldType));
        end;
        T.Next;
      end;
      T.Close;
      for i := 0 to Salida.Count - 1 do
        WriteLn(Salida[i]);
    except
      on E: Exception do
      begin
        WriteLn(StdErr, 'leerdbf: ', ParamStr(1), ': ', E.Message);
        Halt(1);
      end;
    end;
  finally
    Salida.Free;
    Traductor.Free;
    T.Free;
  end;
end.
