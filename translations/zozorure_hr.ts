<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Općenito</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Mapa projekata</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Svi se projekti spremaju u ovu mapu.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Odaberite mapu</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Jezik</translation>
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
        <translation>Prikaz</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Prikaži nazive dionica</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Izvješća</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Izradi izvješće o dionici</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Potpuno obojaj oštećenja u izvješću</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Označi projekte s oštećenjima</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Napomena: sve su mjere približne</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Grafika dionice</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardno</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>poravnana inačica</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Izgled fotoizvješća</translation>
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
        <translation>1 x 2 s tekstom</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 x 3 s tekstom</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Snimanje</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Izvor videa:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Umetanje teksta</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Opći podaci:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Umetanje teksta:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metri</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Tekst tvrtke</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodaci</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Tekst na fotografijama</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Automatski postavi početak dionice</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Zaustavi video na kraju dionice</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>upiši nove podatke</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Veličina fonta oznaka:</translation>
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
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Putanja projekata je prazna.
Postavite valjanu putanju.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Navedena putanja projekata ne postoji.
Postavite valjanu putanju.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>U putanju projekata ne može se pisati.
Postavite valjanu putanju.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Postavke se nisu mogle zapisati u &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Podaci o tvrtki</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>trenutačna tvrtka</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>spremljene tvrtke</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Logotip tvrtke</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGOTIP</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Odaberi</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
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
        <translation>Okvir</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Prilagođeni podaci o tvrtki</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Uvezi tvrtku</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Izvezi tvrtku</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Datoteka &quot;%1&quot; nije se mogla pročitati.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Odaberi logotip</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Slike</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Brisanje nije moguće! Odaberite drugi unos!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Izbrisati tvrtku &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Podaci o tvrtki nisu se mogli zapisati u &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Tvrtka</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Izvoz tvrtke</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>ZOZOrure datoteka tvrtke (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Datoteka &quot;%1&quot; nije se mogla zapisati.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Uvoz tvrtke</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Učitaj sliku</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Slike (%1)</translation>
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
        <translation>Inspekcije</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Zapažanja</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Trasa cijevi</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>učitavanje sučelja...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>učitavanje korisničkih podataka...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>pokretanje programa...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>pretvaranje projekata...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projekti</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcija</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodaci</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Ispis</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Pokreni inspekciju</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Novi</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Uvoz</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Izvoz</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Upravljanje</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Podaci o tvrtki</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Ispis grešaka</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Prikaz</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Oznake</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Referentne točke</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Kote</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D projekcija</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiva</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Podloga</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Umetni</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Stvori</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Točka</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Referentna točka</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Kota</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referenca</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Okno/točka</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Ogranak</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Mogućnosti</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Spremiti promjene projekta?</translation>
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
        <translation>Dovrši</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Spremiti inspekciju &quot;%1&quot;?
Inače će se promjene izgubiti!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Izbrisati unos &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Najprije odaberite odgovarajuće opažanje!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Najprije zatvorite projekt!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Otvori datoteku</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Datoteka &quot;%1&quot; nije inspekcija koja se može otvoriti.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Za ovu inspekciju nema videa!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Izrada videa...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Uspješno završeno!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Ova norma trenutačno nije dostupna na vašem jeziku!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Datoteka &quot;%1&quot; već postoji!</translation>
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
        <source>Lade Export-Daten...</source>
        <translation>Učitavanje podataka za izvoz...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Najprije zatvorite trenutačni projekt!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>pokrenut</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>nije se mogao pokrenuti</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>zaustavljen</translation>
    </message>
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Postojeća podloga bit će prebrisana!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Učitati plan iz datoteke ili ga izraditi sami?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Učitaj</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Izradi</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Izrada plana!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Spremanje plana!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>Ažuriranje 3D prikaza!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Ukloniti podlogu?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Umetni točku izmjere:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Izmjeri</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Slobodnom rukom</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Odaberite 2 točke za izmjeru!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Postavite točku izmjere!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Odaberite 2 točke za kotiranje!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Stvarno izbrisati element?
Izbrisat će se i svi povezani elementi!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Izbrisati inspekciju zajedno sa svim povezanim inspekcijama?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>nova inspekcija</translation>
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
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Projekt se mora ponovno učitati.
Pričekajte trenutak!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Ponovno pokrenite program kako bi se promjene u potpunosti primijenile!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Udaljenost</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Opažanje</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>pokretanje okruženja...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>pokretanje videa...</translation>
    </message>
</context>
</TS>
