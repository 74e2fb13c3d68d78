<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Snimanje CD/DVD-a</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Izradi plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Povećaj prikaz</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Smanji prikaz</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Umetni linije</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Umetni pravokutnik</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Umetni sliku ili PDF dokument</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Umetni tekstni element</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Umetni novi element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Izbriši odabrani element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Zakreni odabrani element ULIJEVO</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Zakreni odabrani element UDESNO</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Okvir</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Debljina zida</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Učitaj sliku</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Slike (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>WC</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Umivaonik</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Tuš</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Kada</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Pisoar</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>umetni novi objekt</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Izvoz na CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>CD/DVD snimač</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Naziv CD-a/DVD-a</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Ovdje unesite naziv CD-a/DVD-a.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Pokreni snimanje</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Napredak</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Završi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Mogući uzrok: predugi nazivi projekta i/ili dionice.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Disk je pun!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Nema diska!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Previše podataka! %1 MB(%2 MB slobodno)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Previše podataka! %1 GB(%2 GB slobodno)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB slobodno)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB slobodno)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB slobodno)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Snimanje CD-a/DVD-a... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>nije uspjelo!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>završeno!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Datoteka nije DWA-M 149-2 datoteka (korijenski element &quot;%1&quot; umjesto &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Datoteka ne sadrži dionicu (&quot;HG&quot;) i nije DWA-M 149-2 pregled.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži više od jednog pregleda; pročitan je samo prvi.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Operater: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Mjesto: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Razlog pregleda: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Ispiranje: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Smjer pregleda: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Vremenske prilike: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Metoda pregleda: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Početni čvor: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Završni čvor: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Presjek: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sustav: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Status uporabe: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID medija: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Medij: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Datoteka nije valjani UTF-8; pročitana je kao Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Datoteka %1 sadrži kodove koje katalog ne poznaje: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; nije datum</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži još dionica (%1); pročitana je samo prva.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Opažanje %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; nije vrijeme</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: naziv fotografije &quot;%2&quot; vodi izvan mape pregleda i zanemaruje se</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; nije broj</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Datoteka ne sadrži dionicu (&quot;DZB&quot;) ni opažanje (&quot;DZC&quot;).</translation>
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
        <translation>Promijeni kotu</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Prikazana veličina:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Promjer:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Širina:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Dubina:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Oblik</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>okrugli</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>pravokutni</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Duljina:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>provedeno</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>nije provedeno</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>na</translation>
    </message>
    <message>
        <source>von</source>
        <translation>od</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>oštećenje se nalazi na spoju cijevi</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>oštećenje duž cijele duljine jedne cijevi</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>kontinuirano oštećenje br.</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>početak</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>kraj</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektor: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokacija: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Dionica: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Uzvodni čvor: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nizvodni čvor: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Čišćenje: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Kontrola protoka: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Smjer: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Početna točka: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Obloga: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Vrsta odvodnje: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Redak %1: &quot;%2&quot; nije valjana vrijednost za %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Datoteka nije EN 13508-2 datoteka (korijenski element &quot;%1&quot; umjesto &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Datoteka je prazna.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Datoteka ne sadrži inspekciju: nema skupine zaglavlja (&quot;ZB&quot;) s podacima o dionici ili opažanjima.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Datoteka sadrži još %n inspekciju; pročitana je samo prva.</numerusform>
            <numerusform>Datoteka sadrži još %n inspekcije; pročitana je samo prva.</numerusform>
            <numerusform>Datoteka sadrži još %n inspekcija; pročitana je samo prva.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Opažanja</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Kôd:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Karakterizacija 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Karakterizacija 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Kvantifikacija 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Kvantifikacija 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Metri:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Razred oštećenja (pogonska sigurnost):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>n/p</translation>
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
        <translation>Kontinuirano oštećenje:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>nema kontinuiranog oštećenja</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Početak kontinuiranog oštećenja</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Kraj kontinuiranog oštećenja</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Oštećenje duž cijele cijevi</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Spoj:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Fotografija:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Napomena:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>gotov tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Koordinate:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>na</translation>
    </message>
    <message>
        <source>von</source>
        <translation>od</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Unesena je vrijednost 0.00m.
Želite li je zadržati?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Opći podaci</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Osnovni podaci</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Naručitelj:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operater:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Tvrtka:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Oznaka naloga:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Oznaka objekta:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Vrijeme:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Pregledana duljina:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Standardna duljina cijevi:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Uzvodni čvor</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Nizvodni čvor</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Naziv videa:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Video medij:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Podaci o kanalu</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materijal:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Širina:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Smjer:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Prethodno čišćenje:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Kontrola protoka:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Vrsta kanala:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Vrsta cjevovoda:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Razlog:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Unutarnja zaštita cijevi:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Vrsta obloge:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Referentna točka uzdužnog položaja:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Vrsta objekta:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Vrijeme (meteorološko):</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Učitaj</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>nije navedeno</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspekcija:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Promjer:</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Redak %1: &quot;%2&quot; nije valjana vrijednost za %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Redak %1: Naziv fotografije &quot;%2&quot; upućuje izvan mape pregleda i zanemaren je.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Redak %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekti:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Odabir</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Izvezi ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Veličina:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Mapa/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Ove datoteke nisu se mogle kopirati:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Projekt s nazivom %1 već je odabran za izvoz!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Na pogonu nema dovoljno slobodnog prostora. Potrebno je %1MB, a dostupno je samo %2MB.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Kopiranje ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Izvoz projekta %1 od %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Na pogonu nema dovoljno slobodnog prostora za privremenu pohranu. Potrebno je %1MB, a dostupno je samo %2MB.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Priprema izvoza...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; nije dopušten kao naziv!
Odaberite drugi naziv!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (redak %2, stupac %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Situacijski plan %1 nije se mogao pročitati:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Element nepoznate vrste &quot;%1&quot; je preskočen.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(još %1)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Situacijski plan %1 nije se mogao u potpunosti pročitati:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Situacijski plan %1 nije u potpunosti pročitan i neće se prebrisati.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Situacijski plan %1 nije se mogao otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Situacijski plan %1 nije se mogao zapisati!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; nije upotrebljiva vrijednost za %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Datoteka nije situacijski plan: njezin korijenski element je &quot;%1&quot; umjesto &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Uvoz</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Uvezi iz:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>mapa nije odabrana</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Odaberite mapu</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Dionice</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Uvoz podataka</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Odaberite mapu za uvoz</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Pokušavate uvesti podatke iz putanje trenutačnog projekta. 
Odaberite drugu putanju za uvoz.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Nema dovoljno prostora za uvoz.
Potrebno je %1MB, a dostupno je samo %2MB.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Uvoz dionice %1 od %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Dionica %1 nije se mogla u potpunosti kopirati; neće se uvesti.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Vrsta datoteke dionice %1 ne može se prepoznati; neće se uvesti.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>U mapi %1 nije pronađena nijedna dionica.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Umetni inspekciju</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Dubina:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normalno</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>prema gore</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>prema dolje</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Položaj:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Čarobnjak</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
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
        <translation>Položaj u cijevi</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Kut</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcija</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Podaci o dionici</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Naziv dionice:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materijal:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Promjer:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Smjer inspekcije:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Vidljivost oznaka</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Pomaknite dijalog u stranu da vidite koje se oznake u pozadini uključuju ili isključuju. Promjene se ipak trajno spremaju tek kada dijalog zatvorite s &quot;Primijeni&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(još %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Datoteka %1 nije se mogla u potpunosti pročitati:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Datoteka %1 nije u potpunosti pročitana i neće biti prebrisana.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Datoteka %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Datoteka %1 nije se mogla zapisati!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, fotografija snimljena</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Naziv &quot;%1&quot; nije dopušten kao naziv datoteke.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Datoteka %1 nije se mogla pročitati:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; nije duljina inspekcije.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Operater: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Naručitelj: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokacija: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Dionica: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Uzvodno: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Nizvodno: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Profil: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Promjer: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Visina: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Širina: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materijal: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sustav: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Br. videa: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Stara datoteka %1 nije se mogla izbrisati.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Datoteka %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Datoteka %1 nije se mogla zapisati!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Kodovi koje katalog ne poznaje: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Datoteka %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Datoteka ima retke dulje od %1 znakova, ali nije valjani UTF-8; pročitana je kao Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Datoteka sadrži bajtove koji u Windows-1252 nisu znakovi.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Datoteka sadrži kontrolne znakove; nije tekstna datoteka u Windows-1252 ni UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Zaglavlje datoteke je nepotpuno (%1 od 5 redaka).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Redak %1: oznaka zapisa &quot;%2&quot; umjesto &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Redak 3: &quot;%1&quot; nije datum</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Od retka %1 slijedi još jedna dionica; pročitana je samo prva.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Redak %1: nepoznata oznaka zapisa &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Redak %1: tekst nakon stupca %2 ne čita se</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Redak %1 je prekratak: završava prije koda</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Redak %1: nevaljana vrijednost za %2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>udaljenost</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>vrijeme</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>vrijednost 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>vrijednost 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>razred oštećenja</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>broj oštećenja</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>položaj po satu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 nije valjani UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Prateća datoteka %1 ima samo %2 od %3 redaka.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Datoteka nema zaglavlje datoteke ove vrste (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Redak %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Redak %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Visina profila</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Širina profila</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 ne stane u datoteku (moguće vrijednosti od %4 do %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Opažanje %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Fotografija %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(još %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Datoteka %1 nije spremljena:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Opažanje</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Položaj</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Do:</translation>
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
        <translation>Dijalog</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Datoteka nije ISYBAU 2006 datoteka (korijenski element &quot;%1&quot; umjesto &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Datoteka ne sadrži pregledani objekt.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Datoteka ne sadrži pregled cjevovoda.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Datoteka sadrži više od jednog pregleda; pročitan je samo prvi.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Datoteka %1 je spremljena, ali drugi programi možda će je odbiti:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 nedostaje.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 je dulji od %2 znakova.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; nije kôd ovog formata.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Oznaka dionice</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Oznaka naloga &quot;%1&quot; nije cijeli broj s najviše šest znamenki.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Vrsta objekta</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Vrsta cjevovoda</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Smjer inspekcije</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Početni čvor</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Vrsta početnog čvora</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Završni čvor</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Vrsta završnog čvora</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Ime inspektora</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Referenca pohrane videa</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Izvođač</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Referentna točka</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Kontrola protoka</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Medij za pohranu videa</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Izvor dimenzija profila</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Vrsta profila</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Izvor podatka o materijalu</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Materijal</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Unutarnja zaštita</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Obloga</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Vrsta kanala</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Naziv ulice</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Četvrt</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 je izvan onoga što format dopušta.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 je izvan onoga što format dopušta.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Opažanje %1 (%2 na %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dijalog</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Učitaj sliku</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Učitaj PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Kalibriraj plan</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Slike</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Slika %1 je prevelika za situacijski plan.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Slika %1 nije se mogla pročitati.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>PDF dokument %1 nije se mogao učitati.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Podloga je prazna. Najprije umetnite sliku!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Već ste odredili mjerilo.
Želite li ga prebrisati?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Odaberite 2 točke za kalibraciju!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Dvije se točke poklapaju. Odaberite dvije različite točke!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Udaljenost u metrima:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Podloga je prazna!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Najprije kalibrirajte plan!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Naručitelj:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Dionica:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materijal:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operater:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sustav:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Gornja točka:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Smjer:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Donja točka:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Širina:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>dodatni podaci</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Promjer:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; nije broj</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; nije između %2 i %3</translation>
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
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Dalje</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Stvori projekt</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Stvori</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Upravljanje projektima</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Otvori projekt</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>novi projekt</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Podaci o projektu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naziv:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Naručitelj</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcije</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcija</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Ispis</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Uvoz</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Preimenuj</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Pretvori</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>nova mapa</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekti:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Odaberite projekt!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Unesite naziv projekta!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Ovaj projekt već postoji!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Mapa s tim nazivom već postoji!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Odaberite projekt za uređivanje!</translation>
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
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Podaci su uspješno promijenjeni!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Ove inspekcije nisu se mogle spremiti:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Učitavanje podataka za izvoz...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Izbrisati projekt &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Mapa %1 nije se mogla izbrisati.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Preimenuj projekt</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Odaberite ATV ili Isybau 2001
projekt koji želite pretvoriti!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Pretvoriti se mogu samo inspekcije prema ATV-u ili Isybau 2001
!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Stvarno pretvoriti inspekciju &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Odaberite projekt koji želite izbrisati!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Izbrisati inspekciju &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Preimenuj inspekciju</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Inspekcija &quot;%1&quot; nije se mogla preimenovati.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Datoteka %1 nije se mogla prilagoditi.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Program pdftocairo nije pronađen.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Nema privremene mape za pretvorbu: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Program pdftocairo nije se mogao pokrenuti: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Program pdftocairo nije završio.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Program pdftocairo javlja pogrešku (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Prva stranica je prevelika za situacijski plan.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Pretvorba nije dala sliku: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Točka</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Promjer:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Dubina:</translation>
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
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Pregled ispisa</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcije</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Odabir</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Sadržaj</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Grafika dionice</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Fotoizvješće</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>bez brojeva stranica</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Brojevi stranica sa sadržajem</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Brojevi stranica bez sadržaja</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Grafički prikaži oštećenja</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Izradi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Postavke plana cijevi</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Položeno</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>ne prikazuj</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>gore - lijevo</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>gore - sredina</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>gore - desno</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>dolje - lijevo</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>dolje - sredina</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>dolje - desno</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>prikaži</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Mjerilo:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Veličina:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Podaci o tvrtki:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Legenda:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Ručni podaci:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Naslov:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Komentar:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Podaci iz dionice:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Naručitelj:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Podaci o stanju</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Podaci o cijevi</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Plan cijevi</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekti:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Izrada pregleda...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Pričekajte...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Izrada 3D plana za ispis...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Spremi datoteku</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Izrada PDF-a...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Pisač se nije mogao pokrenuti.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Datoteka &quot;%1&quot; nije se mogla zapisati.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Naručitelj</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lokacija</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Gornja točka</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Uzvodno</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Donja točka</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Nizvodno</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materijal</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sustav</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Smjer</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Broj videa</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Naziv videa</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Oznaka naloga</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Čišćenje</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Kontrola protoka</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Referentna točka uzdužnog položaja</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Smjer inspekcije</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Vrsta kanala</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Širina profila</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Visina profila</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Razlog inspekcije</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Obloga</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Pregledana duljina</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Tvrtka</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Referenca videa</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Materijal obloge</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Vrsta otpadne vode</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Standardna duljina cijevi</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Vrsta cjevovoda</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Vrsta objekta</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Unutarnja zaštita cijevi</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Operater</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Naručitelj</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Početna točka</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Završna točka</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Smjer inspekcije</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>U uporabi</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Razlog inspekcije</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Ispran</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Materijal</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Poprečni presjek</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>ID medija</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Medij</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Metoda inspekcije</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Vremenski uvjeti</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Oznaka dionice</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Naručitelj</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Početni čvor</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Završni čvor</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Površinski uvjeti</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Smjer inspekcije</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Vrsta cjevovoda</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Svrha inspekcije</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Mjere regulacije protoka</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Oblik</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Referenca medija za pohranu</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Medij za pohranu</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Vremenski kôd</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metri</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Fotoizvješće</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Grafika dionice</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Izvješće o dionici</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Izvješće o dionici:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Naručitelj:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Ulica, br.:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Plan postojećeg stanja</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(svi podaci bez jamstva)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Mjerilo:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Mjerilo 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Sadržaj</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Naručitelj</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Ukupna duljina svih inspekcija</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Mapa projekta %1 nije se mogla stvoriti.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Redak %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Datoteka projekta %1 nije se mogla pročitati:
%2
Neće se prebrisati.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Datoteka projekta %1 navodi dionice izvan svojih mapa; neće se otvoriti:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Vrsta ovih datoteka dionica ne može se prepoznati; neće se otvoriti, ali ostaju u projektu:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Datoteka projekta %1 nije se mogla pročitati i neće se prebrisati.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Datoteka projekta %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Datoteka projekta %1 nije se mogla zapisati!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; nije valjan naziv projekta.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Mapa s nazivom %1 već postoji!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Mapa projekta %1 nije se mogla preimenovati.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Redoslijed dionica u %1 nije se mogao pročitati; poredane su po nazivu.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (redak %2, stupac %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>3D datoteka projekta %1 nije se mogla pročitati i neće se prebrisati.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>3D datoteka projekta %1 nije se mogla pročitati i neće se prebrisati.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>3D datoteka projekta %1 nije se mogla otvoriti za pisanje!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>3D datoteka projekta %1 nije se mogla zapisati!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Uređivač teksta</translation>
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
        <translation>Element ima neupotrebljivu veličinu %1 × %2; dobio je standardnu veličinu.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Olovka jednog elementa je oštećena.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Debljina %1 jednog elementa je neupotrebljiva.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Jedna slika plana je oštećena ili prevelika.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Učitaj sliku</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Slike (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Slika %1 nije se mogla pročitati.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Čarobnjak</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Podaci</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naziv:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Nazivni promjer:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sustav:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Oborinska voda</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Otpadna voda</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Mješovita odvodnja</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Umetni</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Koljeno</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Ogranak</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Nazivni promjer</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Položaj:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Kut:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Završi</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Unesite naziv!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Ovaj se naziv već koristi!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Mapa &quot;%1&quot; nije se mogla stvoriti!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>Na ovom je mjestu već umetnut koljeno!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>Na ovom je mjestu već umetnut ogranak!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Za koljeno nedostaje pola metra na kraju dionice.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Video datoteka nije pronađena.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>U mapu videa ne može se pisati.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Video datoteka ne može se pročitati.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Broj sličica u sekundi video datoteke nije poznat.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Video je kraći od jedne sekunde.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Pri čitanju videa došlo je do pogreške.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Pri zapisivanju videa došlo je do pogreške.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Gotovi video ne može se spremiti.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Videodatoteka nije mogla biti pročitana u cijelosti: samo do %1 od %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Video se ne može reproducirati:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Učitavanje videa...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Mogućnosti 3D prikaza</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Tekst oznake</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Standardni tekst</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Samo komentar</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Prilagođeno:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Naziv dionice
$c Komentar
$m Trenutačna vrijednost u metrima
$l Metri od posljednjeg opažanja</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Prikaz oznaka</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Oblačić</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Jednostavno</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Boja teksta</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Pozadina</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linije</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Postavke se nisu mogle zapisati u &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Udaljenost do referentne točke:</translation>
    </message>
</context>
</TS>
