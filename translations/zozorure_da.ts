<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Projektmappe</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Alle projekter gemmes i denne mappe.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprog</translation>
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
        <translation>Vis ledningsnavne</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Rapporter</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Opret ledningsrapport</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Farv skader helt i rapporten</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Marker projekter med skader</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Visning: alle mål er omtrentlige</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Ledningsgrafik</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>justeret version</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Layout for fotorapport</translation>
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
        <translation>Optagelse</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Videokilde:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Tekstindblænding</translation>
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
        <translation>Tekstindblænding:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Klokkeslæt</translation>
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
        <translation>Funktioner</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Tekst i fotos</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Sæt ledningens start automatisk</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Stop video ved ledningens slutning</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>indskriv nye data</translation>
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
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Projektstien er tom.
Angiv en gyldig sti.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Den angivne projektsti findes ikke.
Angiv en gyldig sti.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Der kan ikke skrives i projektstien.
Angiv en gyldig sti.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Indstillingerne kunne ikke skrives i &quot;%1&quot;.</translation>
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
        <translation>aktuelt firma</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>gemte firmaer</translation>
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
        <translation>Vælg</translation>
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
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Filen &quot;%1&quot; kunne ikke læses.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Vælg logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Billeder</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Sletning er ikke mulig! Vælg en anden post!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Slet firmaet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Firmadataene kunne ikke skrives i &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Eksport af firma</translation>
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
        <translation>Import af firma</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Billeder (%1)</translation>
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
        <translation>Visningsvalg</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Gem ændringerne i projektet?</translation>
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
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Den eksisterende grundplan overskrives!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Indlæs planen fra en fil eller opret den selv?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Indlæs</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Planen oprettes!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Planen gemmes!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>3D-visningen opdateres!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Fjern grundplanen?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Indsæt indmålingspunkt:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Indmål</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Frihånd</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Vælg 2 punkter til indmålingen!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Placer indmålingspunktet!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Vælg 2 punkter til målsætningen!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Skal elementet virkelig slettes?
Alle tilsluttede elementer slettes også!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Slet inspektionen inklusive alle tilsluttede inspektioner?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>ny inspektion</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Projektet skal indlæses igen.
Vent et øjeblik!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Genstart programmet for at anvende ændringerne fuldt ud!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Kode</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Observation</translation>
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
