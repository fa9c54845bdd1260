<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>EConvertError</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the priority &apos;%1&apos; is not a whole number</source>
        <translation>la prioridad «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the mark &apos;%1&apos; is neither True nor False</source>
        <translation>la marca «%1» no es ni True ni False</translation>
    </message>
    <message>
        <source>%1 fields, but only %2 are read</source>
        <translation>%1 campos, pero solo se leen %2</translation>
    </message>
    <message>
        <source>the UTF-16 text has an odd number of bytes</source>
        <translation>el texto UTF-16 tiene un número impar de bytes</translation>
    </message>
    <message>
        <source>the text is neither UTF-8 nor UTF-16</source>
        <translation>el texto no es ni UTF-8 ni UTF-16</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto tras las comillas de cierre de un campo</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número de coma flotante válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value</source>
        <translation>«%1» no es un valor booleano válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» no es una fecha y hora válida</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>is the profile itself; it is not replaced</source>
        <translation>es el propio perfil; no se reemplaza</translation>
    </message>
    <message>
        <source>is a profile; it is not replaced</source>
        <translation>es un perfil; no se reemplaza</translation>
    </message>
    <message>
        <source>File could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>File could not be opened: not a regular file</source>
        <translation>No se pudo abrir el archivo: no es un archivo normal</translation>
    </message>
    <message>
        <source>File could not be opened: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>File could not be written: &quot;%1&quot;: %2</source>
        <translation>No se pudo escribir el archivo: «%1»: %2</translation>
    </message>
    <message>
        <source>File could not be created: &quot;%1&quot;: %2</source>
        <translation>No se pudo crear el archivo: «%1»: %2</translation>
    </message>
    <message>
        <source>Invalid key name: %1</source>
        <translation>Nombre de clave no válido: %1</translation>
    </message>
    <message>
        <source>Key could not be opened: %1</source>
        <translation>No se pudo abrir la clave: %1</translation>
    </message>
    <message>
        <source>No key is open</source>
        <translation>No hay ninguna clave abierta</translation>
    </message>
    <message>
        <source>Folder could not be created: %1</source>
        <translation>No se pudo crear la carpeta: %1</translation>
    </message>
    <message>
        <source>Link could not be created: %1</source>
        <translation>No se pudo crear el enlace: %1</translation>
    </message>
</context>
<context>
    <name>EYearnboxError</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de límites (%1)</translation>
    </message>
    <message>
        <source>Cell out of bounds (%1, %2)</source>
        <translation>Celda fuera de límites (%1, %2)</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TCsvItemReader</name>
    <message>
        <source>1 NUL character was dropped</source>
        <translation>se descartó 1 carácter NUL</translation>
    </message>
    <message numerus="yes">
        <source>%n NUL characters were dropped</source>
        <translation>
            <numerusform>se descartó %n carácter NUL</numerusform>
            <numerusform>se descartaron %n caracteres NUL</numerusform>
        </translation>
    </message>
    <message>
        <source>a &apos;|&apos; became a line break (%1</source>
        <translation>un «|» se convirtió en salto de línea (%1</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
</context>
<context>
    <name>TFindAllDialog</name>
    <message>
        <source>1 item</source>
        <translation>1 deseo</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n deseo</numerusform>
            <numerusform>%n deseos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 profile</source>
        <translation>1 perfil</translation>
    </message>
    <message numerus="yes">
        <source>%n profiles</source>
        <translation>
            <numerusform>%n perfil</numerusform>
            <numerusform>%n perfiles</numerusform>
        </translation>
    </message>
    <message>
        <source>Find in All Profiles</source>
        <translation>Buscar en todos los perfiles</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>No se pudo leer: %1</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>No se encontró nada.</translation>
    </message>
    <message>
        <source>%1 found in %2.</source>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source> %1 could not be read.</source>
        <translation> Sin leer: %1.</translation>
    </message>
    <message>
        <source>(blank profile)</source>
        <translation>(perfil en blanco)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Sort by</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Restore an Earlier Version…</source>
        <translation>Restaurar una versión anterior…</translation>
    </message>
    <message>
        <source>Summary…</source>
        <translation>Resumen…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Find in All Profiles…</source>
        <translation>Buscar en todos los perfiles…</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Prioridad:</translation>
    </message>
    <message>
        <source>Date Added:</source>
        <translation>Añadido:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Profile could not be loaded; it may be missing or corrupt.</source>
        <translation>No se pudo cargar el perfil; puede que falte o esté dañado.</translation>
    </message>
    <message>
        <source>Please fill in more information about this item before trying to add it.</source>
        <translation>Indique más datos de este deseo antes de añadirlo.</translation>
    </message>
    <message>
        <source>An item you changed was changed elsewhere too: your change was saved, and the other version is kept under &quot;Restore an Earlier Version…&quot;.</source>
        <translation>Un deseo que usted cambió también se cambió en otro lugar: su cambio se guardó y la otra versión se conserva en «Restaurar una versión anterior…».</translation>
    </message>
    <message>
        <source>Create a New Yearnbox</source>
        <translation>Crear una Yearnbox nueva</translation>
    </message>
    <message>
        <source>Save this Profile</source>
        <translation>Guardar este perfil</translation>
    </message>
    <message>
        <source>Load a Profile</source>
        <translation>Abrir un perfil</translation>
    </message>
    <message>
        <source>Delete the active profile</source>
        <translation>Eliminar el perfil activo</translation>
    </message>
    <message>
        <source>Search Options:</source>
        <translation>Opciones de búsqueda:</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>How Important is this Item?</source>
        <translation>¿Cuánto importa este deseo?</translation>
    </message>
    <message>
        <source>Item Price or Estimate:</source>
        <translation>Precio o estimación:</translation>
    </message>
    <message>
        <source>Item Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Item Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Save Item</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>the item entry</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New Item</source>
        <translation>Nuevo deseo</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Deseos</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>the list</comment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Cancelar búsqueda</translation>
    </message>
    <message>
        <source>About Yearnbox</source>
        <translation>Acerca de Yearnbox</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the dialog title</comment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No results were found.</source>
        <translation>No se encontró nada.</translation>
    </message>
    <message>
        <source>Export Items</source>
        <translation>Exportar deseos</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Import Items</source>
        <translation>Importar deseos</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported: %2</source>
        <translation>No se pudo importar «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was imported: %2.</source>
        <translation>Se importó «%1»: %2.</translation>
    </message>
    <message>
        <source>Copy to Profile</source>
        <translation>Copiar al perfil</translation>
    </message>
    <message>
        <source>Move to Profile</source>
        <translation>Mover al perfil</translation>
    </message>
    <message>
        <source>The item was not copied: %1 is the profile shown.</source>
        <translation>El deseo no se copió: %1 es el perfil mostrado.</translation>
    </message>
    <message>
        <source>The item was not moved: %1 is the profile shown.</source>
        <translation>El deseo no se movió: %1 es el perfil mostrado.</translation>
    </message>
    <message>
        <source>The item could not be copied to %1.</source>
        <translation>No se pudo copiar el deseo a %1.</translation>
    </message>
    <message>
        <source>The item could not be moved to %1.</source>
        <translation>No se pudo mover el deseo a %1.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Share as Web Page…</source>
        <translation>Compartir como página web…</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Go to Item</source>
        <translation>&amp;Ir al deseo</translation>
    </message>
    <message>
        <source>Duplicate item</source>
        <translation>Deseo duplicado</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Share as Web Page</source>
        <translation>Compartir como página web</translation>
    </message>
    <message>
        <source>Web Page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>Already in %1: %2</source>
        <translation>Ya está en %1: %2</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source> About Yearnbox</source>
        <translation> Acerca de Yearnbox</translation>
    </message>
    <message>
        <source>Yearnbox is free software: share and change it under the GNU GPL, version 3 or later. It comes with no warranty.</source>
        <translation>Yearnbox es software libre: compártalo y modifíquelo según la GNU GPL, versión 3 o posterior. No tiene ninguna garantía.</translation>
    </message>
    <message>
        <source>The Yearnbox authors</source>
        <translation>Los autores de Yearnbox</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Would you like to associate the file extension &quot;.ybk&quot; with Yearnbox?</source>
        <translation>¿Desea asociar la extensión de archivo «.ybk» con Yearnbox?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ask me at Startup about this.</source>
        <translation>Preguntarme al iniciar.</translation>
    </message>
</context>
<context>
    <name>TGiftPage</name>
    <message>
        <source>Marked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the page&apos;s language, an HTML lang code</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>TItemHistory</name>
    <message>
        <source> (the item was removed elsewhere)</source>
        <translation> (el deseo se eliminó en otro lugar)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>TLatticeGrid</name>
    <message>
        <source>%1 of 1 star</source>
        <translation>%1 de 1 estrella</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n stars</source>
        <translation>
            <numerusform>%1 de %n estrella</numerusform>
            <numerusform>%1 de %n estrellas</numerusform>
        </translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <source>Not %1</source>
        <translation>No %1</translation>
    </message>
</context>
<context>
    <name>TPriceTotals</name>
    <message>
        <source>1 price</source>
        <translation>1 precio</translation>
    </message>
    <message numerus="yes">
        <source>%n prices</source>
        <translation>
            <numerusform>%n precio</numerusform>
            <numerusform>%n precios</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Total of %1: %2</source>
        <translation>Total de %1: %2</translation>
    </message>
    <message>
        <source> · marked: %1</source>
        <translation> · marcados: %1</translation>
    </message>
    <message>
        <source> · %1 not read</source>
        <translation> · sin leer: %1</translation>
    </message>
    <message>
        <source>; %1 not read</source>
        <translation>; sin leer: %1</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Todos los deseos</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>Not marked</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <source>Priority %1</source>
        <translation>Prioridad %1</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Precios</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Sin leer</translation>
    </message>
    <message>
        <source>No symbol</source>
        <translation>Sin símbolo</translation>
    </message>
</context>
<context>
    <name>TPrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TPrintOptionsDialog</name>
    <message>
        <source>%1 item</source>
        <translation>%1 deseo</translation>
    </message>
    <message numerus="yes">
        <source>%1 items</source>
        <translation>
            <numerusform>%1 deseo</numerusform>
            <numerusform>%1 deseos</numerusform>
        </translation>
    </message>
    <message>
        <source>at least %1 page</source>
        <translation>al menos %1 página</translation>
    </message>
    <message numerus="yes">
        <source>at least %1 pages</source>
        <translation>
            <numerusform>al menos %1 página</numerusform>
            <numerusform>al menos %1 páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2.</source>
        <translation>%1 en %2.</translation>
    </message>
    <message>
        <source>
That is a great deal of paper and takes a while.</source>
        <translation>
Es mucho papel y llevará un rato.</translation>
    </message>
    <message>
        <source>Marked items only</source>
        <translation>Solo los deseos marcados</translation>
    </message>
</context>
<context>
    <name>TProfiles</name>
    <message>
        <source>Save Yearnbox Profile</source>
        <translation>Guardar perfil de Yearnbox</translation>
    </message>
    <message>
        <source>Yearnbox Profile (*.ybk)</source>
        <translation>Perfil de Yearnbox (*.ybk)</translation>
    </message>
    <message>
        <source>Load Yearnbox Profile</source>
        <translation>Abrir perfil de Yearnbox</translation>
    </message>
    <message>
        <source>Profile could not be loaded.</source>
        <translation>No se pudo cargar el perfil.</translation>
    </message>
    <message>
        <source>%1 has been deleted. A new Yearnbox was loaded!</source>
        <translation>Se eliminó %1. ¡Se cargó una Yearnbox nueva!</translation>
    </message>
    <message>
        <source>The current profile could not be deleted, sorry.</source>
        <translation>Lo sentimos, no se pudo eliminar el perfil actual.</translation>
    </message>
</context>
<context>
    <name>TRestoreDialog</name>
    <message>
        <source>Restore an Earlier Version</source>
        <translation>Restaurar una versión anterior</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardada</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Deseos</translation>
    </message>
    <message>
        <source>First differences</source>
        <translation>Primeras diferencias</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The version saved %1 cannot be read: %2</source>
        <translation>La versión guardada el %1 no se puede leer: %2</translation>
    </message>
</context>
<context>
    <name>TSummaryDialog</name>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
</context>
</TS>
