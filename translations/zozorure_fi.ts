<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="de">
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
        <translation>Tarkastukset</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Havainnot</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Lisää uusi</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Putkilinja</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>ladataan käyttöliittymää...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>ladataan käyttäjän tietoja...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>alustetaan ohjelmaa...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>muunnetaan projekteja...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projektit</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Tarkastus</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Lisätoiminnot</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Aloita tarkastus</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Hallinta</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Yrityksen tiedot</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Vianetsintäloki</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Näkymä</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nimiöt</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Viitepisteet</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Mitat</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D-projektio</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiivi</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Pohjakartta</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Kaivo</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Viitepiste</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Mitta</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Viite</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Kaivo/piste</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Haara</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Valinnat</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Tallennetaanko projektin muutokset?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Tallennetaanko tarkastuksen muutokset?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Viimeistele</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Tallennetaanko tarkastus &quot;%1&quot;?
Muuten muutokset menetetään!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Poistetaanko merkintä &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Valitse ensin kyseinen havainto!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Sulje ensin projekti!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Avaa tiedosto</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Tiedosto &quot;%1&quot; ei ole avattavissa oleva tarkastus.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Tälle tarkastukselle ei ole videota!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Luodaan videota...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Valmis!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Tämä standardi ei ole tällä hetkellä saatavilla kielelläsi!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Tiedosto &quot;%1&quot; on jo olemassa!</translation>
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
        <source>Lade Export-Daten...</source>
        <translation>Ladataan vientitietoja...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Sulje ensin nykyinen projekti!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>käynnistetty</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>ei voitu käynnistää</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>pysäytetty</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>alustetaan ympäristöä...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>alustetaan videota...</translation>
    </message>
</context>
</TS>
