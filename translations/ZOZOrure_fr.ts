<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Gravure du CD/DVD en cours</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Créer un plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Agrandir la vue</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Réduire la vue</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Insérer des lignes</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Insérer un rectangle</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Insérer une image ou un document PDF</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Insérer un élément de texte</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Insérer un nouvel élément</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Supprimer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Faire pivoter l&apos;élément sélectionné VERS LA GAUCHE</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Faire pivoter l&apos;élément sélectionné VERS LA DROITE</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Épaisseur de paroi</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>WC</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Lavabo</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Douche</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Baignoire</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Urinoir</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>insérer un nouvel objet</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Export sur CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>Graveur de CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Nom du CD/DVD</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Veuillez saisir ici un nom pour le CD/DVD.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Démarrer la gravure</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Cause possible : noms de projet et/ou de tronçon trop longs.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Le disque est plein !</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Aucun disque !</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Trop de données ! %1 Mo(%2 Mo libres)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Trop de données ! %1 Go(%2 Go libres)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 Mo(%2 Mo libres)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 Mo(%2 Go libres)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 Go(%2 Go libres)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Gravure du CD/DVD... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>échec !</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>terminé !</translation>
    </message>
</context>
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
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2) : %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Le fichier ne contient aucun tronçon (« DZB ») ni aucune observation (« DZC »).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>DimensionNoteDialog</name>
    <message>
        <source>Bemaßung ändern</source>
        <translation>Modifier la cote</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Taille affichée :</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Regard</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diamètre :</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profondeur :</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>rond</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>rectangulaire</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Longueur :</translation>
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
        <source>Die Datei ist leer.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Le fichier ne contient aucune inspection : aucun groupe d&apos;en-tête (« ZB ») avec des données de tronçon ou des observations.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Le fichier contient %n autre inspection ; seule la première a été lue.</numerusform>
            <numerusform>Le fichier contient %n autres inspections ; seule la première a été lue.</numerusform>
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
        <translation>Code :</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Caractérisation 1 :</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Caractérisation 2 :</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Quantification 1 :</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Quantification 2 :</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Mètres :</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Classe de défaut (sécurité d&apos;exploitation) :</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>n.c.</translation>
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
        <translation>Défaut continu :</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>pas de défaut continu</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Début de défaut continu</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Fin de défaut continu</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Défaut sur toute la longueur d&apos;un tuyau</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Assemblage :</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Photo :</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>texte final</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Désignation :</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Coordonnées :</translation>
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
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Le métrage 0.00m a été saisi.
Voulez-vous le conserver ?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Données générales</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Données de base</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Opérateur :</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Entreprise :</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Référence de commande :</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Désignation de l&apos;objet :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Longueur inspectée :</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Longueur standard de tuyau :</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Nœud amont</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Nœud aval</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Nom de la vidéo :</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Support vidéo :</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Données du réseau</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Matériau :</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Forme :</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Sens :</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Nettoyage préalable :</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Maîtrise du débit :</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Type de réseau :</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Type de conduite :</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Motif :</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Protection intérieure du tuyau :</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Type de revêtement :</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Point de référence de la position longitudinale :</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Type d&apos;ouvrage :</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Météo :</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>non renseigné</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspection :</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diamètre :</translation>
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
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Ligne %1 : %2 (%3).</translation>
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
        <translation>Projets :</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Exporter ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Graver</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Dossier/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Impossible de copier ces fichiers :
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Un projet nommé %1 est déjà sélectionné pour l&apos;export !</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>L&apos;espace libre sur le lecteur est insuffisant. Il faut %1Mo, mais seuls %2Mo sont disponibles.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Copie de ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Export du projet %1 sur %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>L&apos;espace libre sur le lecteur est insuffisant pour le stockage temporaire. Il faut %1Mo, mais seuls %2Mo sont disponibles.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Préparation de l&apos;export...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>« %1 » n&apos;est pas autorisé comme nom !
Veuillez choisir un autre nom !</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (ligne %2, colonne %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Impossible de lire le plan de situation %1 :
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Un élément de type inconnu « %1 » a été ignoré.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 de plus)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Impossible de lire entièrement le plan de situation %1 :
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Le plan de situation %1 n&apos;a pas été lu entièrement ; il ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Impossible d&apos;ouvrir le plan de situation %1 en écriture !
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Impossible d&apos;écrire le plan de situation %1 !
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1 : « %2 » n&apos;est pas une valeur utilisable pour %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Le fichier n&apos;est pas un plan de situation : son élément racine est &quot;%1&quot; au lieu de &quot;%2&quot;.</translation>
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
        <translation>Importer depuis :</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>aucun dossier choisi</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Tronçons</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Importer des données</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Choisir le dossier d&apos;import</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Vous essayez d&apos;importer des données depuis le chemin du projet actuel. 
Veuillez choisir un autre chemin d&apos;import.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>L&apos;espace est insuffisant pour l&apos;import.
Il faut %1Mo, mais seuls %2Mo sont disponibles.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Import du tronçon %1 sur %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Le tronçon %1 n&apos;a pas pu être copié entièrement ; il n&apos;est pas importé.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Le type du fichier de tronçon %1 n&apos;est pas reconnu ; il n&apos;est pas importé.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>Aucun tronçon n&apos;a été trouvé dans le dossier %1.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Insérer une inspection</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profondeur :</translation>
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
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Position dans la conduite</translation>
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
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
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
        <translation>Données du tronçon</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Nom du tronçon :</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Matériau :</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diamètre :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Sens d&apos;inspection :</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Visibilité des étiquettes</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Déplacez la boîte de dialogue sur le côté pour voir quelles étiquettes sont (dés)activées à l&apos;arrière-plan. Vos modifications ne sont toutefois enregistrées durablement que lorsque vous fermez la boîte avec « Appliquer ».</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
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
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Impossible de lire le fichier %1 :
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1 : « %2 » n&apos;est pas une longueur d&apos;inspection.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
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
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Le fichier n&apos;a pas l&apos;en-tête d&apos;un fichier de ce type (« %1 »).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Ligne %1 : %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Hauteur du profil</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Largeur du profil</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 ne tient pas dans le fichier (valeurs possibles : %4 à %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Observation %1 (%2) : </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Photo %1 : </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 de plus)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Le fichier %1 n&apos;a pas été enregistré :
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
        <translation>De :</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>À :</translation>
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
        <translation>Dialogue</translation>
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
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Le fichier %1 a été enregistré, mais d&apos;autres programmes risquent de le refuser :
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 est manquant.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 « %2 » n&apos;est pas un code du format.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>La désignation du tronçon</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>La référence de commande « %1 » n&apos;est pas un entier d&apos;au plus six chiffres.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Le type d&apos;ouvrage</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Le type de conduite</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Le sens d&apos;inspection</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Le nœud de départ</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Le type du nœud de départ</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Le nœud d&apos;arrivée</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Le type du nœud d&apos;arrivée</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Le nom de l&apos;inspecteur</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>La référence d&apos;archivage vidéo</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Le prestataire</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Le point de référence</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>La maîtrise des eaux</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Le support vidéo</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>L&apos;origine des dimensions du profil</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Le type de profil</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>L&apos;origine du matériau</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Le matériau</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>La protection intérieure</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Le revêtement</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Le type de collecteur</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Le nom de la rue</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Le quartier</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 sort de ce que le format permet.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 : %2 sort de ce que le format permet.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Observation %1 (%2 à %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Charger un PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Étalonner le plan</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>L&apos;image %1 est trop grande pour un plan de situation.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Impossible de lire l&apos;image %1.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>Impossible de charger le document PDF %1.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Le plan de fond est vide. Veuillez d&apos;abord insérer une image !</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Vous avez déjà défini une échelle.
Faut-il la remplacer ?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Veuillez choisir 2 points pour l&apos;étalonnage !</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Les deux points sont confondus. Veuillez choisir deux points différents !</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Distance en mètres :</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Le plan de fond est vide !</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Veuillez d&apos;abord étalonner le plan !</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Tronçon :</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Matériau :</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Opérateur :</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vidéo :</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Forme :</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Point amont :</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Sens :</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Point aval :</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>autres données</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diamètre :</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>« %1 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>« %1 » n&apos;est pas compris entre %2 et %3</translation>
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
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Créer un projet</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Gérer les projets</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>nouveau projet</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Données du projet</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspections</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>nouveau dossier</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projets :</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Veuillez choisir un projet !</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Veuillez saisir un nom de projet !</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Ce projet existe déjà !</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Un dossier portant ce nom existe déjà !</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Veuillez choisir un projet à modifier !</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>par date</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>par nom de fichier</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>par nom de tronçon</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>par numéro de vidéo</translation>
    </message>
    <message>
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Les données ont été modifiées avec succès !</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Impossible d&apos;enregistrer ces inspections :
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Chargement des données d&apos;export...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Supprimer le projet « %1 » ?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Impossible de supprimer le dossier %1.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Renommer le projet</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Veuillez choisir le projet ATV ou Isybau 2001
à convertir !</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Seules les inspections selon ATV ou Isybau 2001
peuvent être converties !</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Convertir vraiment l&apos;inspection « %1 » ?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Veuillez choisir le projet à supprimer !</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Supprimer l&apos;inspection « %1 » ?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Renommer l&apos;inspection</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Impossible de renommer l&apos;inspection « %1 ».</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Impossible d&apos;adapter le fichier %1.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Le programme pdftocairo est introuvable.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Aucun dossier temporaire pour la conversion : %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Impossible de lancer le programme pdftocairo : %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Le programme pdftocairo n&apos;a pas terminé.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Le programme pdftocairo signale une erreur (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>La première page est trop grande pour un plan de situation.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>La conversion n&apos;a produit aucune image : %1</translation>
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
        <translation>Diamètre :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profondeur :</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspections</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Graphique du tronçon</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Rapport photo</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>pas de numéros de page</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Numéros de page avec table des matières</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Numéros de page sans table des matières</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Représenter les défauts graphiquement</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Paramètres du plan des conduites</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>ne pas afficher</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>en haut - à gauche</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>en haut - au centre</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>en haut - à droite</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>en bas - à gauche</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>en bas - au centre</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>en bas - à droite</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>afficher</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Données de l&apos;entreprise :</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Légende :</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Données manuelles :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Données du tronçon :</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Données d&apos;inventaire</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Données du tuyau</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Plan des conduites</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projets :</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Création de l&apos;aperçu...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Création du plan 3D pour l&apos;impression...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Création du PDF...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Impossible de démarrer l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
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
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Point amont</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Amont</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Point aval</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Aval</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Numéro de vidéo</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Nom de la vidéo</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Référence de commande</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Maîtrise du débit</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Point de référence de la position longitudinale</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Sens d&apos;inspection</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Type de réseau</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Largeur du profil</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Hauteur du profil</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Motif de l&apos;inspection</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Revêtement</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Longueur inspectée</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Référence vidéo</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Matériau du revêtement</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Type d&apos;effluent</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Longueur standard de tuyau</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Type de conduite</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Type d&apos;ouvrage</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Protection intérieure du tuyau</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Point de départ</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Point d&apos;arrivée</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Sens d&apos;inspection</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>En service</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Motif de l&apos;inspection</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Hydrocuré</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>ID du support</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Méthode d&apos;inspection</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Identifiant du tronçon</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Donneur d&apos;ordre</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Nœud de départ</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Nœud d&apos;arrivée</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Conditions de surface</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Sens d&apos;inspection</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Type de conduite</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Objet de l&apos;inspection</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Mesures de régulation du débit</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Référence du support de stockage</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Support de stockage</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Timecode</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Rapport photo</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Graphique du tronçon</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Rapport de tronçon</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Rapport de tronçon :</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Client :</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Rue, n° :</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Plan de récolement</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(toutes les indications sans garantie)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Échelle 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Table des matières</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Donneur d&apos;ordre</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Longueur totale de toutes les inspections</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Impossible de créer le dossier de projet %1.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Impossible de lire le fichier de projet %1 :
%2
Il ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Le fichier de projet %1 cite des tronçons hors de ses dossiers ; ils ne sont pas ouverts :
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Le type de ces fichiers de tronçon n&apos;est pas reconnu ; ils ne sont pas ouverts mais restent dans le projet :
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Impossible de lire le fichier de projet %1 ; il ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier de projet %1 en écriture !
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Impossible d&apos;écrire le fichier de projet %1 !
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>« %1 » n&apos;est pas un nom de projet valide.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Un dossier nommé %1 existe déjà !</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Impossible de renommer le dossier de projet %1.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>L&apos;ordre des tronçons dans %1 n&apos;a pas pu être lu ; ils sont triés par nom.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (ligne %2, colonne %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>Impossible de lire le fichier de projet 3D %1 ; il ne sera pas écrasé.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Impossible de lire le fichier de projet 3D %1 ; il ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier de projet 3D %1 en écriture !
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Impossible d&apos;écrire le fichier de projet 3D %1 !
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>B</source>
        <translation>G</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>Un élément a la taille inutilisable %1 × %2 ; il a reçu la taille standard.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Le trait d&apos;un élément est endommagé.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>L&apos;épaisseur %1 d&apos;un élément est inutilisable.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Une image du plan est endommagée ou trop grande.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Impossible de lire l&apos;image %1.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norme</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Diamètre nominal :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Eaux pluviales</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Eaux usées</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Unitaire</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Coude</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Branchement</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Diamètre nominal</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Veuillez saisir un nom !</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Ce nom est déjà utilisé !</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Impossible de créer le dossier « %1 » !</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>Un coude est déjà inséré à cet endroit !</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>Un branchement est déjà inséré à cet endroit !</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Il manque un demi-mètre à la fin du tronçon pour un coude.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Le fichier vidéo est introuvable.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire dans le dossier de la vidéo.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier vidéo.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>La fréquence d&apos;images du fichier vidéo est inconnue.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>La vidéo dure moins d&apos;une seconde.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Une erreur s&apos;est produite lors de la lecture de la vidéo.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture de la vidéo.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Impossible d&apos;enregistrer la vidéo finalisée.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Le fichier vidéo n&apos;a pas pu être lu entièrement : seulement jusqu&apos;à %1 sur %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>PHOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Impossible de lire la vidéo :
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Chargement de la vidéo...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Options de la vue 3D</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Texte de l&apos;étiquette</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Texte standard</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Commentaire seul</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Personnalisé :</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Nom du tronçon
$c Commentaire
$m Métrage actuel
$l Métrage depuis la dernière observation</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Affichage des étiquettes</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Bulle</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Impossible d&apos;écrire les paramètres dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Distance au point de référence :</translation>
    </message>
</context>
</TS>
