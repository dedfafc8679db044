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
</TS>
