<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Appiattimento automatico</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Unisci pagine sinistra e destra</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Salva direttamente</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Ricerca del dispositivo...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Apertura del dispositivo...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Vista fotocamera</translation>
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
        <translation>Carta d&apos;identità</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Foglio</translation>
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
        <translation>Dispositivi:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluz.:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contrasto:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturaz.:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Freq. rete:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Fotocam. 2</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Alto Sx</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Alto Dx</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Basso Sx</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Basso Dx</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Dialog_ImagesOutPut</name>
    <message>
        <source>导出PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>导出Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>请添加需要导出的图片:</source>
        <translation>Aggiungi le immagini da esportare:</translation>
    </message>
    <message>
        <source>添加需要导出的图片</source>
        <translation>Aggiungi immagini da esportare</translation>
    </message>
    <message>
        <source>从列表中删除指定图片</source>
        <translation>Rimuovi dall&apos;elenco le immagini selezionate</translation>
    </message>
    <message>
        <source>上移位置</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>下移位置</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Svuota l&apos;elenco</translation>
    </message>
    <message>
        <source>右转图片</source>
        <translation>Ruota l&apos;immagine</translation>
    </message>
    <message>
        <source>当前文档生成的路径</source>
        <translation>Percorso del documento da creare</translation>
    </message>
    <message>
        <source>改变文件夹</source>
        <translation>Cartella...</translation>
    </message>
    <message>
        <source>将导出的文件保存在其它的位置</source>
        <translation>Salva il documento in un&apos;altra cartella</translation>
    </message>
    <message>
        <source>一键生成</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Page %v of %m</source>
        <translation>Pagina %v di %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleziona immagini</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</source>
        <translation>Immagini (*.png *.bmp *.tif *.tiff *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>These pictures could not be turned and are unchanged:</source>
        <translation>Queste immagini non sono state ruotate e restano invariate:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>Out put to PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 creato</translation>
    </message>
    <message>
        <source>Pictures not turned: %1</source>
        <translation>Immagini non ruotate: %1</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The list is empty: add the pictures to put into the document.</source>
        <translation>L&apos;elenco è vuoto: aggiungi le immagini da inserire nel documento.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures; the list has %2.</source>
        <translation>Un documento contiene al massimo %1 immagini; l&apos;elenco ne ha %2.</translation>
    </message>
    <message>
        <source>The document needs a file name: %1</source>
        <translation>Il documento richiede un nome file: %1</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The picture %1 no longer exists.</source>
        <translation>L&apos;immagine %1 non esiste più.</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be read.</source>
        <translation>%1 non è un&apos;immagine leggibile.</translation>
    </message>
    <message>
        <source>One document holds at most %1 pictures.</source>
        <translation>Un documento contiene al massimo %1 immagini.</translation>
    </message>
    <message>
        <source>A file name is too long, or has characters this system cannot pass on.</source>
        <translation>Un nome file è troppo lungo o contiene caratteri che il sistema non può trasmettere.</translation>
    </message>
    <message>
        <source>A picture could not be read; it may have changed or been removed.</source>
        <translation>Impossibile leggere un&apos;immagine; potrebbe essere stata modificata o rimossa.</translation>
    </message>
    <message>
        <source>The document could not be written: the folder may be read-only or the disk full.</source>
        <translation>Impossibile scrivere il documento: la cartella potrebbe essere di sola lettura o il disco pieno.</translation>
    </message>
    <message>
        <source>Cancelled; no document was written.</source>
        <translation>Annullato; nessun documento è stato scritto.</translation>
    </message>
    <message>
        <source>The document component could not be loaded.</source>
        <translation>Impossibile caricare il componente dei documenti.</translation>
    </message>
    <message>
        <source>The document could not be created (error %1).</source>
        <translation>Impossibile creare il documento (errore %1).</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Salva subito</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Fronte</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Ruota di 180° l&apos;immagine selezionata</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Corrispondenza</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Identificazione automatica del documento</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Correggi automaticamente la carta d&apos;identità</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Salva con ritratto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
</context>
<context>
    <name>ImageFileRotator</name>
    <message>
        <source>not a picture, or it cannot be read</source>
        <translation>non è un&apos;immagine o non è leggibile</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Esporta in Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Elimina gli elementi selezionati</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
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
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Data, ora e indice</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Nomi:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Qualità JPG:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Angolo di rotazione predefinito in modalità documento</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Rotazione:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Tipo di filigrana:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Nessuna filigrana</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Filigrana data</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Filigrana testo</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Filigrana immagine</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Inserisci il testo della filigrana</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Basso Dx</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Alto Sx</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Basso Sx</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Alto Dx</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Colore...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Seleziona file immagine</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Immagini (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>Scatta foto (Spazio)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Interrompi acquisizione temporizzata</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Fai attenzione all&apos;illuminazione: evita la sovraesposizione e la scarsa luce</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Fai clic per aprire il Centro assistenza per ulteriori informazioni...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Azienda:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Impossibile caricare i componenti della fotocamera. Chiudere questo programma.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Ripresa</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>Codice QR...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Nomina con il contenuto del codice QR</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Registra automaticamente il contenuto del codice QR</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Salva direttamente</translation>
    </message>
</context>
</TS>
