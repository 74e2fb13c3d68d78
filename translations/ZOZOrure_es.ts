<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Grabando el CD/DVD</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Crear plano</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Ampliar la vista</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Reducir la vista</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Insertar líneas</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Insertar rectángulo</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Insertar una imagen o un documento PDF</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Insertar elemento de texto</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Insertar un elemento nuevo</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Eliminar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Girar el elemento seleccionado A LA IZQUIERDA</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Girar el elemento seleccionado A LA DERECHA</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Espesor de pared</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>Inodoro</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Lavabo</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Ducha</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Bañera</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Urinario</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>insertar un objeto nuevo</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Exportación a CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>Grabadora de CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Nombre del CD/DVD</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Introduzca aquí un nombre para el CD/DVD.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Iniciar la grabación</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Posible causa: nombres de proyecto y/o tramo demasiado largos.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>¡El disco está lleno!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>¡No hay disco!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>¡Demasiados datos! %1 MB(%2 MB libres)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>¡Demasiados datos! %1 GB(%2 GB libres)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB libres)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB libres)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB libres)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Grabando el CD/DVD... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>¡ha fallado!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>¡completado!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>El archivo no es un archivo DWA-M 149-2 (elemento raíz &quot;%1&quot; en lugar de &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>El archivo no contiene ningún tramo (&quot;HG&quot;) y no es una inspección DWA-M 149-2.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>El archivo contiene más de una inspección; solo se ha leído la primera.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Operador: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Cliente: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Localidad: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Calle: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Motivo de la inspección: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Limpieza con agua a presión: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Dirección de la inspección: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Tiempo atmosférico: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Método de inspección: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Nodo inicial: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Nodo final: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Sección: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Diámetro: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Altura: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Anchura: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sistema: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Estado de servicio: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID del soporte: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Soporte: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>El archivo no es UTF-8 válido; se ha leído como Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>El archivo %1 contiene códigos que el catálogo no conoce: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): &quot;%2&quot; no es una fecha</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>El archivo contiene más tramos (%1); solo se ha leído el primero.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Observación %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: &quot;%2&quot; no es una hora</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: el nombre de la foto &quot;%2&quot; sale de la carpeta de la inspección y se descarta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: &quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>El archivo no contiene ningún tramo (&quot;DZB&quot;) ni ninguna observación (&quot;DZC&quot;).</translation>
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
        <translation>Cambiar cota</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Tamaño mostrado:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Anchura:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profundidad:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>circular</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Longitud:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>realizada</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>no realizada</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>en posición</translation>
    </message>
    <message>
        <source>von</source>
        <translation>de</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>defecto situado en una junta</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>defecto a lo largo de todo un tubo</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>defecto continuo n.º</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspector: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Cliente: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Ubicación: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Tramo: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Nodo aguas arriba: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Nodo aguas abajo: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Limpieza: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Control del caudal: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Dirección: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Punto de inicio: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Sección:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diámetro: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Altura: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Anchura: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Revestimiento: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Tipo de alcantarillado: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Línea %1: &quot;%2&quot; no es un valor válido para %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>El archivo no es un archivo EN 13508-2 (elemento raíz &quot;%1&quot; en lugar de &quot;DATA&quot;).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>El archivo no contiene ninguna inspección: ningún grupo de cabecera (&quot;ZB&quot;) con datos del tramo u observaciones.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>El archivo contiene %n inspección más; solo se ha leído la primera.</numerusform>
            <numerusform>El archivo contiene %n inspecciones más; solo se ha leído la primera.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Caracterización 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Caracterización 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Cuantificación 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Cuantificación 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Metros:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Clase de defecto (seguridad de servicio):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>s/d</translation>
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
        <translation>Defecto continuo:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>sin defecto continuo</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Inicio de defecto continuo</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Fin de defecto continuo</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Defecto a lo largo de un tubo</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Junta:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Observación:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>texto resultante</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>a las</translation>
    </message>
    <message>
        <source>von</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Se ha introducido la distancia 0.00m.
¿Desea mantenerla?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Datos generales</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Datos básicos</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Referencia del encargo:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Designación del objeto:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Longitud inspeccionada:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Longitud estándar de tubo:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Nodo aguas arriba</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Nodo aguas abajo</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Nombre del vídeo:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Soporte de vídeo:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Datos de la alcantarilla</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Anchura:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Limpieza previa:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Control del caudal:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Tipo de alcantarilla:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Tipo de conducción:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Protección interior del tubo:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Tipo de revestimiento:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Punto de referencia de la posición longitudinal:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Tipo de instalación:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>sin especificar</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspección:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diámetro:</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Línea %1: &quot;%2&quot; no es un valor válido para %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Línea %1: El nombre de la foto &quot;%2&quot; apunta fuera de la carpeta de la inspección y se ha descartado.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Línea %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Proyectos:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Exportar ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Carpeta/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>No se han podido copiar estos archivos:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>¡Ya se ha seleccionado para exportar un proyecto con el nombre %1!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>No hay suficiente espacio libre en la unidad. Se necesitan %1MB, pero solo hay %2MB disponibles.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Copiando ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Exportando el proyecto %1 de %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>No hay suficiente espacio libre en la unidad para el almacenamiento temporal. Se necesitan %1MB, pero solo hay %2MB disponibles.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Preparando la exportación...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>¡&quot;%1&quot; no está permitido como nombre!
¡Elija otro nombre!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (línea %2, columna %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>No se ha podido leer el plano de situación %1:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Se ha omitido un elemento del tipo desconocido &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 más)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>No se ha podido leer completamente el plano de situación %1:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>El plano de situación %1 no se ha leído completamente y no se sobrescribe.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>¡No se ha podido abrir el plano de situación %1 para escritura!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>¡No se ha podido escribir el plano de situación %1!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; no es un valor utilizable para %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>El archivo no es un plano de situación: su elemento raíz es &quot;%1&quot; en lugar de &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Importar desde:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Importar datos</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Seleccionar la carpeta de importación</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Está intentando importar datos desde la ruta del proyecto actual. 
Seleccione otra ruta de importación.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>No hay suficiente espacio para importar.
Se necesitan %1MB, pero solo hay %2MB disponibles.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Importando el tramo %1 de %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>No se ha podido copiar completamente el tramo %1; no se importa.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>No se reconoce el tipo del archivo de tramo %1; no se importa.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>No se ha encontrado ningún tramo en la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Insertar inspección</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profundidad:</translation>
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
        <translation>hacia arriba</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Posición en la tubería</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspección</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Datos del tramo</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Nombre del tramo:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Dirección de inspección:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Visibilidad de las etiquetas</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Aparte el diálogo para ver qué etiquetas se (des)activan en segundo plano. Sin embargo, los cambios solo se guardan de forma permanente cuando cierra el diálogo con &quot;Aplicar&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 más)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>No se ha podido leer el archivo %1 por completo:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>El archivo %1 no se leyó por completo y no se sobrescribirá.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>¡No se ha podido abrir el archivo %1 para escritura!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>¡No se ha podido escribir el archivo %1!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, fotografía tomada</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>El nombre &quot;%1&quot; no está permitido como nombre de archivo.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>No se ha podido leer el archivo %1:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: &quot;%2&quot; no es una longitud de inspección.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Operador: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Cliente: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Ubicación: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Calle: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Tramo: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Aguas arriba: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Aguas abajo: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Sección: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Diámetro: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Altura: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Anchura: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Sistema: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>N.º de vídeo: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>No se ha podido eliminar el archivo antiguo %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>¡No se ha podido abrir el archivo %1 para escritura!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>¡No se ha podido escribir el archivo %1!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Códigos que el catálogo no conoce: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Archivo %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>El archivo tiene líneas de más de %1 caracteres, pero no es UTF-8 válido; se ha leído como Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>El archivo contiene bytes que no son caracteres en Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>El archivo contiene caracteres de control; no es un archivo de texto en Windows-1252 ni en UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>La cabecera del archivo está incompleta (%1 de 5 líneas).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Línea %1: identificador de registro &quot;%2&quot; en lugar de &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Línea 3: &quot;%1&quot; no es una fecha</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>A partir de la línea %1 sigue otro tramo; solo se ha leído el primero.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Línea %1: identificador de registro desconocido &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Línea %1: el texto posterior a la columna %2 no se lee</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>La línea %1 es demasiado corta: termina antes del código</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Línea %1: valor no válido en %2: &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>distancia</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>valor 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>valor 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>clase de daño</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>número de defecto</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>posición horaria</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 no es UTF-8 válido.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>El archivo complementario %1 solo tiene %2 de %3 líneas.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>El archivo no tiene la cabecera de un archivo de este tipo (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Línea %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Altura del perfil</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Anchura del perfil</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 no cabe en el archivo (valores posibles de %4 a %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Observación %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Foto %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 más)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>No se ha guardado el archivo %1:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Hasta:</translation>
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
        <translation>Diálogo</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>El archivo no es un archivo ISYBAU 2006 (elemento raíz &quot;%1&quot; en lugar de &quot;Identifikation&quot;).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>El archivo no contiene ninguna instalación inspeccionada.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>El archivo no contiene ninguna inspección de una tubería.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>El archivo contiene más de una inspección; solo se ha leído la primera.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>El archivo %1 se ha guardado, pero es posible que otros programas lo rechacen:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; no es un código del formato.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>La designación del tramo</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>La referencia del encargo &quot;%1&quot; no es un número entero de seis cifras como máximo.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>El tipo de instalación</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>El tipo de conducción</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>La dirección de inspección</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>El nodo inicial</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>El tipo del nodo inicial</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>El nodo final</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>El tipo del nodo final</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>El nombre del inspector</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>La referencia de archivo del vídeo</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>El contratista</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>El punto de referencia</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>El control del caudal</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>El soporte de vídeo</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>El origen de las dimensiones del perfil</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>El tipo de perfil</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>El origen del material</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>El material</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>La protección interior</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>El revestimiento</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>El tipo de alcantarilla</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>El nombre de la calle</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>El barrio</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 está fuera de lo que permite el formato.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 está fuera de lo que permite el formato.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Observación %1 (%2 a %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Cargar PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Calibrar el plano</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>La imagen %1 es demasiado grande para un plano de situación.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>No se ha podido leer la imagen %1.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>No se ha podido cargar el documento PDF %1.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>El plano base está vacío. ¡Inserte primero una imagen!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Ya ha definido una escala.
¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>¡Seleccione 2 puntos para la calibración!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Los dos puntos coinciden. ¡Seleccione dos puntos distintos!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Distancia en metros:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>¡El plano base está vacío!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>¡Calibre primero el plano!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Tramo:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Punto superior:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Punto inferior:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Anchura:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>más datos</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diámetro:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; no es un número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; no está entre %2 y %3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Catálogo</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Crear proyecto</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Administrar proyectos</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>nuevo proyecto</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspecciones</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspección</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>nueva carpeta</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Proyectos:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>¡Seleccione un proyecto!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>¡Introduzca un nombre de proyecto!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>¡Este proyecto ya existe!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>¡Ya existe una carpeta con este nombre!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>¡Seleccione un proyecto para editar!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>por fecha</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>por nombre de archivo</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>por nombre del tramo</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>por número de vídeo</translation>
    </message>
    <message>
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>¡Los datos se han modificado correctamente!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>No se han podido guardar estas inspecciones:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Cargando los datos de exportación...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>¿Eliminar el proyecto &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>No se ha podido eliminar la carpeta %1.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Cambiar el nombre del proyecto</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>¡Seleccione el proyecto ATV o Isybau 2001
que desea convertir!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>¡Solo se pueden convertir inspecciones
según ATV o Isybau 2001!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>¿Convertir realmente la inspección &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>¡Seleccione el proyecto que desea eliminar!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>¿Eliminar la inspección &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Cambiar el nombre de la inspección</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>No se ha podido cambiar el nombre de la inspección &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>No se ha podido ajustar el archivo %1.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>No se ha encontrado el programa pdftocairo.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>No hay carpeta temporal para la conversión: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>No se ha podido iniciar el programa pdftocairo: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>El programa pdftocairo no ha terminado.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>El programa pdftocairo indica un error (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>La primera página es demasiado grande para un plano de situación.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>La conversión no ha producido ninguna imagen: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Profundidad:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspecciones</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Gráfico del tramo</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Informe fotográfico</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>sin números de página</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Números de página con índice</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Números de página sin índice</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Representar los defectos gráficamente</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Configuración del plano de tuberías</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>no mostrar</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>arriba - izquierda</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>arriba - centro</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>arriba - derecha</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>abajo - izquierda</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>abajo - centro</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>abajo - derecha</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>mostrar</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Datos de la empresa:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Leyenda:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Datos manuales:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Datos del tramo:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Calle:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Datos de inventario</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Datos del tubo</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Plano de tuberías</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Proyectos:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Creando la vista previa...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Creando el plano 3D para imprimir...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Creando el PDF...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>No se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>No se ha podido escribir el archivo &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Punto superior</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Aguas arriba</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Punto inferior</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Aguas abajo</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Número de vídeo</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Nombre del vídeo</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Referencia del encargo</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Control del caudal</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Punto de referencia de la posición longitudinal</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Dirección de inspección</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Tipo de alcantarilla</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Anchura del perfil</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Altura del perfil</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Motivo de la inspección</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Revestimiento</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Longitud inspeccionada</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Referencia del vídeo</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Material del revestimiento</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Tipo de aguas</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Longitud estándar de tubo</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Tipo de conducción</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Tipo de instalación</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Protección interior del tubo</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Localidad</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Punto inicial</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Punto final</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Dirección de inspección</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>En servicio</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Motivo de la inspección</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Limpiado a presión</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Sección transversal</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>ID del soporte</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Método de inspección</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Identificador del tramo</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Dirección postal</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Nodo inicial</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Nodo final</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Condiciones de la superficie</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Dirección de inspección</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Tipo de conducción</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Finalidad de la inspección</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Medidas de control del caudal</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Referencia del soporte de almacenamiento</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Soporte de almacenamiento</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Código de tiempo</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Informe fotográfico</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Gráfico del tramo</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Informe del tramo</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Informe del tramo:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Calle, n.º:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Plano de inventario</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(todos los datos sin garantía)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Escala 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Longitud total de todas las inspecciones</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>No se ha podido crear la carpeta del proyecto %1.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>No se ha podido leer el archivo de proyecto %1:
%2
No se sobrescribe.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>El archivo de proyecto %1 menciona tramos fuera de sus carpetas; no se abren:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>No se reconoce el tipo de estos archivos de tramo; no se abren, pero permanecen en el proyecto:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>No se ha podido leer el archivo de proyecto %1 y no se sobrescribe.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>¡No se ha podido abrir el archivo de proyecto %1 para escritura!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>¡No se ha podido escribir el archivo de proyecto %1!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; no es un nombre de proyecto válido.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>¡Ya existe una carpeta con el nombre %1!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>No se ha podido cambiar el nombre de la carpeta del proyecto %1.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>No se ha podido leer el orden de los tramos en %1; se ordenan por nombre.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (línea %2, columna %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>No se ha podido leer el archivo de proyecto 3D %1 y no se sobrescribe.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>No se ha podido leer el archivo de proyecto 3D %1 y no se sobrescribe.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>¡No se ha podido abrir el archivo de proyecto 3D %1 para escritura!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>¡No se ha podido escribir el archivo de proyecto 3D %1!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>B</source>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
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
        <translation>Un elemento tiene el tamaño inutilizable %1 × %2; se le ha asignado el tamaño estándar.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>El trazo de un elemento está dañado.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>El grosor %1 de un elemento no es utilizable.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Una imagen del plano está dañada o es demasiado grande.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>No se ha podido leer la imagen %1.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Diámetro nominal:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Sistema:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Aguas pluviales</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Aguas residuales</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Aguas unitarias</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Codo</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Acometida</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Diámetro nominal</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Ángulo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>¡Introduzca un nombre!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>¡Este nombre ya está en uso!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>¡No se ha podido crear la carpeta &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>¡Ya hay un codo insertado en este punto!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>¡Ya hay una acometida insertada en este punto!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Para un codo falta medio metro al final del tramo.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>No se ha encontrado el archivo de vídeo.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>No se puede escribir en la carpeta del vídeo.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>No se puede leer el archivo de vídeo.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Se desconoce la velocidad de fotogramas del archivo de vídeo.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>El vídeo dura menos de un segundo.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Se ha producido un error al leer el vídeo.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Se ha producido un error al escribir el vídeo.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>No se puede guardar el vídeo terminado.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>El archivo de vídeo no se pudo leer por completo: solo hasta %1 de %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>No se puede reproducir el vídeo:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Cargando el vídeo...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Opciones de la vista 3D</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Texto de la etiqueta</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Texto estándar</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Solo comentario</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Personalizado:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Nombre del tramo
$c Comentario
$m Distancia actual en metros
$l Metros desde la última observación</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Presentación de etiquetas</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Bocadillo</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>No se ha podido escribir la configuración en &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Distancia al punto de referencia:</translation>
    </message>
</context>
</TS>
