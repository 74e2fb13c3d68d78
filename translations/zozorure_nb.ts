<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="de">
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
        <translation>Inspeksjoner</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observasjoner</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Ledningstrasé</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>laster brukergrensesnittet...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>laster brukerdata...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>initialiserer programmet...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>konverterer prosjekter...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Prosjekter</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspeksjon</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Start inspeksjon</translation>
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
        <translation>Administrasjon</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Firmadata</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Feilsøkingslogg</translation>
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
        <translation>Referansepunkter</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Målsettinger</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D-projeksjon</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Grunnkart</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Sett inn</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Kum</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Referansepunkt</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Målsetting</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referanse</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Kum/punkt</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Stikkledning</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Lagre endringene i prosjektet?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Lagre endringene i inspeksjonen?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Prosjekt</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Ferdigstill</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Lagre inspeksjonen &quot;%1&quot;?
Ellers går endringene tapt!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Slette oppføringen &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Velg først den aktuelle observasjonen!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Lukk prosjektet først!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Filen &quot;%1&quot; er ikke en inspeksjon som kan åpnes.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Det finnes ingen video for denne inspeksjonen!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Videoen lages...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Fullført!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Denne standarden er for øyeblikket ikke tilgjengelig på ditt språk!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Filen &quot;%1&quot; finnes allerede!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Sorter</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>etter dato</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>etter filnavn</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>etter ledningsnavn</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>etter videonummer</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Laster eksportdata...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Lukk det gjeldende prosjektet først!</translation>
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
