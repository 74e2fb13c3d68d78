<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
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
        <source>, observation klasse </source>
        <translation>, clase de observación </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, fotografía tomada</translation>
    </message>
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
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): &quot;%3&quot; no es un número</translation>
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
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>El archivo contiene más de una inspección; solo se ha leído la primera.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Línea %1: El nombre de la foto &quot;%2&quot; apunta fuera de la carpeta de la inspección y se ha descartado.</translation>
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
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, clase de daño %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, medida de rehabilitación inicio</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, medida de rehabilitación fin</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, medida de rehabilitación a lo largo de todo el tubo</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, inicio del defecto n.º %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, fin del defecto n.º %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, defecto en todo el tramo n.º %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, defecto a lo largo de todo el tubo n.º %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, en posición %1 h</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, de %1 a %2 h</translation>
    </message>
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
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Línea %1: &quot;%2&quot; no es un número</translation>
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
</context>
</TS>
