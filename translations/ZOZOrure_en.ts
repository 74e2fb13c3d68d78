<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>The file is not a DWA-M 149-2 file (root element &quot;%1&quot; instead of &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>The file contains no pipe section (&quot;HG&quot;) and is not a DWA-M 149-2 inspection.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>The file contains more than one inspection; only the first one was read.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, observation class </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, photo taken</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Town: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Street: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Reason for inspection: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Jetted: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Inspection direction: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Weather: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Inspection method: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Start node: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Finish node: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Cross-section: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Service status: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Media ID: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medium: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>The file is not valid UTF-8; it was read as Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>The file %1 contains codes that the catalogue does not know: %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): &quot;%3&quot; is not a number</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; is not a date</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>The file contains further pipe sections (%1); only the first one was read.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observation %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; is not a time</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: the photo name &quot;%2&quot; leads outside the inspection folder and is ignored</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; is not a number</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>carried out</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>not carried out</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>at</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> o&apos;clock</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>defect at a pipe joint</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>defect along the whole length of one pipe</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>continuous defect no.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>finish</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspector: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Pipe section: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Upstream node: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Downstream node: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Cleaning: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Flow control: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Direction: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Start point: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Lining: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Sewer type: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Line %1: &quot;%2&quot; is not a valid value for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>The file is not an EN 13508-2 file (root element &quot;%1&quot; instead of &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>The file contains more than one inspection; only the first one was read.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Line %1: The photo name &quot;%2&quot; points outside the inspection folder and was ignored.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Line %1: &quot;%2&quot; is not a valid value for %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Line %1: The photo name &quot;%2&quot; points outside the inspection folder and was ignored.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 more)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>The file %1 could not be read completely:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>The file %1 was not read completely and will not be overwritten.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The file %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, photo taken</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>The name &quot;%1&quot; is not allowed as a file name.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, damage class %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, rehabilitation measure start</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, rehabilitation measure end</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, rehabilitation measure along the whole length of the pipe</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, start of defect no. %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, end of defect no. %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, defect along the whole pipe section no. %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, defect along the whole length of the pipe no. %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, at %1 o&apos;clock</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, from %1 to %2 o&apos;clock</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Street: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Pipe section: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Upstream: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Downstream: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Shape: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Video no.: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>The old file %1 could not be deleted.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The file %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Codes that the catalogue does not know: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>File %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>The file has lines longer than %1 characters but is not valid UTF-8; it was read as Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>The file contains bytes that are not characters in Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>The file contains control characters; it is not a text file in Windows-1252 or UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>The header of the file is incomplete (%1 of 5 lines).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Line %1: record identifier &quot;%2&quot; instead of &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Line %1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Line 3: &quot;%1&quot; is not a date</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>From line %1 on, another pipe section follows; only the first one was read.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Line %1: unknown record identifier &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Line %1: text after column %2 is not read</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Line %1 is too short: it ends before the code</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Line %1: %2 &quot;%3&quot; is invalid</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Value 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Value 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Damage class</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Defect number</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Clock position</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 is not valid UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>The side file %1 has only %2 of %3 lines.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>The file is not an ISYBAU 2006 file (root element &quot;%1&quot; instead of &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>The file contains no inspected structure.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>The file contains no inspection of a pipeline.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>The file contains more than one inspection; only the first one was read.</translation>
    </message>
</context>
</TS>
