<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="de">
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
        <source>, observation klasse </source>
        <translation>, havaintoluokka </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, valokuva otettu</translation>
    </message>
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
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): &quot;%3&quot; ei ole luku</translation>
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
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Tiedosto sisältää useamman kuin yhden tarkastuksen; vain ensimmäinen luettiin.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Rivi %1: Valokuvan nimi &quot;%2&quot; viittaa tarkastuskansion ulkopuolelle, eikä sitä otettu käyttöön.</translation>
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
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, vaurioluokka %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, saneeraustoimenpide alku</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, saneeraustoimenpide loppu</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, saneeraustoimenpide koko putken pituudella</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, vaurion alku nro %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, vaurion loppu nro %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, vaurio koko putkiosuudella nro %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, vaurio koko putken pituudella nro %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, kello %1:n kohdalla</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, kello %1–%2:n kohdalla</translation>
    </message>
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
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Rivi %1: &quot;%2&quot; ei ole luku</translation>
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
</context>
</TS>
