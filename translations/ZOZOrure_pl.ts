<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Plik nie jest plikiem DWA-M 149-2 (element główny „%1” zamiast „DATA”).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Plik nie zawiera odcinka („HG”) i nie jest inspekcją DWA-M 149-2.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Plik zawiera więcej niż jedną inspekcję; odczytano tylko pierwszą.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, klasa obserwacji </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, wykonano zdjęcie</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Miejscowość: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Cel inspekcji: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Płukanie: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Kierunek inspekcji: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Pogoda: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Metoda inspekcji: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Węzeł początkowy: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Węzeł końcowy: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Przekrój: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Stan eksploatacji: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID nośnika: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Nośnik: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Plik nie jest prawidłowym UTF-8; odczytano go jako Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Plik %1 zawiera kody nieznane w katalogu: %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): „%3” nie jest liczbą</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): „%2” nie jest datą</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Plik zawiera kolejne odcinki (%1); odczytano tylko pierwszy.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Obserwacja %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: „%2” nie jest godziną</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: nazwa zdjęcia „%2” prowadzi poza folder inspekcji i zostanie pominięta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: „%2” nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>wykonane</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>niewykonane</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>na</translation>
    </message>
    <message>
        <source>von</source>
        <translation>od</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> godz.</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>uszkodzenie występuje na połączeniu rur</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>uszkodzenie na całej długości jednej rury</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>uszkodzenie ciągłe nr</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>początek</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektor: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokalizacja: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Odcinek: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Węzeł górny: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Węzeł dolny: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Czyszczenie: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Kontrola przepływu: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Kierunek: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Punkt początkowy: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Przekrój:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Wykładzina: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Rodzaj kanalizacji: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Wiersz %1: „%2” nie jest prawidłową wartością dla %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Plik nie jest plikiem EN 13508-2 (element główny „%1” zamiast „DATA”).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Plik zawiera więcej niż jedną inspekcję; odczytano tylko pierwszą.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Wiersz %1: Nazwa zdjęcia „%2” wskazuje poza folder inspekcji i została pominięta.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Wiersz %1: „%2” nie jest prawidłową wartością dla %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Wiersz %1: Nazwa zdjęcia „%2” wskazuje poza folder inspekcji i została pominięta.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(jeszcze %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Nie udało się w pełni odczytać pliku %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Plik %1 nie został w pełni odczytany i nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie udało się otworzyć pliku %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie udało się zapisać pliku %1!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, wykonano zdjęcie</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Nazwa „%1” nie jest dozwoloną nazwą pliku.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, klasa uszkodzenia %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, działanie renowacyjne początek</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, działanie renowacyjne koniec</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, działanie renowacyjne na całej długości rury</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, początek uszkodzenia nr %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, koniec uszkodzenia nr %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, uszkodzenie na całym odcinku nr %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, uszkodzenie na całej długości rury nr %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, na godz. %1</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, od godz. %1 do %2</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokalizacja: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Odcinek: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Górny: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Dolny: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Przekrój: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Nr wideo: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Nie udało się usunąć starego pliku %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie udało się otworzyć pliku %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie udało się zapisać pliku %1!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Kody nieznane w katalogu: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Plik %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Plik ma wiersze dłuższe niż %1 znaków, ale nie jest prawidłowym UTF-8; odczytano go jako Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Plik zawiera bajty, które nie są znakami w Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Plik zawiera znaki sterujące; nie jest plikiem tekstowym w Windows-1252 ani UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Nagłówek pliku jest niekompletny (%1 z 5 wierszy).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Wiersz %1: identyfikator rekordu „%2” zamiast „%3”</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Wiersz %1: „%2” nie jest liczbą</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Wiersz 3: „%1” nie jest datą</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Od wiersza %1 następuje kolejny odcinek; odczytano tylko pierwszy.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Wiersz %1: nieznany identyfikator rekordu „%2”</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Wiersz %1: tekst po kolumnie %2 nie jest odczytywany</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Wiersz %1 jest za krótki: kończy się przed kodem</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Wiersz %1: nieprawidłowa wartość pola %2: „%3”</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>odległość</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>czas</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>wartość 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>wartość 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>klasa uszkodzenia</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>numer uszkodzenia</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>położenie godzinowe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 nie jest prawidłowym UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Plik towarzyszący %1 ma tylko %2 z %3 wierszy.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Plik nie jest plikiem ISYBAU 2006 (element główny „%1” zamiast „Identifikation”).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Plik nie zawiera żadnego skontrolowanego obiektu.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Plik nie zawiera inspekcji rurociągu.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Plik zawiera więcej niż jedną inspekcję; odczytano tylko pierwszą.</translation>
    </message>
</context>
</TS>
