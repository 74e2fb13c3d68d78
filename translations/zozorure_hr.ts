<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>ZOZOrure</source>
        <translation>ZOZOrure</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcije</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Zapažanja</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Trasa cijevi</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>učitavanje sučelja...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>učitavanje korisničkih podataka...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>pokretanje programa...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>pretvaranje projekata...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcija</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodaci</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Ispis</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Pokreni inspekciju</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Novi</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Uvoz</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Upravljanje</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Podaci o tvrtki</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Ispis za otklanjanje pogrešaka</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Prikaz</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Oznake</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Referentne točke</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Kote</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D projekcija</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiva</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Podloga</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Umetni</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Stvori</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Točka</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Referentna točka</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referenca</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Okno/točka</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Ogranak</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Mogućnosti</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Spremiti promjene projekta?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Spremiti promjene inspekcije?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Dovrši</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Spremiti inspekciju &quot;%1&quot;?
Inače će se promjene izgubiti!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Izbrisati unos &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Najprije odaberite odgovarajuće opažanje!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Najprije zatvorite projekt!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Otvori datoteku</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Datoteka &quot;%1&quot; nije inspekcija koja se može otvoriti.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Za ovu inspekciju nema videa!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Izrada videa...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Uspješno završeno!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Ova norma trenutačno nije dostupna na vašem jeziku!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Datoteka &quot;%1&quot; već postoji!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Poredaj</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>prema datumu</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>prema nazivu datoteke</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>prema nazivu dionice</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>prema broju videa</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Učitavanje podataka za izvoz...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Najprije zatvorite trenutačni projekt!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>pokrenut</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>nije se mogao pokrenuti</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>zaustavljen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>pokretanje okruženja...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>pokretanje videa...</translation>
    </message>
</context>
</TS>
