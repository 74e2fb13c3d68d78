<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en DWA-M 149-2-fil (rotelement «%1» i stedet for «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Filen inneholder ikke noe ledningsstrekk («HG») og er ikke en DWA-M 149-2-inspeksjon.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen inneholder mer enn én inspeksjon; bare den første ble lest.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, observasjonsklasse </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, foto tatt</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Operatør: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Vei: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Dato: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Årsak til inspeksjon: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Spylt: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Inspeksjonsretning: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Vær: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Inspeksjonsmetode: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Startnode: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Sluttnode: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Tverrsnitt: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Høyde: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Driftsstatus: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Medie-ID: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medium: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen er ikke gyldig UTF-8; den ble lest som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Filen %1 inneholder koder som katalogen ikke kjenner: %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): «%3» er ikke et tall</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): «%2» er ikke en dato</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Filen inneholder flere ledningsstrekk (%1); bare det første ble lest.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observasjon %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: «%2» er ikke et klokkeslett</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: fotonavnet «%2» fører ut av inspeksjonens mappe og blir ikke tatt med</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: «%2» er ikke et tall</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>utført</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>ikke utført</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>ved</translation>
    </message>
    <message>
        <source>von</source>
        <translation>fra</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>til</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> på urskiven</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>skaden er ved en rørskjøt</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>skade over hele lengden av ett rør</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>kontinuerlig skade nr.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>slutt</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektør: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Ledningsstrekk: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Oppstrøms node: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nedstrøms node: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Rengjøring: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Strømningskontroll: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Retning: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Startpunkt: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Høyde: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Fôring: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Avløpstype: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Linje %1: «%2» er ikke en gyldig verdi for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en EN 13508-2-fil (rotelement «%1» i stedet for «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen inneholder mer enn én inspeksjon; bare den første ble lest.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Linje %1: Fotonavnet «%2» peker ut av inspeksjonsmappen og ble ikke tatt med.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Linje %1: «%2» er ikke en gyldig verdi for %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Linje %1: Fotonavnet «%2» peker ut av inspeksjonsmappen og ble ikke tatt med.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 flere)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Filen %1 kunne ikke leses fullstendig:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Filen %1 ble ikke lest fullstendig og blir ikke overskrevet.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åpnes for skriving!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Filen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, foto tatt</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Navnet «%1» er ikke tillatt som filnavn.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, skadeklasse %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, rehabiliteringstiltak start</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, rehabiliteringstiltak slutt</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, rehabiliteringstiltak over hele rørets lengde</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, skadens start nr. %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, skadens slutt nr. %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, skade i hele ledningsstrekket nr. %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, skade over hele rørets lengde nr. %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, ved kl. %1</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, fra kl. %1 til %2</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operatør: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Vei: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Ledningsstrekk: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Oppstrøms: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Nedstrøms: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Profil: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Høyde: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Video nr.: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Den gamle filen %1 kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åpnes for skriving!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Filen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Koder som katalogen ikke kjenner: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Fil %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen har linjer på over %1 tegn, men er ikke gyldig UTF-8; den ble lest som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Filen inneholder byte som ikke er tegn i Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Filen inneholder kontrolltegn; den er ikke en tekstfil i Windows-1252 eller UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Filens hode er ufullstendig (%1 av 5 linjer).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Linje %1: postkode «%2» i stedet for «%3»</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Linje %1: «%2» er ikke et tall</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Linje 3: «%1» er ikke en dato</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Fra linje %1 følger et nytt ledningsstrekk; bare det første ble lest.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Linje %1: ukjent postkode «%2»</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Linje %1: tekst etter kolonne %2 leses ikke</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Linje %1 er for kort: den slutter før koden</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Linje %1: %2 «%3» er ugyldig</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Avstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Verdi 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Verdi 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Skadeklasse</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Skadenummer</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Klokkeposisjon</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 er ikke gyldig UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Følgefilen %1 har bare %2 av %3 linjer.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Filen er ikke en ISYBAU 2006-fil (rotelement «%1» i stedet for «Identifikation»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Filen inneholder ikke noe inspisert anlegg.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Filen inneholder ingen inspeksjon av en rørledning.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen inneholder mer enn én inspeksjon; bare den første ble lest.</translation>
    </message>
</context>
</TS>
