<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddressListScreen</name>
    <message>
        <source>You are not allowed to delete this default record</source>
        <translation>No tiene permiso para eliminar este registro predeterminado</translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation>Se eliminó correctamente</translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation>Eliminar el registro actual</translation>
    </message>
</context>
<context>
    <name>ChangedUnderneath</name>
    <message>
        <source>This record was deleted by someone else since you opened it. Save your version as a new record?</source>
        <translation>Otra persona eliminó este registro después de que usted lo abriera. ¿Guardar su versión como un registro nuevo?</translation>
    </message>
    <message>
        <source>This record was changed by someone else since you opened it. Save your version over theirs?</source>
        <translation>Otra persona cambió este registro después de que usted lo abriera. ¿Guardar su versión sobre la suya?</translation>
    </message>
    <message>
        <source>Your version stays on the screen. Show their version?</source>
        <translation>Su versión sigue en la pantalla. ¿Mostrar la otra versión?</translation>
    </message>
</context>
<context>
    <name>ClipboardOperations</name>
    <message>
        <source>Make sure text has been properly selected first!</source>
        <translation>¡Asegúrese primero de haber seleccionado bien el texto!</translation>
    </message>
</context>
<context>
    <name>CoverageHeatMap</name>
    <message>
        <source>Scripture coverage</source>
        <translation>Cobertura de las Escrituras</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>(not imported)</source>
        <translation>(no se importa)</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation>Idea central</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Bosquejo</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>The file holds no headings and no sermons.</source>
        <translation>El archivo no contiene encabezados ni sermones.</translation>
    </message>
    <message>
        <source>The file is larger than 20 MB.</source>
        <translation>El archivo supera los 20 MB.</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
</context>
<context>
    <name>CsvTable</name>
    <message>
        <source>Line %1: text follows a closing quote.</source>
        <translation>Línea %1: hay texto después de unas comillas de cierre.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is never closed.</source>
        <translation>Línea %1: un campo entre comillas no se cierra nunca.</translation>
    </message>
</context>
<context>
    <name>DataScreen</name>
    <message>
        <source>No Records, Add Some ?</source>
        <translation>No hay registros. ¿Añadir alguno?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>DateEntry</name>
    <message>
        <source>Enter a valid date: dd/mm/yyyy</source>
        <translation>Escriba una fecha válida: dd/mm/aaaa</translation>
    </message>
    <message>
        <source>Enter a valid date: mm/dd/yyyy</source>
        <translation>Escriba una fecha válida: mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
</context>
<context>
    <name>DbDatabase</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se encuentra el archivo «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>The Qt SQLite driver (QSQLITE) is not installed.</source>
        <translation>El controlador SQLite de Qt (QSQLITE) no está instalado.</translation>
    </message>
    <message>
        <source>The Qt ODBC driver (QODBC) is not installed.</source>
        <translation>El controlador ODBC de Qt (QODBC) no está instalado.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no tables: it is empty or not a Lectorum database.</source>
        <translation>«%1» no contiene tablas: está vacío o no es una base de datos de Lectorum.</translation>
    </message>
    <message>
        <source>The statement returned no rows to read.</source>
        <translation>La sentencia no devolvió filas que leer.</translation>
    </message>
</context>
<context>
    <name>DbSnapshot</name>
    <message>
        <source>Item not found in this collection: %1</source>
        <translation>No se encontró el elemento en esta colección: %1</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message numerus="yes">
        <source>Cancelled: %1 of %n outlines were written to %2.</source>
        <translation>
            <numerusform>Cancelado: se escribieron %1 de %n bosquejo en %2.</numerusform>
            <numerusform>Cancelado: se escribieron %1 de %n bosquejos en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outlines were written before this.</source>
        <translation>
            <numerusform>Antes de esto se escribió %n bosquejo.</numerusform>
            <numerusform>Antes de esto se escribieron %n bosquejos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outlines were written to %1.</source>
        <translation>
            <numerusform>Se escribió %n bosquejo en %1.</numerusform>
            <numerusform>Se escribieron %n bosquejos en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no sermon list to export. Open the sermon screen (Edit &gt; Sermon) and choose the sermons with a search or checklist first.</source>
        <translation>No hay ninguna lista de sermones para exportar. Abra la pantalla de sermones (Editar &gt; Sermón) y elija primero los sermones con una búsqueda o con Consultar.</translation>
    </message>
    <message>
        <source>Please Wait While Loading Sermons</source>
        <translation>Espere mientras se cargan los sermones</translation>
    </message>
    <message>
        <source>Sermon List as CSV</source>
        <translation>Lista de sermones como CSV</translation>
    </message>
    <message>
        <source>Sermon List.csv</source>
        <translation>Lista de sermones.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV with byte-order mark, for spreadsheets that need one (*.csv)</source>
        <translation>CSV con marca de orden de bytes, para las hojas de cálculo que la necesitan (*.csv)</translation>
    </message>
    <message>
        <source>There is no sermon to export. Open the sermon screen (Edit &gt; Sermon) and choose a sermon first.</source>
        <translation>No hay ningún sermón para exportar. Abra la pantalla de sermones (Editar &gt; Sermón) y elija primero un sermón.</translation>
    </message>
    <message>
        <source>OpenDocument Text (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>Plain Text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Outline as Document</source>
        <translation>Bosquejo como documento</translation>
    </message>
    <message>
        <source>Writing outlines...</source>
        <translation>Escribiendo bosquejos...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>All Outlines as Documents</source>
        <translation>Todos los bosquejos como documentos</translation>
    </message>
    <message>
        <source>Writing outline %1 of %2...</source>
        <translation>Escribiendo el bosquejo %1 de %2...</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
</context>
<context>
    <name>ExportPaths</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Lectorum Help</source>
        <translation>Ayuda de Lectorum</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Search for a keyword:</source>
        <translation>&amp;Buscar una palabra clave:</translation>
    </message>
    <message>
        <source>Search for a keyword</source>
        <translation>Buscar una palabra clave</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Cannot find or open the help file %1</source>
        <translation>No se puede encontrar o abrir el archivo de ayuda %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>no passage</source>
        <translation>sin pasaje</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicado</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>[read by %1]</source>
        <translation>[leído con %1]</translation>
    </message>
    <message>
        <source>the library could not be backed up: %1</source>
        <translation>no se pudo hacer una copia de seguridad de la biblioteca: %1</translation>
    </message>
    <message>
        <source>backed up to %1</source>
        <translation>copia de seguridad en %1</translation>
    </message>
    <message>
        <source>cannot open %1: error %2: %3</source>
        <translation>no se puede abrir %1: error %2: %3</translation>
    </message>
    <message>
        <source>cannot read the library: error %1: %2</source>
        <translation>no se puede leer la biblioteca: error %1: %2</translation>
    </message>
    <message>
        <source>the library has no preacher named &quot;%1&quot;</source>
        <translation>la biblioteca no tiene ningún predicador llamado «%1»</translation>
    </message>
    <message>
        <source>%1 (error %2: %3)</source>
        <translation>%1 (error %2: %3)</translation>
    </message>
</context>
<context>
    <name>ImportNames</name>
    <message>
        <source>Preachers: %1</source>
        <translation>Predicadores: %1</translation>
    </message>
    <message>
        <source>Series: %1</source>
        <translation>Series: %1</translation>
    </message>
    <message>
        <source>Topics: %1</source>
        <translation>Temas: %1</translation>
    </message>
</context>
<context>
    <name>ImportPaths</name>
    <message>
        <source>Import Outline Files</source>
        <translation>Importar archivos de bosquejos</translation>
    </message>
    <message>
        <source>Outline files (*.docx *.odt *.txt *.md *.rtf *.doc *.zip)</source>
        <translation>Archivos de bosquejos (*.docx *.odt *.txt *.md *.rtf *.doc *.zip)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import a Folder of Outline Files</source>
        <translation>Importar una carpeta de archivos de bosquejos</translation>
    </message>
    <message>
        <source>Import a Sermon List</source>
        <translation>Importar una lista de sermones</translation>
    </message>
    <message>
        <source>CSV (*.csv *.txt)</source>
        <translation>CSV (*.csv *.txt)</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>the same title, passage and date as a sermon in the library</source>
        <translation>el mismo título, pasaje y fecha que un sermón de la biblioteca</translation>
    </message>
    <message>
        <source>the same title, passage and date as %1</source>
        <translation>el mismo título, pasaje y fecha que %1</translation>
    </message>
</context>
<context>
    <name>ImportRowModel</name>
    <message>
        <source> (read by %1)</source>
        <translation> (leído con %1)</translation>
    </message>
    <message>
        <source>ready (date from the file&apos;s time)</source>
        <translation>listo (fecha tomada de la hora del archivo)</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>needs a passage</source>
        <translation>falta el pasaje</translation>
    </message>
    <message>
        <source>duplicate: </source>
        <translation>duplicado: </translation>
    </message>
    <message>
        <source>unreadable: </source>
        <translation>ilegible: </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>ImportScreenCommands</name>
    <message>
        <source>%1 could not be read as a sermon list.
%2</source>
        <translation>%1 no se pudo leer como lista de sermones.
%2</translation>
    </message>
    <message>
        <source>There is no import to undo.</source>
        <translation>No hay ninguna importación que deshacer.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>an unnamed user</source>
        <translation>un usuario sin nombre</translation>
    </message>
    <message numerus="yes">
        <source>The last import (%1, %2 by %3) added %n sermon(s).</source>
        <translation>
            <numerusform>La última importación (%1, %2 por %3) añadió %n sermón.</numerusform>
            <numerusform>La última importación (%1, %2 por %3) añadió %n sermones.</numerusform>
        </translation>
    </message>
    <message>
        <source>To be deleted (%1):</source>
        <translation>Se eliminarán (%1):</translation>
    </message>
    <message>
        <source>Changed since, and kept (%1):</source>
        <translation>Modificados desde entonces, que se conservan (%1):</translation>
    </message>
    <message numerus="yes">
        <source>%n were deleted already.</source>
        <translation>
            <numerusform>%n ya se había eliminado.</numerusform>
            <numerusform>%n ya se habían eliminado.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo this import?</source>
        <translation>¿Deshacer esta importación?</translation>
    </message>
    <message>
        <source>This library was made before imports could be undone; it keeps no record of its imports.</source>
        <translation>Esta biblioteca se creó antes de que las importaciones pudieran deshacerse; no guarda registro de sus importaciones.</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sermons have topics, illustrations or occasions now. Delete them too?
(No keeps them.)</source>
        <translation>
            <numerusform>%n de estos sermones tiene ahora temas, ilustraciones u ocasiones. ¿Eliminarlo también?
(No lo conserva.)</numerusform>
            <numerusform>%n de estos sermones tienen ahora temas, ilustraciones u ocasiones. ¿Eliminarlos también?
(No los conserva.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import was undone: %n sermon(s) deleted, %1</source>
        <translation>
            <numerusform>Se deshizo la importación: %n sermón eliminado, %1</numerusform>
            <numerusform>Se deshizo la importación: %n sermones eliminados, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kept.</source>
        <translation>
            <numerusform>%n conservado.</numerusform>
            <numerusform>%n conservados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWriter</name>
    <message>
        <source>%1; nothing was imported.</source>
        <translation>%1; no se importó nada.</translation>
    </message>
    <message>
        <source>No file is ticked for import.</source>
        <translation>No hay ningún archivo marcado para importar.</translation>
    </message>
    <message>
        <source>The library could not be opened for writing</source>
        <translation>No se pudo abrir la biblioteca para escribir</translation>
    </message>
    <message>
        <source>The new preachers, series and topics could not be written</source>
        <translation>No se pudieron escribir los predicadores, series y temas nuevos</translation>
    </message>
    <message>
        <source>No keys could be reserved for the sermons</source>
        <translation>No se pudieron reservar claves para los sermones</translation>
    </message>
    <message>
        <source>The sermon of %1 could not be written</source>
        <translation>No se pudo escribir el sermón de %1</translation>
    </message>
    <message>
        <source>The import could not be remembered for undoing</source>
        <translation>No se pudo guardar la importación para poder deshacerla</translation>
    </message>
    <message>
        <source>The library did not keep the import</source>
        <translation>La biblioteca no conservó la importación</translation>
    </message>
    <message>
        <source>This library was made before imports could be undone; this one cannot be.</source>
        <translation>Esta biblioteca se creó antes de que las importaciones pudieran deshacerse; esta no se podrá deshacer.</translation>
    </message>
</context>
<context>
    <name>ImportedDocument</name>
    <message>
        <source>needs %1 (install the package %2)</source>
        <translation>necesita %1 (instale el paquete %2)</translation>
    </message>
    <message>
        <source>%1 could not be started</source>
        <translation>no se pudo iniciar %1</translation>
    </message>
    <message>
        <source>%1 was stopped (reading cancelled)</source>
        <translation>se detuvo %1 (lectura cancelada)</translation>
    </message>
    <message>
        <source>%1 took longer than %2 seconds (stopped)</source>
        <translation>%1 tardó más de %2 segundos (detenido)</translation>
    </message>
    <message>
        <source>%1 could not read the file</source>
        <translation>%1 no pudo leer el archivo</translation>
    </message>
    <message>
        <source>%1 could not read the file: %2</source>
        <translation>%1 no pudo leer el archivo: %2</translation>
    </message>
    <message>
        <source>the document&apos;s text is too long</source>
        <translation>el texto del documento es demasiado largo</translation>
    </message>
    <message>
        <source>not a zip file, or a damaged one</source>
        <translation>no es un archivo zip, o está dañado</translation>
    </message>
    <message>
        <source>not a kind of file the import reads</source>
        <translation>no es un tipo de archivo que la importación lea</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB (refused)</source>
        <translation>el archivo supera los %1 MB (rechazado)</translation>
    </message>
    <message>
        <source>the file holds no text</source>
        <translation>el archivo no contiene texto</translation>
    </message>
    <message>
        <source>the document holds no text</source>
        <translation>el documento no contiene texto</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file cannot be read (no permission)</source>
        <translation>no se puede leer el archivo (sin permiso)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>no temporary file could be written</source>
        <translation>no se pudo escribir un archivo temporal</translation>
    </message>
    <message>
        <source>the file&apos;s groups are nested too deep</source>
        <translation>los grupos del archivo están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>not an RTF file</source>
        <translation>no es un archivo RTF</translation>
    </message>
    <message>
        <source>the file has no part %1</source>
        <translation>el archivo no tiene la parte %1</translation>
    </message>
    <message>
        <source>%1 would expand past %2 MB (refused)</source>
        <translation>%1 ocuparía más de %2 MB al descomprimirse (rechazado)</translation>
    </message>
    <message>
        <source>%1 cannot be read (damaged or encrypted)</source>
        <translation>no se puede leer %1 (dañado o cifrado)</translation>
    </message>
    <message>
        <source>%1 expands past %2 MB (refused)</source>
        <translation>%1 ocupa más de %2 MB al descomprimirse (rechazado)</translation>
    </message>
    <message>
        <source>%1 is damaged (the zip is truncated or corrupt)</source>
        <translation>%1 está dañado (el zip está truncado o corrupto)</translation>
    </message>
    <message>
        <source>%1 declares a DTD or entities (refused)</source>
        <translation>%1 declara una DTD o entidades (rechazado)</translation>
    </message>
    <message>
        <source>%1 is not well-formed XML (%2)</source>
        <translation>%1 no es XML bien formado (%2)</translation>
    </message>
    <message>
        <source>%1 ends before its XML does (truncated)</source>
        <translation>%1 termina antes que su XML (truncado)</translation>
    </message>
</context>
<context>
    <name>KeyCounter</name>
    <message>
        <source>The key counter of %1 is exhausted.</source>
        <translation>El contador de claves de %1 está agotado.</translation>
    </message>
    <message>
        <source>The key counter row of %1 could not be written.</source>
        <translation>No se pudo escribir la fila del contador de claves de %1.</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of Lectorum&apos;s windows and messages.
The change applies the next time Lectorum starts.</source>
        <translation>El idioma de las ventanas y los mensajes de Lectorum.
El cambio se aplica la próxima vez que se inicie Lectorum.</translation>
    </message>
</context>
<context>
    <name>Lectorum</name>
    <message>
        <source>Usage: lectorum [options]
Keeps, finds and prints sermon outlines. The library, the settings and the language
are chosen in the program; press F1 there for its help.

Options:
  -h, --help     Displays this help.
  -v, --version  Displays the version.
Qt&apos;s own options (-platform NAME, -style NAME, ...) are accepted too.
</source>
        <translation>Uso: lectorum [opciones]
Guarda, busca e imprime bosquejos de sermones. La biblioteca, las opciones y el
idioma se eligen en el programa; pulse F1 allí para ver su ayuda.

Opciones:
  -h, --help     Muestra esta ayuda.
  -v, --version  Muestra la versión.
También se aceptan las opciones propias de Qt (-platform NAME, -style NAME, ...).
</translation>
    </message>
</context>
<context>
    <name>LectorumMkdb</name>
    <message>
        <source>%1: error %2: %3</source>
        <translation>%1: error %2: %3</translation>
    </message>
    <message>
        <source>Creates a new Lectorum library (a SQLite file, or an empty server database through ODBC) from the delivered schema, copies a whole library between a file and a server, imports outline files into a library, or publishes its sermons as a website with podcast feeds.

  lectorum-mkdb [--force] [--demo] [--generate N] FILE.mdb
  lectorum-mkdb --odbc CONNECT [--demo] [--generate N]
  lectorum-mkdb --copy [--force] FROM TO
  lectorum-mkdb --import [--preacher NAME] [--dry-run] [--skip-unreadable] PATH... LIBRARY
  lectorum-mkdb --publish [--base-url URL] FOLDER LIBRARY</source>
        <translation>Crea una biblioteca nueva de Lectorum (un archivo SQLite, o una base de datos vacía de un servidor mediante ODBC) a partir del esquema incluido, copia una biblioteca entera entre un archivo y un servidor, importa archivos de bosquejos a una biblioteca, o publica sus sermones como sitio web con canales de pódcast.

  lectorum-mkdb [--force] [--demo] [--generate N] FILE.mdb
  lectorum-mkdb --odbc CONNECT [--demo] [--generate N]
  lectorum-mkdb --copy [--force] FROM TO
  lectorum-mkdb --import [--preacher NAME] [--dry-run] [--skip-unreadable] PATH... LIBRARY
  lectorum-mkdb --publish [--base-url URL] FOLDER LIBRARY</translation>
    </message>
    <message>
        <source>Replace an existing database file; with --copy, empty a destination that already holds sermons (inside the copy&apos;s transaction).</source>
        <translation>Reemplaza un archivo de base de datos existente; con --copy, vacía un destino que ya contiene sermones (dentro de la transacción de la copia).</translation>
    </message>
    <message>
        <source>Add the demonstration library.</source>
        <translation>Añade la biblioteca de demostración.</translation>
    </message>
    <message>
        <source>Add N generated sermons with outlines (for benchmarks).</source>
        <translation>Añade N sermones generados con bosquejos (para pruebas de rendimiento).</translation>
    </message>
    <message>
        <source>Load the schema into the empty server database named by the ODBC connect string (DSN=...;UID=...;PWD=...;DATABASE=...).</source>
        <translation>Carga el esquema en la base de datos vacía del servidor que indica la cadena de conexión ODBC (DSN=...;UID=...;PWD=...;DATABASE=...).</translation>
    </message>
    <message>
        <source>Copy every table of the library FROM into TO, each a library file or an ODBC connect string (starting DSN=, DRIVER= or ODBC;), checked table by table before it commits.</source>
        <translation>Copia todas las tablas de la biblioteca FROM en TO, cada una un archivo de biblioteca o una cadena de conexión ODBC (que empieza por DSN=, DRIVER= u ODBC;), comprobadas tabla por tabla antes de confirmar.</translation>
    </message>
    <message>
        <source>Import outline files, folders and zips (PATH...) into LIBRARY (a file or an ODBC connect string), after printing what was read.</source>
        <translation>Importa archivos de bosquejos, carpetas y zips (PATH...) en LIBRARY (un archivo o una cadena de conexión ODBC), tras imprimir lo que se leyó.</translation>
    </message>
    <message>
        <source>With --import: the preacher of every sermon (a name the library has).</source>
        <translation>Con --import: el predicador de todos los sermones (un nombre que tenga la biblioteca).</translation>
    </message>
    <message>
        <source>With --import: print what would be imported and write nothing.</source>
        <translation>Con --import: imprime lo que se importaría y no escribe nada.</translation>
    </message>
    <message>
        <source>With --import: import the files that could be read even when some could not (otherwise nothing is imported and the exit code is 1).</source>
        <translation>Con --import: importa los archivos que se pudieron leer aunque otros no (si no, no se importa nada y el código de salida es 1).</translation>
    </message>
    <message>
        <source>Publish every sermon of LIBRARY (a file or an ODBC connect string) with a date as a website with podcast feeds into FOLDER, with the library&apos;s publishing choices; only changed files are rewritten.</source>
        <translation>Publica todos los sermones con fecha de LIBRARY (un archivo o una cadena de conexión ODBC) como sitio web con canales de pódcast en FOLDER, con las opciones de publicación de la biblioteca; solo se reescriben los archivos que cambiaron.</translation>
    </message>
    <message>
        <source>With --publish: the address the folder is served from (the feeds&apos; links need it), instead of the library&apos;s choice.</source>
        <translation>Con --publish: la dirección desde la que se sirve la carpeta (los enlaces de los canales la necesitan), en lugar de la que eligió la biblioteca.</translation>
    </message>
    <message>
        <source>The database file to create (FROM TO with --copy; PATH... LIBRARY with --import; FOLDER LIBRARY with --publish).</source>
        <translation>El archivo de base de datos que se creará (FROM TO con --copy; PATH... LIBRARY con --import; FOLDER LIBRARY con --publish).</translation>
    </message>
    <message>
        <source>--generate needs a number of sermons</source>
        <translation>--generate necesita un número de sermones</translation>
    </message>
    <message>
        <source>cannot reach the data source</source>
        <translation>no se puede acceder al origen de datos</translation>
    </message>
    <message>
        <source>%1 exists; use --force to replace it</source>
        <translation>%1 ya existe; use --force para reemplazarlo</translation>
    </message>
    <message>
        <source>cannot remove %1</source>
        <translation>no se puede eliminar %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot load the schema</source>
        <translation>no se puede cargar el esquema</translation>
    </message>
    <message>
        <source>cannot generate the library</source>
        <translation>no se puede generar la biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>generated %n sermon(s) in %1 s</source>
        <translation>
            <numerusform>se generó %n sermón en %1 s</numerusform>
            <numerusform>se generaron %n sermones en %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
</context>
<context>
    <name>LibraryBackup</name>
    <message>
        <source>the disk is full or the file grew past the size allowed (%1)</source>
        <translation>el disco está lleno o el archivo superó el tamaño permitido (%1)</translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation>no se pudo escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>The backups folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta de copias de seguridad %1.</translation>
    </message>
    <message>
        <source>The backups folder %1 may not be written to.</source>
        <translation>No se permite escribir en la carpeta de copias de seguridad %1.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>The backup of %1 could not be written: %2. The library and the earlier backups are unchanged.</source>
        <translation>No se pudo escribir la copia de seguridad de %1: %2. La biblioteca y las copias anteriores no han cambiado.</translation>
    </message>
    <message>
        <source>The backup of %1 failed its check (%2) and was kept aside as %3; it will not be offered for restore.</source>
        <translation>La copia de seguridad de %1 no superó la comprobación (%2) y se apartó como %3; no se ofrecerá para restaurar.</translation>
    </message>
    <message>
        <source>The backup of %1 could not be stored in %2.</source>
        <translation>No se pudo guardar la copia de seguridad de %1 en %2.</translation>
    </message>
</context>
<context>
    <name>LibraryBackupRunner</name>
    <message>
        <source>The library was backed up to %1.</source>
        <translation>Se hizo una copia de seguridad de la biblioteca en %1.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia de seguridad ahora</translation>
    </message>
    <message>
        <source>Finishing the backup…</source>
        <translation>Terminando la copia de seguridad…</translation>
    </message>
    <message>
        <source>Backing up the library...</source>
        <translation>Haciendo copia de seguridad de la biblioteca...</translation>
    </message>
</context>
<context>
    <name>LibraryCheck</name>
    <message>
        <source>preacher</source>
        <translation>predicador</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a preacher that is not in the library</source>
        <translation>
            <numerusform>%n sermón remite a un predicador que no está en la biblioteca</numerusform>
            <numerusform>%n sermones remiten a un predicador que no está en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its preacher again, or add the preacher on the Preachers screen.</source>
        <translation>Abra cada uno en la pantalla de sermones y vuelva a elegir su predicador, o añada el predicador en la pantalla de predicadores.</translation>
    </message>
    <message>
        <source>type</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>sermon type</source>
        <translation>tipo de sermón</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a sermon type that is not in the library</source>
        <translation>
            <numerusform>%n sermón remite a un tipo de sermón que no está en la biblioteca</numerusform>
            <numerusform>%n sermones remiten a un tipo de sermón que no está en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its type again.</source>
        <translation>Abra cada uno en la pantalla de sermones y vuelva a elegir su tipo.</translation>
    </message>
    <message>
        <source>book</source>
        <translation>libro</translation>
    </message>
    <message>
        <source>Bible book</source>
        <translation>libro de la Biblia</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a Bible book that is not in the library</source>
        <translation>
            <numerusform>%n sermón remite a un libro de la Biblia que no está en la biblioteca</numerusform>
            <numerusform>%n sermones remiten a un libro de la Biblia que no está en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its Bible book again.</source>
        <translation>Abra cada uno en la pantalla de sermones y vuelva a elegir su libro de la Biblia.</translation>
    </message>
    <message>
        <source>series</source>
        <translation>serie</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s) name(s) a series that is not in the library</source>
        <translation>
            <numerusform>%n sermón remite a una serie que no está en la biblioteca</numerusform>
            <numerusform>%n sermones remiten a una serie que no está en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>Open each on the Sermons screen and choose its series again, or add the series on the Series screen.</source>
        <translation>Abra cada uno en la pantalla de sermones y vuelva a elegir su serie, o añada la serie en la pantalla de series.</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Integrity check: ok</source>
        <translation>Comprobación de integridad: correcta</translation>
    </message>
    <message>
        <source>The library file is damaged</source>
        <translation>El archivo de la biblioteca está dañado</translation>
    </message>
    <message>
        <source>Restore it from a backup (File &gt; Restore from Backup...), or ask whoever supports your installation.</source>
        <translation>Restáurelo desde una copia de seguridad (Archivo &gt; Restaurar desde copia de seguridad...) o consulte a quien mantenga su instalación.</translation>
    </message>
    <message>
        <source>Integrity check: the file is damaged</source>
        <translation>Comprobación de integridad: el archivo está dañado</translation>
    </message>
    <message>
        <source>The links between records could not be checked</source>
        <translation>No se pudieron comprobar los vínculos entre registros</translation>
    </message>
    <message>
        <source>See the details below.</source>
        <translation>Vea los detalles más abajo.</translation>
    </message>
    <message>
        <source>Foreign-key check failed: %1</source>
        <translation>Falló la comprobación de claves externas: %1</translation>
    </message>
    <message>
        <source>Foreign-key check: ok</source>
        <translation>Comprobación de claves externas: correcta</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) between records point(s) to a record that is no longer in the library</source>
        <translation>
            <numerusform>%n vínculo entre registros apunta a un registro que ya no está en la biblioteca</numerusform>
            <numerusform>%n vínculos entre registros apuntan a registros que ya no están en la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>The table lines under Details below name them for whoever supports your installation.</source>
        <translation>Las líneas de tablas bajo Detalles, más abajo, los señalan para quien mantenga su instalación.</translation>
    </message>
    <message numerus="yes">
        <source>Foreign-key check: %n row(s) point(s) to rows that do not exist</source>
        <translation>
            <numerusform>Comprobación de claves externas: %n fila apunta a una fila que no existe</numerusform>
            <numerusform>Comprobación de claves externas: %n filas apuntan a filas que no existen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 row %2 -&gt; %3</source>
        <translation>%1 fila %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Rows per table:</source>
        <translation>Filas por tabla:</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegible: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n part(s) of the library cannot be read</source>
        <translation>
            <numerusform>No se puede leer %n parte de la biblioteca</numerusform>
            <numerusform>No se pueden leer %n partes de la biblioteca</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore the library from a backup (File &gt; Restore from Backup...).</source>
        <translation>Restaure la biblioteca desde una copia de seguridad (Archivo &gt; Restaurar desde copia de seguridad...).</translation>
    </message>
    <message>
        <source>The sermons&apos; %1 links could not be checked</source>
        <translation>No se pudieron comprobar los vínculos de los sermones con su %1</translation>
    </message>
    <message>
        <source>Sermons whose %1 is missing: unreadable (%2)</source>
        <translation>Sermones sin su %1: no se pueden leer (%2)</translation>
    </message>
    <message>
        <source>Sermons whose %1 is missing: %2</source>
        <translation>Sermones sin su %1: %2</translation>
    </message>
    <message>
        <source>sermon %1 (%2 %3): %4</source>
        <translation>sermón %1 (%2 %3): %4</translation>
    </message>
    <message>
        <source>Recordings: unreadable (%1)</source>
        <translation>Grabaciones: no se pueden leer (%1)</translation>
    </message>
    <message>
        <source>sermon %1 %2: %3</source>
        <translation>sermón %1 %2: %3</translation>
    </message>
    <message>
        <source>Recordings whose file is missing: %1 of %2</source>
        <translation>Grabaciones cuyo archivo falta: %1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n recording(s)&apos; file(s) is/are missing</source>
        <translation>
            <numerusform>Falta el archivo de %n grabación</numerusform>
            <numerusform>Faltan los archivos de %n grabaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>Put the file back, or remove the recording and add the file again from where it is now (the sermon screen&apos;s Recordings... button).</source>
        <translation>Vuelva a poner el archivo en su sitio, o quite la grabación y añada el archivo de nuevo desde donde esté ahora (el botón Grabaciones... de la pantalla de sermones).</translation>
    </message>
    <message>
        <source>Check of %1</source>
        <translation>Comprobación de %1</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>Hecha el %1</translation>
    </message>
    <message>
        <source>The library file cannot be opened</source>
        <translation>No se puede abrir el archivo de la biblioteca</translation>
    </message>
    <message>
        <source>Make sure the file is there and readable, or restore it from a backup (File &gt; Restore from Backup...).</source>
        <translation>Compruebe que el archivo está ahí y se puede leer, o restáurelo desde una copia de seguridad (Archivo &gt; Restaurar desde copia de seguridad...).</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>The file is not a Lectorum library: it holds no sermons</source>
        <translation>El archivo no es una biblioteca de Lectorum: no contiene sermones</translation>
    </message>
    <message>
        <source>Choose the library file again with File &gt; Change Database.</source>
        <translation>Vuelva a elegir el archivo de la biblioteca con Archivo &gt; Cambiar base de datos.</translation>
    </message>
    <message>
        <source>The file holds no sermons table.</source>
        <translation>El archivo no contiene la tabla de sermones.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se encontró ningún problema.</translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s) found.</source>
        <translation>
            <numerusform>Se encontró %n problema.</numerusform>
            <numerusform>Se encontraron %n problemas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LibraryCopy</name>
    <message>
        <source>The copy was cancelled; the destination is unchanged</source>
        <translation>Se canceló la copia; el destino no ha cambiado</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <translation>%1: error %2: %3</translation>
    </message>
    <message>
        <source>The source is not a Lectorum library: %1</source>
        <translation>El origen no es una biblioteca de Lectorum: %1</translation>
    </message>
    <message>
        <source>The destination has the wrong schema: %1</source>
        <translation>El destino tiene un esquema equivocado: %1</translation>
    </message>
    <message>
        <source>Cannot count the destination&apos;s sermons</source>
        <translation>No se pueden contar los sermones del destino</translation>
    </message>
    <message numerus="yes">
        <source>The destination already holds %n sermon(s); nothing was copied (replacing them must be asked for)</source>
        <translation>
            <numerusform>El destino ya contiene %n sermón; no se copió nada (hay que pedir expresamente que se reemplace)</numerusform>
            <numerusform>El destino ya contiene %n sermones; no se copió nada (hay que pedir expresamente que se reemplacen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot start reading the source</source>
        <translation>No se puede empezar a leer el origen</translation>
    </message>
    <message>
        <source>Cannot count the rows of %1 in the source</source>
        <translation>No se pueden contar las filas de %1 en el origen</translation>
    </message>
    <message>
        <source>Cannot start writing the destination</source>
        <translation>No se puede empezar a escribir en el destino</translation>
    </message>
    <message>
        <source>Cannot empty %1 in the destination</source>
        <translation>No se puede vaciar %1 en el destino</translation>
    </message>
    <message>
        <source>The destination did not keep the copy (nothing was changed)</source>
        <translation>El destino no conservó la copia (no se cambió nada)</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n table(s), %1; every table&apos;s row count and checksum match the source</source>
        <translation>
            <numerusform>Se copió %n tabla, %1; el número de filas y la suma de comprobación de cada tabla coinciden con el origen</numerusform>
            <numerusform>Se copiaron %n tablas, %1; el número de filas y la suma de comprobación de cada tabla coinciden con el origen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1 in the destination; nothing was copied</source>
        <translation>No se puede escribir %1 en el destino; no se copió nada</translation>
    </message>
    <message>
        <source>Cannot read %1 from the source; nothing was copied</source>
        <translation>No se puede leer %1 del origen; no se copió nada</translation>
    </message>
    <message>
        <source>Cannot read %1 back from the destination; nothing was copied</source>
        <translation>No se puede volver a leer %1 del destino; no se copió nada</translation>
    </message>
    <message>
        <source>%1 (source %2, checksum %3; destination %4, checksum %5)</source>
        <translation>%1 (origen %2, suma de comprobación %3; destino %4, suma de comprobación %5)</translation>
    </message>
    <message>
        <source>The copy differs from the source in %1; it was rolled back and the destination is unchanged</source>
        <translation>La copia difiere del origen en %1; se deshizo y el destino no ha cambiado</translation>
    </message>
</context>
<context>
    <name>LibraryCopyCommand</name>
    <message>
        <source>cannot reach the destination server (%1): error %2: %3</source>
        <translation>no se puede acceder al servidor de destino (%1): error %2: %3</translation>
    </message>
    <message>
        <source>cannot reach the source server (%1): error %2: %3</source>
        <translation>no se puede acceder al servidor de origen (%1): error %2: %3</translation>
    </message>
    <message>
        <source>cannot open the destination %1: error %2: %3</source>
        <translation>no se puede abrir el destino %1: error %2: %3</translation>
    </message>
    <message>
        <source>cannot open the source %1: error %2: %3</source>
        <translation>no se puede abrir el origen %1: error %2: %3</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>copiando</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>comprobando</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>the source and the destination are the same database</source>
        <translation>el origen y el destino son la misma base de datos</translation>
    </message>
    <message>
        <source>%1 %2  checksum %3  same on both sides</source>
        <translation>%1 %2  suma de comprobación %3  igual en ambos lados</translation>
    </message>
    <message>
        <source>%1
copied in %2 s (processor time of this program %3 s), peak memory %4 MB</source>
        <translation>%1
copiado en %2 s (tiempo de procesador de este programa %3 s), memoria máxima %4 MB</translation>
    </message>
</context>
<context>
    <name>LibraryRecovery</name>
    <message>
        <source>Restore the newest good backup from %1?</source>
        <translation>¿Restaurar la última copia de seguridad en buen estado, del %1?</translation>
    </message>
    <message>
        <source>Restoring the library...</source>
        <translation>Restaurando la biblioteca...</translation>
    </message>
    <message>
        <source>The library was restored from the backup of %1.
The damaged file was kept as %2.</source>
        <translation>La biblioteca se restauró desde la copia de seguridad del %1.
El archivo dañado se guardó como %2.</translation>
    </message>
</context>
<context>
    <name>LibraryRestore</name>
    <message>
        <source>it holds no sermons table</source>
        <translation>no contiene la tabla de sermones</translation>
    </message>
    <message>
        <source>The backup %1 failed its check and was not restored: %2.</source>
        <translation>La copia de seguridad %1 no superó la comprobación y no se restauró: %2.</translation>
    </message>
    <message>
        <source>The restore was cancelled. The library is unchanged.</source>
        <translation>Se canceló la restauración. La biblioteca no ha cambiado.</translation>
    </message>
    <message>
        <source>The backup could not be copied beside the library in %1: %2. The library is unchanged.</source>
        <translation>No se pudo copiar la copia de seguridad junto a la biblioteca en %1: %2. La biblioteca no ha cambiado.</translation>
    </message>
    <message>
        <source>The current library could not be kept aside as %1. Nothing was restored.</source>
        <translation>No se pudo apartar la biblioteca actual como %1. No se restauró nada.</translation>
    </message>
    <message>
        <source>The library %1 could not be replaced. It is unchanged.</source>
        <translation>No se pudo reemplazar la biblioteca %1. No ha cambiado.</translation>
    </message>
</context>
<context>
    <name>LibraryRestoreRunner</name>
    <message>
        <source>Restoring the library...</source>
        <translation>Restaurando la biblioteca...</translation>
    </message>
    <message>
        <source>Restoring the library... %1 of %2 copied</source>
        <translation>Restaurando la biblioteca... %1 de %2 copiados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
</context>
<context>
    <name>LibraryRows</name>
    <message>
        <source>%1 (%2): %3 holds &quot;%4&quot;, which is not a date</source>
        <translation>%1 (%2): %3 contiene «%4», que no es una fecha</translation>
    </message>
    <message>
        <source>%1 (%2): %3 holds &quot;%4&quot;, which is not a whole number</source>
        <translation>%1 (%2): %3 contiene «%4», que no es un número entero</translation>
    </message>
</context>
<context>
    <name>LibraryScreenCommands</name>
    <message>
        <source>First close all open windows</source>
        <translation>Cierre primero todas las ventanas abiertas</translation>
    </message>
    <message>
        <source>A backup of the library is being written. Try again when it is done.</source>
        <translation>Se está escribiendo una copia de seguridad de la biblioteca. Inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>A backup of the library is being written already.</source>
        <translation>Ya se está escribiendo una copia de seguridad de la biblioteca.</translation>
    </message>
    <message>
        <source>No backup of this library was found in %1.</source>
        <translation>No se encontró ninguna copia de seguridad de esta biblioteca en %1.</translation>
    </message>
    <message>
        <source>This library is kept on a database server. Its backups are made and restored by the server&apos;s administrator; nothing was changed.</source>
        <translation>Esta biblioteca se guarda en un servidor de bases de datos. Sus copias de seguridad las hace y las restaura el administrador del servidor; no se cambió nada.</translation>
    </message>
    <message>
        <source>Checking Database...</source>
        <translation>Comprobando la base de datos...</translation>
    </message>
</context>
<context>
    <name>LibraryTables</name>
    <message>
        <source>the table %1 is missing</source>
        <translation>falta la tabla %1</translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation>la tabla %1 no tiene la columna %2</translation>
    </message>
</context>
<context>
    <name>LinkOperations</name>
    <message>
        <source>Error adding Sermon/Topic Record</source>
        <translation>Error al añadir el vínculo sermón/tema</translation>
    </message>
    <message>
        <source>Error deleting Sermon/Topic Record</source>
        <translation>Error al eliminar el vínculo sermón/tema</translation>
    </message>
    <message>
        <source>Error adding Illustr/Topic Record</source>
        <translation>Error al añadir el vínculo ilustración/tema</translation>
    </message>
    <message>
        <source>Error deleting Illustr/Topic Record</source>
        <translation>Error al eliminar el vínculo ilustración/tema</translation>
    </message>
    <message>
        <source>Error adding Sermon/Illustration Record</source>
        <translation>Error al añadir el vínculo sermón/ilustración</translation>
    </message>
    <message>
        <source>Error deleting Sermon/Illustration Record</source>
        <translation>Error al eliminar el vínculo sermón/ilustración</translation>
    </message>
</context>
<context>
    <name>ListEditScreen</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation>Eliminar el registro actual</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
</context>
<context>
    <name>ListOperations</name>
    <message>
        <source>Please Wait While Loading %1</source>
        <translation>Espere mientras se carga: %1</translation>
    </message>
</context>
<context>
    <name>LookupRecord</name>
    <message>
        <source>%1 Must Be Filled In.</source>
        <translation>Debe rellenar el campo %1.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Change Database</source>
        <translation>&amp;Cambiar base de datos</translation>
    </message>
    <message>
        <source>&amp;Display Active Database</source>
        <translation>&amp;Mostrar base de datos activa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Back &amp;Up Now</source>
        <translation>Hacer copia de seguridad a&amp;hora</translation>
    </message>
    <message>
        <source>Chec&amp;k Database</source>
        <translation>Com&amp;probar base de datos</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Restaurar desde copia de seguridad...</translation>
    </message>
    <message>
        <source>Ex&amp;port</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Sermon List as CSV...</source>
        <translation>Lista de sermones como CSV...</translation>
    </message>
    <message>
        <source>Outline as Document...</source>
        <translation>Bosquejo como documento...</translation>
    </message>
    <message>
        <source>All Outlines as Documents...</source>
        <translation>Todos los bosquejos como documentos...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Outline Files...</source>
        <translation>Archivos de bosquejos...</translation>
    </message>
    <message>
        <source>Sermon List from CSV...</source>
        <translation>Lista de sermones desde CSV...</translation>
    </message>
    <message>
        <source>Undo Last Import...</source>
        <translation>Deshacer la última importación...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Sermon</source>
        <translation>&amp;Sermón</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;Illustrations</source>
        <translation>&amp;Ilustraciones</translation>
    </message>
    <message>
        <source>&amp;Preacher</source>
        <translation>&amp;Predicador</translation>
    </message>
    <message>
        <source>Se&amp;ries</source>
        <translation>Se&amp;ries</translation>
    </message>
    <message>
        <source>Pu&amp;blisher</source>
        <translation>E&amp;ditorial</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <translation>C&amp;ortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>Pe&amp;gar</translation>
    </message>
    <message>
        <source>Pr&amp;each</source>
        <translation>Pr&amp;edicar</translation>
    </message>
    <message>
        <source>&amp;Search-Text</source>
        <translation>&amp;Buscar texto</translation>
    </message>
    <message>
        <source>Sermon &amp;Outline</source>
        <translation>&amp;Bosquejo del sermón</translation>
    </message>
    <message>
        <source>&amp;Big Idea</source>
        <translation>&amp;Idea central</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Search &amp;All</source>
        <translation>Buscar en t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Consultar</translation>
    </message>
    <message>
        <source>By &amp;Bible Book</source>
        <translation>Por libro de la &amp;Biblia</translation>
    </message>
    <message>
        <source>By &amp;Preacher</source>
        <translation>Por &amp;predicador</translation>
    </message>
    <message>
        <source>By &amp;Series</source>
        <translation>Por &amp;serie</translation>
    </message>
    <message>
        <source>By &amp;Topic</source>
        <translation>Por &amp;tema</translation>
    </message>
    <message>
        <source>By &amp;Combination</source>
        <translation>Por &amp;combinación</translation>
    </message>
    <message>
        <source>By P&amp;assage...</source>
        <translation>Por p&amp;asaje...</translation>
    </message>
    <message>
        <source>   &amp;Print</source>
        <translation>   &amp;Imprimir</translation>
    </message>
    <message>
        <source>Selected &amp;Sermon</source>
        <translation>&amp;Sermón seleccionado</translation>
    </message>
    <message>
        <source>Current &amp;List</source>
        <translation>&amp;Lista actual</translation>
    </message>
    <message>
        <source>&amp;Illustration</source>
        <translation>&amp;Ilustración</translation>
    </message>
    <message>
        <source>Pul&amp;pit Copy...</source>
        <translation>Copia para el &amp;púlpito...</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Outline Font Type</source>
        <translation>Tipo de letra del bosquejo</translation>
    </message>
    <message>
        <source>Outline Font Size</source>
        <translation>Tamaño de letra del bosquejo</translation>
    </message>
    <message>
        <source>Set &amp;Location</source>
        <translation>Fijar &amp;lugar</translation>
    </message>
    <message>
        <source>S&amp;pelling Language...</source>
        <translation>Idioma de o&amp;rtografía...</translation>
    </message>
    <message>
        <source>Speaking &amp;Rate...</source>
        <translation>&amp;Velocidad al hablar...</translation>
    </message>
    <message>
        <source>&amp;Bible Version...</source>
        <translation>Versión de la &amp;Biblia...</translation>
    </message>
    <message>
        <source>Lan&amp;guage...</source>
        <translation>I&amp;dioma...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Mosaico &amp;horizontal</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>Mosaico &amp;vertical</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>In&amp;formes</translation>
    </message>
    <message>
        <source>Scripture Coverage...</source>
        <translation>Cobertura de las Escrituras...</translation>
    </message>
    <message>
        <source>Sermons per Year...</source>
        <translation>Sermones por año...</translation>
    </message>
    <message>
        <source>Topics and Illustrations...</source>
        <translation>Temas e ilustraciones...</translation>
    </message>
    <message>
        <source>Books Never Preached...</source>
        <translation>Libros nunca predicados...</translation>
    </message>
    <message>
        <source>Not Preached Since...</source>
        <translation>No predicados desde...</translation>
    </message>
    <message>
        <source>   &amp;Help</source>
        <translation>   A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Pu&amp;blish</source>
        <translation>Pu&amp;blicar</translation>
    </message>
    <message>
        <source>Sermon Website and Podcast...</source>
        <translation>Sitio web y pódcast de sermones...</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Search Text</source>
        <translation>Buscar texto</translation>
    </message>
    <message>
        <source>Selection Criteria</source>
        <translation>Criterios de selección</translation>
    </message>
    <message>
        <source>Add New Sermon</source>
        <translation>Añadir sermón nuevo</translation>
    </message>
    <message>
        <source>Display All Sermons</source>
        <translation>Mostrar todos los sermones</translation>
    </message>
    <message>
        <source>Sermon Notes</source>
        <translation>Notas del sermón</translation>
    </message>
    <message>
        <source>Save Sermon Notes</source>
        <translation>Guardar notas del sermón</translation>
    </message>
    <message>
        <source>Preacher Screen</source>
        <translation>Pantalla de predicadores</translation>
    </message>
    <message>
        <source>Sermon Series Screen</source>
        <translation>Pantalla de series de sermones</translation>
    </message>
    <message>
        <source>Publisher Screen</source>
        <translation>Pantalla de editoriales</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Preach</source>
        <translation>Predicar</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation>Información sobre herramientas</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Falta el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is not an audio or video file that can be read.</source>
        <translation>%1 no es un archivo de audio o vídeo que se pueda leer.</translation>
    </message>
    <message>
        <source>The length of %1 cannot be read.</source>
        <translation>No se puede leer la duración de %1.</translation>
    </message>
</context>
<context>
    <name>NotesEditorAids</name>
    <message>
        <source>&quot;%1&quot; was not added to the dictionary: your word list could not be written.

%2
%3</source>
        <translation>«%1» no se añadió al diccionario: no se pudo escribir su lista de palabras.

%2
%3</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <source>Word count and speaking time</source>
        <translation>Número de palabras y tiempo de predicación</translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation>(sin sugerencias)</translation>
    </message>
</context>
<context>
    <name>NotesScriptureSplit</name>
    <message>
        <source>Show &amp;Scripture</source>
        <translation>Mostrar las E&amp;scrituras</translation>
    </message>
</context>
<context>
    <name>OccasionReuse</name>
    <message>
        <source>This sermon was preached at %1 on %2.</source>
        <translation>Este sermón se predicó en %1 el %2.</translation>
    </message>
    <message>
        <source>The illustration &quot;%1&quot; was used at %2 on %3.</source>
        <translation>La ilustración «%1» se usó en %2 el %3.</translation>
    </message>
    <message>
        <source>Record it again?</source>
        <translation>¿Registrar esta ocasión de nuevo?</translation>
    </message>
</context>
<context>
    <name>OutlineAidCommands</name>
    <message>
        <source>No spelling dictionary is installed, so spelling is off. Install the package %1 (or another hunspell- dictionary) and start Lectorum again.</source>
        <translation>No hay ningún diccionario de ortografía instalado, así que la ortografía está desactivada. Instale el paquete %1 (u otro diccionario hunspell-) y vuelva a iniciar Lectorum.</translation>
    </message>
    <message>
        <source>Spelling Language</source>
        <translation>Idioma de ortografía</translation>
    </message>
    <message>
        <source>Check the spelling of outlines with the dictionary:</source>
        <translation>Revisar la ortografía de los bosquejos con el diccionario:</translation>
    </message>
    <message>
        <source>Speaking Rate</source>
        <translation>Velocidad al hablar</translation>
    </message>
    <message>
        <source>Words spoken per minute (for the outline&apos;s speaking time):</source>
        <translation>Palabras por minuto (para el tiempo de predicación del bosquejo):</translation>
    </message>
    <message>
        <source>S&amp;pelling Language (install %1)...</source>
        <translation>Idioma de o&amp;rtografía (instale %1)...</translation>
    </message>
</context>
<context>
    <name>OutlineDocument</name>
    <message>
        <source>Preacher: %1</source>
        <translation>Predicador: %1</translation>
    </message>
    <message>
        <source>Preached: %1</source>
        <translation>Predicado: %1</translation>
    </message>
    <message>
        <source>Big idea: %1</source>
        <translation>Idea central: %1</translation>
    </message>
    <message>
        <source>Cannot make the document for %1.</source>
        <translation>No se puede crear el documento para %1.</translation>
    </message>
</context>
<context>
    <name>OutlineFileNames</name>
    <message>
        <source>Sermon %1</source>
        <translation>Sermón %1</translation>
    </message>
</context>
<context>
    <name>OutlineFindBar</name>
    <message>
        <source>Find and Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Reemplazar &amp;con:</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Mayúsculas</translation>
    </message>
    <message>
        <source>Whole w&amp;ord</source>
        <translation>Palabra c&amp;ompleta</translation>
    </message>
    <message>
        <source>Wrap aro&amp;und</source>
        <translation>&amp;Volver al inicio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source> – no more</source>
        <translation> – no hay más</translation>
    </message>
    <message>
        <source> – wrapped</source>
        <translation> – desde el principio</translation>
    </message>
    <message>
        <source> – %1 replaced</source>
        <translation> – %1 reemplazados</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Ninguna coincidencia</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 coincidencia</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 coincidencias</translation>
    </message>
</context>
<context>
    <name>OutlineFolderExport</name>
    <message>
        <source>Cannot read sermon %1: error %2: %3</source>
        <translation>No se puede leer el sermón %1: error %2: %3</translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryFile</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryOffer</name>
    <message>
        <source>sermon %1</source>
        <translation>el sermón %1</translation>
    </message>
    <message>
        <source>a new sermon</source>
        <translation>un sermón nuevo</translation>
    </message>
    <message>
        <source>An unsaved outline of %1 from %2 was found. Open it?</source>
        <translation>Se encontró un bosquejo sin guardar de %1, del %2. ¿Desea abrirlo?</translation>
    </message>
    <message>
        <source>%1 is no longer in this library, so its outline opens as a new sermon.</source>
        <translation>%1 ya no está en esta biblioteca, así que su bosquejo se abre como un sermón nuevo.</translation>
    </message>
    <message>
        <source>Delete the unsaved outline of %1 from %2? It cannot be recovered afterwards.</source>
        <translation>¿Eliminar el bosquejo sin guardar de %1, del %2? Después no se podrá recuperar.</translation>
    </message>
</context>
<context>
    <name>OutlineRecoveryWatch</name>
    <message>
        <source>Lectorum could not keep a recovery copy of the outline you are typing, so it would be lost if the program stopped unexpectedly. Save often.

%1</source>
        <translation>Lectorum no pudo guardar una copia de recuperación del bosquejo que está escribiendo, así que se perdería si el programa se cerrara de forma inesperada. Guarde con frecuencia.

%1</translation>
    </message>
</context>
<context>
    <name>OutlineTextBuilder</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>OutlineWordCount</name>
    <message numerus="yes">
        <source>%n word(s), about %1 min</source>
        <translation>
            <numerusform>%n palabra, aprox. %1 min</numerusform>
            <numerusform>%n palabras, aprox. %1 min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PassageParser</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1: a chapter cannot be 0</source>
        <translation>%1: un capítulo no puede ser 0</translation>
    </message>
    <message>
        <source>%1: a verse cannot be 0</source>
        <translation>%1: un versículo no puede ser 0</translation>
    </message>
    <message>
        <source>%1: the end comes before the beginning</source>
        <translation>%1: el final está antes del comienzo</translation>
    </message>
    <message>
        <source>%1 is not a book of the Bible</source>
        <translation>%1 no es un libro de la Biblia</translation>
    </message>
    <message>
        <source>%1 could be %2</source>
        <translation>%1 puede ser %2</translation>
    </message>
    <message>
        <source>Type a reference, for example John 3:16</source>
        <translation>Escriba una referencia, por ejemplo Juan 3:16</translation>
    </message>
    <message>
        <source>%1 is not a reference</source>
        <translation>%1 no es una referencia</translation>
    </message>
</context>
<context>
    <name>PersonalLibrary</name>
    <message>
        <source>The delivered library %1 could not be read: %2.</source>
        <translation>No se pudo leer la biblioteca incluida %1: %2.</translation>
    </message>
    <message>
        <source>The library could not be written in %1: %2.</source>
        <translation>No se pudo escribir la biblioteca en %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 may not be written to.</source>
        <translation>No se permite escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>Another copy of Lectorum is still preparing the library %1. Start Lectorum again in a moment.</source>
        <translation>Otra copia de Lectorum todavía está preparando la biblioteca %1. Vuelva a iniciar Lectorum dentro de un momento.</translation>
    </message>
    <message>
        <source>The empty library delivered with Lectorum is missing: %1.</source>
        <translation>Falta la biblioteca vacía incluida con Lectorum: %1.</translation>
    </message>
    <message>
        <source>The delivered library %1 is not a usable library (error %2: %3).</source>
        <translation>La biblioteca incluida %1 no es una biblioteca utilizable (error %2: %3).</translation>
    </message>
    <message>
        <source>The library could not be named %1: %2.</source>
        <translation>No se pudo dar a la biblioteca el nombre %1: %2.</translation>
    </message>
</context>
<context>
    <name>PreachingHistory</name>
    <message numerus="yes">
        <source>Last preached %1; %n time(s) in all</source>
        <translation>
            <numerusform>Predicado por última vez el %1; %n vez en total</numerusform>
            <numerusform>Predicado por última vez el %1; %n veces en total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last preached %1 at %2; %n time(s) in all</source>
        <translation>
            <numerusform>Predicado por última vez el %1 en %2; %n vez en total</numerusform>
            <numerusform>Predicado por última vez el %1 en %2; %n veces en total</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreachingView</name>
    <message>
        <source>Preaching view: passage</source>
        <translation>Vista de predicación: pasaje</translation>
    </message>
    <message>
        <source>Preaching view</source>
        <translation>Vista de predicación</translation>
    </message>
    <message>
        <source>Preaching view tools</source>
        <translation>Herramientas de la vista de predicación</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
    <message>
        <source>Show the passage instead of the outline (P)</source>
        <translation>Mostrar el pasaje en lugar del bosquejo (P)</translation>
    </message>
    <message>
        <source>Preach</source>
        <translation>Predicar</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Sermon Outline</source>
        <translation>Bosquejo del sermón</translation>
    </message>
    <message>
        <source>Sermon List</source>
        <translation>Lista de sermones</translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation>Ilustración</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The printer %1 could not print %2.</source>
        <translation>La impresora %1 no pudo imprimir «%2».</translation>
    </message>
    <message>
        <source>The pages could not be written to the file:
%1</source>
        <translation>No se pudieron escribir las páginas en el archivo:
%1</translation>
    </message>
    <message>
        <source>No printer is set up, so the pages were saved as a PDF file:
%1</source>
        <translation>No hay ninguna impresora configurada, así que las páginas se guardaron como archivo PDF:
%1</translation>
    </message>
</context>
<context>
    <name>ProgramTranslation</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>PublishCommand</name>
    <message>
        <source>cannot open %1: error %2: %3</source>
        <translation>no se puede abrir %1: error %2: %3</translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation>Sermones</translation>
    </message>
    <message>
        <source>cannot read the sermons: error %1: %2</source>
        <translation>no se pueden leer los sermones: error %1: %2</translation>
    </message>
    <message>
        <source>the passages&apos; text is left out: %1 is not installed, or its licence does not allow publishing it</source>
        <translation>se omite el texto de los pasajes: %1 no está instalada o su licencia no permite publicarla</translation>
    </message>
    <message>
        <source>%1, %2 published to %3: %4, %5, %6</source>
        <translation>%1 y %2 publicados en %3: %4, %5, %6</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s)</source>
        <translation>
            <numerusform>%n sermón</numerusform>
            <numerusform>%n sermones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n episode(s)</source>
        <translation>
            <numerusform>%n episodio</numerusform>
            <numerusform>%n episodios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) written</source>
        <translation>
            <numerusform>%n archivo escrito</numerusform>
            <numerusform>%n archivos escritos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged</source>
        <translation>
            <numerusform>%n sin cambios</numerusform>
            <numerusform>%n sin cambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <translation>
            <numerusform>%n eliminado</numerusform>
            <numerusform>%n eliminados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PublishSource</name>
    <message>
        <source>Sermon %1</source>
        <translation>Sermón %1</translation>
    </message>
</context>
<context>
    <name>PulpitCommands</name>
    <message>
        <source>There is no outline to preach from: open a sermon first.</source>
        <translation>No hay ningún bosquejo para predicar: abra primero un sermón.</translation>
    </message>
    <message>
        <source>There is no outline to print: open a sermon with an outline first.</source>
        <translation>No hay ningún bosquejo que imprimir: abra primero un sermón con bosquejo.</translation>
    </message>
    <message>
        <source>Pulpit Copy</source>
        <translation>Copia para el púlpito</translation>
    </message>
    <message>
        <source>Type size in points:</source>
        <translation>Tamaño de letra en puntos:</translation>
    </message>
    <message>
        <source>Pulpit Copy %1</source>
        <translation>Copia para el púlpito %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>Imported %n sermon(s).</source>
        <translation>
            <numerusform>Se importó %n sermón.</numerusform>
            <numerusform>Se importaron %n sermones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s), </source>
        <translation>
            <numerusform>%n archivo, </numerusform>
            <numerusform>%n archivos, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to import, </source>
        <translation>
            <numerusform>%n para importar, </numerusform>
            <numerusform>%n para importar, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable</source>
        <translation>
            <numerusform>%n ilegible</numerusform>
            <numerusform>%n ilegibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; nothing was imported (--skip-unreadable imports the rest)</source>
        <translation>
            <numerusform>No se pudo leer %n archivo; no se importó nada (--skip-unreadable importa el resto)</numerusform>
            <numerusform>No se pudieron leer %n archivos; no se importó nada (--skip-unreadable importa el resto)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more outline file(s) in the zip left out: an import takes %1 from one zip</source>
        <translation>
            <numerusform>%n archivo de bosquejo más del zip quedó fuera: una importación toma %1 de un zip</numerusform>
            <numerusform>%n archivos de bosquejos más del zip quedaron fuera: una importación toma %1 de un zip</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordBase</name>
    <message>
        <source>Error Adding a New Record</source>
        <translation>Error al añadir un registro nuevo</translation>
    </message>
    <message>
        <source>Error Updating Current Record</source>
        <translation>Error al actualizar el registro actual</translation>
    </message>
    <message>
        <source>Error Deleting Current Record</source>
        <translation>Error al eliminar el registro actual</translation>
    </message>
</context>
<context>
    <name>ReportChoices</name>
    <message>
        <source>(any)</source>
        <translation>(cualquiera)</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Count each sermon &amp;once</source>
        <translation>Contar cada sermón &amp;una vez</translation>
    </message>
    <message>
        <source>&amp;Preacher:</source>
        <translation>&amp;Predicador:</translation>
    </message>
    <message>
        <source>T&amp;ype:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Se&amp;ries:</source>
        <translation>Se&amp;rie:</translation>
    </message>
    <message>
        <source>Pl&amp;ace:</source>
        <translation>Lu&amp;gar:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>The report could not be saved to the file:
%1

%2</source>
        <translation>No se pudo guardar el informe en el archivo:
%1

%2</translation>
    </message>
    <message>
        <source>The report could not be saved to the file:
%1

The picture could not be drawn.</source>
        <translation>No se pudo guardar el informe en el archivo:
%1

No se pudo dibujar la imagen.</translation>
    </message>
</context>
<context>
    <name>ReportQueries</name>
    <message>
        <source>(no preacher)</source>
        <translation>(sin predicador)</translation>
    </message>
    <message>
        <source>(no type)</source>
        <translation>(sin tipo)</translation>
    </message>
</context>
<context>
    <name>ReportScreen</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Pr&amp;int</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save P&amp;NG...</source>
        <translation>Guardar P&amp;NG...</translation>
    </message>
    <message>
        <source>Save S&amp;VG...</source>
        <translation>Guardar S&amp;VG...</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>Guardar &amp;CSV...</translation>
    </message>
    <message>
        <source>No sermons match these choices.</source>
        <translation>Ningún sermón coincide con estas opciones.</translation>
    </message>
</context>
<context>
    <name>ScreenOperations</name>
    <message>
        <source>Data Has Been Changed</source>
        <translation>Los datos han cambiado</translation>
    </message>
    <message>
        <source>Save Changes ?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Copyright © The Lectorum Sermon Outlines authors. All rights reserved.</source>
        <translation>Copyright © Los autores de Lectorum Sermon Outlines. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>ScripturePane</name>
    <message>
        <source>Passage text</source>
        <translation>Texto del pasaje</translation>
    </message>
    <message>
        <source>Verse per &amp;line</source>
        <translation>Versículo por &amp;línea</translation>
    </message>
    <message>
        <source>Passage in print and &amp;export</source>
        <translation>Pasaje al imprimir y &amp;exportar</translation>
    </message>
    <message>
        <source>Insert &amp;Passage Text</source>
        <translation>Insertar &amp;pasaje</translation>
    </message>
    <message>
        <source>Insert Passage Text (Ctrl+Shift+P)</source>
        <translation>Insertar texto del pasaje (Ctrl+Mayús+P)</translation>
    </message>
</context>
<context>
    <name>ScriptureText</name>
    <message numerus="yes">
        <source>… and %n more verse(s)</source>
        <translation>
            <numerusform>… y %n versículo más</numerusform>
            <numerusform>… y %n versículos más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>SermonListCsv</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Bible Reference</source>
        <translation>Referencia bíblica</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation>Idea central</translation>
    </message>
    <message>
        <source>Date Preached</source>
        <translation>Fecha de predicación</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
</context>
<context>
    <name>SermonListFill</name>
    <message>
        <source>ID#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>BIBLE REF</source>
        <translation>REF. BÍBLICA</translation>
    </message>
    <message>
        <source>PREACHER</source>
        <translation>PREDICADOR</translation>
    </message>
    <message>
        <source>BIG IDEA or TITLE</source>
        <translation>IDEA CENTRAL o TÍTULO</translation>
    </message>
</context>
<context>
    <name>SermonScreenLayout</name>
    <message>
        <source>Sermon list</source>
        <translation>Lista de sermones</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Series ID</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Bible book</source>
        <translation>Libro de la Biblia</translation>
    </message>
    <message>
        <source>Beginning chapter</source>
        <translation>Capítulo inicial</translation>
    </message>
    <message>
        <source>Beginning verse</source>
        <translation>Versículo inicial</translation>
    </message>
    <message>
        <source>Ending chapter</source>
        <translation>Capítulo final</translation>
    </message>
    <message>
        <source>Ending verse</source>
        <translation>Versículo final</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Big Idea</source>
        <translation>Idea central</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;Illustrations</source>
        <translation>&amp;Ilustraciones</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Seguimiento</translation>
    </message>
    <message>
        <source>&amp;Outline</source>
        <translation>&amp;Bosquejo</translation>
    </message>
    <message>
        <source>Recordings...</source>
        <translation>Grabaciones...</translation>
    </message>
    <message>
        <source>Sermons on This &amp;Passage</source>
        <translation>Sermones sobre este &amp;pasaje</translation>
    </message>
    <message>
        <source>Preaching history</source>
        <translation>Historial de predicación</translation>
    </message>
    <message>
        <source>Chap:</source>
        <translation>Cap.:</translation>
    </message>
    <message>
        <source>Verse:</source>
        <translation>Versículo:</translation>
    </message>
    <message>
        <source>Beg:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Preacher:</source>
        <translation>Predicador:</translation>
    </message>
    <message>
        <source>Series ID:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Click to clear the choice</source>
        <translation>Haga clic para borrar la elección</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Big Idea:</source>
        <translation>Idea central:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>N.º:</translation>
    </message>
    <message>
        <source>Book:</source>
        <translation>Libro:</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referencia:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Bosquejo:</translation>
    </message>
</context>
<context>
    <name>SiteFolder</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The path %1 would leave the folder; it was not written.</source>
        <translation>La ruta %1 saldría de la carpeta; no se escribió.</translation>
    </message>
    <message>
        <source>%1 is a link or a file, not a folder of the site; nothing was written through it.</source>
        <translation>%1 es un enlace o un archivo, no una carpeta del sitio; no se escribió nada a través de él.</translation>
    </message>
    <message>
        <source>%1 is a link or a folder; it was left as it is.</source>
        <translation>%1 es un enlace o una carpeta; se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation>No se puede copiar %1 a %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>SitePage</name>
    <message>
        <source>Series: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>recording %1</source>
        <translation>grabación %1</translation>
    </message>
    <message>
        <source>Recording %1</source>
        <translation>Grabación %1</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Preached</source>
        <translation>Predicado</translation>
    </message>
    <message>
        <source>Passage</source>
        <translation>Pasaje</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Big idea</source>
        <translation>Idea central</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Bosquejo</translation>
    </message>
    <message>
        <source>Subscribe to the podcast</source>
        <translation>Suscribirse al pódcast</translation>
    </message>
    <message>
        <source>Latest sermons</source>
        <translation>Últimos sermones</translation>
    </message>
    <message>
        <source>All %n sermons by year</source>
        <translation>Los %n sermones por año</translation>
    </message>
    <message>
        <source>Search the sermons</source>
        <translation>Buscar en los sermones</translation>
    </message>
    <message>
        <source>Words, a passage or a preacher</source>
        <translation>Palabras, un pasaje o un predicador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>The search needs scripts; the index pages list every sermon without them.</source>
        <translation>La búsqueda necesita scripts; las páginas de índice enumeran todos los sermones sin ellos.</translation>
    </message>
    <message>
        <source>%n sermon found</source>
        <translation>%n sermón encontrado</translation>
    </message>
    <message>
        <source>%n sermons found</source>
        <translation>%n sermones encontrados</translation>
    </message>
    <message>
        <source>The search index could not be read.</source>
        <translation>No se pudo leer el índice de búsqueda.</translation>
    </message>
    <message>
        <source>%n sermons</source>
        <translation>%n sermones</translation>
    </message>
    <message>
        <source>This series as a podcast</source>
        <translation>Esta serie como pódcast</translation>
    </message>
    <message>
        <source>Books of the Bible</source>
        <translation>Libros de la Biblia</translation>
    </message>
    <message>
        <source>Preachers</source>
        <translation>Predicadores</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Podcast</source>
        <translation>Pódcast</translation>
    </message>
    <message>
        <source>Skip to the content</source>
        <translation>Saltar al contenido</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libros</translation>
    </message>
    <message>
        <source>Published with Lectorum Sermon Outlines.</source>
        <translation>Publicado con Lectorum Sermon Outlines.</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>No file is open.</source>
        <translation>No hay ningún archivo abierto.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Could Not Initialize the Database Engine</source>
        <translation>No se pudo iniciar el motor de base de datos</translation>
    </message>
    <message>
        <source>%1

Do you want to change the configuration now?
Choose No to quit Lectorum.</source>
        <translation>%1

¿Desea cambiar la configuración ahora?
Elija No para salir de Lectorum.</translation>
    </message>
    <message>
        <source>The database could not be opened:
%1</source>
        <translation>No se pudo abrir la base de datos:
%1</translation>
    </message>
    <message>
        <source>No user has signed in, so Lectorum will now close.</source>
        <translation>Ningún usuario ha iniciado sesión, así que Lectorum se cerrará ahora.</translation>
    </message>
    <message>
        <source>No user has signed in to the server database:
%1 (data source %2)</source>
        <translation>Ningún usuario ha iniciado sesión en la base de datos del servidor:
%1 (origen de datos %2)</translation>
    </message>
</context>
<context>
    <name>SwordLibrary</name>
    <message>
        <source>No Bible text is installed. Install a Bible package such as sword-text-web to see the passage here.</source>
        <translation>No hay ningún texto bíblico instalado. Instale un paquete de Biblia, como sword-text-sparv o sword-text-web, para ver aquí el pasaje.</translation>
    </message>
    <message>
        <source>The Bible version %1 cannot be read: %2.</source>
        <translation>No se puede leer la versión de la Biblia %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a book of the Bible versions.</source>
        <translation>%1 no es un libro de las versiones de la Biblia.</translation>
    </message>
    <message>
        <source>%1 does not include %2.</source>
        <translation>%1 no incluye %2.</translation>
    </message>
    <message>
        <source>%1 has no %2.</source>
        <translation>%1 no tiene %2.</translation>
    </message>
    <message>
        <source>%1 has no text for %2.</source>
        <translation>%1 no tiene texto para %2.</translation>
    </message>
</context>
<context>
    <name>SwordModuleCheck</name>
    <message>
        <source>its file %1 is damaged</source>
        <translation>su archivo %1 está dañado</translation>
    </message>
    <message>
        <source>some of its files for %1 are missing or unreadable</source>
        <translation>faltan algunos de sus archivos de %1 o no se pueden leer</translation>
    </message>
    <message>
        <source>its folder %1 is missing</source>
        <translation>falta su carpeta %1</translation>
    </message>
</context>
<context>
    <name>UserDataFolder</name>
    <message>
        <source>This system names no data folder for the user (is HOME set?).</source>
        <translation>Este sistema no indica ninguna carpeta de datos para el usuario (¿está definida HOME?).</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>No se pudo crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>The folder %1 may not be written to.</source>
        <translation>No se permite escribir en la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>UserInterface</name>
    <message>
        <source>An Error Occurred in the System %1</source>
        <translation>Se produjo un error %1 en el sistema</translation>
    </message>
    <message>
        <source>Statement: %1</source>
        <translation>Sentencia: %1</translation>
    </message>
</context>
<context>
    <name>WelcomePanel</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>no library</source>
        <translation>ninguna biblioteca</translation>
    </message>
    <message numerus="yes">
        <source>%n sermon(s)</source>
        <translation>
            <numerusform>%n sermón</numerusform>
            <numerusform>%n sermones</numerusform>
        </translation>
    </message>
    <message>
        <source>Welcome to Lectorum</source>
        <translation>Bienvenido a Lectorum</translation>
    </message>
    <message>
        <source>Library: %1</source>
        <translation>Biblioteca: %1</translation>
    </message>
    <message>
        <source>Library: %1, holding %2</source>
        <translation>Biblioteca: %1, con %2</translation>
    </message>
    <message>
        <source>Open the sermons (Edit &gt; Sermon)</source>
        <translation>Abrir los sermones (Editar &gt; Sermón)</translation>
    </message>
    <message>
        <source>Bring in your outlines (File &gt; Import)</source>
        <translation>Traer sus bosquejos (Archivo &gt; Importar)</translation>
    </message>
    <message>
        <source>Read &quot;Getting started&quot; in the help</source>
        <translation>Leer «Primeros pasos» en la ayuda</translation>
    </message>
</context>
<context>
    <name>clsBibleBook</name>
    <message>
        <source>BibleBook</source>
        <translation>Libro de la Biblia</translation>
    </message>
</context>
<context>
    <name>clsConnect</name>
    <message>
        <source>The database engine has not been initialised.</source>
        <translation>El motor de base de datos no se ha iniciado.</translation>
    </message>
    <message>
        <source>Opening Database...</source>
        <translation>Abriendo la base de datos...</translation>
    </message>
    <message>
        <source>Retrieving User by Login ID</source>
        <translation>Buscando el usuario por su identificador</translation>
    </message>
    <message>
        <source>No User Exists With the Login ID &apos;%1&apos;</source>
        <translation>No existe ningún usuario con el identificador «%1»</translation>
    </message>
    <message>
        <source>Checking Employee Name &amp;&amp; Password...</source>
        <translation>Comprobando el nombre y la contraseña...</translation>
    </message>
    <message>
        <source>Changing Password...</source>
        <translation>Cambiando la contraseña...</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>No hay ninguna base de datos abierta.</translation>
    </message>
</context>
<context>
    <name>clsDateLoc</name>
    <message>
        <source>Date Preached Must Be Filled In.</source>
        <translation>Escriba la fecha en que se predicó.</translation>
    </message>
    <message>
        <source>Location Must Be Filled In.</source>
        <translation>Escriba el lugar.</translation>
    </message>
</context>
<context>
    <name>clsIllustr</name>
    <message>
        <source>Illustration Must Be Filled In.</source>
        <translation>Escriba la ilustración.</translation>
    </message>
    <message>
        <source>Name Must Be Filled In.</source>
        <translation>Escriba el nombre.</translation>
    </message>
</context>
<context>
    <name>clsLocation</name>
    <message>
        <source>No current record.</source>
        <translation>No hay ningún registro actual.</translation>
    </message>
    <message>
        <source>Error Updating Current Record</source>
        <translation>Error al actualizar el registro actual</translation>
    </message>
</context>
<context>
    <name>clsPreacher</name>
    <message>
        <source>Last Name Must Be Filled In.</source>
        <translation>Escriba el apellido.</translation>
    </message>
</context>
<context>
    <name>clsPublisher</name>
    <message>
        <source>Name Must Be Filled In.</source>
        <translation>Escriba el nombre.</translation>
    </message>
</context>
<context>
    <name>clsRecording</name>
    <message>
        <source>Recording Must Be Filled In.</source>
        <translation>Indique la grabación.</translation>
    </message>
</context>
<context>
    <name>clsSeries</name>
    <message>
        <source>Valid Year Must Be Filled In.</source>
        <translation>Escriba un año válido.</translation>
    </message>
    <message>
        <source>Series Name Must Be Filled In.</source>
        <translation>Escriba el nombre de la serie.</translation>
    </message>
</context>
<context>
    <name>clsSermon</name>
    <message>
        <source>Reference Must Be Filled In.</source>
        <translation>Escriba la referencia.</translation>
    </message>
</context>
<context>
    <name>clsState</name>
    <message>
        <source>StateDesc Must Be Filled In.</source>
        <translation>Escriba la descripción del estado.</translation>
    </message>
</context>
<context>
    <name>clsSystemInfo</name>
    <message>
        <source>You cannot set the AppName to empty string.</source>
        <translation>El nombre de la aplicación (AppName) no puede quedar vacío.</translation>
    </message>
</context>
<context>
    <name>clsTopic</name>
    <message>
        <source>Topic Must Be Filled In.</source>
        <translation>Escriba el tema.</translation>
    </message>
</context>
<context>
    <name>clsType</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>frmAbout32</name>
    <message>
        <source>Written for preachers and church offices</source>
        <translation>Escrito para predicadores y oficinas de iglesia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Operating System</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Windows Temp Directory:</source>
        <translation>Carpeta temporal:</translation>
    </message>
    <message>
        <source>Windows System Directory:</source>
        <translation>Carpeta del sistema:</translation>
    </message>
    <message>
        <source>Windows Directory:</source>
        <translation>Carpeta del sistema operativo:</translation>
    </message>
    <message>
        <source>Memory Load:</source>
        <translation>Uso de memoria:</translation>
    </message>
    <message>
        <source>Total Physical:</source>
        <translation>Memoria física total:</translation>
    </message>
    <message>
        <source>Available Physical:</source>
        <translation>Memoria física disponible:</translation>
    </message>
    <message>
        <source>Total Virtual:</source>
        <translation>Memoria virtual total:</translation>
    </message>
    <message>
        <source>Available Virtual:</source>
        <translation>Memoria virtual disponible:</translation>
    </message>
    <message>
        <source>CPU Type</source>
        <translation>Tipo de CPU</translation>
    </message>
    <message>
        <source>Number CPU&apos;s:</source>
        <translation>Número de CPU:</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>frmAssignTopics</name>
    <message>
        <source>Topics For:</source>
        <translation>Temas de:</translation>
    </message>
    <message>
        <source>Unassigned Topics</source>
        <translation>Temas sin asignar</translation>
    </message>
    <message>
        <source>Assigned Topics</source>
        <translation>Temas asignados</translation>
    </message>
    <message>
        <source>Sermon</source>
        <translation>Sermón</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Topics List</source>
        <translation>lista de temas</translation>
    </message>
    <message>
        <source>Sermon Topics List</source>
        <translation>lista de temas del sermón</translation>
    </message>
    <message>
        <source>Illustrations For:</source>
        <translation>Ilustraciones de:</translation>
    </message>
    <message>
        <source>Unassigned Illustrations:</source>
        <translation>Ilustraciones sin asignar:</translation>
    </message>
    <message>
        <source>Assigned Illustrations:</source>
        <translation>Ilustraciones asignadas:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Illustrations List</source>
        <translation>lista de ilustraciones</translation>
    </message>
    <message>
        <source>Sermon Illustrations List</source>
        <translation>lista de ilustraciones del sermón</translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation>Ilustración</translation>
    </message>
    <message>
        <source>Illustr Topics List</source>
        <translation>lista de temas de la ilustración</translation>
    </message>
    <message>
        <source>%1 ID</source>
        <translation>N.º de %1</translation>
    </message>
</context>
<context>
    <name>frmBibleVersion</name>
    <message>
        <source>Bible Version</source>
        <translation>Versión de la Biblia</translation>
    </message>
    <message>
        <source>&amp;Version shown beside the outline:</source>
        <translation>&amp;Versión que se muestra junto al bosquejo:</translation>
    </message>
    <message>
        <source>Bible versions</source>
        <translation>Versiones de la Biblia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmBookHistory</name>
    <message>
        <source>Not preached since the start of y&amp;ear:</source>
        <translation>No predicados desde el comienzo del &amp;año:</translation>
    </message>
    <message>
        <source>&amp;List Sermons</source>
        <translation>&amp;Listar sermones</translation>
    </message>
    <message>
        <source>Books Never Preached</source>
        <translation>Libros nunca predicados</translation>
    </message>
    <message>
        <source>Not Preached Since</source>
        <translation>No predicados desde</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Last Preached</source>
        <translation>Última predicación</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Sermons in Library</source>
        <translation>Sermones en la biblioteca</translation>
    </message>
    <message>
        <source>Not preached since</source>
        <translation>No predicados desde</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
</context>
<context>
    <name>frmChange</name>
    <message>
        <source>Select Database</source>
        <translation>Seleccionar base de datos</translation>
    </message>
    <message>
        <source>Database files</source>
        <translation>Archivos de base de datos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmCheckReport</name>
    <message>
        <source>Check Database</source>
        <translation>Comprobar base de datos</translation>
    </message>
    <message>
        <source>Check report</source>
        <translation>Informe de la comprobación</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>No se pudo guardar el informe como %1: %2</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Lectorum check.txt</source>
        <translation>Comprobación de Lectorum.txt</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Configure This Application</source>
        <translation>Configurar esta aplicación</translation>
    </message>
    <message>
        <source>Default To</source>
        <translation>Usar por omisión</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Local Access Database</source>
        <translation>Base de datos local</translation>
    </message>
    <message>
        <source>Database Path</source>
        <translation>Ruta de la base de datos</translation>
    </message>
    <message>
        <source>Database Name</source>
        <translation>Nombre de la base de datos</translation>
    </message>
    <message>
        <source>Data Source Name</source>
        <translation>Nombre del origen de datos</translation>
    </message>
    <message>
        <source>System Database</source>
        <translation>Base de datos del sistema</translation>
    </message>
    <message>
        <source>Server Information</source>
        <translation>Datos del servidor</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Lectorum could not prepare your library.

%1

Nothing was changed; Lectorum will try again the next time it starts.</source>
        <translation>Lectorum no pudo preparar su biblioteca.

%1

No se cambió nada; Lectorum lo intentará de nuevo la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>Lectorum found a library in %1 and will use it as it is; nothing in it was replaced.</source>
        <translation>Lectorum encontró una biblioteca en %1 y la usará tal como está; no se reemplazó nada en ella.</translation>
    </message>
    <message>
        <source>The information here will be stored in the System Registry under the entry %1</source>
        <translation>La información de esta pantalla se guardará en el Registro del sistema, en la entrada %1</translation>
    </message>
    <message>
        <source>The settings could not be saved to:
%1

Check that the folder exists and may be written to.</source>
        <translation>No se pudo guardar la configuración en:
%1

Compruebe que la carpeta existe y que se puede escribir en ella.</translation>
    </message>
</context>
<context>
    <name>frmCopyright</name>
    <message>
        <source>Key</source>
        <translation>Llave</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Biblia</translation>
    </message>
</context>
<context>
    <name>frmCoverage</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Scripture Coverage</source>
        <translation>Cobertura de las Escrituras</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Ley</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Prophets</source>
        <translation>Profetas</translation>
    </message>
    <message>
        <source>Gospels</source>
        <translation>Evangelios</translation>
    </message>
    <message>
        <source>Acts</source>
        <translation>Hechos</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Epístolas</translation>
    </message>
    <message>
        <source>Revelation</source>
        <translation>Apocalipsis</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>All books</source>
        <translation>Todos los libros</translation>
    </message>
    <message>
        <source>Whole book</source>
        <translation>Libro completo</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Not preached in %1</source>
        <translation>No predicado en %1</translation>
    </message>
    <message numerus="yes">
        <source>Preached %n time(s) in %1</source>
        <translation>
            <numerusform>Predicado una vez en %1</numerusform>
            <numerusform>Predicado %n veces en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>(no title)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
</context>
<context>
    <name>frmCsvColumns</name>
    <message>
        <source>Two columns are matched to %1. Choose one.</source>
        <translation>Hay dos columnas asignadas a %1. Elija una.</translation>
    </message>
    <message>
        <source>Match the Columns</source>
        <translation>Asignar las columnas</translation>
    </message>
    <message>
        <source>Choose the column that holds the titles.</source>
        <translation>Elija la columna que contiene los títulos.</translation>
    </message>
    <message>
        <source>Choose what each column of the list holds. Columns left as &quot;%1&quot; are passed over.</source>
        <translation>Elija qué contiene cada columna de la lista. Las columnas que se dejen como &quot;%1&quot; se pasan por alto.</translation>
    </message>
</context>
<context>
    <name>frmDateLoc</name>
    <message>
        <source>Delete was successful</source>
        <translation>Se eliminó correctamente</translation>
    </message>
    <message>
        <source>Date / Location Tracker</source>
        <translation>Seguimiento de fechas y lugares</translation>
    </message>
    <message>
        <source>USE DATE / LOCATION TRACKER FOR ADDITIONAL DATA</source>
        <translation>USE EL SEGUIMIENTO DE FECHAS Y LUGARES PARA MÁS DATOS</translation>
    </message>
    <message>
        <source>Dates and Locations</source>
        <translation>Fechas y lugares</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>ID#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>SermonID:</source>
        <translation>N.º de sermón:</translation>
    </message>
    <message>
        <source>Primary Date:</source>
        <translation>Fecha principal:</translation>
    </message>
    <message>
        <source>Primary Location:</source>
        <translation>Lugar principal:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Procedural error; Please try again</source>
        <translation>Error de procedimiento; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation>Eliminar el registro actual</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Date Preached</source>
        <translation>Fecha en que se predicó</translation>
    </message>
</context>
<context>
    <name>frmExportOutlines</name>
    <message>
        <source>All Outlines as Documents</source>
        <translation>Todos los bosquejos como documentos</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Document type</source>
        <translation>Tipo de documento</translation>
    </message>
    <message>
        <source>OpenDocument Text (.odt)</source>
        <translation>Texto OpenDocument (.odt)</translation>
    </message>
    <message>
        <source>Markdown (.md)</source>
        <translation>Markdown (.md)</translation>
    </message>
    <message>
        <source>Plain Text (.txt)</source>
        <translation>Texto sin formato (.txt)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Car&amp;peta:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
</context>
<context>
    <name>frmFindText</name>
    <message>
        <source>Find Text Screen</source>
        <translation>Pantalla de búsqueda de texto</translation>
    </message>
    <message>
        <source>Type of Logic:</source>
        <translation>Tipo de lógica:</translation>
    </message>
    <message>
        <source>Search SermonTitle</source>
        <translation>Buscar en el título del sermón</translation>
    </message>
    <message>
        <source>Search Sermon Big Idea</source>
        <translation>Buscar en la idea central del sermón</translation>
    </message>
    <message>
        <source>Search Sermon Outline</source>
        <translation>Buscar en el bosquejo del sermón</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>O</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>frmIllustr</name>
    <message>
        <source>Illustration Screen</source>
        <translation>Pantalla de ilustraciones</translation>
    </message>
    <message>
        <source>Illustrations</source>
        <translation>Ilustraciones</translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation>Ilustración</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Illustration ID</source>
        <translation>N.º de ilustración</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Illustration:</source>
        <translation>Ilustración:</translation>
    </message>
</context>
<context>
    <name>frmImport</name>
    <message numerus="yes">
        <source>Reading was cancelled after %1 of %n file(s). </source>
        <translation>
            <numerusform>La lectura se canceló tras %1 de %n archivo. </numerusform>
            <numerusform>La lectura se canceló tras %1 de %n archivos. </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s), </source>
        <translation>
            <numerusform>%n fila, </numerusform>
            <numerusform>%n filas, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked; </source>
        <translation>
            <numerusform>%n marcada; </numerusform>
            <numerusform>%n marcadas; </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n need(s) a passage, </source>
        <translation>
            <numerusform>%n necesita un pasaje, </numerusform>
            <numerusform>%n necesitan un pasaje, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s), </source>
        <translation>
            <numerusform>%n duplicado, </numerusform>
            <numerusform>%n duplicados, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unreadable.</source>
        <translation>
            <numerusform>%n ilegible.</numerusform>
            <numerusform>%n ilegibles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Outline Files</source>
        <translation>Importar archivos de bosquejos</translation>
    </message>
    <message>
        <source>Import Sermon List</source>
        <translation>Importar lista de sermones</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>Añadir &amp;archivos...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>Añadir &amp;carpeta...</translation>
    </message>
    <message>
        <source>&amp;Preacher:</source>
        <translation>&amp;Predicador:</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Set for &amp;All Rows</source>
        <translation>Asignar a &amp;todas las filas</translation>
    </message>
    <message>
        <source>Set for &amp;Selected Rows</source>
        <translation>Asignar a las filas &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Series from the folder &amp;name</source>
        <translation>Serie según el &amp;nombre de la carpeta</translation>
    </message>
    <message>
        <source>Files to import</source>
        <translation>Archivos para importar</translation>
    </message>
    <message>
        <source>Reading files</source>
        <translation>Lectura de archivos</translation>
    </message>
    <message>
        <source>&amp;Cancel Reading</source>
        <translation>Cancelar &amp;lectura</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Leyendo archivos...</translation>
    </message>
    <message>
        <source>A backup of the library is being written. Try again when it is done.</source>
        <translation>Se está escribiendo una copia de seguridad de la biblioteca. Inténtelo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>The library could not be backed up. Import anyway?</source>
        <translation>No se pudo hacer una copia de seguridad de la biblioteca. ¿Importar de todos modos?</translation>
    </message>
    <message>
        <source>No file is ticked for import.</source>
        <translation>No hay ningún archivo marcado para importar.</translation>
    </message>
    <message>
        <source>Importing sermons...</source>
        <translation>Importando sermones...</translation>
    </message>
    <message>
        <source>These are not in the library yet:

%1

Create them? (No imports the sermons without them.)</source>
        <translation>Estos aún no están en la biblioteca:

%1

¿Crearlos? (No importa los sermones sin ellos.)</translation>
    </message>
</context>
<context>
    <name>frmLocation</name>
    <message>
        <source>Default Location Screen</source>
        <translation>Pantalla del lugar predeterminado</translation>
    </message>
    <message>
        <source>Change Default Location:</source>
        <translation>Cambiar el lugar predeterminado:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Login ID</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please Fill In Your User Name</source>
        <translation>Escriba su nombre de usuario</translation>
    </message>
    <message>
        <source>Invalid User ID/Password</source>
        <translation>Usuario o contraseña no válidos</translation>
    </message>
    <message>
        <source>Exceeded Login Attemps</source>
        <translation>Se superó el número de intentos</translation>
    </message>
    <message>
        <source>%1 - Version %2</source>
        <translation>%1 - Versión %2</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>First close all open windows</source>
        <translation>Cierre primero todas las ventanas abiertas</translation>
    </message>
    <message>
        <source>Work area</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Database or user</source>
        <translation>Base de datos o usuario</translation>
    </message>
    <message>
        <source>Active Database = %1</source>
        <translation>Base de datos activa = %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Sermon Outline &amp; Notes</source>
        <translation>Bosquejo y notas del sermón</translation>
    </message>
</context>
<context>
    <name>frmPassage</name>
    <message>
        <source>Find by Passage</source>
        <translation>Buscar por pasaje</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referencia:</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Passage as read</source>
        <translation>Pasaje tal como se leyó</translation>
    </message>
    <message>
        <source>John 3:16-21; Rom 5</source>
        <translation>Juan 3:16-21; Ro 5</translation>
    </message>
</context>
<context>
    <name>frmPreachers</name>
    <message>
        <source>Preachers Screen</source>
        <translation>Pantalla de predicadores</translation>
    </message>
    <message>
        <source>Preachers</source>
        <translation>Predicadores</translation>
    </message>
    <message>
        <source>Preacher ID:</source>
        <translation>N.º de predicador:</translation>
    </message>
    <message>
        <source>First:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Segundo nombre:</translation>
    </message>
    <message>
        <source>Last:</source>
        <translation>Apellido:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation>Organización:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Cargo:</translation>
    </message>
    <message>
        <source>Seminary:</source>
        <translation>Seminario:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Sermons</source>
        <translation>&amp;Sermones</translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request --Be careful because any sermons tied to the preacher you delete will automatically be deleted!!</source>
        <translation>A continuación se le pedirá que confirme esta eliminación. Tenga cuidado: ¡todos los sermones vinculados al predicador que elimine se eliminarán automáticamente!</translation>
    </message>
</context>
<context>
    <name>frmPublish</name>
    <message>
        <source>Folder for the Website</source>
        <translation>Carpeta para el sitio web</translation>
    </message>
    <message>
        <source>Picture for the Podcast</source>
        <translation>Imagen para el pódcast</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>Sermon Website and Podcast</source>
        <translation>Sitio web y pódcast de sermones</translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation>Sermones</translation>
    </message>
    <message>
        <source>&amp;All sermons with a date</source>
        <translation>Todos los sermones con &amp;fecha</translation>
    </message>
    <message numerus="yes">
        <source>The sermon &amp;list&apos;s current sermons (%n)</source>
        <translation>
            <numerusform>Los sermones actuales de la &amp;lista (%n)</numerusform>
            <numerusform>Los sermones actuales de la &amp;lista (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>A &amp;series:</source>
        <translation>Una &amp;serie:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Show the &amp;outlines</source>
        <translation>Mostrar los &amp;bosquejos</translation>
    </message>
    <message>
        <source>Show the passage&apos;s te&amp;xt from</source>
        <translation>Mostrar el te&amp;xto del pasaje de</translation>
    </message>
    <message>
        <source>Bible version</source>
        <translation>Versión de la Biblia</translation>
    </message>
    <message>
        <source>No installed Bible&apos;s licence allows publishing its text (the World English Bible, package sword-text-web, does).</source>
        <translation>La licencia de ninguna Biblia instalada permite publicar su texto (la World English Bible, paquete sword-text-web, sí lo permite).</translation>
    </message>
    <message>
        <source>Brows&amp;e...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <source>Choose the picture</source>
        <translation>Elegir la imagen</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Exami&amp;nar...</translation>
    </message>
    <message>
        <source>Choose the folder</source>
        <translation>Elegir la carpeta</translation>
    </message>
    <message>
        <source>Site &amp;title:</source>
        <translation>&amp;Título del sitio:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Pict&amp;ure:</source>
        <translation>Ima&amp;gen:</translation>
    </message>
    <message>
        <source>Web add&amp;ress:</source>
        <translation>Di&amp;rección web:</translation>
    </message>
    <message>
        <source>Output &amp;folder:</source>
        <translation>&amp;Carpeta de salida:</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Publicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Type the site&apos;s title and choose the folder to publish into.</source>
        <translation>Escriba el título del sitio y elija la carpeta donde publicar.</translation>
    </message>
    <message>
        <source>The web address must start with http:// or https:// (or be left empty).</source>
        <translation>La dirección web debe empezar por http:// o https:// (o quedar vacía).</translation>
    </message>
    <message>
        <source>Writing the website...</source>
        <translation>Escribiendo el sitio web...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Publishing was stopped; the files written so far are whole. Publish again to finish the website in %1.</source>
        <translation>Se detuvo la publicación; los archivos escritos hasta ahora están completos. Publique de nuevo para terminar el sitio web en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Published %n sermons to %1: </source>
        <translation>
            <numerusform>Publicado %n sermón en %1: </numerusform>
            <numerusform>Publicados %n sermones en %1: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files written, </source>
        <translation>
            <numerusform>%n archivo escrito, </numerusform>
            <numerusform>%n archivos escritos, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unchanged.</source>
        <translation>
            <numerusform>%n sin cambios.</numerusform>
            <numerusform>%n sin cambios.</numerusform>
        </translation>
    </message>
    <message>
        <source>This library was made before it could keep publishing choices; they were not kept.</source>
        <translation>Esta biblioteca se creó antes de poder guardar las opciones de publicación; no se guardaron.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems: see the details.</source>
        <translation>
            <numerusform>%n problema: vea los detalles.</numerusform>
            <numerusform>%n problemas: vea los detalles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmPublishers</name>
    <message>
        <source>Publishers Screen</source>
        <translation>Pantalla de editoriales</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Editoriales</translation>
    </message>
    <message>
        <source>Publisher ID:</source>
        <translation>N.º de editorial:</translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation>Editorial:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request --Be careful because any series and sermons tied to the publisher you delete will automatically be deleted!!</source>
        <translation>A continuación se le pedirá que confirme esta eliminación. Tenga cuidado: ¡todas las series y los sermones vinculados a la editorial que elimine se eliminarán automáticamente!</translation>
    </message>
</context>
<context>
    <name>frmRecordings</name>
    <message>
        <source>Add Recordings</source>
        <translation>Añadir grabaciones</translation>
    </message>
    <message>
        <source>Recordings (*.mp3 *.m4a *.mp4 *.m4v *.ogg *.opus *.oga *.flac *.wav *.aif *.aiff *.wma);;All files (*)</source>
        <translation>Grabaciones (*.mp3 *.m4a *.mp4 *.m4v *.ogg *.opus *.oga *.flac *.wav *.aif *.aiff *.wma);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 (missing: %2)</source>
        <translation>%1 (falta: %2)</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>&amp;Web address:</source>
        <translation>Dirección &amp;web:</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Añadir archivos...</translation>
    </message>
    <message>
        <source>Add A&amp;ddress</source>
        <translation>Añadir di&amp;rección</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Publish this sermon&apos;s &amp;outline on the website</source>
        <translation>Publicar el &amp;bosquejo de este sermón en el sitio web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>This library was made before recordings could be kept. Copy it into a new library (lectorum-mkdb --copy) to add them.</source>
        <translation>Esta biblioteca se creó antes de poder guardar grabaciones. Cópiela en una biblioteca nueva (lectorum-mkdb --copy) para añadirlas.</translation>
    </message>
    <message>
        <source>Type a web address that starts with http:// or https://.</source>
        <translation>Escriba una dirección web que empiece por http:// o https://.</translation>
    </message>
    <message>
        <source>Remove the recording %1 from this sermon? The file itself is kept.</source>
        <translation>¿Quitar la grabación %1 de este sermón? El archivo en sí se conserva.</translation>
    </message>
    <message>
        <source>This library was made before it could keep publishing choices; copy it into a new library (lectorum-mkdb --copy) to keep them.</source>
        <translation>Esta biblioteca se creó antes de poder guardar las opciones de publicación; cópiela en una biblioteca nueva (lectorum-mkdb --copy) para guardarlas.</translation>
    </message>
</context>
<context>
    <name>frmRestore</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation>Sermones</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please Wait While Loading Backups</source>
        <translation>Espere mientras se cargan las copias de seguridad</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Replace the library with the backup from %1?
The current file is kept beside it.</source>
        <translation>¿Reemplazar la biblioteca por la copia de seguridad del %1?
El archivo actual se conserva a su lado.</translation>
    </message>
    <message>
        <source>Restoring the library...</source>
        <translation>Restaurando la biblioteca...</translation>
    </message>
    <message>
        <source>The library was restored from the backup of %1.
The file it replaced was kept as %2.</source>
        <translation>La biblioteca se restauró desde la copia de seguridad del %1.
El archivo reemplazado se guardó como %2.</translation>
    </message>
</context>
<context>
    <name>frmSelect</name>
    <message>
        <source>Sermon Selection Screen</source>
        <translation>Pantalla de selección de sermones</translation>
    </message>
    <message>
        <source>By Bible Book</source>
        <translation>Por libro de la Biblia</translation>
    </message>
    <message>
        <source>By Preacher</source>
        <translation>Por predicador</translation>
    </message>
    <message>
        <source>By Series</source>
        <translation>Por serie</translation>
    </message>
    <message>
        <source>By Topic</source>
        <translation>Por tema</translation>
    </message>
</context>
<context>
    <name>frmSeries</name>
    <message>
        <source>Series of Messages Screen</source>
        <translation>Pantalla de series de mensajes</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Series ID</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>ID#</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Bible Book:</source>
        <translation>Libro de la Biblia:</translation>
    </message>
    <message>
        <source>Preacher:</source>
        <translation>Predicador:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Book Title:</source>
        <translation>Título del libro:</translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation>Editorial:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Sermons</source>
        <translation>&amp;Sermones</translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation>Eliminar el registro actual</translation>
    </message>
    <message>
        <source>You are not allowed to delete this record</source>
        <translation>No tiene permiso para eliminar este registro</translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation>Se eliminó correctamente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Series Name</source>
        <translation>Nombre de la serie</translation>
    </message>
    <message>
        <source>Bible Book</source>
        <translation>Libro de la Biblia</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>You will be asked next to confirm this delete request -- Be careful because any sermons tied to the series you delete will automatically be deleted!!  If you want to save the sermons, first remove the series reference in each sermon record and then come back and delete the Series record.</source>
        <translation>A continuación se le pedirá que confirme esta eliminación. Tenga cuidado: ¡todos los sermones vinculados a la serie que elimine se eliminarán automáticamente!  Si desea conservar los sermones, quite primero la referencia a la serie en cada sermón y vuelva después para eliminar la serie.</translation>
    </message>
</context>
<context>
    <name>frmSermon</name>
    <message>
        <source>Sermon Identification Screen</source>
        <translation>Pantalla de identificación del sermón</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Delete the Current Record</source>
        <translation>Eliminar el registro actual</translation>
    </message>
    <message>
        <source>Delete was successful</source>
        <translation>Se eliminó correctamente</translation>
    </message>
    <message>
        <source>Number of Records found = %1</source>
        <translation>Número de registros encontrados = %1</translation>
    </message>
</context>
<context>
    <name>frmTheirVersion</name>
    <message>
        <source>Their Version - %1</source>
        <translation>La otra versión - %1</translation>
    </message>
    <message>
        <source>Saved by someone else since you opened the record. Your version stays on the screen.</source>
        <translation>Otra persona lo guardó después de que usted abriera el registro. Su versión sigue en la pantalla.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmTopic</name>
    <message>
        <source>Topic Screen</source>
        <translation>Pantalla de temas</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Topic ID</source>
        <translation>N.º de tema</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
</context>
<context>
    <name>frmUsage</name>
    <message>
        <source>Topics and Illustrations</source>
        <translation>Temas e ilustraciones</translation>
    </message>
    <message>
        <source>Topics and illustrations</source>
        <translation>Temas e ilustraciones</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation>Sermones</translation>
    </message>
    <message>
        <source>Times Preached</source>
        <translation>Veces predicado</translation>
    </message>
    <message>
        <source>First Used</source>
        <translation>Primer uso</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Reused at One Place</source>
        <translation>Repetido en un mismo lugar</translation>
    </message>
    <message numerus="yes">
        <source>Yes, within %n year(s)</source>
        <translation>
            <numerusform>Sí, en un plazo de %n año</numerusform>
            <numerusform>Sí, en un plazo de %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Illustration</source>
        <translation>Ilustración</translation>
    </message>
</context>
<context>
    <name>frmYearChart</name>
    <message>
        <source>&amp;Stack by:</source>
        <translation>&amp;Apilar por:</translation>
    </message>
    <message>
        <source>Sermons per Year</source>
        <translation>Sermones por año</translation>
    </message>
    <message>
        <source>Sermons</source>
        <translation>Sermones</translation>
    </message>
    <message>
        <source>Times preached</source>
        <translation>Veces predicado</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Times Preached</source>
        <translation>Veces predicado</translation>
    </message>
    <message>
        <source>Stack by</source>
        <translation>Apilar por</translation>
    </message>
    <message>
        <source>Preacher</source>
        <translation>Predicador</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Sermons per year</source>
        <translation>Sermones por año</translation>
    </message>
</context>
</TS>
