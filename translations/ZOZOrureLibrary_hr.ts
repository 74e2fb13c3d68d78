<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
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
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Podaci o tvrtki &quot;%1&quot; nisu se mogli pročitati.</translation>
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
</TS>
