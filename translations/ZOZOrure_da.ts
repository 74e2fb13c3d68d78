<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>CD/DVD brændes</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Opret plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Zoom ind</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Zoom ud</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Indsæt linjer</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Indsæt rektangel</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Indsæt billede eller PDF-dokument</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Indsæt tekstelement</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Indsæt nyt element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Slet det valgte element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Drej det valgte element MOD VENSTRE</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Drej det valgte element MOD HØJRE</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Ramme</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Vægtykkelse</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Bredde</translation>
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
        <source>Bild laden</source>
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Billeder (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>Toilet</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Håndvask</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Bruser</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Badekar</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Urinal</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>indsæt nyt objekt</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>CD/DVD-eksport</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>CD/DVD-brænder</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Navn på cd/dvd</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Angiv her et navn til cd&apos;en/dvd&apos;en.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Start brænding</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Mulig årsag: For lange navne på projekt og/eller ledning.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Disken er fuld!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Ingen disk!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>For mange data! %1 MB(%2 MB fri)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>For mange data! %1 GB(%2 GB fri)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB fri)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB fri)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB fri)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>CD/DVD brændes... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>mislykkedes!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>fuldført!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en DWA-M 149-2-fil (rodelement &quot;%1&quot; i stedet for &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Filen indeholder ingen ledning (&quot;HG&quot;) og er ikke en DWA-M 149-2-inspektion.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen indeholder mere end én inspektion; kun den første blev læst.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Operatør: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Kunden: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>By: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Vej: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Dato: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Inspektionsårsag: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Spulet: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Inspektionretning: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Vejrlig: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Inspektionsmetode: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Start Punkt: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Slut Punkt: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Tværsnit: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Højde: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>I Brug: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Medie-ID: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medie: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen er ikke gyldig UTF-8; den blev læst som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Filen %1 indeholder koder, som kataloget ikke kender: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; er ikke en dato</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Filen indeholder flere ledninger (%1); kun den første blev læst.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observation %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; er ikke et klokkeslæt</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: fotonavnet &quot;%2&quot; peger uden for inspektionens mappe og ignoreres</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Filen indeholder ingen ledning (&quot;DZB&quot;) og ingen observation (&quot;DZC&quot;).</translation>
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
        <translation>Rediger målsætning</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Vist størrelse:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Brønd</translation>
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
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Dybde:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>rund</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>rektangulær</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
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
        <source>Länge:</source>
        <translation>Længde:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>udført</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>ikke udført</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>ved</translation>
    </message>
    <message>
        <source>von</source>
        <translation>fra</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>til</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> på urskiven</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>skaden sidder ved en rørsamling</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>skade over hele længden af ét rør</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>strækningsskade nr.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>slut</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektør: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Ledning: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Opstrøms knude: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nedstrøms knude: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Rensning: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Flowkontrol: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Retning: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Startpunkt: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Højde: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Foring: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Afløbstype: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Linje %1: &quot;%2&quot; er ikke en gyldig værdi for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en EN 13508-2-fil (rodelement &quot;%1&quot; i stedet for &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Filen er tom.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Filen indeholder ingen inspektion: ingen hovedgruppe (&quot;ZB&quot;) med ledningsdata eller observationer.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Filen indeholder %n inspektion mere; kun den første blev læst.</numerusform>
            <numerusform>Filen indeholder %n inspektioner mere; kun den første blev læst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Observationer</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Kode:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Karakterisering 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Karakterisering 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Kvantificering 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Kvantificering 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Meter:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Skadesklasse (driftssikkerhed):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>i.o.</translation>
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
        <translation>Strækningsskade:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>ingen strækningsskade</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Start af strækningsskade</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Slut på strækningsskade</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Skade over et rørs længde</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Samling:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Bemærkning:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>færdig tekst</translation>
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
        <source>Bezeichnung:</source>
        <translation>Betegnelse:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Koordinater:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>ved</translation>
    </message>
    <message>
        <source>von</source>
        <translation>fra</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Der blev indtastet meterværdien 0.00m.
Vil du beholde den?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Generelle data</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Grunddata</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operatør:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Sted:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Vej:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Ordrenummer:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Objektbetegnelse:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Klokkeslæt:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Inspiceret længde:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Standardrørlængde:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Opstrøms knude</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Nedstrøms knude</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Videonavn:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Videomedie:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Kloakdata</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiale:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Højde:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Retning:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Forudgående rensning:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Flowkontrol:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Kloaktype:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Ledningstype:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Årsag:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Indvendig rørbeskyttelse:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Foringstype:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Referencepunkt for længdeplacering:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Anlægstype:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Vejr:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Indlæs</translation>
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
        <source>keine Angabe</source>
        <translation>ingen angivelse</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspektion:</translation>
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
        <translation>Linje %1: &quot;%2&quot; er ikke en gyldig værdi for %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Linje %1: Fotonavnet &quot;%2&quot; peger uden for inspektionsmappen og blev ignoreret.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Linje %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekter:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Udvalg</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Eksporter ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Størrelse:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Brænd</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Mappe/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Disse filer kunne ikke kopieres:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Et projekt med navnet %1 er allerede valgt til eksport!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Der er ikke nok ledig plads på drevet. Der kræves %1MB, men kun %2MB er til rådighed.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Kopierer ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Eksporterer projekt %1 af %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Der er ikke nok ledig plads på drevet til mellemlagring. Der kræves %1MB, men kun %2MB er til rådighed.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Eksporten forberedes...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; er ikke tilladt som navn!
Vælg et andet navn!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (linje %2, kolonne %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Situationsplanen %1 kunne ikke læses:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Et element af den ukendte type &quot;%1&quot; blev sprunget over.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 flere)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Situationsplanen %1 kunne ikke læses fuldstændigt:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Situationsplanen %1 blev ikke læst fuldstændigt og overskrives ikke.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Situationsplanen %1 kunne ikke åbnes til skrivning!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Situationsplanen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; er ikke en brugbar værdi for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Filen er ikke en situationsplan: dens rodelement er &quot;%1&quot; i stedet for &quot;%2&quot;.</translation>
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
        <translation>Importer fra:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>ingen mappe valgt</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Ledninger</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Importer data</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Vælg importmappe</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Du forsøger at importere data fra den aktuelle projektsti. 
Vælg en anden importsti.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Der er ikke nok plads til importen.
Der kræves %1MB, men kun %2MB er til rådighed.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Importerer ledning %1 af %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Ledningen %1 kunne ikke kopieres fuldstændigt; den importeres ikke.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Typen af ledningsfilen %1 kan ikke genkendes; den importeres ikke.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>Der blev ikke fundet nogen ledning i mappen %1.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Indsæt inspektion</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Dybde:</translation>
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
        <translation>opad</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>nedad</translation>
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
        <translation>Fil</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
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
        <translation>Tekst</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Position i røret</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Vinkel</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspektion</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Ledningsdata</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Ledningsnavn:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiale:</translation>
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
        <translation>Inspektionsretning:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Etiketternes synlighed</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Flyt dialogen til side for at se, hvilke etiketter der (de)aktiveres i baggrunden. Dine ændringer gemmes dog først permanent, når du lukker dialogen med &quot;Anvend&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 flere)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Filen %1 kunne ikke læses fuldstændigt:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Filen %1 blev ikke læst fuldstændigt og bliver ikke overskrevet.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åbnes til skrivning!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Filen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, foto taget</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Navnet &quot;%1&quot; er ikke tilladt som filnavn.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Filen %1 kunne ikke læses:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; er ingen inspektionslængde.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Operatør: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Vej: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Ledning: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Opstrøms: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Nedstrøms: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Profil: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Højde: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Bredde: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Video nr.: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Den gamle fil %1 kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åbnes til skrivning!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Filen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Koder, som kataloget ikke kender: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Fil %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen har linjer på over %1 tegn, men er ikke gyldig UTF-8; den blev læst som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Filen indeholder bytes, som ikke er tegn i Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Filen indeholder kontroltegn; den er ikke en tekstfil i Windows-1252 eller UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Filens hoved er ufuldstændigt (%1 af 5 linjer).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Linje %1: postkode &quot;%2&quot; i stedet for &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Linje 3: &quot;%1&quot; er ikke en dato</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Fra linje %1 følger endnu en ledning; kun den første blev læst.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Linje %1: ukendt postkode &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Linje %1: tekst efter kolonne %2 læses ikke</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Linje %1 er for kort: den slutter før koden</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Linje %1: %2 &quot;%3&quot; er ugyldig</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Værdi 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Værdi 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Skadesklasse</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Skadesnummer</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Urposition</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 er ikke gyldig UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Følgefilen %1 har kun %2 af %3 linjer.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Filen har ikke hovedet for en fil af denne type (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Linje %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profilhøjde</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profilbredde</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 passer ikke i filen (mulige værdier er %4 til %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Observation %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Foto %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 flere)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Filen %1 blev ikke gemt:
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
        <translation>Fra:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Til:</translation>
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
        <translation>Filen er ikke en ISYBAU-2006-fil (rodelement &quot;%1&quot; i stedet for &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Filen indeholder intet inspiceret anlæg.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Filen indeholder ingen inspektion af en rørledning.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen indeholder mere end én inspektion; kun den første blev læst.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Filen %1 blev gemt, men andre programmer afviser den muligvis:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 mangler.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 er længere end %2 tegn.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; er ikke en kode i formatet.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Ledningsbetegnelsen</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Ordrenummeret &quot;%1&quot; er ikke et heltal med højst seks cifre.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Anlægstypen</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Ledningstypen</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Inspektionsretningen</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Startknuden</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Startknudens type</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Slutknuden</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Slutknudens type</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Inspektørens navn</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Videoarkivreferencen</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Entreprenøren</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Referencepunktet</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Vandhåndteringen</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Videolagringsmediet</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Oprindelsen af profilmålene</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Profiltypen</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Oprindelsen af materialet</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Materialet</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Den indvendige beskyttelse</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Foringen</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Kloaktypen</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Vejnavnet</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Bydelen</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 ligger uden for det, formatet tillader.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 ligger uden for det, formatet tillader.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Observation %1 (%2 ved %3 m)</translation>
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
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Indlæs PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Kalibrer plan</translation>
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
        <source>Bilder</source>
        <translation>Billeder</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Billedet %1 er for stort til en situationsplan.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Billedet %1 kunne ikke læses.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>PDF-dokumentet %1 kunne ikke indlæses.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Grundplanen er tom. Indsæt først et billede!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Du har allerede fastlagt et målestoksforhold.
Skal det overskrives?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Vælg 2 punkter til kalibreringen!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>De to punkter falder sammen. Vælg to forskellige punkter!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Afstand i meter:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Grundplanen er tom!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Kalibrer først planen!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Ledning:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiale:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operatør:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Sted:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Vej:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Øverste punkt:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Højde:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Retning:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Nederste punkt:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>flere data</translation>
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
        <translation>&quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; ligger ikke mellem %2 og %3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Opret projekt</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Administrer projekter</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Åbn projekt</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>nyt projekt</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Projektdata</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Sted</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatør</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspektioner</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspektion</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Konverter</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>ny mappe</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekter:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Vælg et projekt!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Angiv et projektnavn!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Dette projekt findes allerede!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Der findes allerede en mappe med dette navn!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Vælg et projekt, der skal redigeres!</translation>
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
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Dataene er ændret!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Disse inspektioner kunne ikke gemmes:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Indlæser eksportdata...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Slet projektet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Mappen %1 kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Omdøb projekt</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Vælg det ATV- eller Isybau 2001-projekt,
der skal konverteres!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Kun inspektioner efter ATV eller Isybau 2001
kan konverteres!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Skal inspektionen &quot;%1&quot; virkelig konverteres?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Vælg det projekt, der skal slettes!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Slet inspektionen &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Omdøb inspektion</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Inspektionen &quot;%1&quot; kunne ikke omdøbes.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Filen %1 kunne ikke tilpasses.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Programmet pdftocairo blev ikke fundet.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Ingen midlertidig mappe til konverteringen: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Programmet pdftocairo kunne ikke startes: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Programmet pdftocairo blev ikke færdigt.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Programmet pdftocairo melder en fejl (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Den første side er for stor til en situationsplan.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Konverteringen gav intet billede: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
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
        <translation>Dybde:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Udskriftseksempel</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspektioner</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Udvalg</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Indholdsfortegnelse</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Ledningsgrafik</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Fotorapport</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>ingen sidetal</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Sidetal med indholdsfortegnelse</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Sidetal uden indholdsfortegnelse</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Vis skader grafisk</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Indstillinger for rørplanen</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>vis ikke</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>øverst - venstre</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>øverst - midt</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>øverst - højre</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>nederst - venstre</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>nederst - midt</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>nederst - højre</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>vis</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Målestok:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Størrelse:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Firmadata:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Signaturforklaring:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Manuelle data:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Data fra ledningen:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Sted:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Vej:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Registreringsdata</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Rørdata</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Rørplan</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekter:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Opretter eksempel...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Vent venligst...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Opretter 3D-plan til udskrivning...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Gem fil</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>PDF oprettes...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Printeren kunne ikke startes.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Filen &quot;%1&quot; kunne ikke skrives.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatør</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Sted</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Øverste punkt</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Opstrøms</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Nederste punkt</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Nedstrøms</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Bredde</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Højde</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Retning</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Videonummer</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Videonavn</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Ordrenummer</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Klokkeslæt</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Rensning</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Flowkontrol</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Referencepunkt for længdeplacering</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Inspektionsretning</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Kloaktype</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profilbredde</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profilhøjde</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Inspektionsårsag</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Foring</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Inspiceret længde</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Videoreference</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Foringsmateriale</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Afløbstype</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Standardrørlængde</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Ledningstype</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Anlægstype</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Indvendig rørbeskyttelse</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Operatør</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Kunden</translation>
    </message>
    <message>
        <source>By</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Start Punkt</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Slut Punkt</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Inspektionretning</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>I Brug</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Inspektionsårsag</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Spulet</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Tværsnit</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Bredde</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Højde</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>Medie-ID</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Inspektionsmetode</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Vejrlig</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Lednings-id</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Bygherre</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Startknude</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Slutknude</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Overfladeforhold</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Inspektionsretning</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Ledningstype</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Inspektionsformål</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Flowregulerende tiltag</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Højde</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Lagringsmediets reference</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Lagringsmedie</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Tidskode</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Fotorapport</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Ledningsgrafik</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Ledningsrapport</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Ledningsrapport:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Sted:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Vej, nr.:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Ledningsplan</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(alle oplysninger uden ansvar)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Målestok:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Målestok 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Indholdsfortegnelse</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Bygherre</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Samlet længde af alle inspektioner</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Projektmappen %1 kunne ikke oprettes.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Projektfilen %1 kunne ikke læses:
%2
Den overskrives ikke.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Projektfilen %1 nævner ledninger uden for dens mapper; de åbnes ikke:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Typen af disse ledningsfiler kan ikke genkendes; de åbnes ikke, men bliver i projektet:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Projektfilen %1 kunne ikke læses og overskrives ikke.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Projektfilen %1 kunne ikke åbnes til skrivning!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Projektfilen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; er ikke et gyldigt projektnavn.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Der findes allerede en mappe med navnet %1!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Projektmappen %1 kunne ikke omdøbes.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Rækkefølgen af ledningerne i %1 kunne ikke læses; de er sorteret efter navn.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (linje %2, kolonne %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>3D-projektfilen %1 kunne ikke læses og overskrives ikke.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>3D-projektfilen %1 kunne ikke læses og overskrives ikke.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>3D-projektfilen %1 kunne ikke åbnes til skrivning!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>3D-projektfilen %1 kunne ikke skrives!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Teksteditor</translation>
    </message>
    <message>
        <source>B</source>
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
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>Et element har den ubrugelige størrelse %1 × %2; det har fået standardstørrelsen.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Stregen for et element er beskadiget.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Tykkelsen %1 for et element er ubrugelig.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Et billede i planen er beskadiget eller for stort.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Billeder (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Billedet %1 kunne ikke læses.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Guide</translation>
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
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Nominel diameter:</translation>
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
        <translation>Regnvand</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Spildevand</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Fællessystem</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Indsæt</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Bøjning</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Stikledning</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Nominel diameter</translation>
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
        <translation>Vinkel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Tilbage</translation>
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
        <source>Fertigstellen</source>
        <translation>Udfør</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Indtast et navn!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Dette navn er allerede i brug!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Mappen &quot;%1&quot; kunne ikke oprettes!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>Der er allerede indsat en bøjning på dette sted!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>Der er allerede indsat en stikledning på dette sted!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Der mangler en halv meter i slutningen af ledningen til en bøjning.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Videofilen blev ikke fundet.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Der kan ikke skrives i videoens mappe.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Videofilen kan ikke læses.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Videofilens billedfrekvens er ukendt.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Videoen er kortere end et sekund.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Der opstod en fejl under læsning af videoen.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Der opstod en fejl under skrivning af videoen.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Den færdige video kan ikke gemmes.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Videofilen kunne ikke læses helt: kun til %1 af %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Videoen kan ikke afspilles:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Videoen indlæses...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Indstillinger for 3D-visning</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Etikettekst</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Standardtekst</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Kun kommentar</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Brugerdefineret:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Ledningsnavn
$c Kommentar
$m Aktuel meterværdi
$l Meterværdi siden sidste observation</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Visning af etiketter</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Taleboble</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Tekstfarve</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Baggrund</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linjer</translation>
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
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Indstillingerne kunne ikke skrives i &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Afstand til referencepunktet:</translation>
    </message>
</context>
</TS>
