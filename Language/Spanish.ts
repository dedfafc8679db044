<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Aplanado automático</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Combinar páginas izquierda y derecha</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Guardar directamente</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Buscando dispositivo...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Abriendo dispositivo...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Vista de cámara</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>DNI</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Hoja</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
</context>
<context>
    <name>CViceCamPreview</name>
    <message>
        <source>Open...</source>
        <translation>Abriendo...</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>error 01</source>
        <translation>Error 01: falta la comparación de caras</translation>
    </message>
    <message>
        <source>error 02</source>
        <translation>Error 02: falta el componente de cámara</translation>
    </message>
    <message>
        <source>error 04</source>
        <translation>Error 04: biblioteca de cámara no lista</translation>
    </message>
    <message>
        <source>error 03</source>
        <translation>Error 03: cámara de cara no iniciada</translation>
    </message>
    <message>
        <source>ERROR 05</source>
        <translation>Error 05: sin cámara de cara</translation>
    </message>
    <message>
        <source>No Available Device</source>
        <translation>Ninguna cámara disponible</translation>
    </message>
    <message>
        <source>No Available Resolution!</source>
        <translation>¡Ninguna resolución disponible!</translation>
    </message>
    <message>
        <source>Main camera error</source>
        <translation>Error de la cámara de documentos</translation>
    </message>
    <message>
        <source>Main Camera is not running</source>
        <translation>La cámara de documentos no está en marcha</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No face</source>
        <translation>Ninguna cara</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Coincidencia:</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Cámaras:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contraste:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturación:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Frec. red:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Enfocar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Temporiz.:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Cámara 2</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Arriba I</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Arriba D</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Abajo I</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Abajo D</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CaptureController</name>
    <message>
        <source>The camera is not running — nothing captured</source>
        <translation>La cámara no está funcionando — no se capturó nada</translation>
    </message>
    <message>
        <source>Too many captures are waiting — this one was not taken</source>
        <translation>Demasiadas capturas en espera — esta no se tomó</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>The camera is in use by another program.</source>
        <translation>La cámara está en uso por otro programa.</translation>
    </message>
    <message>
        <source>Camera disconnected</source>
        <translation>Cámara desconectada</translation>
    </message>
    <message>
        <source>Opening camera…</source>
        <translation>Abriendo la cámara…</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Exportar a Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Añada las imágenes que desea exportar:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Añadir imágenes para exportar</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Quitar de la lista las imágenes seleccionadas</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Girar la imagen</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Ruta del documento que se creará</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Carpeta...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Guardar el documento en otra carpeta</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Página %v de %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleccionar imágenes</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Estas imágenes no se pudieron girar y no han cambiado:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Exportar a Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 creado</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Imágenes sin girar: %1</translation>
    </message>
</context>
<context>
    <name>Dialog_Navigate</name>
    <message>
        <source>Dialog</source>
        <translation>Recorrido</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>La lista está vacía: añada las imágenes que irán en el documento.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>Un documento admite como máximo %1 imágenes; la lista tiene %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>El documento necesita un nombre de archivo: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>La imagen %1 ya no existe.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 no es una imagen legible.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>Un documento admite como máximo %1 imágenes.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Un nombre de archivo es demasiado largo o tiene caracteres que el sistema no puede transmitir.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>No se pudo leer una imagen; puede que haya cambiado o se haya eliminado.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>No se pudo escribir el documento: puede que la carpeta sea de solo lectura o que el disco esté lleno.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Cancelado; no se escribió ningún documento.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>No se pudo cargar el componente de documentos.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>No se pudo crear el documento (error %1).</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Guardar directo</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Scan modes</source>
        <translation>Modos de escaneo</translation>
    </message>
    <message>
        <source>Options of the mode</source>
        <translation>Opciones del modo</translation>
    </message>
    <message>
        <source>Keep the whole picture, or cut out and straighten the page, improve its colours or turn it grey. Ticked, the box on the right saves every capture at once.</source>
        <translation>Conservar la imagen completa, o recortar y enderezar la página, mejorar sus colores o pasarla a gris. Marcada, la casilla de la derecha guarda cada captura al instante.</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Turns the document picture, and the pages saved from it, by a quarter.</source>
        <translation>Gira la imagen del documento, y las páginas guardadas de ella, un cuarto de vuelta.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Click the button or press Space (or Enter on the keypad): the page is processed, saved and listed on the right.</source>
        <translation>Haga clic en el botón o pulse Espacio (o Intro del teclado numérico): la página se procesa, se guarda y aparece a la derecha.</translation>
    </message>
    <message>
        <source>Device, resolution and picture; focus, timed capture and the second camera.</source>
        <translation>Dispositivo, resolución e imagen; enfoque, captura temporizada y la segunda cámara.</translation>
    </message>
    <message>
        <source>File format and naming, JPG quality, rotation and the watermark. Every change is kept at once.</source>
        <translation>Formato y nombre de archivo, calidad JPG, rotación y marca de agua. Cada cambio se guarda al instante.</translation>
    </message>
    <message>
        <source>The output folder and every saved image.</source>
        <translation>La carpeta de salida y cada imagen guardada.</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Choose where captures are saved, or open that folder.</source>
        <translation>Elija dónde se guardan las capturas, o abra esa carpeta.</translation>
    </message>
    <message>
        <source>PDF, Word and print</source>
        <translation>PDF, Word e impresión</translation>
    </message>
    <message>
        <source>Put the selected images, in the order you choose, into one PDF or Word document, or print them.</source>
        <translation>Ponga las imágenes seleccionadas, en el orden que elija, en un solo documento PDF o Word, o imprímalas.</translation>
    </message>
    <message>
        <source>Saved images</source>
        <translation>Imágenes guardadas</translation>
    </message>
    <message>
        <source>Every capture, newest last. Click to select, double-click to open, drag into another program, right-click for more.</source>
        <translation>Cada captura, la más reciente al final. Clic para seleccionar, doble clic para abrir, arrastre a otro programa, clic derecho para más.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>All images, or none.</source>
        <translation>Todas las imágenes, o ninguna.</translation>
    </message>
    <message>
        <source>Copy and delete</source>
        <translation>Copiar y eliminar</translation>
    </message>
    <message>
        <source>Copy the selected files to paste them elsewhere (Ctrl+C), or move them to the trash.</source>
        <translation>Copie los archivos seleccionados para pegarlos en otro lugar (Ctrl+C), o muévalos a la papelera.</translation>
    </message>
    <message>
        <source>Scan modes and capture</source>
        <translation>Modos y captura</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Click anywhere to continue</source>
        <translation>Haga clic en cualquier lugar para continuar</translation>
    </message>
    <message>
        <source>Click anywhere to start scanning</source>
        <translation>Haga clic en cualquier lugar para empezar</translation>
    </message>
    <message>
        <source>%1 for pages, %2 for both sides of a card, %3 to name files after their QR code, %4 to split an open book into two pages.</source>
        <translation>%1 para páginas, %2 para ambas caras de una tarjeta, %3 para nombrar archivos según su código QR, %4 para dividir un libro abierto en dos páginas.</translation>
    </message>
    <message>
        <source>Text recognition</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>Reads the text of the selected images into a searchable PDF and a text file.</source>
        <translation>Lee el texto de las imágenes seleccionadas y lo guarda en un PDF con búsqueda y un archivo de texto.</translation>
    </message>
</context>
<context>
    <name>HelpTip</name>
    <message>
        <source>Pay attention to light to avoid excessive light or too dark light</source>
        <translation>Cuide la luz: ni demasiada ni demasiado poca</translation>
    </message>
    <message>
        <source>When scanning a document, place the document within the camera&apos;s shooting range.</source>
        <translation>Al escanear un documento, colóquelo dentro del campo de la cámara.</translation>
    </message>
    <message>
        <source>If you cannot find the target area, you can manually adjust the screen brightness</source>
        <translation>Si no se encuentra el área objetivo, puede ajustar el brillo de la imagen a mano</translation>
    </message>
    <message>
        <source>The software can choose the scanning mode, according to the actual needs and the actual effect selection mode</source>
        <translation>Elija el modo de escaneo según sus necesidades y el resultado real</translation>
    </message>
    <message>
        <source>Click the scan button in the lower right corner of the software to complete the scan operation</source>
        <translation>Haga clic en el botón de escaneo abajo a la derecha para escanear</translation>
    </message>
    <message>
        <source>The right side of the software can directly view the scanned image。</source>
        <translation>Las imágenes escaneadas se ven directamente a la derecha。</translation>
    </message>
    <message>
        <source>When scanning books, please open the books naturally to avoid artificial folds</source>
        <translation>Al escanear libros, ábralos con naturalidad para evitar pliegues</translation>
    </message>
    <message>
        <source>After the target area is stable, click the scan button</source>
        <translation>Cuando el área objetivo esté estable, haga clic en el botón de escaneo</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range。</source>
        <translation>Coloque el documento dentro del campo de la cámara。</translation>
    </message>
    <message>
        <source>After the scan is completed, you can manually rotate the image according to the actual needs and processing results</source>
        <translation>Tras el escaneo puede girar la imagen a mano según sus necesidades y el resultado</translation>
    </message>
    <message>
        <source>After the scan is completed, it can be saved independently, or it can be saved to A4 size paper for easy printing.</source>
        <translation>Tras el escaneo la imagen puede guardarse sola o en una hoja A4 para imprimirla fácilmente.</translation>
    </message>
    <message>
        <source>Place the document within the camera&apos;s shooting range</source>
        <translation>Coloque el documento dentro del campo de la cámara</translation>
    </message>
    <message>
        <source>If there is a qr code in the document, the software will automatically identify the qr code.</source>
        <translation>Si el documento tiene un código QR, el programa lo reconoce automáticamente.</translation>
    </message>
    <message>
        <source>Please remove the glasses when shooting.</source>
        <translation>Quítese las gafas para la toma.</translation>
    </message>
    <message>
        <source>Face straight to attached camera.</source>
        <translation>Mire de frente a la cámara auxiliar.</translation>
    </message>
    <message>
        <source>The contrast values are displayed in real time under the software.</source>
        <translation>Los valores de comparación se muestran abajo en tiempo real.</translation>
    </message>
    <message>
        <source>Please check whether the computer is connected to the equipment properly.</source>
        <translation>Compruebe que el equipo está bien conectado al ordenador.</translation>
    </message>
    <message>
        <source>Check whether the device exists in the computer device manager -&gt; image device.</source>
        <translation>Compruebe que el dispositivo aparece en el administrador de dispositivos, en dispositivos de imagen.</translation>
    </message>
    <message>
        <source>Check to see if there is any third-party software that takes up the camera.</source>
        <translation>Compruebe que ningún otro programa esté usando la cámara.</translation>
    </message>
    <message>
        <source>If you still can&apos;t handle it, please contact the manufacturer</source>
        <translation>Si el problema continúa, póngase en contacto con el fabricante</translation>
    </message>
    <message>
        <source>Pictures in the list bar can be exported to PDF,WORD and other formats.</source>
        <translation>Las imágenes de la lista pueden exportarse a PDF, Word y otros formatos.</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Anverso</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Girar 180° la imagen seleccionada</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Coincidencia</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Identificación automática del documento</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Corregir automáticamente el documento</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Guardar con retrato</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>no es una imagen o no se puede leer</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Exportar a Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Anular selección</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Eliminar los elementos seleccionados</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>The text recognition program could not be started: %1</source>
        <translation>No se pudo iniciar el programa de reconocimiento de texto: %1</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Fecha, hora e índice</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Nombres:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Calidad JPG:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Ángulo de giro predeterminado en modo documento</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Rotación:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Tipo de marca de agua:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Sin marca de agua</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Marca de agua de fecha</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Marca de agua de texto</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Marca de agua de imagen</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Introduzca el texto de la marca de agua</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Abajo D</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Arriba I</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Abajo I</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Arriba D</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidad:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Letra:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleccionar archivo de imagen</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Imágenes (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZR Miravelo</source>
        <translation>ZR Miravelo</translation>
    </message>
    <message>
        <source>Take photo (Space)</source>
        <translation>Tomar foto (Espacio)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Detener captura temporizada</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Preste atención a la iluminación: evite la sobreexposición y la falta de luz</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Haga clic para abrir el Centro de ayuda y obtener más información...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>No se pueden cargar los componentes de la cámara. Cierre este programa.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Output folder %1 cannot be used; saving to %2 for now</source>
        <translation>La carpeta de salida %1 no se puede usar; por ahora se guarda en %2</translation>
    </message>
    <message>
        <source>Saving to %1 again</source>
        <translation>Se vuelve a guardar en %1</translation>
    </message>
    <message>
        <source>No page found — nothing saved</source>
        <translation>No se encontró ninguna página — no se guardó nada</translation>
    </message>
    <message numerus="yes">
        <source>%n captures not taken: the camera stopped</source>
        <translation>
            <numerusform>%n captura no tomada: la cámara se detuvo</numerusform>
            <numerusform>%n capturas no tomadas: la cámara se detuvo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files moved to trash</source>
        <translation>
            <numerusform>%n archivo movido a la papelera</numerusform>
            <numerusform>%n archivos movidos a la papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>could not move %1 to trash</source>
        <translation>no se pudo mover %1 a la papelera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Could not restore %1 from the trash</source>
        <translation>No se pudo restaurar %1 desde la papelera</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>OcrJob</name>
    <message>
        <source>Skipped %1: the file does not exist.</source>
        <translation>Se omitió %1: el archivo no existe.</translation>
    </message>
    <message>
        <source>%1 is very large; it is read from a reduced copy.</source>
        <translation>%1 es muy grande; se lee de una copia reducida.</translation>
    </message>
    <message>
        <source>Skipped %1: it is not a picture that can be read.</source>
        <translation>Se omitió %1: no es una imagen legible.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Cancelado; no se escribió ningún documento.</translation>
    </message>
    <message>
        <source>None of the files could be read; no document was written.</source>
        <translation>No se pudo leer ninguno de los archivos; no se escribió ningún documento.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages read.</source>
        <translation>
            <numerusform>%n página leída.</numerusform>
            <numerusform>%n páginas leídas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1: it cannot be put into a PDF (%2).</source>
        <translation>Se omitió %1: no se puede incluir en un PDF (%2).</translation>
    </message>
</context>
<context>
    <name>OutputPipeline</name>
    <message>
        <source>no folder can take the file</source>
        <translation>ninguna carpeta puede recibir el archivo</translation>
    </message>
</context>
<context>
    <name>Rir</name>
    <message>
        <source>Page %1 of %2: %3</source>
        <translation>Página %1 de %2: %3</translation>
    </message>
    <message>
        <source>The recognition data for &quot;%1&quot; is not installed.</source>
        <translation>Los datos de reconocimiento para «%1» no están instalados.</translation>
    </message>
    <message>
        <source>Reading the pages as English.</source>
        <translation>Las páginas se leen en inglés.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the folder may be missing or read-only.</source>
        <translation>No se puede escribir en %1: la carpeta no existe o es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 changed or vanished while it was read.</source>
        <translation>%1 cambió o desapareció mientras se leía.</translation>
    </message>
    <message>
        <source>Cannot write into %1: the disk may be full.</source>
        <translation>No se puede escribir en %1: puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>Reads the text of pictures of pages and writes a searchable PDF and a text file.</source>
        <translation>Lee el texto de imágenes de páginas y escribe un PDF con búsqueda y un archivo de texto.</translation>
    </message>
    <message>
        <source>Languages of the text, such as deu+eng.</source>
        <translation>Idiomas del texto, por ejemplo spa+eng.</translation>
    </message>
    <message>
        <source>Folder for the PDF and the text file.</source>
        <translation>Carpeta para el PDF y el archivo de texto.</translation>
    </message>
    <message>
        <source>Pages read at the same time.</source>
        <translation>Páginas leídas a la vez.</translation>
    </message>
    <message>
        <source>No window: progress lines on the terminal.</source>
        <translation>Sin ventana: el progreso se muestra en el terminal.</translation>
    </message>
    <message>
        <source>The pictures, one page each.</source>
        <translation>Las imágenes, una página cada una.</translation>
    </message>
    <message>
        <source>No pictures were given.</source>
        <translation>No se indicó ninguna imagen.</translation>
    </message>
    <message>
        <source>No text recognition data is installed in %1.</source>
        <translation>No hay datos de reconocimiento de texto instalados en %1.</translation>
    </message>
</context>
<context>
    <name>RirWindow</name>
    <message>
        <source>Rir - text recognition</source>
        <translation>Rir - reconocimiento de texto</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>No se leyó nada.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>No document was written.</source>
        <translation>No se escribió ningún documento.</translation>
    </message>
    <message>
        <source>Saved %1 and %2</source>
        <translation>Guardados %1 y %2</translation>
    </message>
    <message>
        <source>No program to show PDF files was found; the document is in %1.</source>
        <translation>No se encontró ningún programa para ver archivos PDF; el documento está en %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>Código QR...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Nombrar con el contenido del código QR</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Registrar automáticamente el contenido del código QR</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Guardar directamente</translation>
    </message>
</context>
<context>
    <name>ViceCamera</name>
    <message>
        <source>Can not load KELM_CamCtl.dll!</source>
        <translation>¡No se puede cargar la biblioteca de la cámara 2!</translation>
    </message>
    <message>
        <source>Failure to initialize library</source>
        <translation>No se pudo inicializar la biblioteca de la cámara</translation>
    </message>
    <message>
        <source>Can not find vice camera</source>
        <translation>No se encontró la cámara 2</translation>
    </message>
    <message>
        <source>Failure to start preview</source>
        <translation>No se pudo iniciar la imagen de la cámara 2</translation>
    </message>
</context>
</TS>
