<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Project folder</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>All projects are kept in this folder.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
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
        <translation>Display</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Show pipe section names</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Create pipe section report</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Colour defects fully in the report</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Mark projects with defects</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Note: all dimensions are approximate</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Pipe section graphic</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>aligned version</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Photo report layout</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 by 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 by 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 by 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 by 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 by 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 by 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 by 2 with text</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 by 3 with text</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Video source:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Text overlay</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>General data:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Text overlay:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Company text</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Text in photos</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Set the pipe section start automatically</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Stop the video at the end of the pipe section</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>write new data</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Label font size:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>The project path is empty.
Please set a valid path.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>The given project path does not exist.
Please set a valid path.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>The project path cannot be written to.
Please set a valid path.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>The settings could not be written to &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Company data</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>current company</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>saved companies</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Company logo</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>F</source>
        <translation>B</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Personalised company data</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Import company</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Export company</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>The file &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Choose logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Cannot delete! Please choose another entry!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Delete the company &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>The company data could not be written to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Company export</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>ZOZOrure company file (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Company import</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
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
        <translation>Inspections</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Pipe route</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>loading ui...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>loading user data...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>initialize program...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>convert projects...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projects</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Start inspection</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Manage</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Company data</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Debug output</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Reference points</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D projection</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Base plan</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Manhole</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Reference point</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Manhole/point</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Branch</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Save the changes to the project?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Finalize</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Save the inspection &quot;%1&quot;?
Otherwise the changes are lost!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Delete the entry &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Please choose the observation concerned first!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Please close the project first!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>The file &quot;%1&quot; is not an inspection that can be opened.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>There is no video for this inspection!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Creating the video...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Completed successfully!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>This standard is currently not available in your language!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>The file &quot;%1&quot; already exists!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>by date</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>by file name</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>by pipe section name</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>by video number</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Loading export data...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Please close the current project first!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>started</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>could not be started</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>The existing base plan will be overwritten!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Load the plan from a file or create it yourself?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Creating the plan!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Saving the plan!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>Updating the 3D view!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Remove the base plan?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Insert survey point:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Survey</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Freehand</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Please choose 2 points to survey from!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Please set the survey point!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Please choose 2 points to dimension!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Really delete the element?
All elements connected to it are deleted as well!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Delete the inspection including all inspections connected to it?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>new inspection</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Wizard</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>The project has to be loaded again.
Please wait a moment!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Please restart the program to apply the changes completely!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Code</translation>
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
        <translation>init environment...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>init video...</translation>
    </message>
</context>
</TS>
