<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Prosjektmappe</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Alle prosjekter lagres i denne mappen.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Hrvatski</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Vis ledningsnavn</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Rapporter</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Lag ledningsrapport</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Fargelegg skader helt i rapporten</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Merk prosjekter med skader</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Merknad: alle mål er omtrentlige</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Ledningsgrafikk</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>justert versjon</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Oppsett for fotorapport</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 x 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 x 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 x 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 x 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 x 2 med tekst</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 x 3 med tekst</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Opptak</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Maskinvare</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Videokilde:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Tekstinnfelling</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Generelle data:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Tekstinnfelling:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Klokkeslett</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Firmatekst</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Tekst i bilder</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Sett ledningsstrekkets start automatisk</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Stopp video ved slutten av ledningsstrekket</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>skriv inn nye data</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Skriftstørrelse for etiketter:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Prosjektstien er tom.
Angi en gyldig sti.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Den angitte prosjektstien finnes ikke.
Angi en gyldig sti.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Det kan ikke skrives til prosjektstien.
Angi en gyldig sti.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Innstillingene kunne ikke skrives til &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Firmadata</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>gjeldende firma</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>lagrede firmaer</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Firmalogo</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Ramme</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Tilpassede firmadata</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Importer firma</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Eksporter firma</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Filen &quot;%1&quot; kunne ikke leses.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Velg logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Sletting er ikke mulig! Velg en annen oppføring!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Slette firmaet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Firmadataene kunne ikke skrives til &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Eksport av firma</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>ZOZOrure-firmafil (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Filen &quot;%1&quot; kunne ikke skrives.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Import av firma</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Last inn bilde</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
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
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Det eksisterende grunnkartet overskrives!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Laste inn planen fra en fil eller lage den selv?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Last inn</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Planen lages!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Planen lagres!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>3D-visningen oppdateres!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Fjerne grunnkartet?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Sett inn innmålingspunkt:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Mål inn</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Frihånd</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Velg 2 punkter for innmålingen!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Plasser innmålingspunktet!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Velg 2 punkter for målsettingen!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Skal elementet virkelig slettes?
Alle tilkoblede elementer slettes også!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Slette inspeksjonen inkludert alle tilkoblede inspeksjoner?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>ny inspeksjon</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Veiviser</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Prosjektet må lastes inn på nytt.
Vent et øyeblikk!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Start programmet på nytt for å ta i bruk endringene fullt ut!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Avstand</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Kode</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Observasjon</translation>
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
