<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Projektikansio</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Kaikki projektit tallennetaan tähän kansioon.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Valitse kansio</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Kieli</translation>
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
        <translation>Näyttö</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Näytä putkiosuuksien nimet</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Raportit</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Luo putkiosuusraportti</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Väritä vauriot raportissa kokonaan</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Merkitse projektit, joissa on vaurioita</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Huomautus: kaikki mitat ovat likimääräisiä</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Putkiosuuden grafiikka</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Vakio</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>tasattu versio</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Valokuvaraportin asettelu</translation>
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
        <translation>1 x 2 tekstillä</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 x 3 tekstillä</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Tallennus</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Laitteisto</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Videolähde:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Tekstin näyttö kuvassa</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Yleiset tiedot:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Tekstin näyttö kuvassa:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Kellonaika</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metrit</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Yrityksen teksti</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Lisätoiminnot</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Teksti valokuviin</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Aseta putkiosuuden alku automaattisesti</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Pysäytä video putkiosuuden lopussa</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>kirjoita uudet tiedot</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Nimiöiden fonttikoko:</translation>
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
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Projektipolku on tyhjä.
Aseta kelvollinen polku.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Annettua projektipolkua ei ole.
Aseta kelvollinen polku.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Projektipolkuun ei voi kirjoittaa.
Aseta kelvollinen polku.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Asetuksia ei voitu kirjoittaa kohteeseen &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Yrityksen tiedot</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>nykyinen yritys</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>tallennetut yritykset</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Yrityksen logo</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Yhteystiedot</translation>
    </message>
    <message>
        <source>F</source>
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
    <message>
        <source>Rahmen</source>
        <translation>Kehys</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Mukautetut yrityksen tiedot</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Tuo yritys</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Vie yritys</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Tiedostoa &quot;%1&quot; ei voitu lukea.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Valitse logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Kuvat</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Poisto ei ole mahdollista! Valitse toinen merkintä!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Poistetaanko yritys &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Yrityksen tietoja ei voitu kirjoittaa kohteeseen &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Yritys</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Yrityksen vienti</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>ZOZOrure-yritystiedosto (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Tiedostoa &quot;%1&quot; ei voitu kirjoittaa.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Yrityksen tuonti</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Lataa kuva</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Kuvat (%1)</translation>
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
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Nykyinen pohjakartta korvataan!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Ladataanko suunnitelma tiedostosta vai luodaanko se itse?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Luo</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Suunnitelmaa luodaan!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Suunnitelmaa tallennetaan!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>3D-näkymää päivitetään!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Poistetaanko pohjakartta?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Lisää mittauspiste:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Mittaa</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Vapaalla kädellä</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Valitse 2 pistettä sijainnin mittausta varten!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Aseta mittauspiste!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Valitse 2 pistettä mitoitusta varten!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Poistetaanko elementti varmasti?
Myös kaikki siihen liitetyt elementit poistetaan!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Poistetaanko tarkastus ja kaikki siihen liitetyt tarkastukset?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>uusi tarkastus</translation>
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
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Projekti on ladattava uudelleen.
Odota hetki!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Käynnistä ohjelma uudelleen, jotta muutokset tulevat täysin voimaan!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Etäisyys</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Koodi</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Havainto</translation>
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
