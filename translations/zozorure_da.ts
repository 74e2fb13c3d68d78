<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="de">
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
        <translation>Inspektioner</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observationer</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Ledningsforløb</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>indlæser brugerfladen...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>indlæser brugerdata...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>initialiserer programmet...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>konverterer projekter...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projekter</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspektion</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Funktioner</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Start inspektion</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Firmadata</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Fejlsøgningslog</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Referencepunkter</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Målsætninger</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D-projektion</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Grundplan</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Indsæt</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Brønd</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Referencepunkt</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Målsætning</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Brønd/punkt</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Stikledning</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Indstillinger for visning</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Gem ændringerne i projektet?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Gem ændringerne i inspektionen?</translation>
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
        <translation>Færdiggør</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Gem inspektionen &quot;%1&quot;?
Ellers går ændringerne tabt!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Slet posten &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Vælg først den relevante observation!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Luk først projektet!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Filen &quot;%1&quot; er ikke en inspektion, der kan åbnes.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Der findes ingen video til denne inspektion!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Videoen oprettes...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Fuldført!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Denne standard er i øjeblikket ikke tilgængelig på dit sprog!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Filen &quot;%1&quot; findes allerede!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Sorter</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>efter dato</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>efter filnavn</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>efter ledningsnavn</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>efter videonummer</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Indlæser eksportdata...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Luk først det aktuelle projekt!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>startet</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>kunne ikke startes</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>stoppet</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>initialiserer miljøet...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>initialiserer video...</translation>
    </message>
</context>
</TS>
