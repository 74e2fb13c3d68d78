<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Only %1 of %2 bytes were written.</translation>
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
        <translation>The project folder has been preset to %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>It holds values in a form the program does not write.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>The settings in %1 could not be read; the defaults apply.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; is not allowed as a name!
Please choose another name!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; already exists!
Please choose another name!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>The link %1 cannot be read.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>A file or folder of this name is in the way.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>The link cannot be created: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>The folder cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>The file cannot be deleted: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>The folder cannot be deleted: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Neither file nor folder.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>This is not a folder.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>The target lies inside the folder %1 that is to be copied.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>The file cannot be written: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Read error: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Write error: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>The file cannot be replaced: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>No folder given.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 or %2 does not lie in the folder %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 already exists.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>%1 cannot be renamed to %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>The target does not lie in the folder %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>The folder does not lie in the folder %1 and is not deleted.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>The copy was cancelled.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>The picture has %1 × %2 pixels, more than the company data can hold; it was reduced to %3 × %4 pixels.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>The logo of the company &quot;%1&quot; cannot be read and is not printed.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>The custom letterhead of the company &quot;%1&quot; cannot be read; reports get the standard letterhead.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>The company data &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>The company data &quot;%1&quot; were not read and are not overwritten.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>About ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), built with: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure uses:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</translation>
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
        <translation>The file was not written completely.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
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
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* all dimensions are approximate</translation>
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
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>The file is %1 MB in size; files of this kind are read only up to %2 MB.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>The file declares entities of its own; such files are not read.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>The elements are nested deeper than %1 levels.</translation>
    </message>
</context>
</TS>
