<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Save the changes to the inspection?</translation>
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
