<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>CD/DVD brennes</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Lag plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Sett inn linjer</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Sett inn rektangel</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Sett inn bilde eller PDF-dokument</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Sett inn tekstelement</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Sett inn nytt element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Slett det valgte elementet</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Roter det valgte elementet MOT VENSTRE</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Roter det valgte elementet MOT HØYRE</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Ramme</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Veggtykkelse</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Lengde</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Last inn bilde</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>Toalett</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Servant</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Dusj</translation>
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
        <translation>sett inn nytt objekt</translation>
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
        <translation>CD/DVD-brenner</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Navn på CD/DVD</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Skriv inn et navn på CD-en/DVD-en her.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Start brenning</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Mulig årsak: For lange navn på prosjekt og/eller ledningsstrekk.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Platen er full!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Ingen plate!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>For mye data! %1 MB(%2 MB ledig)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>For mye data! %1 GB(%2 GB ledig)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB ledig)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB ledig)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB ledig)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Prosjekt</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>CD/DVD brennes... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>mislyktes!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>fullført!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en DWA-M 149-2-fil (rotelement «%1» i stedet for «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Filen inneholder ikke noe ledningsstrekk («HG») og er ikke en DWA-M 149-2-inspeksjon.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen inneholder mer enn én inspeksjon; bare den første ble lest.</translation>
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
        <translation>Kunde: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Sted: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Vei: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Dato: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Årsak til inspeksjon: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Spylt: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Inspeksjonsretning: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Vær: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Inspeksjonsmetode: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Startnode: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Sluttnode: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Tverrsnitt: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diameter: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Høyde: </translation>
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
        <translation>Driftsstatus: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Medie-ID: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medium: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen er ikke gyldig UTF-8; den ble lest som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Filen %1 inneholder koder som katalogen ikke kjenner: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): «%2» er ikke en dato</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Filen inneholder flere ledningsstrekk (%1); bare det første ble lest.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observasjon %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: «%2» er ikke et klokkeslett</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: fotonavnet «%2» fører ut av inspeksjonens mappe og blir ikke tatt med</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: «%2» er ikke et tall</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Filen inneholder ikke noe ledningsstrekk (&quot;DZB&quot;) og ingen observasjon (&quot;DZC&quot;).</translation>
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
        <translation>Endre målsetting</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Vist størrelse:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Kum</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Lengde:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>utført</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>ikke utført</translation>
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
        <translation>skaden er ved en rørskjøt</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>skade over hele lengden av ett rør</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>kontinuerlig skade nr.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>slutt</translation>
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
        <translation>Ledningsstrekk: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Oppstrøms node: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nedstrøms node: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Rengjøring: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Strømningskontroll: </translation>
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
        <translation>Høyde: </translation>
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
        <translation>Fôring: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Avløpstype: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Linje %1: «%2» er ikke en gyldig verdi for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Filen er ikke en EN 13508-2-fil (rotelement «%1» i stedet for «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Filen er tom.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Filen inneholder ingen inspeksjon: ingen hodegruppe (&quot;ZB&quot;) med ledningsdata eller observasjoner.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Filen inneholder %n inspeksjon til; bare den første ble lest.</numerusform>
            <numerusform>Filen inneholder %n inspeksjoner til; bare den første ble lest.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Observasjoner</translation>
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
        <translation>Kvantifisering 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Kvantifisering 2:</translation>
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
        <translation>Skadeklasse (driftssikkerhet):</translation>
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
        <translation>Strekningsskade:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>ingen strekningsskade</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Start på strekningsskade</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Slutt på strekningsskade</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Skade over ett rørs lengde</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Skjøt:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Merknad:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>ferdig tekst</translation>
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
        <translation>Meterverdien 0.00m ble angitt.
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
        <translation>Grunndata</translation>
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
        <translation>Gate:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Oppdragsnummer:</translation>
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
        <translation>Klokkeslett:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Inspisert lengde:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Standard rørlengde:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Oppstrøms node</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Nedstrøms node</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Videonavn:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Videomedium:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Avløpsdata</translation>
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
        <translation>Høyde:</translation>
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
        <translation>Forhåndsrengjøring:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Vannhåndtering:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Avløpstype:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Ledningstype:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Årsak:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Innvendig rørbeskyttelse:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Foringstype:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Referansepunkt for lengdeplassering:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Anleggstype:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Vær:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Last inn</translation>
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
        <source>keine Angabe</source>
        <translation>ikke angitt</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspeksjon:</translation>
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
        <translation>Linje %1: «%2» er ikke en gyldig verdi for %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Linje %1: Fotonavnet «%2» peker ut av inspeksjonsmappen og ble ikke tatt med.</translation>
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
        <translation>Prosjekter:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Utvalg</translation>
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
        <translation>Brenn</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Mappe/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Disse filene kunne ikke kopieres:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Et prosjekt med navnet %1 er allerede valgt for eksport!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Det er ikke nok ledig plass på stasjonen. Det trengs %1MB, men bare %2MB er tilgjengelig.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Kopierer ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Eksporterer prosjekt %1 av %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Det er ikke nok ledig plass på stasjonen til mellomlagring. Det trengs %1MB, men bare %2MB er tilgjengelig.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Eksporten klargjøres...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; er ikke tillatt som navn!
Velg et annet navn!</translation>
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
        <translation>Situasjonsplanen %1 kunne ikke leses:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Et element av den ukjente typen &quot;%1&quot; ble hoppet over.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 flere)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Situasjonsplanen %1 kunne ikke leses fullstendig:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Situasjonsplanen %1 ble ikke lest fullstendig og overskrives ikke.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Situasjonsplanen %1 kunne ikke åpnes for skriving!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Situasjonsplanen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; er ikke en brukbar verdi for %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Filen er ikke en situasjonsplan: rotelementet er &quot;%1&quot; i stedet for &quot;%2&quot;.</translation>
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
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Ledningsstrekk</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Importer data</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Velg importmappe</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Du prøver å importere data fra den gjeldende prosjektstien. 
Velg en annen importsti.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Det er ikke nok plass til importen.
Det trengs %1MB, men bare %2MB er tilgjengelig.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Importerer ledningsstrekk %1 av %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Ledningsstrekket %1 kunne ikke kopieres fullstendig; det importeres ikke.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Typen til ledningsfilen %1 kan ikke gjenkjennes; den importeres ikke.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>Det ble ikke funnet noe ledningsstrekk i mappen %1.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Sett inn inspeksjon</translation>
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
        <translation>oppover</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>nedover</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posisjon:</translation>
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
        <translation>Veiviser</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
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
        <translation>Posisjon i røret</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspeksjon</translation>
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
        <translation>Inspeksjonsretning:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Etikettenes synlighet</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Flytt dialogen til side for å se hvilke etiketter som (de)aktiveres i bakgrunnen. Endringene lagres likevel ikke permanent før du lukker dialogen med &quot;Bruk&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
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
        <translation>Filen %1 kunne ikke leses fullstendig:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Filen %1 ble ikke lest fullstendig og blir ikke overskrevet.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åpnes for skriving!
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
        <translation>, foto tatt</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Navnet «%1» er ikke tillatt som filnavn.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Filen %1 kunne ikke leses:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; er ingen inspeksjonslengde.</translation>
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
        <translation>Vei: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Ledningsstrekk: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Oppstrøms: </translation>
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
        <translation>Høyde: </translation>
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
        <translation>Den gamle filen %1 kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Filen %1 kunne ikke åpnes for skriving!
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
        <translation>Koder som katalogen ikke kjenner: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Fil %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Filen har linjer på over %1 tegn, men er ikke gyldig UTF-8; den ble lest som Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Filen inneholder byte som ikke er tegn i Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Filen inneholder kontrolltegn; den er ikke en tekstfil i Windows-1252 eller UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Filens hode er ufullstendig (%1 av 5 linjer).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Linje %1: postkode «%2» i stedet for «%3»</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Linje 3: «%1» er ikke en dato</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Fra linje %1 følger et nytt ledningsstrekk; bare det første ble lest.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Linje %1: ukjent postkode «%2»</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Linje %1: tekst etter kolonne %2 leses ikke</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Linje %1 er for kort: den slutter før koden</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Linje %1: %2 «%3» er ugyldig</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Avstand</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Verdi 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Verdi 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Skadeklasse</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Skadenummer</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Klokkeposisjon</translation>
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
        <translation>Følgefilen %1 har bare %2 av %3 linjer.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Filen mangler hodet til en fil av denne typen (&quot;%1&quot;).</translation>
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
        <translation>Profilhøyde</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profilbredde</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Lengde</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 passer ikke i filen (mulige verdier er %4 til %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Observasjon %1 (%2): </translation>
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
        <translation>Filen %1 ble ikke lagret:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Observasjon</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisjon</translation>
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
        <translation>Filen er ikke en ISYBAU 2006-fil (rotelement «%1» i stedet for «Identifikation»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Filen inneholder ikke noe inspisert anlegg.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Filen inneholder ingen inspeksjon av en rørledning.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Filen inneholder mer enn én inspeksjon; bare den første ble lest.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Filen %1 ble lagret, men andre programmer kan avvise den:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 mangler.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 er lengre enn %2 tegn.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; er ikke en kode i formatet.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Ledningsstrekkets betegnelse</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Oppdragsnummeret &quot;%1&quot; er ikke et heltall med høyst seks sifre.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Anleggstypen</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Ledningstypen</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Inspeksjonsretningen</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Startnoden</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Startnodens type</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Sluttnoden</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Sluttnodens type</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Inspektørens navn</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Videoarkivreferansen</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Entreprenøren</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Referansepunktet</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Vannhåndteringen</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Videolagringsmediet</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Opprinnelsen til profilmålene</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Profiltypen</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Opprinnelsen til materialet</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Materialet</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Den innvendige beskyttelsen</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Foringen</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Avløpstypen</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Gatenavnet</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Bydelen</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 ligger utenfor det formatet tillater.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 ligger utenfor det formatet tillater.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Observasjon %1 (%2 ved %3 m)</translation>
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
        <translation>Last inn bilde</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Last inn PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Kalibrer plan</translation>
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
        <source>Bilder</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Bildet %1 er for stort for en situasjonsplan.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Bildet %1 kunne ikke leses.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>PDF-dokumentet %1 kunne ikke leses inn.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Grunnkartet er tomt. Sett inn et bilde først!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Du har allerede fastsatt en målestokk.
Skal den overskrives?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Velg 2 punkter for kalibreringen!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>De to punktene faller sammen. Velg to forskjellige punkter!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Avstand i meter:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Grunnkartet er tomt!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Kalibrer planen først!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Ledningsstrekk:</translation>
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
        <translation>Gate:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Øvre punkt:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Høyde:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Retning:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Nedre punkt:</translation>
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
        <translation>&quot;%1&quot; er ikke et tall</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; ligger ikke mellom %2 og %3</translation>
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
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Bruk</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Opprett prosjekt</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Administrer prosjekter</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Åpne prosjekt</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>nytt prosjekt</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Prosjektdata</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Gate</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspeksjoner</translation>
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
        <translation>Prosjekt</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspeksjon</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
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
        <translation>Slett</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Konverter</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>ny mappe</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Prosjekter:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Velg et prosjekt!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Angi et prosjektnavn!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Dette prosjektet finnes allerede!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Det finnes allerede en mappe med dette navnet!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Velg et prosjekt som skal redigeres!</translation>
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
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Dataene ble endret!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Disse inspeksjonene kunne ikke lagres:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Laster eksportdata...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Slette prosjektet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Mappen %1 kunne ikke slettes.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Gi prosjektet nytt navn</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Velg ATV- eller Isybau 2001-prosjektet
som skal konverteres!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Bare inspeksjoner etter ATV eller Isybau 2001
kan konverteres!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Skal inspeksjonen &quot;%1&quot; virkelig konverteres?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Velg prosjektet som skal slettes!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Slette inspeksjonen &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Gi inspeksjonen nytt navn</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Inspeksjonen &quot;%1&quot; kunne ikke gis nytt navn.</translation>
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
        <translation>Programmet pdftocairo ble ikke funnet.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Ingen midlertidig mappe for konverteringen: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Programmet pdftocairo kunne ikke startes: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Programmet pdftocairo ble ikke ferdig.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Programmet pdftocairo melder en feil (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Den første siden er for stor for en situasjonsplan.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Konverteringen ga ikke noe bilde: %1</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Prosjekt</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspeksjoner</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Innholdsfortegnelse</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Ledningsgrafikk</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Fotorapport</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>ingen sidetall</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Sidetall med innholdsfortegnelse</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Sidetall uten innholdsfortegnelse</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Vis skader grafisk</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Innstillinger for rørplanen</translation>
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
        <translation>ikke vis</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>øverst - venstre</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>øverst - midten</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>øverst - høyre</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>nederst - venstre</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>nederst - midten</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>nederst - høyre</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>vis</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Målestokk:</translation>
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
        <translation>Tegnforklaring:</translation>
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
        <translation>Tittel:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Data fra ledningsstrekket:</translation>
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
        <translation>Gate:</translation>
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
        <translation>Prosjekter:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Lager forhåndsvisning...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Vent litt...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Lager 3D-plan for utskrift...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>PDF lages...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Skriveren kunne ikke startes.</translation>
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
        <translation>Gate</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Øvre punkt</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Oppstrøms</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Nedre punkt</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Nedstrøms</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Lengde</translation>
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
        <translation>Høyde</translation>
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
        <translation>Oppdragsnummer</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Klokkeslett</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Rengjøring</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Vannhåndtering</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Referansepunkt for lengdeplassering</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Inspeksjonsretning</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Avløpstype</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profilbredde</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profilhøyde</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Inspeksjonsårsak</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Foring</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Inspisert lengde</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Videoreferanse</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Foringsmateriale</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Avløpstype</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Standard rørlengde</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Ledningstype</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Anleggstype</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Innvendig rørbeskyttelse</translation>
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
        <translation>Vei</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Start punkt</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Slutt punkt</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Inspeksjonsretning</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>I bruk</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Inspeksjonsårsak</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Spylt</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Tverrsnitt</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Bredde</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Høyde</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>Medium-ID</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Inspeksjonsmetode</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Vær</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Lengde</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Ledningsident</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Oppdragsgiver</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Start node</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Slutt node</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Overflatemessige forhold</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Inspeksjonsretning</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Ledningstype</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Inspeksjonsformål</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Vannmengderegulerende tiltak</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Høyde</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Lagringsmediumets referanse</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Lagringsmedium</translation>
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
        <translation>Ledningsgrafikk</translation>
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
        <translation>Gate, nr.:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Ledningskart</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(alle opplysninger uten garanti)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Målestokk:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Målestokk 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Innholdsfortegnelse</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Oppdragsgiver</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Samlet lengde av alle inspeksjoner</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Prosjektmappen %1 kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Prosjektfilen %1 kunne ikke leses:
%2
Den overskrives ikke.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Prosjektfilen %1 nevner ledningsstrekk utenfor mappene sine; de åpnes ikke:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Typen til disse ledningsfilene kan ikke gjenkjennes; de åpnes ikke, men blir værende i prosjektet:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Prosjektfilen %1 kunne ikke leses og overskrives ikke.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Prosjektfilen %1 kunne ikke åpnes for skriving!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Prosjektfilen %1 kunne ikke skrives!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; er ikke et gyldig prosjektnavn.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Det finnes allerede en mappe med navnet %1!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Prosjektmappen %1 kunne ikke gis nytt navn.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Rekkefølgen på ledningsstrekkene i %1 kunne ikke leses; de er sortert etter navn.</translation>
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
        <translation>3D-prosjektfilen %1 kunne ikke leses og overskrives ikke.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>3D-prosjektfilen %1 kunne ikke leses og overskrives ikke.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>3D-prosjektfilen %1 kunne ikke åpnes for skriving!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>3D-prosjektfilen %1 kunne ikke skrives!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Tekstredigering</translation>
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
        <translation>Et element har den ubrukelige størrelsen %1 × %2; det har fått standardstørrelsen.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Pennen til et element er skadet.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Tykkelsen %1 til et element er ubrukelig.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Et bilde i planen er skadet eller for stort.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Last inn bilde</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Bildet %1 kunne ikke leses.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Veiviser</translation>
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
        <translation>Nominell diameter:</translation>
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
        <translation>Overvann</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Spillvann</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Fellesavløp</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Lengde</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Sett inn</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Bend</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Stikkledning</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Nominell diameter</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posisjon:</translation>
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
        <translation>Tilbake</translation>
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
        <source>Fertigstellen</source>
        <translation>Fullfør</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Skriv inn et navn!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Dette navnet er allerede i bruk!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Mappen &quot;%1&quot; kunne ikke opprettes!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>Det er allerede satt inn en bend på dette stedet!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>Det er allerede satt inn en stikkledning på dette stedet!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Det mangler en halv meter på slutten av ledningsstrekket for en bend.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Videofilen ble ikke funnet.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Det kan ikke skrives i videoens mappe.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Videofilen kan ikke leses.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Bildefrekvensen til videofilen er ukjent.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Videoen er kortere enn ett sekund.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Det oppstod en feil under lesing av videoen.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Det oppstod en feil under skriving av videoen.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Den ferdige videoen kan ikke lagres.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Videofilen kunne ikke leses helt: bare til %1 av %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Videoen kan ikke spilles av:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Laster video...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Alternativer for 3D-visning</translation>
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
        <translation>Bare kommentar</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Egendefinert:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Ledningsnavn
$c Kommentar
$m Aktuell meterverdi
$l Meter siden siste observasjon</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Visning av etiketter</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Snakkeboble</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Tekstfarge</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Bakgrunn</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linjer</translation>
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
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Innstillingene kunne ikke skrives til &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Avstand til referansepunktet:</translation>
    </message>
</context>
</TS>
