<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Vain %1 / %2 tavua kirjoitettiin.</translation>
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
        <translation>Projektikansioksi on esiasetettu %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Se sisältää arvoja muodossa, jota ohjelma ei kirjoita.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>Asetuksia tiedostosta %1 ei voitu lukea; oletusasetukset ovat voimassa.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Kansion nimi</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Tiedoston nimi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; ei kelpaa nimeksi!
Valitse toinen nimi!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; on jo olemassa!
Valitse toinen nimi!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>Linkkiä %1 ei voi lukea.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>Samanniminen tiedosto tai kansio on tiellä.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>Linkkiä ei voi luoda: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Kansiota ei voi lukea: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>Tiedostoa ei voi poistaa: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>Kansiota ei voi poistaa: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Ei tiedosto eikä kansio.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>Tämä ei ole kansio.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>Kansiota ei ole.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>Kohde on kopioitavan kansion %1 sisällä.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>Kansiota ei voi luoda.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Tiedostoa ei voi lukea: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>Tiedostoa ei voi kirjoittaa: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Lukuvirhe: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Kirjoitusvirhe: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>Tiedostoa ei voi korvata: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>Kansiota ei ole annettu.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 tai %2 ei ole kansiossa %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 on jo olemassa.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>Kohdetta %1 ei voi nimetä uudelleen nimelle %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>Kohde ei ole kansiossa %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>Kansio ei ole kansiossa %1, eikä sitä poisteta.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Kopiointi keskeytettiin.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>Kuvassa on %1 × %2 kuvapistettä, enemmän kuin yrityksen tiedot voivat sisältää; se pienennettiin kokoon %3 × %4 kuvapistettä.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>Yrityksen &quot;%1&quot; logoa ei voi lukea eikä sitä tulosteta.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>Yrityksen &quot;%1&quot; muokattua kirjepäätä ei voi lukea; raportit saavat vakiokirjepään.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Yritystietoja &quot;%1&quot; ei voitu lukea.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Yrityksen tietoja &quot;%1&quot; ei luettu eikä niitä korvata.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>Tietoja ZOZOrure-ohjelmasta</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), käännetty versiolla: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versio: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure käyttää:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Vastuuvapauslauseke: Tietojen menetyksestä tai tämän ohjelmiston asiattomasta käytöstä aiheutuvista vahingoista ei oteta mitään vastuuta.</translation>
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
        <translation>Tiedostoa ei kirjoitettu kokonaan.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* kaikki mitat ovat likimääräisiä</translation>
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
        <translation>Yhteensä:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>Tiedoston koko on %1 Mt; tämänlaisia tiedostoja luetaan vain %2 Mt:iin asti.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>Tiedosto määrittelee omia entiteettejä; sellaisia tiedostoja ei lueta.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Elementit on sisäkkäin syvemmällä kuin %1 tasoa.</translation>
    </message>
</context>
</TS>
