<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>CD/DVD-levyä kirjoitetaan</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Luo suunnitelma</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Lisää viivoja</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Lisää suorakulmio</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Lisää kuva tai PDF-asiakirja</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Lisää tekstielementti</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Lisää uusi elementti</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Poista valittu elementti</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Käännä valittua elementtiä VASEMMALLE</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Käännä valittua elementtiä OIKEALLE</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Kehys</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Seinämän paksuus</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Leveys</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Lataa kuva</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Kuvat (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>WC</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Pesuallas</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Suihku</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Kylpyamme</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Urinaali</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>lisää uusi objekti</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Vienti CD/DVD-levylle</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>CD/DVD-kirjoitin</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>CD/DVD-levyn nimi</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Anna tähän CD/DVD-levyn nimi.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Aloita kirjoitus</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Edistyminen</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Mahdollinen syy: projektin ja/tai putkiosuuden nimi on liian pitkä.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Levy on täynnä!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Ei levyä!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Liikaa tietoja! %1 Mt(%2 Mt vapaana)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Liikaa tietoja! %1 Gt(%2 Gt vapaana)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 Mt(%2 Mt vapaana)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 Mt(%2 Gt vapaana)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 Gt(%2 Gt vapaana)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>CD/DVD-levyä kirjoitetaan... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>epäonnistui!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>valmis!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Tiedosto ei ole DWA-M 149-2 -tiedosto (juurielementti &quot;%1&quot; eikä &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Tiedosto ei sisällä putkiosuutta (&quot;HG&quot;) eikä ole DWA-M 149-2 -tarkastus.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Tiedosto sisältää useamman kuin yhden tarkastuksen; vain ensimmäinen luettiin.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Kuvaaja: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Asiakas: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Kunta: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Katu: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Päivämäärä: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Tarkastuksen syy: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Huuhdeltu: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Tarkastussuunta: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Sää: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Tarkastusmenetelmä: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Alkupiste: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Loppupiste: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Poikkileikkaus: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Halkaisija: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Korkeus: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Leveys: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materiaali: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Järjestelmä: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Käyttötila: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>Tallenteen tunnus: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Tallennusväline: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Tiedosto ei ole kelvollista UTF-8:aa; se luettiin Windows-1252-merkistönä.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Tiedosto %1 sisältää koodeja, joita luettelossa ei ole: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; ei ole päivämäärä</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Tiedosto sisältää muitakin putkiosuuksia (%1); vain ensimmäinen luettiin.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Havainto %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; ei ole kellonaika</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: valokuvan nimi &quot;%2&quot; johtaa tarkastuksen kansion ulkopuolelle, eikä sitä oteta käyttöön</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; ei ole luku</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Tiedostossa ei ole putkiosuutta (&quot;DZB&quot;) eikä havaintoa (&quot;DZC&quot;).</translation>
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
        <translation>Muuta mittaa</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Näytettävä koko:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Kaivo</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Halkaisija:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Leveys:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Syvyys:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Muoto</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>pyöreä</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>suorakulmainen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Pituus:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>tehty</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>ei tehty</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>kello</translation>
    </message>
    <message>
        <source>von</source>
        <translation>kello</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation>:n kohdalla</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>vaurio on putkiliitoksen kohdalla</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>vaurio koko yhden putken pituudella</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>jatkuva vaurio nro</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>alku</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>loppu</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Tarkastaja: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Asiakas: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Paikka: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Putkiosuus: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Yläpään piste: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Alapään piste: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Puhdistus: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Virtaaman hallinta: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Suunta: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Aloituskohta: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profiili:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Halkaisija: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Korkeus: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Leveys: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiaali: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Vuoraus: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Viemärityyppi: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Rivi %1: &quot;%2&quot; ei ole kelvollinen arvo kentälle %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Tiedosto ei ole EN 13508-2 -tiedosto (juurielementti &quot;%1&quot; eikä &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Tiedosto on tyhjä.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Tiedostossa ei ole tarkastusta: ei otsikkoryhmää (&quot;ZB&quot;), jossa olisi putkiosuuden tietoja tai havaintoja.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Tiedostossa on %n muu tarkastus; vain ensimmäinen luettiin.</numerusform>
            <numerusform>Tiedostossa on %n muuta tarkastusta; vain ensimmäinen luettiin.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Havainnot</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Koodi:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Luonnehdinta 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Luonnehdinta 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Kvantifiointi 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Kvantifiointi 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Metrit:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Mistä:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Mihin:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Vaurioluokka (käyttövarmuus):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>ei tietoa</translation>
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
        <translation>Jatkuva vaurio:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>ei jatkuvaa vauriota</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Jatkuvan vaurion alku</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Jatkuvan vaurion loppu</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Vaurio koko putken pituudella</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Liitos:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Valokuva:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Huomautus:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>valmis teksti</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Kuvaus:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Koordinaatit:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>kohdassa</translation>
    </message>
    <message>
        <source>von</source>
        <translation>välillä</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Metrilukemaksi annettiin 0.00m.
Haluatko pitää sen?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Yleiset tiedot</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Perustiedot</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Asiakas:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Kuvaaja:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Yritys:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Paikka:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Katu:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Tilaustunnus:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Kohteen tunnus:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Päivämäärä:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Kellonaika:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Tarkastettu pituus:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Putken vakiopituus:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Yläpään piste</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Alapään piste</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Videon nimi:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Videotallenne:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Viemärin tiedot</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiaali:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profiili:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Korkeus:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Leveys:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Suunta:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Esipuhdistus:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Virtaaman hallinta:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Viemärin laji:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Putkijohdon tyyppi:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Syy:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Putken sisäpinnan suojaus:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Sisäpinnoitteen tyyppi:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Pituussuuntaisen sijainnin vertailukohta:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Laitteistotyyppi:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Sää:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>ei ilmoitettu</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Tarkastus:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Halkaisija:</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Rivi %1: &quot;%2&quot; ei ole kelvollinen arvo kentälle %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Rivi %1: Valokuvan nimi &quot;%2&quot; viittaa tarkastuskansion ulkopuolelle, eikä sitä otettu käyttöön.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Rivi %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Vienti</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projektit:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Vie ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Koko:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Kirjoita levylle</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Kansio/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Näitä tiedostoja ei voitu kopioida:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Projekti nimeltä %1 on jo valittu vietäväksi!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Asemalla ei ole tarpeeksi vapaata tilaa. Tarvitaan %1MB, mutta vain %2MB on käytettävissä.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Kopioidaan ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Viedään projektia %1/%2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Asemalla ei ole tarpeeksi vapaata tilaa väliaikaistallennukseen. Tarvitaan %1MB, mutta vain %2MB on käytettävissä.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Vientiä valmistellaan...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; ei kelpaa nimeksi!
Valitse toinen nimi!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (rivi %2, sarake %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Asemapiirrosta %1 ei voitu lukea:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Tuntematonta tyyppiä &quot;%1&quot; oleva elementti ohitettiin.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 muuta)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Asemapiirrosta %1 ei voitu lukea kokonaan:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Asemapiirrosta %1 ei luettu kokonaan, eikä sitä korvata.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Asemapiirrosta %1 ei voitu avata kirjoittamista varten!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Asemapiirrosta %1 ei voitu kirjoittaa!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; ei ole käyttökelpoinen arvo kohteelle %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Tiedosto ei ole asemapiirros: sen juurielementti on &quot;%1&quot; eikä &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Tuonti</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Tuo kohteesta:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>kansiota ei valittu</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Putkiosuudet</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Tuo tietoja</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Valitse tuontikansio</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Yrität tuoda tietoja nykyisen projektin polusta. 
Valitse toinen tuontipolku.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Tuontiin ei ole tarpeeksi tilaa.
Tarvitaan %1MB, mutta vain %2MB on käytettävissä.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Tuodaan putkiosuutta %1/%2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Putkiosuutta %1 ei voitu kopioida kokonaan; sitä ei tuoda.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Putkiosuustiedoston %1 lajia ei tunnisteta; sitä ei tuoda.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>Kansiosta %1 ei löytynyt putkiosuutta.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Lisää tarkastus</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Syvyys:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normaali</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>ylöspäin</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>alaspäin</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Sijainti:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Ohjattu toiminto</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Sijainti putkessa</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Kulma</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Tarkastus</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Putkiosuuden tiedot</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Putkiosuuden nimi:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiaali:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Halkaisija:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Tarkastussuunta:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Nimiöiden näkyvyys</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Siirrä valintaikkuna sivuun nähdäksesi, mitkä nimiöt taustalla otetaan käyttöön tai poistetaan käytöstä. Muutokset tallennetaan kuitenkin pysyvästi vasta, kun suljet valintaikkunan painikkeella &quot;Käytä&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 muuta)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Tiedostoa %1 ei voitu lukea kokonaan:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Tiedostoa %1 ei luettu kokonaan, eikä sitä korvata.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Tiedostoa %1 ei voitu avata kirjoitettavaksi!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, valokuva otettu</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Nimi &quot;%1&quot; ei kelpaa tiedostonimeksi.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Tiedostoa %1 ei voitu lukea:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; ei ole tarkastuspituus.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Kuvaaja: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Asiakas: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Paikka: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Katu: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Putkiosuus: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Yläpää: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Alapää: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Profiili: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Halkaisija: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Korkeus: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Leveys: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiaali: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Järjestelmä: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Videon nro: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Vanhaa tiedostoa %1 ei voitu poistaa.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Tiedostoa %1 ei voitu avata kirjoitettavaksi!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Tiedostoa %1 ei voitu kirjoittaa!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Koodit, joita luettelossa ei ole: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Tiedosto %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Tiedostossa on yli %1 merkin rivejä, mutta se ei ole kelvollista UTF-8:aa; se luettiin Windows-1252-merkistönä.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Tiedosto sisältää tavuja, jotka eivät ole merkkejä Windows-1252-merkistössä.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Tiedosto sisältää ohjausmerkkejä; se ei ole Windows-1252- eikä UTF-8-tekstitiedosto.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Tiedoston otsake on puutteellinen (%1/5 riviä).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Rivi %1: tietuetunnus &quot;%2&quot; eikä &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Rivi 3: &quot;%1&quot; ei ole päivämäärä</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Rivistä %1 alkaen seuraa toinen putkiosuus; vain ensimmäinen luettiin.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Rivi %1: tuntematon tietuetunnus &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Rivi %1: sarakkeen %2 jälkeistä tekstiä ei lueta</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Rivi %1 on liian lyhyt: se päättyy ennen koodia</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Rivi %1: kentän %2 arvo &quot;%3&quot; ei kelpaa</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Etäisyys</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Arvo 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Arvo 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Vaurioluokka</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Vaurion numero</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Kellotauluasento</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 ei ole kelvollista UTF-8:aa.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Liitetiedostossa %1 on vain %2/%3 riviä.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Tiedostossa ei ole tämäntyyppisen tiedoston otsikkoa (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Rivi %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Rivi %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profiilin korkeus</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profiilin leveys</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 ei mahdu tiedostoon (mahdolliset arvot %4–%5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Havainto %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Valokuva %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 muuta)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Tiedostoa %1 ei tallennettu:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Havainto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Sijainti</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Mistä:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Mihin:</translation>
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
        <translation>Valintaikkuna</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Tiedosto ei ole ISYBAU 2006 -tiedosto (juurielementti &quot;%1&quot; eikä &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Tiedosto ei sisällä tarkastettua kohdetta.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Tiedosto ei sisällä putkijohdon tarkastusta.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Tiedosto sisältää useamman kuin yhden tarkastuksen; vain ensimmäinen luettiin.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Tiedosto %1 tallennettiin, mutta muut ohjelmat saattavat hylätä sen:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 puuttuu.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 on pidempi kuin %2 merkkiä.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; ei ole muodon koodi.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Putkiosuuden tunnus</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Tilaustunnus &quot;%1&quot; ei ole enintään kuusinumeroinen kokonaisluku.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Laitteistotyyppi</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Putkijohdon tyyppi</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Tarkastussuunta</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Alkupiste</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Alkupisteen tyyppi</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Loppupiste</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Loppupisteen tyyppi</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Tarkastajan nimi</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Videon tallennusviite</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Urakoitsija</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Vertailukohta</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Virtaaman hallinta</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Videon tallennusväline</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Profiilimittojen lähde</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Profiilin tyyppi</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Materiaalitiedon lähde</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Materiaali</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Sisäpinnan suojaus</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Sisäpinnoite</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Viemärin laji</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Kadunnimi</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Kaupunginosa</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 on formaatin sallimien rajojen ulkopuolella.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 on formaatin sallimien rajojen ulkopuolella.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Havainto %1 (%2 kohdassa %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Valintaikkuna</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Lataa kuva</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Lataa PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Kalibroi suunnitelma</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Kuvat</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Kuva %1 on liian suuri asemapiirrokseksi.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Kuvaa %1 ei voitu lukea.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>PDF-asiakirjaa %1 ei voitu lukea.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Pohjakartta on tyhjä. Lisää ensin kuva!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Olet jo määrittänyt mittakaavan.
Korvataanko se?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Valitse 2 pistettä kalibrointia varten!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Pisteet osuvat yhteen. Valitse kaksi eri pistettä!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Etäisyys metreinä:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Pohjakartta on tyhjä!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Kalibroi suunnitelma ensin!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Asiakas:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Putkiosuus:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiaali:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Kuvaaja:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Paikka:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Päivämäärä:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Järjestelmä:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Katu:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profiili:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Yläpiste:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Korkeus:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Suunta:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Alapiste:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Leveys:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>lisätietoja</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Halkaisija:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; ei ole luku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; ei ole välillä %2–%3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Luettelo</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Seuraava</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Luo projekti</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Hallitse projekteja</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Avaa projekti</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>uusi projekti</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Projektin tiedot</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Katu</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Asiakas</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Kuvaaja</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Tarkastukset</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standardi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Tarkastus</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Nimeä uudelleen</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Muunna</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>uusi kansio</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projektit:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Valitse projekti!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Anna projektin nimi!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Tämä projekti on jo olemassa!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Tämänniminen kansio on jo olemassa!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Valitse muokattava projekti!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Lajittele</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>päivämäärän mukaan</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>tiedostonimen mukaan</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>putkiosuuden nimen mukaan</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>videon numeron mukaan</translation>
    </message>
    <message>
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Tiedot muutettiin onnistuneesti!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Näitä tarkastuksia ei voitu tallentaa:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Ladataan vientitietoja...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Poistetaanko projekti &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Kansiota %1 ei voitu poistaa.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Nimeä projekti uudelleen</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Valitse muunnettava
ATV- tai Isybau 2001 -projekti!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Vain ATV- tai Isybau 2001 -tarkastukset
voidaan muuntaa!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Muunnetaanko tarkastus &quot;%1&quot; varmasti?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Valitse poistettava projekti!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Poistetaanko tarkastus &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Nimeä tarkastus uudelleen</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Tarkastusta &quot;%1&quot; ei voitu nimetä uudelleen.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Tiedostoa %1 ei voitu mukauttaa.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Ohjelmaa pdftocairo ei löytynyt.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Muunnokselle ei ole väliaikaista kansiota: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Ohjelmaa pdftocairo ei voitu käynnistää: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Ohjelma pdftocairo ei valmistunut.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Ohjelma pdftocairo ilmoittaa virheestä (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Ensimmäinen sivu on liian suuri asemapiirrokseksi.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Muunnos ei tuottanut kuvaa: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Halkaisija:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Syvyys:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Tulostuksen esikatselu</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Tarkastukset</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Valinta</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Sisällysluettelo</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Putkiosuuden grafiikka</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Valokuvaraportti</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>ei sivunumeroita</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Sivunumerot ja sisällysluettelo</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Sivunumerot ilman sisällysluetteloa</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Näytä vauriot graafisesti</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Putkikartan asetukset</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Pysty</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Vaaka</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>älä näytä</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>ylhäällä - vasemmalla</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>ylhäällä - keskellä</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>ylhäällä - oikealla</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>alhaalla - vasemmalla</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>alhaalla - keskellä</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>alhaalla - oikealla</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>näytä</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Mittakaava:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Koko:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Muoto:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Yrityksen tiedot:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Selite:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Käsin syötetyt tiedot:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Päivämäärä:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Otsikko:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Kommentti:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Putkiosuuden tiedot:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Asiakas:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Paikka:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Katu:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Rekisteritiedot</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Putken tiedot</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Putkikartta</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projektit:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Luodaan esikatselua...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Odota...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Luodaan 3D-suunnitelmaa tulostusta varten...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Tallenna tiedosto</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Luodaan PDF-tiedostoa...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Tulostinta ei voitu käynnistää.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Tiedostoa &quot;%1&quot; ei voitu kirjoittaa.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Kuvaaja</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Asiakas</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Katu</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Yläpiste</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Yläpää</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Alapiste</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Alapää</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiaali</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Profiili</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Leveys</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Korkeus</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Suunta</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Videon numero</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Videon nimi</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Tilaustunnus</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Kellonaika</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Puhdistus</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Virtaaman hallinta</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Pituussuuntaisen sijainnin vertailukohta</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Tarkastussuunta</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Viemärin laji</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Profiilin leveys</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Profiilin korkeus</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Tarkastuksen syy</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Sisäpinnoite</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Tarkastettu pituus</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Yritys</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Videoviite</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Sisäpinnoitteen materiaali</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Jäteveden laji</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Putken vakiopituus</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Putkijohdon tyyppi</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Laitteistotyyppi</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Putken sisäpinnan suojaus</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Kuvaaja</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Asiakas</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Kaupunki</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Katu</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Alkupiste</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Loppupiste</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Tarkastussuunta</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Tarkastuksen syy</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Huuhdeltu</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Materiaali</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Poikkileikkaus</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Leveys</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Korkeus</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>Tallenteen tunnus</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Tallenne</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Tarkastusmenetelmä</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Sää</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Putkiosuuden tunnus</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Tilaaja</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Alkusolmu</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Loppusolmu</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Pinnan olosuhteet</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Tarkastussuunta</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Putkijohdon tyyppi</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Tarkastuksen tarkoitus</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Virtaaman säätötoimet</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Muoto</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Korkeus</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Tallennusvälineen viite</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Tallennusväline</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Aikakoodi</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metrit</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Valokuvaraportti</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Putkiosuuden grafiikka</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Putkiosuusraportti</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Putkiosuusraportti:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Asiakas:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Paikka:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Katu, nro:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Verkostokartta</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(kaikki tiedot ilman takuuta)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Mittakaava:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Päivämäärä:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Mittakaava 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Sisällysluettelo</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Tilaaja</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Kaikkien tarkastusten kokonaispituus</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Projektikansiota %1 ei voitu luoda.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Rivi %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Projektitiedostoa %1 ei voitu lukea:
%2
Sitä ei korvata.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Projektitiedosto %1 viittaa putkiosuuksiin kansioidensa ulkopuolella; niitä ei avata:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Näiden putkiosuustiedostojen lajia ei tunnisteta; niitä ei avata, mutta ne jäävät projektiin:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Projektitiedostoa %1 ei voitu lukea, eikä sitä korvata.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Projektitiedostoa %1 ei voitu avata kirjoittamista varten!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Projektitiedostoa %1 ei voitu kirjoittaa!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; ei ole kelvollinen projektin nimi.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Kansio nimeltä %1 on jo olemassa!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Projektikansiota %1 ei voitu nimetä uudelleen.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Putkiosuuksien järjestystä tiedostossa %1 ei voitu lukea; ne on järjestetty nimen mukaan.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (rivi %2, sarake %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>3D-projektitiedostoa %1 ei voitu lukea, eikä sitä korvata.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>3D-projektitiedostoa %1 ei voitu lukea, eikä sitä korvata.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>3D-projektitiedostoa %1 ei voitu avata kirjoittamista varten!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>3D-projektitiedostoa %1 ei voitu kirjoittaa!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Tekstieditori</translation>
    </message>
    <message>
        <source>B</source>
        <translation>L</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>U</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>Elementin koko %1 × %2 on käyttökelvoton; sille annettiin oletuskoko.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Elementin kynä on vioittunut.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Elementin paksuus %1 on käyttökelvoton.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Jokin suunnitelman kuva on vioittunut tai liian suuri.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Lataa kuva</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Kuvat (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Kuvaa %1 ei voitu lukea.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Ohjattu toiminto</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Standardi</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Tiedot</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Nimellissuuruus:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Järjestelmä:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Hulevesi</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Jätevesi</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Sekavesi</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Käyrä</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Haara</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Nimellissuuruus</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Sijainti:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Kulma:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Anna nimi!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Tämä nimi on jo käytössä!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Kansiota &quot;%1&quot; ei voitu luoda!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>Tähän kohtaan on jo lisätty käyrä!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>Tähän kohtaan on jo lisätty haara!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Käyrä tarvitsee putkiosuuden loppuun vielä puoli metriä.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Videotiedostoa ei löytynyt.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Videon kansioon ei voi kirjoittaa.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Videotiedostoa ei voi lukea.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Videotiedoston kuvataajuus on tuntematon.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Video on lyhyempi kuin sekunti.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Videon lukemisessa tapahtui virhe.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Videon kirjoittamisessa tapahtui virhe.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Valmista videota ei voi tallentaa.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Videotiedostoa ei voitu lukea kokonaan: vain kohtaan %1 asti (pituus %2).</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Lomake</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>KUVA</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Videota ei voi toistaa:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Ladataan videota...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>3D-näkymän valinnat</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Nimiön teksti</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Vakioteksti</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Vain kommentti</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Mukautettu:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Putkiosuuden nimi
$c Kommentti
$m Nykyinen metrilukema
$l Metrit edellisestä havainnosta</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Nimiöiden esitys</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Puhekupla</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Yksinkertainen</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Tekstin väri</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Tausta</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Viivat</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Asetuksia ei voitu kirjoittaa kohteeseen &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Etäisyys viitepisteeseen:</translation>
    </message>
</context>
</TS>
