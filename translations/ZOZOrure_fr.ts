<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Le fichier n&apos;est pas un fichier DWA-M 149-2 (élément racine « %1 » au lieu de « DATA »).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Le fichier ne contient aucun tronçon (« HG ») et n&apos;est pas une inspection DWA-M 149-2.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Le fichier contient plus d&apos;une inspection ; seule la première a été lue.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, classe d&apos;observation </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, photo prise</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Opérateur : </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Client : </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Commune : </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Rue : </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Motif de l&apos;inspection : </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Hydrocurage : </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Sens de l&apos;inspection : </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Météo : </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Méthode d&apos;inspection : </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Nœud de départ : </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Nœud d&apos;arrivée : </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Section : </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diamètre : </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Hauteur : </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Largeur : </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Matériau : </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Système : </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>État de service : </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID du support : </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Support : </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Le fichier n&apos;est pas en UTF-8 valide ; il a été lu en Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Le fichier %1 contient des codes inconnus du catalogue : %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2) : « %3 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1) : « %2 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Le fichier contient d&apos;autres tronçons (%1) ; seul le premier a été lu.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observation %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1 : « %2 » n&apos;est pas une heure</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1 : le nom de photo « %2 » sort du dossier de l&apos;inspection et est ignoré</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>effectué</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>non effectué</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>à</translation>
    </message>
    <message>
        <source>von</source>
        <translation>de</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>défaut situé au niveau d&apos;un assemblage</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>défaut sur toute la longueur d&apos;un élément</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>défaut continu n°</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>début</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspecteur : </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client : </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lieu : </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Tronçon : </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Nœud amont : </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nœud aval : </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Nettoyage : </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Maîtrise du débit : </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Sens : </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Point de départ : </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Forme :</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diamètre : </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Hauteur : </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Largeur : </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Matériau : </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Revêtement : </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Type de réseau : </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas une valeur valide pour %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Le fichier n&apos;est pas un fichier EN 13508-2 (élément racine « %1 » au lieu de « DATA »).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Le fichier contient plus d&apos;une inspection ; seule la première a été lue.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Ligne %1 : le nom de photo « %2 » pointe hors du dossier de l&apos;inspection et a été ignoré.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas une valeur valide pour %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Ligne %1 : le nom de photo « %2 » pointe hors du dossier de l&apos;inspection et a été ignoré.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 de plus)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu entièrement :
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Le fichier %1 n&apos;a pas été lu entièrement et ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 en écriture !
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Impossible d&apos;écrire le fichier %1 !
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, photo prise</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Le nom « %1 » n&apos;est pas autorisé comme nom de fichier.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, classe de dommage %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, mesure de réhabilitation début</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, mesure de réhabilitation fin</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, mesure de réhabilitation sur toute la longueur de l&apos;élément</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, début du défaut n° %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, fin du défaut n° %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, défaut sur tout le tronçon n° %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, défaut sur toute la longueur de l&apos;élément n° %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, à %1 h</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, de %1 à %2 h</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Opérateur : </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Client : </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lieu : </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Rue : </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Tronçon : </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Amont : </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Aval : </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Forme : </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diamètre : </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Hauteur : </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Largeur : </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Matériau : </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Système : </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>N° de vidéo : </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Impossible de supprimer l&apos;ancien fichier %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 en écriture !
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Impossible d&apos;écrire le fichier %1 !
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Codes inconnus du catalogue : %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Fichier %1 :
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Le fichier contient des lignes de plus de %1 caractères, mais n&apos;est pas en UTF-8 valide ; il a été lu en Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Le fichier contient des octets qui ne sont pas des caractères en Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Le fichier contient des caractères de contrôle ; ce n&apos;est pas un fichier texte en Windows-1252 ou en UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>L&apos;en-tête du fichier est incomplet (%1 lignes sur 5).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Ligne %1 : identifiant d&apos;enregistrement « %2 » au lieu de « %3 »</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Ligne 3 : « %1 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>À partir de la ligne %1 suit un autre tronçon ; seul le premier a été lu.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Ligne %1 : identifiant d&apos;enregistrement inconnu « %2 »</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Ligne %1 : le texte après la colonne %2 n&apos;est pas lu</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>La ligne %1 est trop courte : elle se termine avant le code</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Ligne %1 : valeur invalide pour %2 : « %3 »</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>valeur 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>valeur 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>classe de dommage</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>numéro de défaut</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>position horaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 n&apos;est pas en UTF-8 valide.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Le fichier annexe %1 n&apos;a que %2 lignes sur %3.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Le fichier n&apos;est pas un fichier ISYBAU 2006 (élément racine « %1 » au lieu de « Identifikation »).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Le fichier ne contient aucun ouvrage inspecté.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Le fichier ne contient aucune inspection de canalisation.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Le fichier contient plus d&apos;une inspection ; seule la première a été lue.</translation>
    </message>
</context>
</TS>
