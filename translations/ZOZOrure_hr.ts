<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Datoteka nije DWA-M 149-2 datoteka (korijenski element &quot;%1&quot; umjesto &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Datoteka ne sadrži dionicu (&quot;HG&quot;) i nije DWA-M 149-2 pregled.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži više od jednog pregleda; pročitan je samo prvi.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, razred opažanja </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, fotografija snimljena</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Operater: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Mjesto: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Razlog pregleda: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Ispiranje: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Smjer pregleda: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Vremenske prilike: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Metoda pregleda: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Početni čvor: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Završni čvor: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Presjek: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sustav: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Status uporabe: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID medija: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medij: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Datoteka nije valjani UTF-8; pročitana je kao Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Datoteka %1 sadrži kodove koje katalog ne poznaje: %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): &quot;%3&quot; nije broj</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; nije datum</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži još dionica (%1); pročitana je samo prva.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Opažanje %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; nije vrijeme</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: naziv fotografije &quot;%2&quot; vodi izvan mape pregleda i zanemaruje se</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; nije broj</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>provedeno</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>nije provedeno</translation>
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
        <translation> h</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>oštećenje se nalazi na spoju cijevi</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>oštećenje duž cijele duljine jedne cijevi</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>kontinuirano oštećenje br.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>početak</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>kraj</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektor: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokacija: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Dionica: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Uzvodni čvor: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nizvodni čvor: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Čišćenje: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Kontrola protoka: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Smjer: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Početna točka: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Obloga: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Vrsta odvodnje: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Redak %1: &quot;%2&quot; nije valjana vrijednost za %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Datoteka nije EN 13508-2 datoteka (korijenski element &quot;%1&quot; umjesto &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži više od jednog pregleda; pročitan je samo prvi.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Redak %1: Naziv fotografije &quot;%2&quot; upućuje izvan mape pregleda i zanemaren je.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Redak %1: &quot;%2&quot; nije valjana vrijednost za %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Redak %1: Naziv fotografije &quot;%2&quot; upućuje izvan mape pregleda i zanemaren je.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(još %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Datoteka %1 nije se mogla u potpunosti pročitati:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Datoteka %1 nije u potpunosti pročitana i neće biti prebrisana.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Datoteka %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Datoteka %1 nije se mogla zapisati!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, fotografija snimljena</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Naziv &quot;%1&quot; nije dopušten kao naziv datoteke.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, razred oštećenja %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, sanacijska mjera početak</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, sanacijska mjera kraj</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, sanacijska mjera duž cijele duljine cijevi</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, početak oštećenja br. %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, kraj oštećenja br. %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, oštećenje duž cijele dionice br. %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, oštećenje duž cijele duljine cijevi br. %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, na %1 h</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, od %1 do %2 h</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operater: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokacija: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Dionica: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Uzvodno: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Nizvodno: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Profil: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sustav: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Br. videa: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Stara datoteka %1 nije se mogla izbrisati.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Datoteka %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Datoteka %1 nije se mogla zapisati!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Kodovi koje katalog ne poznaje: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Datoteka %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Datoteka ima retke dulje od %1 znakova, ali nije valjani UTF-8; pročitana je kao Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Datoteka sadrži bajtove koji u Windows-1252 nisu znakovi.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Datoteka sadrži kontrolne znakove; nije tekstna datoteka u Windows-1252 ni UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Zaglavlje datoteke je nepotpuno (%1 od 5 redaka).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Redak %1: oznaka zapisa &quot;%2&quot; umjesto &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Redak %1: &quot;%2&quot; nije broj</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Redak 3: &quot;%1&quot; nije datum</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Od retka %1 slijedi još jedna dionica; pročitana je samo prva.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Redak %1: nepoznata oznaka zapisa &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Redak %1: tekst nakon stupca %2 ne čita se</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Redak %1 je prekratak: završava prije koda</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Redak %1: nevaljana vrijednost za %2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>udaljenost</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>vrijeme</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>vrijednost 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>vrijednost 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>razred oštećenja</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>broj oštećenja</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>položaj po satu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 nije valjani UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Prateća datoteka %1 ima samo %2 od %3 redaka.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Datoteka nije ISYBAU 2006 datoteka (korijenski element &quot;%1&quot; umjesto &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Datoteka ne sadrži pregledani objekt.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Datoteka ne sadrži pregled cjevovoda.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži više od jednog pregleda; pročitan je samo prvi.</translation>
    </message>
</context>
</TS>
