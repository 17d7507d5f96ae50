{ escribirdbf: writes a dBase table through Free Pascal's TDbf, from a plain description,
  so that tests can read with our engine tables written by an independent one, and compare
  our files with TDbf's byte for byte.

  Usage: escribirdbf DESCRIPCION.txt TABLA.dbf

  The description is UTF-8 text, one item per line (blank lines are ignored):
    NIVEL <n>                      table level: 3, 4, 7 (default), 25 (FoxPro), 30 (Visual FoxPro)
    IDIOMA <n>                     language driver id (decimal); default 88 (Windows-1252,
                                   "DBWINWE0") for level 7, 87 for 3 and 4, 3 for FoxPro
    CAMPO <nombre> <tipo> [<ancho> [<decimales>]]
                                   a field, with its stored kind letter (C, N, F, L, D, I, +,
                                   O, B, Y); ancho and decimales as stored where the kind has them
    FILA                           appends a row; the lines after it set its fields:
    <nombre>=<valor>               text as UTF-8 (converted to the table's code page); numbers
                                   with "." as decimal separator; logical T or F; dates YYYYMMDD
    BORRAR                         deletes the row just appended
  All CAMPO lines come before the first FILA. Fields a row does not set stay blank.
  Exit status: 0; 1 with a message on standard error on any error. }
program escribirdbf;

{$mode objfpc}{$H+}

uses
  cwstring, SysUtils, Classes, db, dbf, dbf_common, dbf_fields;

type
  TSinTraduccion = class
    { Keeps the bytes as given: this program converts the text itself. }
    function Copiar(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
    { TDbf opens read-only a table whose code page the system lacks: this program
      converts the text itself, so it keeps the table writable and notes its page. }
    procedure SinPagina(Dbf: TDbf; var Action: TDbfLanguageAction);
  end;

var
  PaginaArchivo: Cardinal = 0;

procedure TSinTraduccion.SinPagina(Dbf: TDbf; var Action: TDbfLanguageAction);
begin
  PaginaArchivo := Dbf.CodePage;
  Action := laForceANSI;
end;

function PaginaDe(T: TDbf): Cardinal;
begin
  if PaginaArchivo <> 0 then
    Result := PaginaArchivo
  else
    Result := T.CodePage;
end;

function TSinTraduccion.Copiar(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
begin
  Result := StrLen(Src);
  if Src <> Dest then
    Move(Src^, Dest^, Result + 1);
end;

function VersionDeNivel(Nivel: Integer): TXBaseVersion;
begin
  case Nivel of
    3: Result := xBaseIII;
    4: Result := xBaseIV;
    7: Result := xBaseVII;
    25: Result := xFoxPro;
    30: Result := xVisualFoxPro;
  else
    raise Exception.CreateFmt('nivel desconocido: %d', [Nivel]);
  end;
end;

function DePagina(const Texto: RawByteString; Pagina: Cardinal): RawByteString;
begin
  Result := Texto;
  SetCodePage(Result, CP_UTF8, False);
  SetCodePage(Result, Pagina, True);
  // Tagged as the program's own code page, so that assigning it converts nothing.
  SetCodePage(Result, DefaultSystemCodePage, False);
end;

function DefDe(T: TDbf; const Nombre: string): TDbfFieldDef;
var
  i: Integer;
begin
  for i := 0 to T.DbfFieldDefs.Count - 1 do
    if SameText(T.DbfFieldDefs.Items[i].FieldName, Nombre) then
      Exit(T.DbfFieldDefs.Items[i]);
  raise Exception.CreateFmt('no hay campo %s', [Nombre]);
end;

procedure Poner(T: TDbf; Def: TDbfFieldDef; const Texto: RawByteString);
var
  Campo: TField;
  anio, mes, dia: Word;
begin
  Campo := T.FieldByName(Def.FieldName);
  case Def.NativeFieldType of
    'C': Campo.AsString := DePagina(Texto, PaginaDe(T));
    'L': Campo.AsBoolean := Texto = 'T';
    'D':
      begin
        anio := StrToInt(Copy(Texto, 1, 4));
        mes := StrToInt(Copy(Texto, 5, 2));
        dia := StrToInt(Copy(Texto, 7, 2));
        Campo.AsDateTime := EncodeDate(anio, mes, dia);
      end;
    'I', '+': Campo.AsInteger := StrToInt(Texto);
    'Y': Campo.AsCurrency := StrToCurr(Texto);
  else
    if Campo is TLargeintField then
      Campo.AsLargeInt := StrToInt64(Texto)
    else if Campo is TIntegerField then
      Campo.AsInteger := StrToInt(Texto)
    else
      Campo.AsFloat := StrToFloat(Texto);
  end;
end;

var
  Lineas: TStringList;
  T: TDbf;
  Traductor: TSinTraduccion;
  Defs: TDbfFieldDefs;
  Def: TDbfFieldDef;
  Partes: TStringList;
  i, nivel, idioma, p: Integer;
  linea: string;
  enFila, creada: Boolean;

procedure CrearTabla;
begin
  T.TableLevel := nivel;
  if idioma < 0 then
    case nivel of
      7: idioma := $58;
      25, 30: idioma := $03;
    else
      idioma := $57;
    end;
  T.LanguageID := idioma;
  T.CreateTableEx(Defs);
  T.Exclusive := True;
  T.Open;
  creada := True;
end;

procedure TerminarFila;
begin
  if enFila then
    T.Post;
  enFila := False;
end;

begin
  if ParamCount <> 2 then
  begin
    WriteLn(StdErr, 'Uso: escribirdbf DESCRIPCION.txt TABLA.dbf');
    Halt(1);
  end;
  DefaultFormatSettings.DecimalSeparator := '.';
  Lineas := TStringList.Create;
  Partes := TStringList.Create;
  Partes.Delimiter := ' ';
  Partes.StrictDelimiter := True;
  T := TDbf.Create(nil);
  Traductor := TSinTraduccion.Create;
  Defs := nil;
  try
    try
      Lineas.LoadFromFile(ParamStr(1));
      T.FilePathFull := ExtractFilePath(ExpandFileName(ParamStr(2)));
      T.TableName := ExtractFileName(ParamStr(2));
      T.OnTranslate := @Traductor.Copiar;
      T.OnLanguageWarning := @Traductor.SinPagina;
      nivel := 7;
      idioma := -1;
      enFila := False;
      creada := False;
      for i := 0 to Lineas.Count - 1 do
      begin
        linea := Lineas[i];
        if Trim(linea) = '' then
          Continue;
        Partes.DelimitedText := linea;
        if Partes[0] = 'NIVEL' then
          nivel := StrToInt(Partes[1])
        else if Partes[0] = 'IDIOMA' then
          idioma := StrToInt(Partes[1])
        else if Partes[0] = 'CAMPO' then
        begin
          if Defs = nil then
          begin
            Defs := TDbfFieldDefs.Create(T);
            Defs.DbfVersion := VersionDeNivel(nivel);
          end;
          Def := Defs.AddFieldDef;
          Def.FieldName := Partes[1];
          Def.NativeFieldType := Partes[2][1];
          if Partes.Count > 3 then
            Def.Size := StrToInt(Partes[3]);
          if Partes.Count > 4 then
            Def.Precision := StrToInt(Partes[4]);
        end
        else if Partes[0] = 'FILA' then
        begin
          if not creada then
            CrearTabla;
          TerminarFila;
          T.Append;
          enFila := True;
        end
        else if Partes[0] = 'BORRAR' then
        begin
          TerminarFila;
          T.Delete;
        end
        else
        begin
          p := Pos('=', linea);
          if (p = 0) or not enFila then
            raise Exception.CreateFmt('línea %d no válida: %s', [i + 1, linea]);
          Poner(T, DefDe(T, Copy(linea, 1, p - 1)), Copy(linea, p + 1, Length(linea)));
        end;
      end;
      if not creada then
        CrearTabla;
      TerminarFila;
      T.Close;
    except
      on E: Exception do
      begin
        WriteLn(StdErr, 'escribirdbf: ', ParamStr(2), ': ', E.Message);
        Halt(1);
      end;
    end;
  finally
    Traductor.Free;
    T.Free;
    Partes.Free;
    Lineas.Free;
  end;
end.
