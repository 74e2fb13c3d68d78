<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Zapisano je samo %1 od %2 bajtova.</translation>
    </message>
</context>
<context>
    <name>ButtonWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Als Projektverzeichnis wurde %1 voreingestellt.</source>
        <translation>Kao mapa projekata unaprijed je postavljena %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Sadrži vrijednosti u obliku koji program ne zapisuje.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>Postavke u %1 nisu se mogle pročitati; vrijede zadane postavke.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Naziv mape</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Naziv datoteke</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; nije dopušten kao naziv!
Odaberite drugi naziv!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; već postoji!
Odaberite drugi naziv!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>Poveznica %1 ne može se pročitati.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>Datoteka ili mapa ovog naziva je na putu.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>Poveznica se ne može stvoriti: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Mapa se ne može pročitati: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>Datoteka se ne može izbrisati: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>Mapa se ne može izbrisati: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Ni datoteka ni mapa.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>To nije mapa.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>Mapa ne postoji.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>Odredište se nalazi u mapi %1 koja se kopira.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>Mapa se ne može stvoriti.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Datoteka se ne može pročitati: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>Datoteka se ne može zapisati: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Pogreška čitanja: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Pogreška pisanja: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>Datoteka se ne može zamijeniti: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>Mapa nije navedena.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 ili %2 nije u mapi %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 već postoji.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>%1 nije moguće preimenovati u %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>Odredište nije u mapi %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>Mapa nije u mapi %1 i neće se izbrisati.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Kopiranje je prekinuto.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>Slika ima %1 × %2 piksela, više nego što podaci o tvrtki mogu primiti; smanjena je na %3 × %4 piksela.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>Logotip tvrtke &quot;%1&quot; ne može se pročitati i neće se ispisati.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>Prilagođeno zaglavlje tvrtke &quot;%1&quot; ne može se pročitati; izvješća dobivaju standardno zaglavlje.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Podaci o tvrtki &quot;%1&quot; nisu se mogli pročitati.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Podaci o tvrtki &quot;%1&quot; nisu pročitani i neće se prebrisati.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>O programu ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), prevedeno s: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Verzija: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure koristi:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Odricanje od odgovornosti: Ne preuzima se nikakva odgovornost za gubitak podataka ni za štetu nastalu nepravilnom uporabom ovog softvera.</translation>
    </message>
    <message>
        <source>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</source>
        <translation>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Die Datei wurde nicht vollständig geschrieben.</source>
        <translation>Datoteka nije u potpunosti zapisana.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* sve su mjere približne</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Gesamt:</source>
        <translation>Ukupno:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>Datoteka ima %1 MB; datoteke ove vrste čitaju se samo do %2 MB.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>Datoteka deklarira vlastite entitete; takve se datoteke ne čitaju.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Elementi su ugniježđeni dublje od %1 razina.</translation>
    </message>
</context>
</TS>
