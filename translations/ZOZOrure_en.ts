<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Writing CD/DVD</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Create plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Insert lines</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Insert rectangle</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Insert a picture or PDF document</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Insert text element</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Insert a new element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Delete the selected element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Rotate the selected element TO THE LEFT</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Rotate the selected element TO THE RIGHT</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Wall thickness</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
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
        <source>Bild laden</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>WC</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Washbasin</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Shower</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Bathtub</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Urinal</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>insert a new object</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>CD/DVD export</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>CD/DVD writer</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>CD/DVD name</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Please enter a name for the CD/DVD here.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Start burning</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Possible cause: names of project and/or pipe section too long.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>The disc is full!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>No disc!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Too much data! %1 MB(%2 MB free)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Too much data! %1 GB(%2 GB free)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB free)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB free)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB free)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Writing CD/DVD... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>failed!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>completed!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>The file is not a DWA-M 149-2 file (root element &quot;%1&quot; instead of &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>The file contains no pipe section (&quot;HG&quot;) and is not a DWA-M 149-2 inspection.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>The file contains more than one inspection; only the first one was read.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Town: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Street: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Reason for inspection: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Jetted: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Inspection direction: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Weather: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Inspection method: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Start node: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Finish node: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Cross-section: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Service status: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Media ID: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medium: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>The file is not valid UTF-8; it was read as Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>The file %1 contains codes that the catalogue does not know: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; is not a date</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>The file contains further pipe sections (%1); only the first one was read.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observation %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; is not a time</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: the photo name &quot;%2&quot; leads outside the inspection folder and is ignored</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>The file contains no pipe section (&quot;DZB&quot;) and no observation (&quot;DZC&quot;).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DimensionNoteDialog</name>
    <message>
        <source>Bemaßung ändern</source>
        <translation>Change dimension</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Displayed size:</translation>
    </message>
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
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Manhole</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diameter:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>round</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
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
        <source>Länge:</source>
        <translation>Length:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>carried out</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>not carried out</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>at</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> o&apos;clock</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>defect at a pipe joint</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>defect along the whole length of one pipe</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>continuous defect no.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>finish</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspector: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Pipe section: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Upstream node: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Downstream node: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Cleaning: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Flow control: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Direction: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Start point: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Lining: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Sewer type: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Line %1: &quot;%2&quot; is not a valid value for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>The file is not an EN 13508-2 file (root element &quot;%1&quot; instead of &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>The file contains no inspection: no header group (&quot;ZB&quot;) with pipe section data or observations.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>The file contains %n further inspection; only the first was read.</numerusform>
            <numerusform>The file contains %n further inspections; only the first was read.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Characterisation 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Characterisation 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Quantification 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Quantification 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Metres:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Defect class (operational safety):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Streckenschaden:</source>
        <translation>Continuous defect:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>no continuous defect</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Start of continuous defect</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>End of continuous defect</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Defect along the length of one pipe</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Joint:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Photo:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>resulting text</translation>
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
        <source>Bezeichnung:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>at</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>The metre value 0.00m was entered.
Do you want to keep it?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>General data</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Basic data</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Street:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Order reference:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Object name:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Inspected length:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Standard pipe length:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Upstream node</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Downstream node</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Video name:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Video medium:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Sewer data</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Pre-cleaning:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Flow control:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Sewer type:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Pipeline type:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Reason:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Internal pipe protection:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Lining type:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Longitudinal location reference point:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Asset type:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Weather:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
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
        <source>keine Angabe</source>
        <translation>not specified</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspection:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diameter:</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Line %1: &quot;%2&quot; is not a valid value for %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Line %1: The photo name &quot;%2&quot; points outside the inspection folder and was ignored.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Line %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projects:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Export ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Burn</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Folder/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>These files could not be copied:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>A project named %1 is already selected for export!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>There is not enough free space on the drive. %1MB are needed, but only %2MB are available.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Copying ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Exporting project %1 of %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>There is not enough free space on the drive for temporary storage. %1MB are needed, but only %2MB are available.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Preparing the export...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; is not allowed as a name!
Please choose another name!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (line %2, column %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>The site plan %1 could not be read:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>An element of the unknown kind &quot;%1&quot; was skipped.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 more)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>The site plan %1 could not be read completely:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>The site plan %1 was not read completely and is not overwritten.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The site plan %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The site plan %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; is not a usable value for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>The file is not a site plan: its root element is &quot;%1&quot; instead of &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Import from:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>no folder chosen</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Pipe sections</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Import data</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Choose the import folder</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>You are trying to import data from the current project path. 
Please choose another import path.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>There is not enough space for the import.
%1MB are needed, but only %2MB are available.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Importing pipe section %1 of %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>The pipe section %1 could not be copied completely; it is not imported.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>The kind of the pipe section file %1 cannot be recognised; it is not imported.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>No pipe section was found in the folder %1.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Insert inspection</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>upwards</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>downwards</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
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
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Position in the pipe</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
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
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Pipe section data</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Pipe section name:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diameter:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Inspection direction:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Visibility of the labels</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Move the dialog aside to see which labels are switched on or off in the background. Your changes are only stored for good once you close the dialog with &quot;Apply&quot;.</translation>
    </message>
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
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 more)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>The file %1 could not be read completely:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>The file %1 was not read completely and will not be overwritten.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The file %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, photo taken</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>The name &quot;%1&quot; is not allowed as a file name.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>The file %1 could not be read:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; is no inspection length.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Street: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Pipe section: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Upstream: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Downstream: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Shape: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Height: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Width: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Video no.: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>The old file %1 could not be deleted.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The file %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Codes that the catalogue does not know: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>File %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>The file has lines longer than %1 characters but is not valid UTF-8; it was read as Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>The file contains bytes that are not characters in Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>The file contains control characters; it is not a text file in Windows-1252 or UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>The header of the file is incomplete (%1 of 5 lines).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Line %1: record identifier &quot;%2&quot; instead of &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Line 3: &quot;%1&quot; is not a date</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>From line %1 on, another pipe section follows; only the first one was read.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Line %1: unknown record identifier &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Line %1: text after column %2 is not read</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Line %1 is too short: it ends before the code</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Line %1: %2 &quot;%3&quot; is invalid</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Value 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Value 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Damage class</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Defect number</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Clock position</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 is not valid UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>The side file %1 has only %2 of %3 lines.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>The file lacks the header of a file of this kind (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Line %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profile height</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profile width</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 does not fit the file (possible values are %4 to %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Observation %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Photo %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 more)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>The file %1 was not saved:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>&gt;XXXX</source>
        <translation>&gt;XXXX</translation>
    </message>
</context>
<context>
    <name>Isybau2001MainDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>The file is not an ISYBAU 2006 file (root element &quot;%1&quot; instead of &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>The file contains no inspected structure.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>The file contains no inspection of a pipeline.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>The file contains more than one inspection; only the first one was read.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>The file %1 was saved, but other programs may reject it:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; is not a code of the format.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>The pipe section name</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>The order reference &quot;%1&quot; is not a whole number of at most six digits.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>The asset type</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>The pipeline type</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>The inspection direction</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>The start node</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>The type of the start node</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>The end node</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>The type of the end node</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>The inspector&apos;s name</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>The video storage reference</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>The contractor</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>The reference point</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>The flow control</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>The video storage medium</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>The source of the profile dimensions</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>The profile type</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>The source of the material</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>The material</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>The internal protection</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>The lining</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>The sewer type</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>The street name</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>The district</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 lies outside what the format allows.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 lies outside what the format allows.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Observation %1 (%2 at %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Load PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Calibrate plan</translation>
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
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>The picture %1 is too large for a site plan.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>The picture %1 could not be read.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>The PDF document %1 could not be loaded.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>The base plan is empty. Please insert a picture first!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>You have already set a scale.
Should it be overwritten?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Please choose 2 points for the calibration!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>The two points coincide. Please choose two different points!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Distance in metres:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>The base plan is empty!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Please calibrate the plan first!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Pipe section:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Street:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Upper point:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Lower point:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>more data</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diameter:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; is not between %2 and %3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Create project</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Manage projects</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Project data</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspections</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>new folder</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projects:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Please choose a project!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Please enter a project name!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>This project already exists!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>A folder with this name already exists!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Please choose a project to edit!</translation>
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
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>The data were changed successfully!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>These inspections could not be saved:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Loading export data...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Delete the project &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>The folder %1 could not be deleted.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Rename project</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Please choose the ATV or Isybau 2001
project to convert!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Only inspections to ATV or Isybau 2001
can be converted!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Really convert the inspection &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Please choose the project to delete!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Delete the inspection &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Rename inspection</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>The inspection &quot;%1&quot; could not be renamed.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>The file %1 could not be adjusted.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>The program pdftocairo was not found.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>No temporary folder for the conversion: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>The program pdftocairo could not be started: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>The program pdftocairo did not finish.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>The program pdftocairo reports an error (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>The first page is too large for a site plan.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>The conversion gave no picture: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diameter:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
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
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspections</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Table of contents</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Pipe section graphic</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Photo report</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>no page numbers</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Page numbers with table of contents</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Page numbers without table of contents</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Show defects graphically</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Settings for the pipe plan</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>do not show</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>top - left</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>top - centre</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>top - right</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>bottom - left</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>bottom - centre</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>bottom - right</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>show</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Company data:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Legend:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Manual data:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Data from the pipe section:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Street:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Asset data</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Pipe data</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Pipe plan</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projects:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Creating the preview...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Creating the 3D plan for printing...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Creating PDF...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>The printer could not be started.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Upper point</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Upstream</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Lower point</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Downstream</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Video number</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Video name</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Order reference</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Cleaning</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Longitudinal location reference point</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Inspection direction</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Sewer type</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profile width</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profile height</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Reason for inspection</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Lining</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Inspected length</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Video reference</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Lining material</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Sewer type</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Standard pipe length</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Pipeline type</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Asset type</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Internal pipe protection</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Start point</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>End point</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Inspection direction</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Reason for inspection</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Jetted</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Cross-section</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>Medium ID</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Inspection method</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Pipe section ID</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Start node</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>End node</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Surface conditions</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Inspection direction</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Pipeline type</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Purpose of inspection</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Flow control measures</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Storage medium reference</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Storage medium</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Timecode</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Photo report</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Pipe section graphic</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Pipe section report</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Pipe section report:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Street, no.:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Asset plan</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(all details without guarantee)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Scale 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Table of contents</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Total length of all inspections</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>The project folder %1 could not be created.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>The project file %1 could not be read:
%2
It is not overwritten.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>The project file %1 names pipe sections outside its folders; they are not opened:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>The kind of these pipe section files cannot be recognised; they are not opened but stay in the project:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>The project file %1 could not be read and is not overwritten.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The project file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The project file %1 could not be written!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; is not a valid project name.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>A folder named %1 already exists!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>The project folder %1 could not be renamed.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>The order of the pipe sections in %1 could not be read; they are sorted by name.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (line %2, column %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>The 3D project file %1 could not be read and is not overwritten.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>The 3D project file %1 could not be read and is not overwritten.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>The 3D project file %1 could not be opened for writing!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>The 3D project file %1 could not be written!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Text editor</translation>
    </message>
    <message>
        <source>B</source>
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
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>An element has the unusable size %1 × %2; it was given the default size.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>The pen of an element is damaged.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>The width %1 of an element is unusable.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>A picture of the plan is damaged or too large.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>The picture %1 could not be read.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Wizard</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Nominal diameter:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Surface water</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Foul sewage</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Combined sewage</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Bend</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Branch</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Nominal diameter</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Angle:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
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
        <source>Fertigstellen</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Please enter a name!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>This name is already in use!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>The folder &quot;%1&quot; could not be created!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>A bend has already been inserted at this point!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>A branch has already been inserted at this point!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>A bend needs another half metre at the end of the pipe section.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>The video file was not found.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>The video&apos;s folder cannot be written to.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>The video file cannot be read.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>The frame rate of the video file is unknown.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>The video is shorter than one second.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while reading the video.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while writing the video.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>The finished video cannot be saved.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>The video file could not be read completely: only up to %1 of %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>PHOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>The video cannot be played:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Loading video...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>3D view options</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Standard text</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Comment only</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Custom:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Pipe section name
$c Comment
$m Current metre value
$l Metres since the last observation</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Label display</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Speech bubble</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lines</translation>
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
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>The settings could not be written to &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Distance to the reference point:</translation>
    </message>
</context>
</TS>
