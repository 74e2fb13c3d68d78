<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Kun %1 af %2 byte blev skrevet.</translation>
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
        <translation>Projektmappen er forudindstillet til %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Den indeholder værdier i en form, som programmet ikke skriver.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>Indstillingerne i %1 kunne ikke læses; standardindstillingerne gælder.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Mappenavn</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; er ikke tilladt som navn!
Vælg venligst et andet navn!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; findes allerede!
Vælg venligst et andet navn!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>Genvejen %1 kan ikke læses.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>En fil eller mappe med dette navn er i vejen.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>Genvejen kan ikke oprettes: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Mappen kan ikke læses: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>Filen kan ikke slettes: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>Mappen kan ikke slettes: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Hverken fil eller mappe.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>Det er ikke en mappe.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>Mappen findes ikke.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>Målet ligger i mappen %1, som skal kopieres.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>Mappen kan ikke oprettes.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Filen kan ikke læses: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>Filen kan ikke skrives: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Læsefejl: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Skrivefejl: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>Filen kan ikke erstattes: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>Ingen mappe angivet.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 eller %2 ligger ikke i mappen %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 findes allerede.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>%1 kan ikke omdøbes til %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>Målet ligger ikke i mappen %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>Mappen ligger ikke i mappen %1 og slettes ikke.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Kopieringen blev afbrudt.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>Billedet har %1 × %2 pixel, flere end firmadataene kan rumme; det er formindsket til %3 × %4 pixel.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>Logoet for firmaet &quot;%1&quot; kan ikke læses og udskrives ikke.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>Det tilpassede brevhoved for firmaet &quot;%1&quot; kan ikke læses; rapporter får standardbrevhovedet.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Firmadataene &quot;%1&quot; kunne ikke læses.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Firmadataene &quot;%1&quot; blev ikke læst og overskrives ikke.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>Om ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), kompileret med: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure bruger:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Ansvarsfraskrivelse: Der påtages intet ansvar for tab af data eller for skader, der opstår ved ukorrekt brug af denne software.</translation>
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
        <translation>Filen blev ikke skrevet fuldstændigt.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* alle mål er omtrentlige</translation>
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
        <translation>I alt:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>Filen er %1 MB stor; filer af denne art læses kun op til %2 MB.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>Filen erklærer egne entiteter; sådanne filer læses ikke.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Elementerne er indlejret dybere end %1 niveauer.</translation>
    </message>
</context>
</TS>
